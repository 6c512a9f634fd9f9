// Title-bar buttons on a real skinned frame: hit tests on the rectangle
// edges and the actions the buttons run.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "graphics/gdiplus/graphics_path.h"
#include "skin/frame/title_buttons.h"
#include "tests/frame_render/frame_fixture.h"

namespace {

// Seen by the callbacks below after they closed the window: they keep
// nothing of their own to read once the record is gone.
std::weak_ptr<int> callbackToken;
bool tokenAliveAfterClose = false;

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

// The close button follows the window's rounded corner: its top-right
// corner is the quarter circle of radius r centred r in from both edges.
TEST_F(TitleButtons, CloseShapeHasAQuarterArcOfTheGivenRadius) {
  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(AddCloseShape(path, 10, 20, 40, 18, 5));
  const RectF bounds = path.GetWorldBounds();
  EXPECT_NEAR(bounds.x, 10, 0.01);
  EXPECT_NEAR(bounds.y, 20, 0.01);
  EXPECT_NEAR(bounds.width, 40, 0.01);
  EXPECT_NEAR(bounds.height, 18, 0.01);
  // Flattened, every point of the corner lies on the circle of radius 5
  // round (45, 25), from (45, 20) on the top edge to (50, 25) on the right.
  ASSERT_TRUE(path.Flatten(0.05f));
  int onArc = 0;
  bool start = false, end = false;
  for (const PointF p : path.GetPathPoints()) {
    start = start || (std::fabs(p.x - 45) < 0.01f && std::fabs(p.y - 20) < 0.01f);
    end = end || (std::fabs(p.x - 50) < 0.01f && std::fabs(p.y - 25) < 0.01f);
    if (p.x <= 45.01f || p.y >= 24.99f) continue;
    ++onArc;
    EXPECT_NEAR(std::hypot(p.x - 45, p.y - 25), 5.0, 0.1) << p.x << "," << p.y;
  }
  EXPECT_GE(onArc, 3);
  EXPECT_TRUE(start);
  EXPECT_TRUE(end);
}

// A help, menu or custom button whose callback closes the window: the record
// (and the function object in it) goes while the callback runs, which must
// therefore run on a copy that lives until it returns.
TEST_F(TitleButtons, CallbacksThatCloseTheWindowOutliveTheRecord) {
  for (const TitleButtonKind kind : {kHelpButtonKind, kMenuButtonKind, kCustomButtonKind}) {
    FrameOptions o;
    o.help = true;
    o.visible = false;
    FrameWindow frame(o);
    WindowRecord& r = frame.record();
    TitleButton& first = *r.titleButtons[0];
    first.kind = kind;
    auto token = std::make_shared<int>(7);
    callbackToken = token;
    tokenAliveAfterClose = false;
    const HWND window = frame.get();
    SkinCallback closing = [token, window] {
      DestroyWindow(window);
      tokenAliveAfterClose = !callbackToken.expired();
      return 0;
    };
    if (kind == kHelpButtonKind) r.helpCallback = closing;
    if (kind == kMenuButtonKind) r.menuCallback = closing;
    if (kind == kCustomButtonKind) first.callback = closing;
    closing = nullptr;
    token.reset();
    ASSERT_FALSE(callbackToken.expired());
    RunTitleButtonAction(frame.index(), 1);
    EXPECT_FALSE(IsWindow(window)) << kind;
    EXPECT_EQ(FindWindowRecord(window), 0) << kind;
    EXPECT_TRUE(tokenAliveAfterClose) << "kind " << kind << ": the callback ran on the record's copy";
    EXPECT_TRUE(callbackToken.expired()) << kind;
  }
}

}  // namespace
