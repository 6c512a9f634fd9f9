// The trackbar's knob read from 32-bpp pixels at three values, and the
// keyboard handling kept.
#include "bars_fixture.h"

#include <algorithm>

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

// The looks drawn without the trough (TrackbarFrameShown 0) over grey, so
// that the channel, the lines and the knob stand alone.
class TrackbarLookTest : public BarSkinTest {
 protected:
  HWND AddTrackbar(DWORD style, int x, int y, int width, int height, int pos = 50) {
    HWND track = Add(TRACKBAR_CLASSA, style, x, y, width, height);
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageA(track, TBM_SETPOS, TRUE, pos);
    return track;
  }
  void InstallWithoutTrough() {
    TrackbarFrameShown = 0;
    Install();
  }
  static RECT Rect(HWND track, UINT message) {
    RECT r{};
    SendMessageA(track, message, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  // The channel as a horizontal trackbar reports it (left and right along
  // it); a vertical trackbar's may come as it lies.
  static RECT Channel(HWND track) {
    RECT c = Rect(track, TBM_GETCHANNELRECT);
    if ((GetWindowLongA(track, GWL_STYLE) & TBS_VERT) != 0 && c.bottom - c.top > c.right - c.left) {
      c = RECT{c.top, c.left, c.bottom, c.right};
    }
    return c;
  }
  // The top rows of image only.
  static PixelImage Top(const PixelImage& image, int rows) {
    PixelImage top = image;
    top.height = std::min(rows, image.height);
    top.pixels.resize(static_cast<size_t>(top.width) * top.height);
    return top;
  }
  static bool Darkened(std::uint32_t c) { return static_cast<int>((c >> 8) & 0xFF) < 118; }
  static int Brightness(std::uint32_t c) {
    return std::min({static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF)});
  }
};

constexpr int kKnobFloor = 160;  // knob pixels over the grey, not its outline

TEST_F(TrackbarLookTest, TheHotKnobIsElevenAcrossAndSitsByTheTickPlacement) {
  MakeHost(300, 240);
  const struct {
    DWORD style;
    int raise;  // how much lower the hot knob sits
  } cases[] = {{TBS_NOTICKS, 0}, {TBS_BOTH, 1}, {TBS_TOP, 2}};
  HWND tracks[3] = {};
  for (int i = 0; i < 3; ++i) tracks[i] = AddTrackbar(cases[i].style, 20, 20 + 60 * i, 200, 40);
  InstallWithoutTrough();
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    HWND track = tracks[i];
    const RECT c = Rect(track, TBM_GETCHANNELRECT);
    const RECT t = Rect(track, TBM_GETTHUMBRECT);
    const PixelImage plain = Screen(track);
    RECT knob = BrightBox(plain, kKnobFloor);
    // Small: 6 across at the thumb's leading edge, 1.5 above the channel.
    EXPECT_EQ(knob.left, t.left);
    EXPECT_EQ(knob.right, t.left + 6);
    EXPECT_NEAR(knob.bottom, c.top - 1.5 + 6, 0.5);
    SendMessageA(track, WM_MOUSEMOVE, 0, MAKELPARAM(150, 10));
    EXPECT_TRUE(Record().trackbars[i]->hot);
    knob = BrightBox(Screen(track), kKnobFloor);
    // Hot: 11 across, 4 above the channel, lower by the tick placement.
    EXPECT_EQ(knob.left, t.left);
    EXPECT_EQ(knob.right, t.left + 11);
    EXPECT_EQ(knob.bottom, c.top - 4 + cases[i].raise + 11);
    EXPECT_EQ(CountDifferent(CaptureComposite(*host, track), Screen(track), 2), 0);
    SendMessageA(track, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(Record().trackbars[i]->hot);
    EXPECT_EQ(CountDifferent(plain, Screen(track), 2), 0);
  }
  // At the maximum the small knob moves 8 past the thumb's edge, the hot
  // one does not.
  HWND track = tracks[0];
  SendMessageA(track, TBM_SETPOS, TRUE, 100);
  PumpMessages();
  const RECT t = Rect(track, TBM_GETTHUMBRECT);
  EXPECT_EQ(BrightBox(Screen(track), kKnobFloor).left, t.left + 8);
  SendMessageA(track, WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
  EXPECT_EQ(BrightBox(Screen(track), kKnobFloor).left, t.left);
}

TEST_F(TrackbarLookTest, ASelectionRangeNarrowsTheChannelToFourAndMarksTheSelectionInWhite) {
  MakeHost(300, 200);
  HWND plain = AddTrackbar(TBS_NOTICKS, 20, 20, 200, 40, 0);
  HWND ranged = AddTrackbar(TBS_NOTICKS | TBS_ENABLESELRANGE, 20, 80, 200, 40, 0);
  SendMessageA(ranged, TBM_SETSEL, TRUE, MAKELPARAM(40, 80));
  InstallWithoutTrough();
  // Without a range the channel is the reported rectangle.
  {
    const RECT c = Rect(plain, TBM_GETCHANNELRECT);
    const PixelImage shot = Screen(plain);
    for (int y = c.top; y < c.bottom; ++y) EXPECT_TRUE(Darkened(shot.At(60, y))) << y << " " << RgbText(shot.At(60, y));
    EXPECT_FALSE(Darkened(shot.At(60, c.top - 1)));
    EXPECT_FALSE(Darkened(shot.At(60, c.bottom)));
  }
  const RECT c = Rect(ranged, TBM_GETCHANNELRECT);
  ASSERT_GT(c.bottom - c.top, 8) << "the reported channel is too thin to tell";
  const PixelImage shot = Screen(ranged);
  // With it the channel is 4 thick in the middle of the reported one.
  const double a = c.top + (c.bottom - c.top - 4) / 2.0;
  int darkRows = 0;
  for (int y = c.top; y < c.bottom; ++y) {
    const bool dark = Darkened(shot.At(60, y));
    darkRows += dark ? 1 : 0;
    if (y + 1 <= a || y >= a + 4 + 1) {
      EXPECT_FALSE(dark) << "row " << y;
    }
  }
  EXPECT_GE(darkRows, 3);
  EXPECT_LE(darkRows, 5);
  // The mark: from c.left + 40 * scale + 1, (80 - 40) * scale - 3 long, on
  // the channel's second row, where scale is the channel length per unit.
  const double scale = (c.right - c.left) / 100.0;
  const double start = c.left + 40 * scale + 1, end = start + 40 * scale - 3;
  int first = -1, last = -1;
  const RECT t = Rect(ranged, TBM_GETTHUMBRECT);
  for (int x = t.left + 12; x < shot.width; ++x) {  // past the knob
    const int row = static_cast<int>(a) + 1;
    const int bright = std::max(Brightness(shot.At(x, row)), Brightness(shot.At(x, row + 1)));
    if (bright >= 200) {
      if (first < 0) first = x;
      last = x;
    }
  }
  EXPECT_NEAR(first, start, 1.5);
  EXPECT_NEAR(last + 1, end + 1, 1.5);  // the 1-pixel pen covers the end column
  EXPECT_EQ(CountDifferent(CaptureComposite(*host, ranged), shot, 2), 0);
}

TEST_F(TrackbarLookTest, AVerticalTrackbarLaysItsChannelMarkAndKnobDownTheControl) {
  MakeHost(300, 260);
  HWND track = AddTrackbar(TBS_NOTICKS | TBS_VERT | TBS_ENABLESELRANGE, 20, 20, 40, 220, 0);
  SendMessageA(track, TBM_SETSEL, TRUE, MAKELPARAM(40, 80));
  InstallWithoutTrough();
  EXPECT_TRUE(Record().trackbars[0]->vertical);
  const RECT c = Channel(track);  // left/right: along the control
  const RECT t = Rect(track, TBM_GETTHUMBRECT);
  ASSERT_GT(c.right - c.left, 100);
  const double a = c.top + (c.bottom - c.top - 4) / 2.0;  // across: the channel's x
  const PixelImage shot = Screen(track);
  // The channel runs down the control, 4 wide.
  const int y = c.left + 20;
  int darkColumns = 0;
  for (int x = 0; x < shot.width; ++x) {
    const bool dark = Darkened(shot.At(x, y));
    darkColumns += dark ? 1 : 0;
    if (x + 1 <= a || x >= a + 4 + 1) {
      EXPECT_FALSE(dark) << "column " << x;
    }
  }
  EXPECT_GE(darkColumns, 3);
  EXPECT_LE(darkColumns, 5);
  EXPECT_TRUE(Darkened(shot.At(static_cast<int>(a) + 2, c.right - 20)));
  EXPECT_FALSE(Darkened(shot.At(static_cast<int>(a) + 2, c.right + 10)));
  // The selection mark down the channel's second column.
  const double scale = (c.right - c.left) / 100.0;
  const double start = c.left + 40 * scale + 1, end = start + 40 * scale - 3;
  const int column = static_cast<int>(a) + 1;
  const auto markAt = [&](int row) {
    return std::max(Brightness(shot.At(column, row)), Brightness(shot.At(column + 1, row))) >= 200;
  };
  EXPECT_TRUE(markAt(static_cast<int>((start + end) / 2)));
  EXPECT_FALSE(markAt(static_cast<int>(start) - 3));
  EXPECT_FALSE(markAt(static_cast<int>(end) + 4));
  // The knob: from the thumb's top, 1.5 left of the channel; 11 and 4 left
  // while hot.
  // (Looked for above the mark, which is as bright.)
  const int aboveMark = static_cast<int>(start) - 2;
  RECT knob = BrightBox(Top(shot, aboveMark), kKnobFloor);
  EXPECT_NEAR(knob.top, t.top, 1);
  EXPECT_EQ(knob.bottom, t.top + 6);
  EXPECT_NEAR(knob.right, a - 1.5 + 6, 0.5);
  SendMessageA(track, WM_MOUSEMOVE, 0, MAKELPARAM(10, 150));
  knob = BrightBox(Top(Screen(track), aboveMark), kKnobFloor);
  EXPECT_NEAR(knob.top, t.top, 1);
  EXPECT_EQ(knob.bottom, t.top + 11);
  EXPECT_NEAR(knob.right, a - 4 + 11, 0.5);
}

}  // namespace
