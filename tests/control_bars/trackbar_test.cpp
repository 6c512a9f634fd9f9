// The trackbar's knob read from 32-bpp pixels at three values, and the
// keyboard handling kept.
#include "bars_fixture.h"

namespace {

constexpr int kKnobWhite = 235;  // only the knob's middle is this bright over grey

class TrackbarTest : public BarSkinTest {
 protected:
  HWND MakeTrackbar() {
    MakeHost(300, 200);
    HWND track = Add(TRACKBAR_CLASSA, TBS_NOTICKS, 20, 30, 200, 32, 7);
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    Install();
    return track;
  }
  static RECT Rect(HWND track, UINT message) {
    RECT r{};
    SendMessageA(track, message, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
};

double CentreX(const RECT& r) { return (r.left + r.right) / 2.0; }
double CentreY(const RECT& r) { return (r.top + r.bottom) / 2.0; }

TEST_F(TrackbarTest, TheKnobFollowsTheValueAndTheKeys) {
  HWND track = MakeTrackbar();
  const RECT c = Rect(track, TBM_GETCHANNELRECT);
  for (int pos : {0, 50, 100}) {
    SendMessageA(track, TBM_SETPOS, TRUE, pos);
    PumpMessages();
    const RECT t = Rect(track, TBM_GETTHUMBRECT);
    const PixelImage shot = Screen(track);
    const RECT knob = BrightBox(shot, kKnobWhite);
    ASSERT_LT(knob.left, knob.right) << "no knob at " << pos;
    // The small knob is 6 across at the thumb's leading edge, 1.5 above the
    // channel; at the maximum it sits 8 further on.
    EXPECT_NEAR(CentreX(knob), t.left + (pos == 100 ? 8 : 0) + 3.0, 1.5) << "pos " << pos;
    EXPECT_NEAR(CentreY(knob), c.top - 1.5 + 3.0, 1.5) << "pos " << pos;
    EXPECT_LE(knob.right - knob.left, 6);
    EXPECT_EQ(CountDifferent(CaptureComposite(*host, track), shot, 2), 0);
  }
  // Keys still move the thumb, and the skin shows it.
  const RECT atEnd = BrightBox(Screen(track), kKnobWhite);
  SetFocus(track);
  SendMessageA(track, WM_KEYDOWN, VK_HOME, 0);
  SendMessageA(track, WM_KEYUP, VK_HOME, 0);
  PumpMessages();
  EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 0);
  EXPECT_GE(hscrolls, 1);
  EXPECT_LT(BrightBox(Screen(track), kKnobWhite).left, atEnd.left - 100);
}

}  // namespace
