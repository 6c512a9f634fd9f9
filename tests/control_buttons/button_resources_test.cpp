// Painting over and over gives back every GDI object and memory DC it
// takes; and one picture of every look to look at.
#include "button_fixture.h"

#include <cstdlib>

#include "graphics/paint/memory_dc_table.h"

namespace {

using ButtonResourceTest = ButtonSkinTest;

TEST_F(ButtonResourceTest, AThousandHoverLeaveAndPaintCyclesLeakNothing) {
  // The count sees a leak (Wine's GetGuiResources would not).
  const int empty = LiveGdiObjectCount();
  HBRUSH leak = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(LiveGdiObjectCount(), empty + 1);
  DeleteObject(leak);

  MakeHost(320, 160);
  HWND push = Add("提取ip", BS_PUSHBUTTON, 20, 20, 90, 28, 1);
  HWND radio = Add("电信", BS_AUTORADIOBUTTON | WS_GROUP, 20, 60, 90, 20, 2);
  HWND check = Add("勾选", BS_AUTOCHECKBOX, 20, 90, 90, 20, 3);
  SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  Install();
  auto cycles = [&](int n) {
    for (int i = 0; i < n; ++i) {
      for (HWND c : {push, radio, check}) {
        SendMessageA(c, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        SendMessageA(c, WM_MOUSELEAVE, 0, 0);
        InvalidateRect(c, nullptr, TRUE);
        UpdateWindow(c);
      }
    }
    PumpMessages();
  };
  cycles(20);  // first paints may fill caches of the system and of GDI+
  const int before = LiveGdiObjectCount();
  const int dcsBefore = MemoryDcCount();  // the host's composite
  cycles(1000);
  EXPECT_EQ(MemoryDcCount(), dcsBefore);
  EXPECT_LE(LiveGdiObjectCount() - before, 2) << "one object per thousand paints would show as 3";
}

// Every look over a known background, captured from the screen; kept open
// for PX_CONTROL_HOLD_MS milliseconds when set, for a screenshot.
TEST_F(ButtonResourceTest, Showcase) {
  MakeHost(420, 220, 40, 40);
  HDC frame = host->Record().frameDC.get();
  TRIVERTEX corners[2] = {{0, 0, 0xD000, 0xE400, 0xF800, 0}, {420, 220, 0xF800, 0xE800, 0xC000, 0}};
  GRADIENT_RECT whole{0, 1};
  GradientFill(frame, corners, 2, &whole, 1, GRADIENT_FILL_RECT_H);
  host->ResetComposite();
  InvalidateRect(host->get(), nullptr, FALSE);
  Add("普通", BS_PUSHBUTTON, 10, 10, 90, 30, 1);
  HWND hot = Add("热点", BS_PUSHBUTTON, 110, 10, 90, 30, 2);
  HWND pressed = Add("按下", BS_PUSHBUTTON, 210, 10, 90, 30, 3);
  HWND focus = Add("焦点", BS_PUSHBUTTON, 10, 50, 90, 30, 4);
  HWND disabled = Add("禁用", BS_PUSHBUTTON, 110, 50, 90, 30, 5);
  Add("全部", BS_AUTORADIOBUTTON | WS_GROUP, 20, 100, 80, 20, 8);
  HWND telecom = Add("电信", BS_AUTORADIOBUTTON, 20, 130, 80, 20, 9);
  HWND unicom = Add("联通", BS_AUTORADIOBUTTON, 20, 160, 80, 20, 10);
  HWND check = Add("选中", BS_AUTOCHECKBOX, 210, 100, 90, 20, 11);
  HWND checkHot = Add("悬停", BS_AUTOCHECKBOX, 210, 130, 90, 20, 12);
  Install();
  EnableWindow(disabled, FALSE);
  SendMessageA(telecom, BM_CLICK, 0, 0);
  SendMessageA(check, BM_CLICK, 0, 0);
  SendMessageA(checkHot, BM_SETCHECK, BST_CHECKED, 0);
  PumpMessages();
  SendMessageA(pressed, BM_SETSTATE, TRUE, 0);
  RepaintButton(focus, kPaintFocus, false);
  for (HWND c : {hot, unicom, checkHot}) SendMessageA(c, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));

  EXPECT_TRUE(SavePng(CaptureClient(host->get()), "control_buttons_showcase.png")) << OutputFolder();
  // The composite holds the same picture as the screen where the controls are.
  for (HWND c : {hot, pressed, focus, disabled, telecom, unicom, check, checkHot}) {
    EXPECT_EQ(CountDifferent(CaptureComposite(*host, c), Screen(c), 2), 0);
  }
  if (const char* hold = std::getenv("PX_CONTROL_HOLD_MS")) PumpMessagesFor(std::atoi(hold));
}

}  // namespace
