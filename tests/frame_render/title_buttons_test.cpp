// Title-bar buttons on a real skinned frame: hit tests on the rectangle
// edges and the actions the buttons run.
#include <gtest/gtest.h>

#include "skin/frame/title_buttons.h"
#include "tests/frame_render/frame_fixture.h"

namespace {

class TitleButtons : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

TEST_F(TitleButtons, MinimiseAndCloseHitRectangles) {
  FrameOptions o;
  o.minimizeBox = true;
  o.visible = false;
  FrameWindow frame(o);
  const WindowRecord& r = frame.record();
  const int i = frame.index(), sx = r.stripX;
  const struct {
    int x, y, button;
  } cases[] = {
      {sx + 2, 10, 0},  {sx + 3, 10, 1},  {sx + 29, 10, 0}, {sx + 30, 10, 2},
      {sx + 68, 10, 2}, {sx + 69, 10, 0}, {sx + 30, 1, 0},  {sx + 30, 19, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TitleButtonAt(i, c.x, c.y), c.button) << c.x - sx << "," << c.y;
  EXPECT_TRUE(PointInStrip(i, PointParam(sx, 0)));
  EXPECT_TRUE(PointInStrip(i, PointParam(sx + r.stripWidth, 22)));
  EXPECT_FALSE(PointInStrip(i, PointParam(sx - 1, 5)));
  EXPECT_FALSE(PointInStrip(i, PointParam(sx + 5, 23)));
  EXPECT_EQ(TitleButtonAt(i + 1, sx + 30, 10), 0);
}

TEST_F(TitleButtons, ActionsSendTheSystemCommandsOrRunTheCallbacks) {
  FrameOptions o;
  o.minimizeBox = true;
  o.maximizeBox = true;
  o.help = true;
  o.visible = false;
  FrameWindow frame(o);
  WindowRecord& r = frame.record();
  const int i = frame.index();
  int helped = 0;
  r.helpCallback = [&] { ++helped; return 0; };
  RunTitleButtonAction(i, 1);  // help
  RunTitleButtonAction(i, 3);  // maximise
  EXPECT_EQ(r.maximized, 1);
  EXPECT_EQ(r.titleButtons[2]->name, "还原");
  RunTitleButtonAction(i, 3);  // restore
  EXPECT_EQ(r.maximized, 0);
  EXPECT_EQ(r.titleButtons[2]->name, "最大化");
  RunTitleButtonAction(i, 2);  // minimise
  EXPECT_EQ(r.minimized, 1);
  RunTitleButtonAction(i, 4);  // close
  RunTitleButtonAction(i, 0);  // no button
  RunTitleButtonAction(i, 5);  // beyond the last
  EXPECT_EQ(helped, 1);
  EXPECT_EQ(frame.sysCommands,
            (std::vector<WPARAM>{SC_MAXIMIZE, SC_RESTORE, SC_MINIMIZE, SC_CLOSE}));
}

}  // namespace
