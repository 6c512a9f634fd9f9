// Skinned buttons keep their behaviour: clicks by message and by mouse,
// double clicks, the held state and radio groups.
#include "button_fixture.h"

namespace {

void Press(HWND b) { SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
void Release(HWND b) { SendMessageA(b, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }

// Moves the real cursor to the centre of window and clicks count times,
// quickly enough for a double click.
void MouseClicks(HWND window, int count) {
  RECT r{};
  GetWindowRect(window, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PumpMessagesFor(50);
  for (int i = 0; i < count; ++i) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    PumpMessagesFor(30);
  }
  PumpMessagesFor(200);
}

// Mean blue minus red around the radio dot (8, 10): large where the accent shows.
double DotAccent(const PixelImage& p) {
  double sum = 0;
  for (int y = 8; y <= 12; ++y) {
    for (int x = 6; x <= 10; ++x) sum += int(p.At(x, y) & 0xFF) - int((p.At(x, y) >> 16) & 0xFF);
  }
  return sum / 25;
}

using ButtonBehaviourTest = ButtonSkinTest;

TEST_F(ButtonBehaviourTest, ClicksByMessageAndMouseAndADoubleClickActsAsOne) {
  MakeHost();
  HWND b = Add("提取ip", BS_PUSHBUTTON, 20, 20, 90, 28, 10);
  CountSavedProcMessages(b);
  Install();
  SendMessageA(b, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks(b), 1);
  Press(b);
  Release(b);
  EXPECT_EQ(SendMessageA(b, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)), 0);
  Release(b);
  EXPECT_EQ(Clicks(b), 2);
  MouseClicks(b, 1);
  EXPECT_EQ(Clicks(b), 3);
  MouseClicks(b, 2);  // the system makes the second press a double click
  EXPECT_EQ(Clicks(b), 4);
  EXPECT_EQ(SavedProcCount(b, WM_LBUTTONDBLCLK), 0);
}

TEST_F(ButtonBehaviourTest, ReleasingTheStateWhileTheButtonIsHeldIsRefused) {
  MakeHost();
  HWND b = Add("复制", BS_PUSHBUTTON, 20, 20, 90, 28, 12);
  CountSavedProcMessages(b);
  Install();
  Press(b);
  const int before = SavedProcCount(b, BM_SETSTATE);
  EXPECT_EQ(SendMessageA(b, BM_SETSTATE, FALSE, 0), 0);
  EXPECT_EQ(SavedProcCount(b, BM_SETSTATE), before);
  EXPECT_NE(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  SendMessageA(b, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(SavedProcCount(b, BM_SETSTATE), before + 1) << "setting the state still passes";
  Release(b);
  EXPECT_EQ(Clicks(b), 1);
  SendMessageA(b, BM_SETSTATE, TRUE, 0);
  SendMessageA(b, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0) << "not held: it takes effect";
}

TEST_F(ButtonBehaviourTest, ARadioGroupKeepsOneCheckedAndBothRepaintAtOnce) {
  MakeHost();
  HWND all = Add("全部", BS_AUTORADIOBUTTON | WS_GROUP, 20, 20, 90, 20, 21);
  HWND telecom = Add("电信", BS_AUTORADIOBUTTON, 20, 50, 90, 20, 22);
  HWND unicom = Add("联通", BS_AUTORADIOBUTTON, 20, 80, 90, 20, 23);
  SendMessageA(all, BM_SETCHECK, BST_CHECKED, 0);
  Install();
  const double allBefore = DotAccent(Screen(all));
  const double telecomBefore = DotAccent(Screen(telecom));
  auto checks = [&] {
    int n = 0;
    for (HWND r : {all, telecom, unicom}) n += SendMessageA(r, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return n;
  };
  // A click by messages; nothing is pumped before the pixels are read.
  Press(telecom);
  Release(telecom);
  EXPECT_EQ(checks(), 1);
  EXPECT_EQ(SendMessageA(telecom, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_GT(allBefore, DotAccent(Screen(all)) + 40);
  EXPECT_GT(DotAccent(Screen(telecom)), telecomBefore + 40);
  EXPECT_LT(DotAccent(Screen(all)) - DotAccent(Screen(unicom)), 10);
  EXPECT_EQ(CountDifferent(CaptureComposite(*host, telecom), Screen(telecom), 2), 0);

  MouseClicks(unicom, 1);
  EXPECT_EQ(checks(), 1);
  EXPECT_GT(DotAccent(Screen(unicom)), DotAccent(Screen(telecom)) + 40);
}

TEST_F(ButtonBehaviourTest, AButtonWithoutAValidRecordPassesEverythingOn) {
  MakeHost();
  HWND b = Add("孤", BS_PUSHBUTTON, 20, 20, 80, 28, 71);
  HWND radio = Add("孤", BS_AUTORADIOBUTTON, 20, 60, 80, 20, 72);
  Install();
  SetPropInt(b, Hw_FuID, 99);  // as if its window record had been removed
  SetPropInt(radio, Hw_FuID, 0);
  SendMessageA(b, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Record().hotControlIndex, 0);
  SendMessageA(b, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks(b), 1);
  SendMessageA(radio, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_CHECKED);
  // Without a record the paint is passed on: the control shows the system's
  // own look, as a radio button that was never skinned does.
  HWND plain = Add("孤", BS_AUTORADIOBUTTON, 120, 60, 80, 20, 73);
  SendMessageA(plain, BM_SETCHECK, BST_CHECKED, 0);
  SetFocus(host->get());  // the click left the focus rectangle on it
  for (HWND r : {radio, plain}) {
    InvalidateRect(r, nullptr, TRUE);
    UpdateWindow(r);
  }
  EXPECT_EQ(CountDifferent(Screen(radio), Screen(plain), 0), 0);
  EXPECT_EQ(GetUpdateRect(radio, nullptr, FALSE), FALSE);
}

}  // namespace
