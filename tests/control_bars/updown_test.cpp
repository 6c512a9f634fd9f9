// The up-down control: the half under the (signed) mouse position, only
// that half highlighted, and clicks that still change the buddy.
#include "bars_fixture.h"

#include <algorithm>

namespace {

using UpDownTest = BarSkinTest;

// Pixels of area that differ between a and b. Callers leave out the bottom
// row: Wine's GDI+ leaves stray values there under anti-aliased corners.
int Different(const PixelImage& a, const PixelImage& b, const RECT& area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += NearRgb(a.At(x, y), b.At(x, y), 3) ? 0 : 1;
  }
  return count;
}

TEST_F(UpDownTest, TheHalfIsTakenFromTheSignedMousePosition) {
  MakeHost();
  Add(UPDOWN_CLASSA, 0, 10, 10, 20, 40);
  Add(UPDOWN_CLASSA, UDS_HORZ, 60, 10, 41, 20);
  Install();
  EXPECT_EQ(UpDownHalfAt(Index(), 1, MAKELPARAM(5, 20)), 0);  // not past 40 / 2
  EXPECT_EQ(UpDownHalfAt(Index(), 1, MAKELPARAM(5, 21)), 1);
  EXPECT_EQ(UpDownHalfAt(Index(), 1, MAKELPARAM(5, -30)), 0);  // above the control, not 65506
  EXPECT_EQ(UpDownHalfAt(Index(), 2, MAKELPARAM(21, 0)), 1);
  EXPECT_EQ(UpDownHalfAt(Index(), 2, MAKELPARAM(-2, 0)), 0);
  EXPECT_EQ(UpDownHalfAt(Index(), 3, MAKELPARAM(30, 30)), 0);  // no such control
}

TEST_F(UpDownTest, OnlyTheHalfUnderTheMouseIsLitAndClicksStillChangeTheBuddy) {
  MakeHost(300, 200);
  HWND buddy = Add("EDIT", WS_BORDER, 40, 40, 60, 24, 2, "5");
  HWND spin = Add(UPDOWN_CLASSA, UDS_SETBUDDYINT, 100, 40, 18, 24, 3);
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessageA(spin, UDM_SETRANGE32, 0, 10);
  SendMessageA(spin, UDM_SETPOS32, 0, 5);
  Install();
  const LPARAM upper = MAKELPARAM(9, 4), lower = MAKELPARAM(9, 20);
  const PixelImage plain = Screen(spin);
  SendMessageA(spin, WM_MOUSEMOVE, 0, upper);
  const PixelImage hotUpper = Screen(spin);
  // Only the half under the mouse is highlighted.
  EXPECT_GT(Different(plain, hotUpper, RECT{2, 2, 16, 10}), 30);
  EXPECT_EQ(Different(plain, hotUpper, RECT{2, 14, 16, 22}), 0);
  SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  SendMessageA(spin, WM_LBUTTONUP, 0, upper);
  PumpMessages();
  EXPECT_EQ(Record().upDowns[0]->buttonDown, 0);
  EXPECT_EQ(Different(hotUpper, Screen(spin), RECT{0, 0, 18, 23}), 0);
  char text[32] = {};
  GetWindowTextA(buddy, text, sizeof(text));
  EXPECT_STREQ(text, "6");
  for (int i = 0; i < 2; ++i) {
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, lower);
    SendMessageA(spin, WM_LBUTTONUP, 0, lower);
  }
  PumpMessages();
  EXPECT_EQ(SendMessageA(spin, UDM_GETPOS32, 0, 0), 4);
}

// The up-down's own painting of a half at (x, y) of its window: the white
// base, then the half's gradient from `from` to `to` at fraction f.
std::uint32_t HalfModel(std::uint32_t bg, Layer from, Layer to, double f) {
  return Over(Over(bg, {kWhiteRgb, 160}), Between(from, to, f));
}

TEST_F(UpDownTest, WhilePressedTheHalfUnderTheMouseIsInvertedAndTheControlsOwnRepaintShowsIt) {
  MakeHost(300, 200);
  HWND spin = Add(UPDOWN_CLASSA, 0, 100, 40, 18, 24, 3);
  SendMessageA(spin, UDM_SETRANGE32, 0, 100);
  SendMessageA(spin, UDM_SETPOS32, 0, 50);
  Install();
  const PixelImage bg = CaptureBackground(*host, spin);
  const LPARAM upper = MAKELPARAM(9, 4);
  PaintUpDown(Index(), 1, 1, 0, upper);
  const PixelImage hot = Screen(spin);
  PaintUpDown(Index(), 1, 1, 1, upper);
  const PixelImage pressed = Screen(spin);
  // The upper half runs (0, 0) to (0, 11): white 100 to accent 150 while
  // hot, accent 100 to white 150 while pressed.
  for (int y : {2, 9}) {
    const double f = (y + 0.5) / 11;
    const std::uint32_t hotModel = HalfModel(bg.At(4, y), {kWhiteRgb, 100}, {kAccentRgb, 150}, f);
    const std::uint32_t pressedModel = HalfModel(bg.At(4, y), {kAccentRgb, 100}, {kWhiteRgb, 150}, f);
    EXPECT_TRUE(NearRgb(hot.At(4, y), hotModel, 10)) << y << " " << RgbText(hot.At(4, y)) << " model " << RgbText(hotModel);
    EXPECT_TRUE(NearRgb(pressed.At(4, y), pressedModel, 10))
        << y << " " << RgbText(pressed.At(4, y)) << " model " << RgbText(pressedModel);
  }
  EXPECT_EQ(Different(hot, pressed, RECT{0, 13, 18, 23}), 0) << "the lower half is not pressed";

  // A real press: the control repaints itself and the skin shows the
  // pressed half; the release brings the hot look back.
  SendMessageA(spin, WM_MOUSEMOVE, 0, upper);
  SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  PumpMessages();
  EXPECT_EQ(Record().upDowns[0]->buttonDown, 1);
  EXPECT_EQ(Different(pressed, Screen(spin), RECT{0, 0, 18, 23}), 0);
  SendMessageA(spin, WM_LBUTTONUP, 0, upper);
  PumpMessages();
  EXPECT_EQ(Different(hot, Screen(spin), RECT{0, 0, 18, 23}), 0);
  EXPECT_EQ(SendMessageA(spin, UDM_GETPOS32, 0, 0), 51);
}

bool IsDark(std::uint32_t c) { return ((c >> 16) & 0xFF) < 100 && ((c >> 8) & 0xFF) < 100 && (c & 0xFF) < 100; }

// The box of the dark pixels within area.
RECT DarkBox(const PixelImage& p, const RECT& area) {
  RECT box{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (!IsDark(p.At(x, y))) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  return box;
}

int DarkInColumn(const PixelImage& p, int x, int y0, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y) n += IsDark(p.At(x, y)) ? 1 : 0;
  return n;
}

TEST_F(UpDownTest, AHorizontalControlHasLeftAndRightHalvesWithTheirArrows) {
  constexpr int kW = 40, kH = 20;
  MakeHost(300, 200);
  HWND spin = Add(UPDOWN_CLASSA, UDS_HORZ, 100, 40, kW, kH, 3);
  Install();
  EXPECT_TRUE(Record().upDowns[0]->horizontal);
  const PixelImage bg = CaptureBackground(*host, spin);
  const PixelImage plain = Screen(spin);
  // Halves (0, 0, 19, 19) and (20, 0, 19, 19); the 4 x 7 arrows centred in
  // each: x = half.x + (20 - 4) / 2, y = (20 - 7) / 2.
  const RECT left = DarkBox(plain, RECT{2, 2, 18, 18});
  const RECT right = DarkBox(plain, RECT{22, 2, 38, 18});
  EXPECT_EQ(left.left, 8);
  EXPECT_EQ(left.top, 6);
  EXPECT_EQ(left.right - left.left, 4);
  EXPECT_EQ(left.bottom - left.top, 7);
  EXPECT_EQ(right.left, 28);
  EXPECT_EQ(right.top, 6);
  EXPECT_EQ(right.right - right.left, 4);
  EXPECT_EQ(right.bottom - right.top, 7);
  // The left arrow points left, the right one right.
  EXPECT_LT(DarkInColumn(plain, left.left, 6, 13), DarkInColumn(plain, left.right - 1, 6, 13));
  EXPECT_GT(DarkInColumn(plain, right.left, 6, 13), DarkInColumn(plain, right.right - 1, 6, 13));
  // Both halves: white 20 to accent 100 along the control, the first from
  // (0, 0) to (19, 0), the second from (19, 0) to (40, 0).
  for (int x : {3, 15, 23, 36}) {
    const double f = x < 20 ? (x + 0.5) / 19 : (x + 0.5 - 19) / 21;
    const std::uint32_t model = HalfModel(bg.At(x, 16), {kWhiteRgb, 20}, {kAccentRgb, 100}, f);
    EXPECT_TRUE(NearRgb(plain.At(x, 16), model, 10)) << x << " " << RgbText(plain.At(x, 16)) << " model " << RgbText(model);
  }
  // Only the half under the mouse lights up: the right one past x = 20.
  SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
  const PixelImage hot = Screen(spin);
  EXPECT_EQ(Different(plain, hot, RECT{2, 2, 18, 18}), 0);
  EXPECT_GT(Different(plain, hot, RECT{22, 2, 38, 18}), 30);
  SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_GT(Different(plain, Screen(spin), RECT{2, 2, 18, 18}), 30);
  EXPECT_EQ(Different(plain, Screen(spin), RECT{22, 2, 38, 18}), 0);
}

}  // namespace
