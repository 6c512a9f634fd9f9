// Where the title-bar buttons lie, which one a point hits, and the hover
// fade when the mouse leaves the window before a fade has finished.
#include <gtest/gtest.h>

#include "skin/frame/title_button_logic.h"

namespace {

TEST(TitleButtonFade, LeavingTheWindowMidFade) {
  FadeModel m;
  m.mouseTracking = true;
  FadeOnMouseMove(m, true, 1);
  FadeOnTimer(m);
  FadeOnMouseMove(m, true, 2);
  FadeOnTimer(m);  // 2 at 30, 1 at 210
  m.mouseTracking = false;
  const FadeActions a = FadeOnMouseLeave(m);
  // Button 1 is painted plain, the fade-in dropped, 2 fades out from the start.
  ASSERT_EQ(a.paints.size(), 1u);
  EXPECT_EQ(a.paints[0].button, 1);
  EXPECT_EQ(a.paints[0].alpha, 0);
  EXPECT_EQ(m.fadeIn.button, 0);
  EXPECT_EQ(m.hotButton, 0);
  std::vector<int> alphas;
  FadeActions t;
  do {
    t = FadeOnTimer(m);
    for (const ButtonPaint& p : t.paints) alphas.push_back(p.alpha);
  } while (!t.killTimer && alphas.size() < 20);
  EXPECT_EQ(alphas, (std::vector<int>{210, 180, 150, 120, 90, 60, 30, 0}));
}

TEST(TitleButtonLayout, ButtonsFromTheStripsLeftEdge) {
  const std::vector<RectF> boxes =
      LayoutButtonBoxes(100, 0, {kMinimiseButtonKind, kCloseButtonKind});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].x, 102.0f);
  EXPECT_EQ(boxes[0].width, 26.0f);
  EXPECT_EQ(boxes[1].x, 129.0f);
  EXPECT_EQ(boxes[1].width, 40.0f);
  for (const RectF& box : boxes) {
    EXPECT_EQ(box.y, 1.0f);
    EXPECT_EQ(box.height, 18.0f);
  }
  EXPECT_TRUE(LayoutButtonBoxes(0, 5, {}).empty());
  EXPECT_EQ(LayoutButtonBoxes(0, 5, {kHelpButtonKind})[0].y, 6.0f);
}

TEST(TitleButtonHitTest, StripEdgesCountButtonEdgesDoNot) {
  const RectI strip{100, 0, 70, 22};
  // The strip includes its edges, in x from its left to its right edge and
  // in y from 0 to its height.
  EXPECT_TRUE(PointInStripBox(strip, 100, 0));
  EXPECT_TRUE(PointInStripBox(strip, 170, 22));
  EXPECT_FALSE(PointInStripBox(strip, 99, 10));
  EXPECT_FALSE(PointInStripBox(strip, 171, 10));
  EXPECT_FALSE(PointInStripBox(strip, 120, 23));
  EXPECT_FALSE(PointInStripBox(strip, 120, -1));

  const std::vector<RectF> boxes =
      LayoutButtonBoxes(strip.x, strip.y, {kMinimiseButtonKind, kCloseButtonKind});
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 110, 10), 1);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 150, 10), 2);
  // A point on a button's edge belongs to no button.
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 102, 10), 0);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 128, 10), 0);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 110, 1), 0);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 110, 19), 0);
  EXPECT_EQ(ButtonIndexAt(strip, boxes, 110, 18), 1);

  // A button reaching past the strip is hit down to the strip's bottom row
  // and no further, and not left of the strip.
  const RectI low{100, 10, 70, 22};
  const std::vector<RectF> tall = {RectF{90, 0, 40, 100}};
  EXPECT_EQ(ButtonIndexAt(low, tall, 110, 32), 1);
  EXPECT_EQ(ButtonIndexAt(low, tall, 110, 33), 0);
  EXPECT_EQ(ButtonIndexAt(low, tall, 110, 10), 1);
  EXPECT_EQ(ButtonIndexAt(low, tall, 110, 9), 0);
  EXPECT_EQ(ButtonIndexAt(low, tall, 100, 20), 1);
  EXPECT_EQ(ButtonIndexAt(low, tall, 99, 20), 0);
}

}  // namespace
