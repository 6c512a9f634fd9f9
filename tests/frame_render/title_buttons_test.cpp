// Title-bar buttons on a real skinned frame: button sets and strip widths by
// style, layout, hit tests, tooltips, actions and the pressed look.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "graphics/tooltip/tooltip.h"
#include "skin/frame/frame_render.h"
#include "skin/frame/title_buttons.h"
#include "tests/frame_render/frame_fixture.h"

namespace {

class TitleButtons : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

struct StyleCase {
  bool minimize, maximize, help, menu;
  std::vector<int> kinds;
  int stripWidth;
};

TEST_F(TitleButtons, ButtonSetsAndStripWidthsFollowTheStyle) {
  const std::vector<StyleCase> cases = {
      {false, false, false, false, {0}, 38 + 0 + 3},
      {true, false, false, false, {2, 0}, 26 + 38 + 1 + 3},
      {true, true, false, false, {2, 1, 0}, 26 + 26 + 38 + 2 + 3},
      {false, true, true, false, {4, 1, 0}, 26 + 26 + 38 + 2 + 3},
      {true, true, true, true, {4, 3, 2, 1, 0}, 4 * 26 + 38 + 4 + 3},
  };
  for (const StyleCase& c : cases) {
    FrameOptions o;
    o.minimizeBox = c.minimize;
    o.maximizeBox = c.maximize;
    o.help = c.help;
    o.menu = c.menu;
    o.visible = false;
    FrameWindow frame(o);
    WindowRecord& r = frame.record();
    std::vector<int> kinds;
    for (const auto& b : r.titleButtons) kinds.push_back(b->kind);
    EXPECT_EQ(kinds, c.kinds);
    EXPECT_EQ(r.stripWidth, c.stripWidth);
    // Laid out at the right edge of the 326-pixel client area.
    EXPECT_EQ(r.stripX, 326 - c.stripWidth + 1);
    EXPECT_EQ(r.stripHeight, 22);
    for (int i = 0; i < ListLength(r.titleButtons); ++i) {
      const TitleButton& b = *r.titleButtons[i];
      EXPECT_FLOAT_EQ(b.rect.x, static_cast<float>(r.stripX + 2 + 27 * i));
      EXPECT_FLOAT_EQ(b.rect.y, 1.0f);
      EXPECT_FLOAT_EQ(b.rect.width, b.kind == 0 ? 40.0f : 26.0f);
    }
  }
}

TEST_F(TitleButtons, MinimiseAndCloseHitRectangles) {
  FrameOptions o;
  o.minimizeBox = true;
  o.visible = false;
  FrameWindow frame(o);
  const WindowRecord& r = frame.record();
  const int sx = r.stripX;
  EXPECT_EQ(TitleButtonAt(frame.index(), sx + 2, 10), 0);  // minimise's left edge
  EXPECT_EQ(TitleButtonAt(frame.index(), sx + 3, 10), 1);
  EXPECT_EQ(TitleButtonAt(frame.index(), sx + 29, 10), 0);  // close's left edge
  EXPECT_EQ(TitleButtonAt(frame.index(), sx + 30, 10), 2);
  EXPECT_EQ(TitleButtonAt(frame.index(), sx + 68, 10), 2);
  EXPECT_EQ(TitleButtonAt(frame.index(), sx + 69, 10), 0);  // 40 wide: right edge
  EXPECT_EQ(TitleButtonAt(frame.index(), sx + 30, 1), 0);
  EXPECT_EQ(TitleButtonAt(frame.index(), sx + 30, 19), 0);
  EXPECT_TRUE(PointInStrip(frame.index(), PointParam(sx, 0)));
  EXPECT_TRUE(PointInStrip(frame.index(), PointParam(sx + r.stripWidth, 22)));
  EXPECT_FALSE(PointInStrip(frame.index(), PointParam(sx - 1, 5)));
  EXPECT_FALSE(PointInStrip(frame.index(), PointParam(sx + 5, 23)));
  EXPECT_FALSE(PointInStrip(frame.index(), PointParam(sx + 5, -1)));
  // Invalid indices answer nothing.
  EXPECT_EQ(TitleButtonAt(0, sx + 30, 10), 0);
  EXPECT_EQ(TitleButtonAt(frame.index() + 1, sx + 30, 10), 0);
  EXPECT_FALSE(PointInStrip(0, PointParam(sx, 0)));
}

TEST_F(TitleButtons, LayoutFollowsANewClientWidth) {
  FrameOptions o;
  o.minimizeBox = true;
  o.visible = false;
  FrameWindow frame(o);
  SetWindowPos(frame.get(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  LayoutTitleButtons(frame.index());
  const WindowRecord& r = frame.record();
  EXPECT_EQ(r.stripX, 400 - 68 + 1);
  EXPECT_FLOAT_EQ(r.titleButtons[1]->rect.x, 400 - 68 + 1 + 29.0f);
}

// The tooltip tool of each button follows its rectangle and its name.
TEST_F(TitleButtons, TooltipToolsFollowTheLayoutAndTheMaximiseName) {
  FrameOptions o;
  o.minimizeBox = true;
  o.maximizeBox = true;
  o.tooltip = true;
  o.visible = false;
  FrameWindow frame(o);
  WindowRecord& r = frame.record();
  ASSERT_NE(r.tooltip->GetHandle(), nullptr);
  auto tool = [&](UINT id, std::string* text) {
    char buffer[80] = {};
    TOOLINFOA info{};
    info.cbSize = kToolInfoSize;
    info.hwnd = frame.get();
    info.uId = id;
    info.lpszText = buffer;
    SendMessageA(r.tooltip->GetHandle(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info));
    if (text) *text = buffer;
    return info.rect;
  };
  std::string text;
  RECT close = tool(3, &text);
  EXPECT_EQ(close.left, r.stripX + 2 + 54);
  EXPECT_EQ(close.right, close.left + 40);
  EXPECT_EQ(close.top, 1);
  EXPECT_EQ(close.bottom, 19);
  EXPECT_EQ(text, "关闭");

  // Maximise: the name becomes "还原"; the tooltip learns it at the next layout.
  RunTitleButtonAction(frame.index(), 2);
  EXPECT_EQ(r.titleButtons[1]->name, "还原");
  tool(2, &text);
  EXPECT_EQ(text, "最大化");
  LayoutTitleButtons(frame.index());
  tool(2, &text);
  EXPECT_EQ(text, "还原");
}

TEST_F(TitleButtons, ActionsSendTheSystemCommands) {
  FrameOptions o;
  o.minimizeBox = true;
  o.maximizeBox = true;
  o.visible = false;
  FrameWindow frame(o);
  WindowRecord& r = frame.record();
  const int i = frame.index();

  RunTitleButtonAction(i, 2);  // maximise
  EXPECT_EQ(r.maximized, 1);
  EXPECT_EQ(r.needsFullRedraw, 1);
  RunTitleButtonAction(i, 2);  // restore
  EXPECT_EQ(r.maximized, 0);
  EXPECT_EQ(r.titleButtons[1]->name, "最大化");
  r.needsFullRedraw = 0;
  RunTitleButtonAction(i, 1);  // minimise
  EXPECT_EQ(r.minimized, 1);
  RunTitleButtonAction(i, 3);  // close
  RunTitleButtonAction(i, 0);  // no button
  RunTitleButtonAction(i, 4);  // beyond the last
  EXPECT_EQ(frame.sysCommands,
            (std::vector<WPARAM>{SC_MAXIMIZE, SC_RESTORE, SC_MINIMIZE, SC_CLOSE}));
}

TEST_F(TitleButtons, HelpMenuAndCustomButtonsRunTheirCallbacks) {
  FrameOptions o;
  o.help = true;
  o.menu = true;
  o.visible = false;
  FrameWindow frame(o);
  WindowRecord& r = frame.record();
  std::vector<int> calls;
  r.helpCallback = [&] { calls.push_back(4); return 0; };
  r.menuCallback = [&] { calls.push_back(3); return 0; };
  r.titleButtons[2]->kind = 5;  // the close button turned custom
  r.titleButtons[2]->callback = [&] { calls.push_back(5); return 0; };
  RunTitleButtonAction(frame.index(), 1);
  RunTitleButtonAction(frame.index(), 2);
  RunTitleButtonAction(frame.index(), 3);
  EXPECT_EQ(calls, (std::vector<int>{4, 3, 5}));
  EXPECT_TRUE(frame.sysCommands.empty());
  // Without callbacks nothing happens.
  r.helpCallback = nullptr;
  RunTitleButtonAction(frame.index(), 1);
  EXPECT_EQ(calls.size(), 3u);
}

TEST_F(TitleButtons, PressOnMinimiseReleaseOverCloseCloses) {
  FrameOptions o;
  o.minimizeBox = true;
  FrameWindow frame(o);
  RenderFrame(frame.index(), nullptr, true);
  WindowRecord& r = frame.record();
  r.mouseTracking = 1;
  const int sx = r.stripX;
  EXPECT_EQ(TitleButtonsPress(frame.index(), PointParam(sx + 10, 10)), 1);
  TitleButtonsMouseMove(frame.index(), PointParam(sx + 40, 10));
  EXPECT_EQ(HotTitleButton, 2);
  RunTitleButtonAction(frame.index(), HotTitleButton);  // the release
  EXPECT_EQ(frame.sysCommands, (std::vector<WPARAM>{SC_CLOSE}));
  KillTimer(frame.get(), reinterpret_cast<UINT_PTR>(frame.get()));
}

}  // namespace
