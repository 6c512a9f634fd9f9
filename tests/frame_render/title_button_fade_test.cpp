// The hover fade on the real 20 ms window timer, the hot and pressed looks
// on the pixels of the back buffer and the screen.
#include <gtest/gtest.h>

#include <functional>

#include "skin/frame/frame_render.h"
#include "skin/frame/title_buttons.h"
#include "tests/frame_render/frame_fixture.h"

namespace {

std::vector<int> AlphasOf(const std::vector<ButtonPaint>& paints, int button) {
  std::vector<int> out;
  for (const ButtonPaint& p : paints) {
    if (p.button == button) out.push_back(p.alpha);
  }
  return out;
}

// Pumps messages until done() or two seconds have passed.
bool PumpUntil(const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > 2000) return false;
    PumpMessagesFor(10);
  }
  return true;
}

const std::vector<int> kFadeIn{30, 60, 90, 120, 150, 180, 210, 240};
const std::vector<int> kFadeOut{210, 180, 150, 120, 90, 60, 30, 0};

class TitleButtonFadeOnWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFrameSkinState();
    FrameOptions o;
    o.minimizeBox = true;
    frame_ = std::make_unique<FrameWindow>(o);
    RenderFrame(frame_->index(), nullptr, true);
    PumpMessages();
    record().mouseTracking = 1;  // as after WM_MOUSEHOVER
  }
  void TearDown() override { frame_.reset(); }

  WindowRecord& record() { return frame_->record(); }
  int index() { return frame_->index(); }
  LPARAM Over(int button) {
    const TitleButton& b = *record().titleButtons[button - 1];
    return PointParam(static_cast<int>(b.rect.x) + 10, 10);
  }
  // The strip as it is in frameDC.
  PixelImage Strip() {
    const WindowRecord& r = record();
    return CaptureDc(r.frameDC.get(), r.stripX - 2, 0, r.stripWidth + 1, 22);
  }
  size_t PaintsOf(int button) { return AlphasOf(frame_->timerPaints, button).size(); }

  std::unique_ptr<FrameWindow> frame_;
};

TEST_F(TitleButtonFadeOnWindow, CrossFadeFromMinimiseToCloseThenTheTimerStops) {
  const PixelImage plain = Strip();
  const HWND w = frame_->get();

  TitleButtonsMouseMove(index(), Over(1));
  EXPECT_EQ(record().fadeTimerOn, 1);
  EXPECT_EQ(HotTitleButton, 1);
  ASSERT_TRUE(PumpUntil([&] { return PaintsOf(1) >= 8; }));
  EXPECT_EQ(AlphasOf(frame_->timerPaints, 1), kFadeIn);
  EXPECT_GT(CountDifferent(plain, Strip(), 8), 100) << "the glow shows";

  frame_->timerPaints.clear();
  TitleButtonsMouseMove(index(), Over(2));
  ASSERT_TRUE(PumpUntil([&] { return PaintsOf(1) >= 8 && PaintsOf(2) >= 8; }));
  EXPECT_EQ(AlphasOf(frame_->timerPaints, 1), kFadeOut);
  EXPECT_EQ(AlphasOf(frame_->timerPaints, 2), kFadeIn);

  // Hot close: red glow at the button's top.
  const WindowRecord& r = record();
  const int cx = static_cast<int>(r.titleButtons[1]->rect.x) + 6;
  const std::uint32_t hot = CaptureDc(r.frameDC.get(), cx, 3, 1, 1).At(0, 0);
  const std::uint32_t cold = plain.At(cx - (r.stripX - 2), 3);
  EXPECT_GT(static_cast<int>((hot >> 16) & 0xFF) - static_cast<int>(hot & 0xFF),
            static_cast<int>((cold >> 16) & 0xFF) - static_cast<int>(cold & 0xFF) + 40)
      << RgbText(hot) << " vs " << RgbText(cold);
  // The screen shows what frameDC holds.
  EXPECT_EQ(CaptureClient(w).At(cx, 3), hot);

  // Out of the strip: the close button fades out, then the timer stops.
  frame_->timerPaints.clear();
  TitleButtonsMouseMove(index(), PointParam(100, 200));
  EXPECT_EQ(record().fadeTimerOn, 0);
  EXPECT_EQ(HotTitleButton, 0);
  ASSERT_TRUE(PumpUntil([&] { return PaintsOf(2) >= 8; }));
  PumpMessagesFor(150);
  EXPECT_EQ(AlphasOf(frame_->timerPaints, 2), kFadeOut);
  EXPECT_EQ(frame_->timerPaints.size(), 8u);
  const int messages = frame_->timerMessages;
  PumpMessagesFor(150);
  EXPECT_EQ(frame_->timerMessages, messages) << "the timer was killed";
  EXPECT_EQ(record().fadeOut.button, 0);
  // Back to the rendered look: nothing piled up over the fades.
  EXPECT_EQ(CountDifferent(plain, Strip(), 2), 0);
}

TEST_F(TitleButtonFadeOnWindow, PressedCloseIsRedAtTheTopAndShowsOnScreen) {
  const WindowRecord& r = record();
  EXPECT_EQ(TitleButtonsPress(index(), Over(2)), 2);
  const int x = static_cast<int>(r.titleButtons[1]->rect.x) + 4;
  const std::uint32_t top = CaptureDc(r.frameDC.get(), x, 2, 1, 1).At(0, 0);
  EXPECT_GT(static_cast<int>((top >> 16) & 0xFF), 200) << RgbText(top);
  EXPECT_LT(static_cast<int>(top & 0xFF), 120) << RgbText(top);
  EXPECT_EQ(CaptureClient(frame_->get()).At(x, 2), top);
}

}  // namespace
