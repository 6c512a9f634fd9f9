// The hover fade of the title-bar buttons when the mouse leaves the window
// before a fade has finished.
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

}  // namespace
