// The close effects on a real window: layered while they play, the last
// frame's place afterwards, and a window that survives brought back whole.
#include <gtest/gtest.h>

#include "skin/frame/close_effects.h"
#include "skin/frame/frame_render.h"
#include "tests/frame_render/frame_fixture.h"

namespace {

bool IsLayered(HWND w) { return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

TEST(CloseEffect, PulseEndsInPlaceAndEndCloseEffectBringsTheWindowBack) {
  ResetFrameSkinState();
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, true);
  PumpMessages();
  RECT before{}, after{}, reported{};
  GetWindowRect(frame.get(), &before);
  ASSERT_TRUE(PlayCloseEffect(frame.get(), kCloseEffectPulse, &reported));
  EXPECT_TRUE(IsLayered(frame.get()));
  EXPECT_TRUE(EqualRect(&reported, &before));
  GetWindowRect(frame.get(), &after);
  EXPECT_TRUE(EqualRect(&after, &before));
  EndCloseEffect(frame.get(), reported);
  EXPECT_FALSE(IsLayered(frame.get()));
  PumpMessages();
  RenderFrame(frame.index(), nullptr, true);
  PumpMessages();
  EXPECT_TRUE(NearRgb(CaptureClient(frame.get()).At(100, 200), CaptureFrameDc(frame).At(100, 200), 0));
  EXPECT_FALSE(PlayCloseEffect(frame.get(), 3));
  EXPECT_FALSE(IsLayered(frame.get()));
}

TEST(CloseEffect, ShrinkLeavesTheWindowAtItsLastFrame) {
  ResetFrameSkinState();
  FrameWindow frame;
  RenderFrame(frame.index(), nullptr, true);
  PumpMessages();
  RECT before{}, after{}, reported{};
  GetWindowRect(frame.get(), &before);
  ASSERT_TRUE(PlayCloseEffect(frame.get(), kCloseEffectShrink, &reported));
  const auto frames = CloseEffectFrames(kCloseEffectShrink, before.left, before.top,
                                        before.right - before.left, before.bottom - before.top);
  GetWindowRect(frame.get(), &after);
  EXPECT_EQ(after.left, frames[9].box.x);
  EXPECT_EQ(after.top, frames[9].box.y);
  EXPECT_EQ(after.right - after.left, frames[9].box.width);
  EXPECT_EQ(after.bottom - after.top, frames[9].box.height);
  EndCloseEffect(frame.get(), reported);
  GetWindowRect(frame.get(), &after);
  EXPECT_TRUE(EqualRect(&after, &before));
  EXPECT_FALSE(IsLayered(frame.get()));
}

}  // namespace
