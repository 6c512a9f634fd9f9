// The up-down control: the half under the (signed) mouse position, only
// that half highlighted, and clicks that still change the buddy.
#include "bars_fixture.h"

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

}  // namespace
