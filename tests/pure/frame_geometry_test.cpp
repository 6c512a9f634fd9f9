// The frame's arithmetic: the resize zones along its edges and corners, the
// drag zone of the title band, and the work area the taskbar leaves free.
#include <gtest/gtest.h>

#include "skin/frame/frame_geometry.h"

namespace {

constexpr int kW = 326;
constexpr int kH = 393;
constexpr int kE = 3;

TEST(FrameGeometry, EdgeZonesOnTheirBoundaries) {
  const struct {
    int x, y;
    EdgeZone zone;
  } cases[] = {
      {3, 100, EdgeZone::Left},          {4, 100, EdgeZone::None},
      {kW - 3, 100, EdgeZone::Right},    {kW - 4, 100, EdgeZone::None},
      {100, 3, EdgeZone::Top},           {100, kH - 3, EdgeZone::Bottom},
      {100, kH - 4, EdgeZone::None},
      {2, 10, EdgeZone::TopLeft},        {2, 11, EdgeZone::Left},
      {11, 10, EdgeZone::None},          {kW - 10, 2, EdgeZone::TopRight},
      {kW - 11, 2, EdgeZone::Top},       {2, kH - 10, EdgeZone::BottomLeft},
      {kW - 10, kH - 10, EdgeZone::BottomRight}, {kW - 10, kH - 11, EdgeZone::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EdgeZoneAt(c.x, c.y, kW, kH, kE), c.zone) << c.x << "," << c.y;
  }
}

TEST(FrameGeometry, DragZoneIsTheTitleBandInsideTheEdge) {
  EXPECT_TRUE(InDragZone(5, 20, kW, 50, kE));
  EXPECT_TRUE(InDragZone(4, 4, kW, 50, kE));
  EXPECT_TRUE(InDragZone(kW - 4, 50, kW, 50, kE));
  EXPECT_FALSE(InDragZone(kW - 3, 20, kW, 50, kE));
  EXPECT_FALSE(InDragZone(3, 20, kW, 50, kE));
  EXPECT_FALSE(InDragZone(100, 3, kW, 50, kE));
  EXPECT_FALSE(InDragZone(100, 51, kW, 50, kE));
}

TaskbarPlacement Taskbar(int left, int top, int right, int bottom, bool visible = true) {
  TaskbarPlacement t;
  t.rect = RectI{left, top, right - left, bottom - top};
  t.visible = visible;
  return t;
}

// The work area on a 1366 x 768 screen for both messages: a horizontal
// taskbar takes its height unless it is pushed off an edge; a vertical one
// takes its width (for the min-max answer only while it is visible).
TEST(FrameGeometry, WorkAreaLeavesTheTaskbarFree) {
  const struct {
    const char* what;
    TaskbarPlacement taskbar;
    int minMaxWidth, minMaxHeight, changedWidth, changedHeight;
  } cases[] = {
      {"bottom, 40 high", Taskbar(0, 728, 1366, 768), 1366, 728, 1366, 728},
      {"top, 40 high", Taskbar(0, 0, 1366, 40), 1366, 728, 1366, 728},
      {"bottom, hidden by the system", Taskbar(0, 728, 1366, 768, false), 1366, 728, 1366, 728},
      {"auto-hidden at the bottom edge", Taskbar(0, 766, 1366, 806), 1366, 768, 1366, 768},
      {"top at screen height - 5", Taskbar(0, 763, 1366, 803), 1366, 768, 1366, 768},
      {"top at screen height - 6", Taskbar(0, 762, 1366, 802), 1366, 728, 1366, 728},
      {"auto-hidden off the top", Taskbar(0, -38, 1366, 2), 1366, 768, 1366, 768},
      {"left, 62 wide", Taskbar(0, 0, 62, 768), 1304, 768, 1304, 768},
      {"right, 62 wide", Taskbar(1304, 0, 1366, 768), 1304, 768, 1304, 768},
      {"left, not visible", Taskbar(0, 0, 62, 768, false), 1366, 768, 1304, 768},
      {"square counts as vertical", Taskbar(0, 700, 68, 768), 1298, 768, 1298, 768},
      {"no taskbar", TaskbarPlacement(), 1366, 768, 1366, 768},
  };
  for (const auto& c : cases) {
    const AreaSize minMax = ComputeWorkArea(1366, 768, c.taskbar, WorkAreaUse::MinMaxInfo);
    const AreaSize changed = ComputeWorkArea(1366, 768, c.taskbar, WorkAreaUse::PositionChanged);
    EXPECT_EQ(minMax.width, c.minMaxWidth) << c.what;
    EXPECT_EQ(minMax.height, c.minMaxHeight) << c.what;
    EXPECT_EQ(changed.width, c.changedWidth) << c.what;
    EXPECT_EQ(changed.height, c.changedHeight) << c.what;
  }
}

}  // namespace
