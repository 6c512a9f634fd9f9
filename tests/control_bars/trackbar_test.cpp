// The trackbar's drawn look (knob, channel, selection mark, trough) read
// from 32-bpp pixels, and its keyboard and mouse handling kept.
#include "bars_fixture.h"

#include <cmath>

#include "skin/controls/bar_skin_support.h"

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr int kKnobWhite = 235;  // only the knob's middle is this bright over grey

class TrackbarTest : public BarSkinTest {
 protected:
  HWND MakeTrackbar(DWORD style, int w = 200, int h = 32) {
    MakeHost(300, 200);
    FillHostPicture(kGrey);
    HWND track = Add(TRACKBAR_CLASSA, style, 20, 30, w, h, 7);
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    Install();
    return track;
  }
  void SetPos(HWND track, int pos) {
    SendMessageA(track, TBM_SETPOS, TRUE, pos);
    PumpMessages();
  }
  static RECT Thumb(HWND track) {
    RECT t{};
    SendMessageA(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
    return t;
  }
  static RECT Channel(HWND track) {
    RECT c{};
    SendMessageA(track, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
    return c;
  }
  static RECT Whole(const PixelImage& image) { return RECT{0, 0, image.width, image.height}; }
};

double CentreX(const RECT& r) { return (r.left + r.right) / 2.0; }
double CentreY(const RECT& r) { return (r.top + r.bottom) / 2.0; }

TEST_F(TrackbarTest, TheKnobFollowsTheValue) {
  HWND track = MakeTrackbar(TBS_NOTICKS);
  const RECT c = Channel(track);
  double previous = -1;
  for (int pos : {0, 50, 100}) {
    SetPos(track, pos);
    const RECT t = Thumb(track);
    const PixelImage shot = Screen(track);
    const RECT knob = BrightBox(shot, kKnobWhite, Whole(shot));
    ASSERT_LT(knob.left, knob.right) << "no knob at " << pos;
    // The small knob is 6 across at the thumb's leading edge, 1.5 above the
    // channel; at the maximum it sits 8 further on.
    const double x = t.left + (pos == 100 ? 8 : 0) + 3.0;
    const double y = c.top - 1.5 + 3.0;
    EXPECT_NEAR(CentreX(knob), x, 1.5) << "pos " << pos;
    EXPECT_NEAR(CentreY(knob), y, 1.5) << "pos " << pos;
    EXPECT_LE(knob.right - knob.left, 6);
    EXPECT_GT(CentreX(knob), previous);
    previous = CentreX(knob);
    // What is on screen is also in the window's composite.
    EXPECT_EQ(CountDifferent(CaptureComposite(*host, track), shot, 2), 0);
  }
}

TEST_F(TrackbarTest, AVerticalTrackbarMovesItsKnobDownwards) {
  HWND track = MakeTrackbar(TBS_VERT | TBS_NOTICKS, 32, 160);
  const RECT c = Channel(track);  // reported as for a horizontal trackbar
  double previous = -1;
  for (int pos : {0, 50, 100}) {
    SetPos(track, pos);
    const RECT t = Thumb(track);
    const PixelImage shot = Screen(track);
    const RECT knob = BrightBox(shot, kKnobWhite, Whole(shot));
    ASSERT_LT(knob.left, knob.right) << "no knob at " << pos;
    EXPECT_NEAR(CentreY(knob), t.top + (pos == 100 ? 8 : 0) + 3.0, 1.5) << "pos " << pos;
    EXPECT_NEAR(CentreX(knob), c.top - 1.5 + 3.0, 1.5) << "pos " << pos;
    EXPECT_GT(CentreY(knob), previous);
    previous = CentreY(knob);
  }
}

TEST_F(TrackbarTest, TheKnobGrowsWhileTheMouseIsOverIt) {
  HWND track = MakeTrackbar(TBS_NOTICKS);
  SetPos(track, 40);
  const RECT small = BrightBox(Screen(track), kKnobWhite, Whole(Screen(track)));
  SendMessageA(track, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  const TrackbarRecord& record = *Record().trackbars[0];
  EXPECT_EQ(record.hot, 1);
  EXPECT_EQ(Record().hotControlClass, bar_skin::kHotClassTrackbar);
  EXPECT_EQ(Record().hotControlIndex, 1);
  const PixelImage hotShot = Screen(track);
  const RECT big = BrightBox(hotShot, kKnobWhite, Whole(hotShot));
  ASSERT_LT(big.left, big.right);
  EXPECT_GT(big.right - big.left, small.right - small.left + 2);
  // 11 across at the thumb's leading edge, 4 above the channel.
  const RECT t = Thumb(track);
  EXPECT_NEAR(CentreX(big), t.left + 5.5, 1.5);
  EXPECT_NEAR(CentreY(big), Channel(track).top - 4 + 5.5, 1.5);

  SendMessageA(track, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(record.hot, 0);
  EXPECT_EQ(Record().hotControlIndex, 0);
  const RECT again = BrightBox(Screen(track), kKnobWhite, Whole(Screen(track)));
  EXPECT_EQ(again.right - again.left, small.right - small.left);
}

// Rows of column x that differ from the plain grey by more than 6.
int MarkedRows(const PixelImage& image, int x, int* first) {
  int rows = 0;
  *first = -1;
  for (int y = 0; y < image.height; ++y) {
    if (!NearRgb(image.At(x, y), 0x808080, 6)) {
      if (*first < 0) *first = y;
      ++rows;
    }
  }
  return rows;
}

TEST_F(TrackbarTest, ASelectionRangeNarrowsTheChannelAndMarksTheSelection) {
  TrackbarFrameShown = 0;  // nothing but channel, mark, line and knob over the grey
  HWND plain = MakeTrackbar(TBS_NOTICKS);
  HWND ranged = Add(TRACKBAR_CLASSA, TBS_NOTICKS | TBS_ENABLESELRANGE, 20, 100, 200, 32, 8);
  SendMessageA(ranged, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  SendMessageA(ranged, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
  Install();
  SetPos(plain, 0);
  SetPos(ranged, 0);
  const RECT c = Channel(plain);
  const RECT cr = Channel(ranged);

  // Beyond the selection and the knob only the channel differs from grey.
  int first = 0;
  const int x = cr.right - 6;
  EXPECT_NEAR(MarkedRows(Screen(plain), x, &first), c.bottom - c.top, 1);
  EXPECT_NEAR(first, c.top, 1);
  const int rows = MarkedRows(Screen(ranged), x, &first);
  EXPECT_NEAR(rows, 4, 1);
  EXPECT_NEAR(first, cr.top + (cr.bottom - cr.top - 4) / 2.0, 1);

  // The white mark runs one pixel inside the channel from selection start
  // to end: brighter than the channel there, not outside it. A range that
  // does not start at 0 places it by its own scale.
  HWND shifted = Add(TRACKBAR_CLASSA, TBS_NOTICKS | TBS_ENABLESELRANGE, 20, 150, 200, 32, 9);
  SendMessageA(shifted, TBM_SETRANGE, TRUE, MAKELPARAM(50, 150));
  SendMessageA(shifted, TBM_SETSEL, TRUE, MAKELPARAM(70, 110));
  Install();
  SetPos(shifted, 50);
  for (HWND bar : {ranged, shifted}) {
    const PixelImage shot = Screen(bar);
    const double scale = (cr.right - cr.left) / 100.0;
    // The 1-high outline at a + 1 covers the row below a + 1 in any case.
    const int markY = static_cast<int>(std::floor(cr.top + (cr.bottom - cr.top - 4) / 2.0 + 1)) + 1;
    auto green = [&](double percent) {
      return static_cast<int>((shot.At(static_cast<int>(cr.left + percent * scale), markY) >> 8) &
                              0xFF);
    };
    EXPECT_LT(green(12), 128);
    EXPECT_GT(green(25), 170);
    EXPECT_GT(green(55), 170);
    EXPECT_LT(green(70), 128);
  }
}

TEST_F(TrackbarTest, TheTroughIsDrawnOnlyWhileTheFrameOptionIsOn) {
  HWND track = MakeTrackbar(TBS_NOTICKS);
  const PixelImage with = Screen(track);
  // Inside the rounded trough near the top: white 160 over the grey.
  EXPECT_TRUE(NearRgb(with.At(100, 3),
                      Over(0x808080, Between({kWhiteRgb, 160}, {kBlackRgb, 30}, 3.5 / 31)), 8))
      << RgbText(with.At(100, 3));
  TrackbarFrameShown = 0;
  InvalidateRect(track, nullptr, TRUE);
  PumpMessages();
  const PixelImage without = Screen(track);
  EXPECT_TRUE(NearRgb(without.At(100, 3), 0x808080, 2)) << RgbText(without.At(100, 3));
  EXPECT_TRUE(NearRgb(without.At(2, 2), 0x808080, 2));
}

TEST_F(TrackbarTest, KeysAndTheMouseStillMoveTheThumb) {
  HWND track = MakeTrackbar(TBS_NOTICKS);
  SetPos(track, 50);
  SendMessageA(track, TBM_SETPAGESIZE, 0, 10);
  const RECT before = BrightBox(Screen(track), kKnobWhite, RECT{0, 0, 200, 32});
  SetFocus(track);
  SendMessageA(track, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageA(track, WM_KEYUP, VK_RIGHT, 0);
  PumpMessages();
  EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 51);
  EXPECT_GE(hscrolls, 1);
  SendMessageA(track, WM_KEYDOWN, VK_END, 0);
  SendMessageA(track, WM_KEYUP, VK_END, 0);
  PumpMessages();
  EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 100);
  const RECT atEnd = BrightBox(Screen(track), kKnobWhite, RECT{0, 0, 200, 32});
  EXPECT_GT(atEnd.left, before.left + 40);  // the skin showed the new position

  // A click on the channel left of the thumb pages back.
  const RECT c = Channel(track);
  const LPARAM at = MAKELPARAM(c.left + 10, (c.top + c.bottom) / 2);
  const int scrollsBefore = hscrolls;
  SendMessageA(track, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(track, WM_LBUTTONUP, 0, at);
  PumpMessages();
  EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 90);
  EXPECT_GT(hscrolls, scrollsBefore);
}

}  // namespace
