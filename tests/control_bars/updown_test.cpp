// The up-down control: which half is under the mouse, the highlighted half,
// repaints only when the half changes, arrows centred in their halves, and
// clicks that still change the buddy.
#include "bars_fixture.h"

#include <string>

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);

class UpDownTest : public BarSkinTest {
 protected:
  HWND MakeUpDown(DWORD style, int w, int h) {
    MakeHost(300, 200);
    FillHostPicture(kGrey);
    HWND spin = Add(UPDOWN_CLASSA, style, 40, 40, w, h, 3);
    Install();
    return spin;
  }
};

// Pixels of area that differ between a and b. Callers leave out the bottom
// row: Wine's GDI+ leaves a few stray values there under anti-aliased
// rounded corners.
int Different(const PixelImage& a, const PixelImage& b, const RECT& area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (!NearRgb(a.At(x, y), b.At(x, y), 3)) ++count;
    }
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
  EXPECT_EQ(UpDownHalfAt(Index(), 1, MAKELPARAM(50, 3)), 0);   // x does not count
  EXPECT_EQ(UpDownHalfAt(Index(), 1, MAKELPARAM(5, -30)), 0);  // above the control, not 65506
  EXPECT_EQ(UpDownHalfAt(Index(), 2, MAKELPARAM(20, 15)), 0);  // 41 / 2 = 20
  EXPECT_EQ(UpDownHalfAt(Index(), 2, MAKELPARAM(21, 0)), 1);
  EXPECT_EQ(UpDownHalfAt(Index(), 2, MAKELPARAM(-2, 0)), 0);
  EXPECT_EQ(UpDownHalfAt(Index(), 3, MAKELPARAM(30, 30)), 0);  // no such control
}

TEST_F(UpDownTest, OnlyTheHalfUnderTheMouseIsHighlighted) {
  HWND spin = MakeUpDown(0, 20, 40);
  const PixelImage plain = Screen(spin);
  const RECT top{2, 2, 18, 18}, bottom{2, 22, 18, 38};
  SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(10, 30));
  const PixelImage lower = Screen(spin);
  EXPECT_EQ(Different(plain, lower, top), 0);
  EXPECT_GT(Different(plain, lower, bottom), 100);
  EXPECT_EQ(Record().upDowns[0]->hot, 1);
  EXPECT_EQ(Record().upDowns[0]->hotHalf, 1);
  EXPECT_EQ(Record().hotControlClass, 8);

  // A repaint the control asks for itself keeps the half under the mouse.
  InvalidateRect(spin, nullptr, TRUE);
  PumpMessages();
  EXPECT_EQ(Different(Screen(spin), lower, RECT{0, 0, 20, 39}), 0);

  SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  const PixelImage upper = Screen(spin);
  EXPECT_GT(Different(plain, upper, top), 100);
  EXPECT_EQ(Different(plain, upper, bottom), 0);
  EXPECT_EQ(Record().upDowns[0]->hotHalf, 0);

  SendMessageA(spin, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Record().upDowns[0]->hot, 0);
  EXPECT_EQ(Different(plain, Screen(spin), RECT{0, 0, 20, 39}), 0);
}

TEST_F(UpDownTest, MovingWithinAHalfDoesNotRepaint) {
  HWND spin = MakeUpDown(0, 20, 40);
  SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(10, 30));
  // Scribble over the control on screen: only a repaint would remove it.
  HDC dc = GetWindowDC(spin);
  HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
  RECT all{0, 0, 20, 40};
  FillRect(dc, &all, magenta);
  DeleteObject(magenta);
  ReleaseDC(spin, dc);
  SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(12, 35));
  EXPECT_EQ(Screen(spin).At(10, 10), 0xFF00FFu);
  SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(12, 8));
  EXPECT_NE(Screen(spin).At(10, 10), 0xFF00FFu);
}

TEST_F(UpDownTest, TheArrowsSitCentredInTheirHalves) {
  HWND spin = MakeUpDown(UDS_HORZ, 40, 20);
  const PixelImage shot = Screen(spin);
  auto dark = [&](int x, int y) { return (shot.At(x, y) & 0xFF) < 60; };
  // Halves of 20 x 20; the 4 x 7 left arrow at (8, 6), its point to the left.
  EXPECT_TRUE(dark(11, 6));
  EXPECT_FALSE(dark(8, 6));
  EXPECT_TRUE(dark(8, 9));
  EXPECT_FALSE(dark(7, 9));
  // The right arrow in the second half at (28, 6), pointing right.
  EXPECT_TRUE(dark(28, 6));
  EXPECT_FALSE(dark(31, 6));
  EXPECT_TRUE(dark(31, 9));
}

std::string TextOf(HWND window) {
  char text[32] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

TEST_F(UpDownTest, ClicksStillChangeTheBuddyAndShowThePressedHalf) {
  MakeHost(300, 200);
  FillHostPicture(kGrey);
  HWND buddy = Add("EDIT", WS_BORDER, 40, 40, 60, 24, 2, nullptr, "5");
  HWND spin = Add(UPDOWN_CLASSA, UDS_SETBUDDYINT, 100, 40, 18, 24, 3);
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessageA(spin, UDM_SETRANGE32, 0, 10);
  SendMessageA(spin, UDM_SETPOS32, 0, 5);
  Install();
  PumpMessages();
  const PixelImage hotUpper = [&] {
    SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(9, 4));
    return Screen(spin);
  }();

  const LPARAM upper = MAKELPARAM(9, 4);
  SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  EXPECT_EQ(Record().upDowns[0]->buttonDown, 1);
  EXPECT_EQ(Record().upDowns[0]->lastMouse, upper);
  InvalidateRect(spin, nullptr, FALSE);
  PumpMessages();
  const PixelImage pressed = Screen(spin);
  EXPECT_GT(Different(hotUpper, pressed, RECT{2, 2, 16, 10}), 20);  // the inverted look
  SendMessageA(spin, WM_LBUTTONUP, 0, upper);
  PumpMessages();
  EXPECT_EQ(Record().upDowns[0]->buttonDown, 0);
  EXPECT_EQ(TextOf(buddy), "6");
  EXPECT_EQ(Different(hotUpper, Screen(spin), RECT{0, 0, 18, 23}), 0);

  const LPARAM lower = MAKELPARAM(9, 20);
  SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, lower);
  SendMessageA(spin, WM_LBUTTONUP, 0, lower);
  SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, lower);
  SendMessageA(spin, WM_LBUTTONUP, 0, lower);
  PumpMessages();
  EXPECT_EQ(TextOf(buddy), "4");
  EXPECT_EQ(SendMessageA(spin, UDM_GETPOS32, 0, 0), 4);
}

}  // namespace
