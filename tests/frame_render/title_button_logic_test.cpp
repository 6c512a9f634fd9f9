// Layout, hit tests and the hover fade of the title-bar buttons, as
// arithmetic (no window).
#include <gtest/gtest.h>

#include "skin/frame/title_button_logic.h"

namespace {

std::vector<int> Alphas(const std::vector<ButtonPaint>& paints, int button) {
  std::vector<int> out;
  for (const ButtonPaint& p : paints) {
    if (p.button == button) out.push_back(p.alpha);
  }
  return out;
}

TEST(TitleButtonLayout, ButtonsSitTwentySevenApartWithAWiderClose) {
  // help, menu, minimise, maximise, close
  const auto boxes = LayoutButtonBoxes(200, 0, {4, 3, 2, 1, 0});
  ASSERT_EQ(boxes.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_FLOAT_EQ(boxes[i].x, 202.0f + i * 27) << i;
    EXPECT_FLOAT_EQ(boxes[i].y, 1.0f);
    EXPECT_FLOAT_EQ(boxes[i].height, 18.0f);
  }
  EXPECT_FLOAT_EQ(boxes[3].width, 26.0f);
  EXPECT_FLOAT_EQ(boxes[4].width, 40.0f);
  EXPECT_EQ(StripLeft(325, 68), 258);
}

TEST(TitleButtonLayout, MinimiseAndCloseOnly) {
  const StripBox strip{258, 0, 68, 22};
  const auto boxes = LayoutButtonBoxes(strip.x, strip.y, {2, 0});
  EXPECT_FLOAT_EQ(boxes[0].x, strip.x + 2.0f);
  EXPECT_FLOAT_EQ(boxes[1].x, strip.x + 29.0f);
  // The close button's hit rectangle is 40 wide: x + 39 hits, x + 40 is its edge.
  EXPECT_EQ(ButtonIndexAt(strip, boxes, strip.x + 29 + 39, 10), 2);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, strip.x + 29 + 40, 10), 0);
}

TEST(TitleButtonHitTest, EdgesBelongToNoButton) {
  const StripBox strip{100, 0, 95, 22};
  const auto boxes = LayoutButtonBoxes(strip.x, strip.y, {2, 1, 0});  // x 102, 129, 156
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 102, 10), 0);   // left edge
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 103, 10), 1);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 127, 10), 1);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 128, 10), 0);   // right edge of button 1
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 129, 10), 0);   // left edge of button 2
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 130, 10), 2);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 140, 1), 0);    // top edge
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 140, 2), 2);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 140, 18), 2);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 140, 19), 0);   // bottom edge
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 99, 10), 0);    // left of the strip
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 140, 23), 0);   // below the strip
}

TEST(TitleButtonHitTest, StripIncludesItsEdges) {
  const StripBox strip{100, 0, 95, 22};
  EXPECT_TRUE(PointInStripBox(strip, 100, 0));
  EXPECT_TRUE(PointInStripBox(strip, 195, 22));
  EXPECT_FALSE(PointInStripBox(strip, 99, 5));
  EXPECT_FALSE(PointInStripBox(strip, 196, 5));
  EXPECT_FALSE(PointInStripBox(strip, 150, 23));
  EXPECT_FALSE(PointInStripBox(strip, 150, -1));
}

// The mouse enters button 1 (minimise), moves to button 2 (close), then
// leaves the strip; the timer runs as long as the fades need it.
TEST(TitleButtonFade, MovingFromMinimiseToCloseCrossFades) {
  FadeModel m;
  m.mouseTracking = 1;
  FadeActions a = FadeOnMouseMove(m, true, 1);
  EXPECT_TRUE(a.startTimer);
  EXPECT_EQ(m.hotButton, 1);
  std::vector<ButtonPaint> painted;
  for (int i = 0; i < 8; ++i) {
    a = FadeOnTimer(m);
    EXPECT_FALSE(a.killTimer);
    painted.insert(painted.end(), a.paints.begin(), a.paints.end());
  }
  EXPECT_EQ(Alphas(painted, 1), (std::vector<int>{30, 60, 90, 120, 150, 180, 210, 240}));

  a = FadeOnMouseMove(m, true, 2);
  EXPECT_FALSE(a.startTimer);  // already running
  // Button 1 has never faded out, so its (non-existent) fade-out is not ended.
  EXPECT_TRUE(a.paints.empty());
  painted.clear();
  for (int i = 0; i < 8; ++i) {
    a = FadeOnTimer(m);
    EXPECT_FALSE(a.killTimer) << "the mouse is still in the strip";
    painted.insert(painted.end(), a.paints.begin(), a.paints.end());
  }
  EXPECT_EQ(Alphas(painted, 1), (std::vector<int>{210, 180, 150, 120, 90, 60, 30, 0}));
  EXPECT_EQ(Alphas(painted, 2), (std::vector<int>{30, 60, 90, 120, 150, 180, 210, 240}));
  // Each step paints the fade-in first, then the fade-out.
  EXPECT_EQ(painted[0].button, 2);
  EXPECT_EQ(painted[1].button, 1);

  // Leaving the strip: the close button fades out over eight steps, then
  // the timer stops.
  a = FadeOnMouseMove(m, false, 0);
  EXPECT_EQ(m.fadeTimerOn, 0);
  EXPECT_EQ(m.fadeOut.button, 2);
  painted.clear();
  int steps = 0;
  do {
    a = FadeOnTimer(m);
    painted.insert(painted.end(), a.paints.begin(), a.paints.end());
    ++steps;
  } while (!a.killTimer && steps < 20);
  EXPECT_EQ(steps, 8);
  EXPECT_EQ(Alphas(painted, 2), (std::vector<int>{210, 180, 150, 120, 90, 60, 30, 0}));
  EXPECT_EQ(m.hotButton, 0);
  EXPECT_EQ(m.fadeIn.button, 0);
  EXPECT_EQ(m.fadeOut.button, 0);
}

TEST(TitleButtonFade, AnUnfinishedFadeOutEndsAtOnce) {
  FadeModel m;
  m.mouseTracking = 1;
  FadeOnMouseMove(m, true, 1);
  FadeOnMouseMove(m, true, 2);  // 1 starts fading out
  FadeOnTimer(m);
  FadeOnTimer(m);
  ASSERT_EQ(m.fadeOut.button, 1);
  ASSERT_EQ(m.fadeOut.step, 2);
  const FadeActions a = FadeOnMouseMove(m, true, 3);  // 2 starts fading out
  ASSERT_EQ(a.paints.size(), 1u);
  EXPECT_EQ(a.paints[0].button, 1);
  EXPECT_EQ(a.paints[0].alpha, 0);
  EXPECT_EQ(m.fadeOut.button, 2);
  EXPECT_EQ(m.fadeOut.step, 0);
  EXPECT_EQ(m.fadeIn.button, 3);
}

TEST(TitleButtonFade, TimerKeepsRunningWhileTheMouseIsTrackedInTheStrip) {
  FadeModel m;
  m.mouseTracking = 1;
  FadeOnMouseMove(m, true, 1);
  for (int i = 0; i < 30; ++i) EXPECT_FALSE(FadeOnTimer(m).killTimer);
  EXPECT_EQ(m.fadeIn.step, 8);
  EXPECT_EQ(m.hotButton, 1);
}

TEST(TitleButtonFade, LeavingTheWindowMidFade) {
  FadeModel m;
  m.mouseTracking = 1;
  FadeOnMouseMove(m, true, 1);
  FadeOnTimer(m);
  FadeOnMouseMove(m, true, 2);
  FadeOnTimer(m);  // 2 at 30, 1 at 210
  m.mouseTracking = 0;
  const FadeActions a = FadeOnMouseLeave(m);
  // Both fades unfinished: button 1 is painted plain, the fade-in dropped,
  // and button 2 fades out from the start.
  ASSERT_EQ(a.paints.size(), 1u);
  EXPECT_EQ(a.paints[0].button, 1);
  EXPECT_EQ(a.paints[0].alpha, 0);
  EXPECT_EQ(m.fadeIn.button, 0);
  EXPECT_EQ(m.fadeOut.button, 2);
  EXPECT_EQ(m.hotButton, 0);
  std::vector<int> alphas;
  FadeActions t;
  do {
    t = FadeOnTimer(m);
    for (const ButtonPaint& p : t.paints) alphas.push_back(p.alpha);
  } while (!t.killTimer && alphas.size() < 20);
  EXPECT_EQ(alphas, (std::vector<int>{210, 180, 150, 120, 90, 60, 30, 0}));
}

TEST(TitleButtonFade, LeaveWithoutHotButtonDoesNothing) {
  FadeModel m;
  m.fadeOut = {2, 3};
  const FadeActions a = FadeOnMouseLeave(m);
  EXPECT_TRUE(a.paints.empty());
  EXPECT_EQ(m.fadeOut.button, 2);
  EXPECT_EQ(m.fadeOut.step, 3);
}

}  // namespace
