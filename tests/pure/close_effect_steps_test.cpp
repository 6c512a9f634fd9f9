// Frames of the two close effects.
#include <gtest/gtest.h>

#include "skin/frame/close_effect_steps.h"

namespace {

int TotalPause(const std::vector<CloseEffectFrame>& frames) {
  int sum = 0;
  for (const auto& f : frames) sum += f.pauseMs;
  return sum;
}

TEST(CloseEffectFrames, ShrinkEndsSixWideAndFlatInTheMiddle) {
  const auto frames = CloseEffectFrames(kCloseEffectShrink, 100, 50, 326, 420);
  ASSERT_EQ(frames.size(), 10u);
  EXPECT_EQ(frames[0].box.x, 116);
  EXPECT_EQ(frames[0].box.height, 378);
  EXPECT_EQ(frames[9].box.width, 6);
  EXPECT_EQ(frames[9].box.height, 0);
  EXPECT_EQ(frames[9].box.x, 100 + 160);
  EXPECT_EQ(frames[9].box.y, 50 + 210);
  EXPECT_EQ(TotalPause(frames), 145);
}

TEST(CloseEffectFrames, PulseShrinksFiveFramesAndGrowsBackWhileFading) {
  // dx = round(326 * 0.02) = 7, dy = round(393 * 0.02) = 8.
  const auto frames = CloseEffectFrames(kCloseEffectPulse, 10, 20, 326, 393);
  ASSERT_EQ(frames.size(), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(frames[i].alpha, 255 - 25 * (i + 1));
  EXPECT_EQ(frames[0].box.width, 319);
  EXPECT_EQ(frames[0].box.x, 14);
  EXPECT_EQ(frames[4].box.height, 393 - 40);
  EXPECT_EQ(frames[9].box.width, 326);
  EXPECT_EQ(frames[9].box.y, 20);
  EXPECT_EQ(TotalPause(frames), 90);
  EXPECT_TRUE(CloseEffectFrames(3, 0, 0, 326, 393).empty());
}

}  // namespace
