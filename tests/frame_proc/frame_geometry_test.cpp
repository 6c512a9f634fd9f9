// The frame arithmetic: resize zones, drag zone, work area, the strip made
// at install, status bar layout, fade band and menu command numbers.
#include <gtest/gtest.h>

#include "skin/frame/frame_geometry.h"

namespace {

constexpr int kW = 326;
constexpr int kH = 393;
constexpr int kE = 3;

TEST(FrameGeometry, TitleHeightIsRaisedToTwentyFive) {
  EXPECT_EQ(ClampTitleHeight(10), 25);
  EXPECT_EQ(ClampTitleHeight(0), 25);
  EXPECT_EQ(ClampTitleHeight(24), 25);
  EXPECT_EQ(ClampTitleHeight(25), 25);
  EXPECT_EQ(ClampTitleHeight(50), 50);
}

TEST(FrameGeometry, EdgesBetweenTheCorners) {
  EXPECT_EQ(EdgeZoneAt(0, 100, kW, kH, kE), EdgeZone::Left);
  EXPECT_EQ(EdgeZoneAt(3, 100, kW, kH, kE), EdgeZone::Left);
  EXPECT_EQ(EdgeZoneAt(4, 100, kW, kH, kE), EdgeZone::None);
  EXPECT_EQ(EdgeZoneAt(kW - 3, 100, kW, kH, kE), EdgeZone::Right);
  EXPECT_EQ(EdgeZoneAt(kW - 4, 100, kW, kH, kE), EdgeZone::None);
  EXPECT_EQ(EdgeZoneAt(100, 3, kW, kH, kE), EdgeZone::Top);
  EXPECT_EQ(EdgeZoneAt(100, 4, kW, kH, kE), EdgeZone::None);
  EXPECT_EQ(EdgeZoneAt(100, kH - 3, kW, kH, kE), EdgeZone::Bottom);
  EXPECT_EQ(EdgeZoneAt(100, kH - 4, kW, kH, kE), EdgeZone::None);
}

TEST(FrameGeometry, CornersAndTheirBoundaries) {
  EXPECT_EQ(EdgeZoneAt(10, 10, kW, kH, kE), EdgeZone::TopLeft);
  EXPECT_EQ(EdgeZoneAt(2, 10, kW, kH, kE), EdgeZone::TopLeft);  // y < 11: not the left edge
  EXPECT_EQ(EdgeZoneAt(2, 11, kW, kH, kE), EdgeZone::Left);
  EXPECT_EQ(EdgeZoneAt(11, 10, kW, kH, kE), EdgeZone::None);
  // W - 10 and H - 10 belong to the right and bottom corners.
  EXPECT_EQ(EdgeZoneAt(kW - 10, 2, kW, kH, kE), EdgeZone::TopRight);
  EXPECT_EQ(EdgeZoneAt(kW - 11, 2, kW, kH, kE), EdgeZone::Top);
  EXPECT_EQ(EdgeZoneAt(2, kH - 10, kW, kH, kE), EdgeZone::BottomLeft);
  EXPECT_EQ(EdgeZoneAt(2, kH - 11, kW, kH, kE), EdgeZone::Left);
  EXPECT_EQ(EdgeZoneAt(kW - 10, kH - 10, kW, kH, kE), EdgeZone::BottomRight);
  EXPECT_EQ(EdgeZoneAt(kW - 1, kH - 1, kW, kH, kE), EdgeZone::BottomRight);
  EXPECT_EQ(EdgeZoneAt(kW - 10, kH - 11, kW, kH, kE), EdgeZone::None);
}

TEST(FrameGeometry, DragZoneIsTheTitleBandInsideTheEdge) {
  EXPECT_TRUE(InDragZone(5, 20, kW, 50, kE));
  EXPECT_TRUE(InDragZone(4, 4, kW, 50, kE));
  EXPECT_TRUE(InDragZone(kW - 4, 50, kW, 50, kE));
  EXPECT_FALSE(InDragZone(3, 20, kW, 50, kE));
  EXPECT_FALSE(InDragZone(20, 3, kW, 50, kE));
  EXPECT_FALSE(InDragZone(20, 51, kW, 50, kE));
  EXPECT_FALSE(InDragZone(kW - 3, 20, kW, 50, kE));
}

TEST(FrameGeometry, WorkAreaWithAHorizontalTaskbar) {
  TaskbarPlacement bottom{0, 728, 1366, 768, true};
  AreaSize area = ComputeWorkArea(1366, 768, bottom, WorkAreaUse::MinMaxInfo);
  EXPECT_EQ(area.width, 1366);
  EXPECT_EQ(area.height, 728);
  area = ComputeWorkArea(1366, 768, bottom, WorkAreaUse::PositionChanged);
  EXPECT_EQ(area.height, 728);

  // Auto-hidden at the bottom edge (top at least screen height - 5) or off
  // the top: the whole height.
  TaskbarPlacement hiddenBelow{0, 766, 1366, 806, false};
  EXPECT_EQ(ComputeWorkArea(1366, 768, hiddenBelow, WorkAreaUse::MinMaxInfo).height, 768);
  TaskbarPlacement hiddenAbove{0, -38, 1366, 2, false};
  EXPECT_EQ(ComputeWorkArea(1366, 768, hiddenAbove, WorkAreaUse::MinMaxInfo).height, 768);
  TaskbarPlacement justAbove{0, 762, 1366, 802, true};
  EXPECT_EQ(ComputeWorkArea(1366, 768, justAbove, WorkAreaUse::MinMaxInfo).height, 728);
}

TEST(FrameGeometry, WorkAreaWithAVerticalTaskbar) {
  TaskbarPlacement left{0, 0, 60, 768, true};
  AreaSize area = ComputeWorkArea(1366, 768, left, WorkAreaUse::MinMaxInfo);
  EXPECT_EQ(area.width, 1306);
  EXPECT_EQ(area.height, 768);
  // Invisible: the min-max answer keeps the full width, the position
  // handling does not look at visibility.
  left.visible = false;
  EXPECT_EQ(ComputeWorkArea(1366, 768, left, WorkAreaUse::MinMaxInfo).width, 1366);
  EXPECT_EQ(ComputeWorkArea(1366, 768, left, WorkAreaUse::PositionChanged).width, 1306);
  // No taskbar at all: the whole screen.
  area = ComputeWorkArea(1024, 768, TaskbarPlacement{}, WorkAreaUse::PositionChanged);
  EXPECT_EQ(area.width, 1024);
  EXPECT_EQ(area.height, 768);
}

TEST(FrameGeometry, StripAtInstall) {
  // Minimise and close: 26 + 38 + 1 + 3.
  StripPlacement strip = InstallStripPlacement({26, 38}, 326, 3);
  EXPECT_EQ(strip.width, 68);
  EXPECT_EQ(strip.height, 22);
  EXPECT_EQ(strip.y, 0);
  EXPECT_EQ(strip.x, 326 - 3 - 68 - 2);
  // All five buttons.
  EXPECT_EQ(InstallStripPlacement({26, 26, 26, 26, 38}, 326, 3).width, 4 * 26 + 38 + 4 + 3);
  EXPECT_EQ(InstallStripPlacement({38}, 326, 3).width, 41);
  // No buttons at all.
  EXPECT_EQ(InstallStripPlacement({}, 326, 3).width, 2);
}

TEST(FrameGeometry, StatusBarAndItems) {
  const BarRect bar = StatusBarRect(320, 400, 3, 20);
  EXPECT_EQ(bar.x, 3);
  EXPECT_EQ(bar.y, 400 - 3 - 20 - 1);
  EXPECT_EQ(bar.width, 320 - 6);
  EXPECT_EQ(bar.height, 20);

  const std::vector<BarRect> items = StatusItemRects({50, 70, -1}, 320, 400, 3, 20);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].x, 3);
  EXPECT_EQ(items[0].width, 50);
  EXPECT_EQ(items[1].x, 53);
  EXPECT_EQ(items[1].width, 70);
  EXPECT_EQ(items[2].x, 123);
  EXPECT_EQ(items[2].width, 320 - 3 - 123);  // to the end of the bar
  for (const BarRect& r : items) {
    EXPECT_EQ(r.y, 376);
    EXPECT_EQ(r.height, 20);
  }
  EXPECT_TRUE(StatusItemRects({}, 320, 400, 3, 20).empty());
}

TEST(FrameGeometry, FadeBandIsThirtyPercentRounded) {
  EXPECT_EQ(FadeBandWidth(256), 77);  // 76.8
  EXPECT_EQ(FadeBandWidth(100), 30);
  EXPECT_EQ(FadeBandWidth(5), 2);  // 1.5 rounds up
  EXPECT_EQ(FadeBandWidth(1), 0);
}

TEST(FrameGeometry, MenuCommandNumbers) {
  MenuCommand c = SplitMenuCommand(12005);
  EXPECT_EQ(c.menu, 12);
  EXPECT_EQ(c.item, 5);
  c = SplitMenuCommand(1999);
  EXPECT_EQ(c.menu, 1);
  EXPECT_EQ(c.item, 999);
  c = SplitMenuCommand(42);  // fewer than four digits: no menu
  EXPECT_EQ(c.menu, 0);
  EXPECT_EQ(c.item, 42);
}

}  // namespace
