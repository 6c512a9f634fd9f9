// Pictures of the frame on screen for a person to look at: idle, close
// button hot, close button pressed. Written as PNG files into PX_CONTROL_OUT
// (else the temporary folder); with PX_FRAME_HOLD_MS set each state stays
// on screen that long so the whole desktop can be captured too.
#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/frame/frame_render.h"
#include "skin/frame/title_buttons.h"
#include "tests/frame_render/frame_fixture.h"

namespace {

int HoldMs() {
  const char* v = std::getenv("PX_FRAME_HOLD_MS");
  return v != nullptr ? std::atoi(v) : 0;
}

TEST(FrameScreens, IdleHotAndPressed) {
  ResetFrameSkinState();
  FrameWindow frame;
  WindowRecord& r = frame.record();
  r.captionColour = 0;
  r.captionGlowColour = 0xFFFFFF;
  r.captionGlow = true;
  RenderFrame(frame.index(), nullptr, true);
  PumpMessagesFor(50);
  BlitFrame(frame.index(), nullptr, false);
  const PixelImage idle = CaptureClient(frame.get());
  EXPECT_TRUE(SavePng(idle, "frame_idle.png"));
  PumpMessagesFor(HoldMs());

  r.mouseTracking = true;
  const TitleButton& close = *r.titleButtons[0];
  TitleButtonsMouseMove(frame.index(), PointParam(static_cast<int>(close.rect.x) + 10, 10));
  PumpMessagesFor(300);
  const PixelImage hot = CaptureClient(frame.get());
  EXPECT_TRUE(SavePng(hot, "frame_close_hot.png"));
  EXPECT_GT(CountDifferent(idle, hot, 8), 50);
  PumpMessagesFor(HoldMs());

  TitleButtonsPress(frame.index(), PointParam(static_cast<int>(close.rect.x) + 10, 10));
  const PixelImage pressed = CaptureClient(frame.get());
  EXPECT_TRUE(SavePng(pressed, "frame_close_pressed.png"));
  EXPECT_GT(CountDifferent(hot, pressed, 8), 50);
  PumpMessagesFor(HoldMs());
  KillTimer(frame.get(), reinterpret_cast<UINT_PTR>(frame.get()));
}

}  // namespace
