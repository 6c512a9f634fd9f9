// Skinned buttons keep their behaviour: clicks by message and by mouse,
// double clicks, the held state, radio groups and check boxes, hover and
// focus bookkeeping, and the messages the skin answers itself.
#include "button_fixture.h"

namespace {

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

void Press(HWND b, int x = 5, int y = 5) { SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y)); }
void Release(HWND b, int x = 5, int y = 5) { SendMessageA(b, WM_LBUTTONUP, 0, Point(x, y)); }

// Moves the real cursor to the centre of window and presses and releases
// the left button count times, quickly enough for a double click.
void MouseClicks(HWND window, int count) {
  RECT r{};
  GetWindowRect(window, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PumpMessagesFor(50);
  for (int i = 0; i < count; ++i) {
    INPUT input[2] = {};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].type = INPUT_MOUSE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    PumpMessagesFor(30);
  }
  PumpMessagesFor(200);
}

// Mean of blue minus red over a square of pixels centred at (cx, cy):
// large where the accent colour shows.
double AccentWeight(const PixelImage& p, int cx, int cy, int half) {
  double sum = 0;
  int n = 0;
  for (int y = cy - half; y <= cy + half; ++y) {
    for (int x = cx - half; x <= cx + half; ++x) {
      const std::uint32_t c = p.At(x, y);
      sum += static_cast<int>(c & 0xFF) - static_cast<int>((c >> 16) & 0xFF);
      ++n;
    }
  }
  return sum / n;
}

using ButtonBehaviourTest = ButtonSkinTest;

TEST_F(ButtonBehaviourTest, ASkinnedPushButtonStillClicks) {
  MakeHost();
  HWND b = Add("提取ip", BS_PUSHBUTTON, 20, 20, 90, 28, 10);
  Install();
  SendMessageA(b, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks(b), 1);

  Press(b);
  EXPECT_EQ(RecordOf(b)->buttonDown, 1);
  Release(b);
  EXPECT_EQ(RecordOf(b)->buttonDown, 0);
  EXPECT_EQ(Clicks(b), 2);

  MouseClicks(b, 1);
  EXPECT_EQ(Clicks(b), 3);
}

TEST_F(ButtonBehaviourTest, ADoubleClickActsAsOneClick) {
  MakeHost();
  HWND b = Add("保存", BS_PUSHBUTTON, 20, 20, 90, 28, 11);
  CountSavedProcMessages(b);
  Install();

  Press(b);
  Release(b);
  EXPECT_EQ(SendMessageA(b, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(5, 5)), 0);
  Release(b);
  EXPECT_EQ(Clicks(b), 1);
  EXPECT_EQ(SavedProcCount(b, WM_LBUTTONDBLCLK), 0);

  // The same with the real mouse: the system turns the second press into
  // a double click.
  MouseClicks(b, 2);
  EXPECT_EQ(Clicks(b), 2);
  EXPECT_EQ(SavedProcCount(b, WM_LBUTTONDBLCLK), 0);
}

TEST_F(ButtonBehaviourTest, ReleasingTheStateWhileTheButtonIsHeldIsRefused) {
  MakeHost();
  HWND b = Add("复制", BS_PUSHBUTTON, 20, 20, 90, 28, 12);
  CountSavedProcMessages(b);
  Install();

  Press(b);
  ASSERT_NE(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  const int before = SavedProcCount(b, BM_SETSTATE);
  EXPECT_EQ(SendMessageA(b, BM_SETSTATE, FALSE, 0), 0);
  EXPECT_EQ(SavedProcCount(b, BM_SETSTATE), before);
  EXPECT_NE(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  // Setting the state (wParam 1) still passes.
  SendMessageA(b, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(SavedProcCount(b, BM_SETSTATE), before + 1);

  Release(b);
  EXPECT_EQ(Clicks(b), 1);
  // Not held any more: releasing the state passes on and takes effect.
  SendMessageA(b, BM_SETSTATE, TRUE, 0);
  SendMessageA(b, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
}

TEST_F(ButtonBehaviourTest, ARadioGroupKeepsOneCheckedAndBothRepaintAtOnce) {
  MakeHost();
  HWND all = Add("全部", BS_AUTORADIOBUTTON | WS_GROUP, 20, 20, 90, 20, 21);
  HWND telecom = Add("电信", BS_AUTORADIOBUTTON, 20, 50, 90, 20, 22);
  HWND unicom = Add("联通", BS_AUTORADIOBUTTON, 20, 80, 90, 20, 23);
  SendMessageA(all, BM_SETCHECK, BST_CHECKED, 0);
  Install();
  PumpMessages();
  const PixelImage allBefore = Screen(all);
  const PixelImage telecomBefore = Screen(telecom);

  // A click by messages; nothing is pumped before the pixels are read.
  Press(telecom);
  Release(telecom);
  auto checks = [&] {
    int n = 0;
    for (HWND r : {all, telecom, unicom}) n += SendMessageA(r, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return n;
  };
  EXPECT_EQ(checks(), 1);
  EXPECT_EQ(SendMessageA(telecom, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(Clicks(telecom), 1);

  const PixelImage allAfter = Screen(all);
  const PixelImage telecomAfter = Screen(telecom);
  // The dot (centred at 8, 10 in a 20-pixel-high control) moved.
  EXPECT_GT(AccentWeight(allBefore, 8, 10, 2), AccentWeight(allAfter, 8, 10, 2) + 40);
  EXPECT_GT(AccentWeight(telecomAfter, 8, 10, 2), AccentWeight(telecomBefore, 8, 10, 2) + 40);
  // The old one now shows as little accent as the unchecked third one.
  const PixelImage unicomNow = Screen(unicom);
  EXPECT_LT(AccentWeight(allAfter, 8, 10, 2) - AccentWeight(unicomNow, 8, 10, 2), 10);
  // The composite shows the same as the screen.
  EXPECT_EQ(CountDifferent(CaptureComposite(*host, telecom), telecomAfter, 2), 0);
  EXPECT_EQ(CountDifferent(CaptureComposite(*host, all), allAfter, 2), 0);

  // The real mouse on the third one.
  MouseClicks(unicom, 1);
  EXPECT_EQ(checks(), 1);
  EXPECT_EQ(SendMessageA(unicom, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_GT(AccentWeight(Screen(unicom), 8, 10, 2), AccentWeight(Screen(telecom), 8, 10, 2) + 40);
}

TEST_F(ButtonBehaviourTest, CheckBoxesToggleAndShowTheirStateAtOnce) {
  MakeHost();
  HWND check = Add("自动", BS_AUTOCHECKBOX, 20, 20, 90, 20, 31);
  Install();
  const PixelImage unchecked = Screen(check);
  Press(check);
  Release(check);
  EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  const PixelImage checked = Screen(check);
  EXPECT_GT(CountDifferent(unchecked, checked, 20), 10);
  // The application's BM_SETCHECK shows at once too.
  SendMessageA(check, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(CountDifferent(unchecked, Screen(check), 2), 0);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(CountDifferent(checked, Screen(check), 2), 0);
  // The space key toggles it through its own procedure.
  SendMessageA(check, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(check, WM_KEYUP, VK_SPACE, 0xC0000000);
  EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ButtonBehaviourTest, HoverIsTrackedPerButtonAndEndsOnMouseLeave) {
  MakeHost();
  HWND first = Add("", BS_PUSHBUTTON, 20, 20, 80, 28, 41);
  HWND second = Add("", BS_PUSHBUTTON, 120, 20, 80, 28, 42);
  Install();
  const PixelImage plain = Screen(first);

  SendMessageA(first, WM_MOUSEMOVE, 0, Point(5, 5));
  EXPECT_EQ(Record().controlUnderMouse, 1);
  EXPECT_EQ(Record().hotControlIndex, 1);
  EXPECT_EQ(Record().hotControlClass, 0);
  const PixelImage hot = Screen(first);
  EXPECT_GT(CountDifferent(plain, hot, 6), 100);

  // Onto the second: it turns hot, the first keeps its hot look.
  const PixelImage secondHot = PushLook(second, kPaintHot);
  const PixelImage secondPlain = PushLook(second, 0);
  RepaintButton(second, 0, false);
  SendMessageA(second, WM_MOUSEMOVE, 0, Point(5, 5));
  EXPECT_EQ(Record().hotControlIndex, 2);
  EXPECT_EQ(CountDifferent(secondHot, Screen(second), 2), 0);
  EXPECT_EQ(CountDifferent(hot, Screen(first), 2), 0);

  SendMessageA(first, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Record().hotControlIndex, 0);
  EXPECT_EQ(CountDifferent(plain, Screen(first), 2), 0);

  // Another class was hot with the same index: the button repaints hot.
  RepaintButton(second, 0, false);
  Record().hotControlIndex = 2;
  Record().hotControlClass = 1;
  SendMessageA(second, WM_MOUSEMOVE, 0, Point(6, 6));
  EXPECT_EQ(Record().hotControlClass, 0);
  EXPECT_EQ(CountDifferent(secondHot, Screen(second), 2), 0);
  // Moving on the same hot button paints nothing new.
  RepaintButton(second, 0, false);
  SendMessageA(second, WM_MOUSEMOVE, 0, Point(7, 7));
  EXPECT_EQ(CountDifferent(secondPlain, Screen(second), 2), 0);
  // Releasing the mouse button forgets the hot control.
  Release(second);
  EXPECT_EQ(Record().hotControlIndex, 0);
}

TEST_F(ButtonBehaviourTest, FocusIsRememberedAndShownAfterTheMouseLeaves) {
  MakeHost();
  HWND b = Add("", BS_PUSHBUTTON, 20, 20, 80, 28, 51);
  Install();
  const PixelImage plain = Screen(b);
  SendMessageA(b, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(RecordOf(b)->hasFocus, 1);
  SendMessageA(b, WM_MOUSELEAVE, 0, 0);
  const PixelImage focused = Screen(b);
  EXPECT_GT(CountDifferent(plain, focused, 6), 20);
  RepaintButton(b, kPaintFocus, false);
  EXPECT_EQ(CountDifferent(focused, Screen(b), 2), 0);

  SendMessageA(b, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(RecordOf(b)->hasFocus, 0);
  SendMessageA(b, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(CountDifferent(plain, Screen(b), 2), 0);
}

TEST_F(ButtonBehaviourTest, TheSkinAnswersTextEraseAndFrameMessagesItself) {
  MakeHost();
  HWND b = Add("旧", BS_PUSHBUTTON, 20, 20, 80, 28, 61);
  CountSavedProcMessages(b);
  Install();

  SetWindowTextA(b, "新的文字");
  EXPECT_EQ(RecordOf(b)->caption, Text("新的文字"));
  char text[32] = {};
  GetWindowTextA(b, text, sizeof(text));
  EXPECT_EQ(Text(text), Text("新的文字"));

  EXPECT_EQ(SendMessageA(b, WM_NCPAINT, 1, 0), 1);
  EXPECT_EQ(SavedProcCount(b, WM_NCPAINT), 0);

  // Erasing touches no pixel; it prepares the DC's text colour.
  SetPropInt(b, Kj_Ztys, 0x123456);
  Canvas canvas(16, 16, RGB(10, 20, 30));
  SetTextColor(canvas.dc(), RGB(1, 2, 3));
  EXPECT_EQ(SendMessageA(b, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0),
            static_cast<LRESULT>(RGB(1, 2, 3)));
  EXPECT_EQ(GetTextColor(canvas.dc()), static_cast<COLORREF>(0x123456));
  EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
  EXPECT_EQ(canvas.Pixels().At(8, 8), 0x0A141Eu);
  EXPECT_EQ(SavedProcCount(b, WM_ERASEBKGND), 0);
}

TEST_F(ButtonBehaviourTest, AMovingChildMarksItsContainerForANewBackground) {
  MakeHost();
  HWND group = Add("运营商", BS_GROUPBOX, 20, 10, 200, 150);
  HWND radio = Add("电信", BS_AUTORADIOBUTTON, 10, 20, 80, 20, 0, group);
  WindowRecord& record = Record();
  const int c = TakeControlRecord(record.containers);
  record.containers[c - 1]->hwnd = group;
  record.containers[c - 1]->frameStyle = 1;
  SetPropInt(group, Hw_lbID, c);
  SetPropInt(group, Hw_FuID, Index());
  Install(group);

  SetWindowPos(radio, nullptr, 12, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(record.containers[c - 1]->backgroundStale, 1);

  // A container that lays out its own children is left alone.
  record.containers[c - 1]->backgroundStale = 0;
  SetPropInt(group, Wxk_LBID, 1);
  SetWindowPos(radio, nullptr, 14, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(record.containers[c - 1]->backgroundStale, 0);
}

TEST_F(ButtonBehaviourTest, AButtonWithoutAValidRecordPassesEverythingOn) {
  MakeHost();
  HWND b = Add("孤", BS_PUSHBUTTON, 20, 20, 80, 28, 71);
  HWND radio = Add("孤", BS_AUTORADIOBUTTON, 20, 60, 80, 20, 72);
  Install();
  // As if its window record had been removed.
  SetPropInt(b, Hw_FuID, 99);
  SetPropInt(radio, Hw_FuID, 0);
  SendMessageA(b, WM_MOUSEMOVE, 0, Point(5, 5));
  SendMessageA(b, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Record().hotControlIndex, 0);
  SendMessageA(b, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks(b), 1);
  SendMessageA(radio, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_CHECKED);
  InvalidateRect(radio, nullptr, TRUE);
  UpdateWindow(radio);
  PumpMessages();
}

}  // namespace
