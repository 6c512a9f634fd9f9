// The hover fade on the real 20 ms window timer, the hot and pressed looks
// on the pixels of the back buffer and the screen.
#include <gtest/gtest.h>

#include <functional>

#include "skin/frame/frame_render.h"
#include "skin/frame/title_buttons.h"
#include "tests/frame_render/frame_fixture.h"

namespace {

// The steps a button went through, fading in or out, as the timer messages
// left them: one entry per step that changed.
std::vector<int> StepsOf(const std::vector<FrameWindow::FadeSnapshot>& fades, int button,
                         bool fadingIn) {
  std::vector<int> out;
  for (const auto& f : fades) {
    const FadeState& s = fadingIn ? f.fadeIn : f.fadeOut;
    if (s.button != button) continue;
    if (out.empty() || out.back() != s.step) out.push_back(s.step);
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

// Eight steps each: the glow at step k has alpha 30 k fading in and
// 240 - 30 k fading out.
const std::vector<int> kAllSteps{1, 2, 3, 4, 5, 6, 7, 8};

class TitleButtonFadeOnWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFrameSkinState();
    FrameOptions o;
    o.minimizeBox = true;
    frame_ = std::make_unique<FrameWindow>(o);
    RenderFrame(frame_->index(), nullptr, true);
    PumpMessages();
    record().mouseTracking = true;  // as after WM_MOUSEHOVER
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
  size_t InSteps(int button) { return StepsOf(frame_->timerFades, button, true).size(); }
  size_t OutSteps(int button) { return StepsOf(frame_->timerFades, button, false).size(); }

  std::unique_ptr<FrameWindow> frame_;
};

// The fades run on the frame procedure's WM_TIMER, driven by its
// WM_MOUSEMOVE.
TEST_F(TitleButtonFadeOnWindow, CrossFadeFromMinimiseToCloseThenTheTimerStops) {
  const PixelImage plain = Strip();
  const HWND w = frame_->get();

  SendMessageA(w, WM_MOUSEMOVE, 0, Over(1));
  EXPECT_EQ(record().fadeTimerOn, 1);
  EXPECT_EQ(HotTitleButton, 1);
  ASSERT_TRUE(PumpUntil([&] { return InSteps(1) >= 8; }));
  EXPECT_EQ(StepsOf(frame_->timerFades, 1, true), kAllSteps);
  EXPECT_GT(CountDifferent(plain, Strip(), 8), 100) << "the glow shows";

  frame_->timerFades.clear();
  SendMessageA(w, WM_MOUSEMOVE, 0, Over(2));
  ASSERT_TRUE(PumpUntil([&] { return OutSteps(1) >= 8 && InSteps(2) >= 8; }));
  EXPECT_EQ(StepsOf(frame_->timerFades, 1, false), kAllSteps);
  EXPECT_EQ(StepsOf(frame_->timerFades, 2, true), kAllSteps);

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
  frame_->timerFades.clear();
  SendMessageA(w, WM_MOUSEMOVE, 0, PointParam(100, 200));
  EXPECT_EQ(record().fadeTimerOn, 0);
  EXPECT_EQ(HotTitleButton, 0);
  ASSERT_TRUE(PumpUntil([&] { return record().fadeOut.button == 0; }));
  PumpMessagesFor(150);
  // The eighth step ends the fade and clears it in the same message.
  EXPECT_EQ(StepsOf(frame_->timerFades, 2, false), std::vector<int>({1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(frame_->timerFades.size(), 8u);
  EXPECT_EQ(frame_->timerFades.back().fadeOut.button, 0);
  const int messages = frame_->timerMessages;
  PumpMessagesFor(150);
  EXPECT_EQ(frame_->timerMessages, messages) << "the timer was killed";
  // Back to the rendered look: the last step painted alpha 0, and nothing
  // piled up over the fades.
  EXPECT_EQ(CountDifferent(plain, Strip(), 2), 0);
}

TEST_F(TitleButtonFadeOnWindow, PressedCloseIsRedAtTheTopAndShowsOnScreen) {
  const WindowRecord& r = record();
  SendMessageA(frame_->get(), WM_LBUTTONDOWN, MK_LBUTTON, Over(2));
  EXPECT_EQ(HotTitleButton, 2);
  const int x = static_cast<int>(r.titleButtons[1]->rect.x) + 4;
  const std::uint32_t top = CaptureDc(r.frameDC.get(), x, 2, 1, 1).At(0, 0);
  EXPECT_GT(static_cast<int>((top >> 16) & 0xFF), 200) << RgbText(top);
  EXPECT_LT(static_cast<int>(top & 0xFF), 120) << RgbText(top);
  EXPECT_EQ(CaptureClient(frame_->get()).At(x, 2), top);
}

}  // namespace
