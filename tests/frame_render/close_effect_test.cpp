// The close effects on a real window: layered while they play, the last
// frame's place afterwards, and a window that survives brought back whole.
#include <gtest/gtest.h>

#include <cstdio>

#include "skin/frame/close_effects.h"
#include "skin/frame/frame_render.h"
#include "tests/frame_render/frame_fixture.h"

namespace {

bool IsLayered(HWND w) { return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

class CloseEffect : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

TEST_F(CloseEffect, PulseFadesTheWindowAndEndCloseEffectBringsItBack) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, true);
  PumpMessages();
  RECT before{};
  GetWindowRect(frame.get(), &before);
  RECT reported{};
  const DWORD start = GetTickCount();
  ASSERT_TRUE(PlayCloseEffect(frame.get(), kCloseEffectPulse, &reported));
  std::printf("pulse effect: %lu ms (pauses 90 ms)\n", GetTickCount() - start);
  EXPECT_TRUE(IsLayered(frame.get()));
  EXPECT_TRUE(EqualRect(&reported, &before));
  // The pulse ends at the original size and place.
  RECT after{};
  GetWindowRect(frame.get(), &after);
  EXPECT_TRUE(EqualRect(&after, &before));

  EndCloseEffect(frame.get(), reported);
  EXPECT_FALSE(IsLayered(frame.get()));
  PumpMessages();
  RenderFrame(frame.index(), nullptr, true);
  PumpMessages();
  const PixelImage screen = CaptureClient(frame.get());
  const PixelImage back = CaptureFrameDc(frame);
  EXPECT_TRUE(NearRgb(screen.At(100, 200), back.At(100, 200), 0));
}

TEST_F(CloseEffect, ShrinkLeavesTheWindowAtItsLastFrame) {
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, true);
  PumpMessages();
  RECT before{};
  GetWindowRect(frame.get(), &before);
  const DWORD start = GetTickCount();
  RECT reported{};
  ASSERT_TRUE(PlayCloseEffect(frame.get(), kCloseEffectShrink, &reported));
  std::printf("shrink effect: %lu ms (pauses 145 ms)\n", GetTickCount() - start);
  const auto frames = CloseEffectFrames(kCloseEffectShrink, before.left, before.top,
                                        before.right - before.left, before.bottom - before.top);
  // 326 x 393 shrinks by 32 x 39 a frame down to 6 x 3.
  ASSERT_EQ(frames[9].width, 6);
  ASSERT_EQ(frames[9].height, 3);
  RECT after{};
  GetWindowRect(frame.get(), &after);
  EXPECT_EQ(after.left, frames[9].left);
  EXPECT_EQ(after.top, frames[9].top);
  EXPECT_EQ(after.right - after.left, frames[9].width);
  EXPECT_EQ(after.bottom - after.top, frames[9].height);

  EndCloseEffect(frame.get(), reported);
  GetWindowRect(frame.get(), &after);
  EXPECT_TRUE(EqualRect(&after, &before));
  EXPECT_FALSE(IsLayered(frame.get()));
}

TEST_F(CloseEffect, UnknownEffectOrWindowDoesNothing) {
  FrameWindow frame;
  EXPECT_FALSE(PlayCloseEffect(frame.get(), 0));
  EXPECT_FALSE(PlayCloseEffect(frame.get(), 3));
  EXPECT_FALSE(IsLayered(frame.get()));
  EXPECT_FALSE(PlayCloseEffect(nullptr, 1));
}

}  // namespace
