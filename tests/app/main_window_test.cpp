// The main window as created by the program: its controls, initial state,
// input rules and keyboard behaviour.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/main_window.h"
#include "gui_test_support.h"

namespace {

struct ExpectedControl {
  ControlId id;
  ControlId parent;  // 0: the window
  const char* className;
  RECT geometry;  // left, top, width, height
  const char* text;
};

// The controls as the window must show them.
const ExpectedControl kExpected[] = {
    {kEdit2, ControlId(0), "Edit", {259, 30, 56, 24}, "100"},
    {kLabel6, ControlId(0), "Static", {216, 126, 48, 24}, "ip开头："},
    {kButton10, ControlId(0), "Button", {224, 268, 88, 32}, "提取ip"},
    {kButton3, ControlId(0), "Button", {224, 348, 88, 32}, "保存ip"},
    {kButton2, ControlId(0), "Button", {224, 308, 88, 32}, "复制ip"},
    {kGroup2, ControlId(0), "Button", {216, 254, 104, 136}, ""},
    {kButton1, kGroup2, "Button", {208, 16, 88, 32}, "提取ip"},
    {kGroup1, ControlId(0), "Button", {216, 152, 104, 96}, "运营商"},
    {kRadio3, kGroup1, "Button", {9, 66, 92, 24}, "联通（网通）"},
    {kRadio2, kGroup1, "Button", {9, 42, 56, 16}, "电信"},
    {kRadio1, kGroup1, "Button", {9, 18, 48, 16}, "全部"},
    {kLabel3, ControlId(0), "Static", {216, 94, 32, 24}, "地区："},
    {kEdit4, ControlId(0), "Edit", {259, 94, 56, 24}, ""},
    {kLabel4, ControlId(0), "Static", {216, 59, 34, 27}, "端口："},
    {kEdit3, ControlId(0), "Edit", {259, 62, 56, 24}, ""},
    {kLabel5, ControlId(0), "Static", {216, 30, 32, 24}, "数量:"},
    {kEdit30, ControlId(0), "Edit", {267, 126, 48, 24}, "11"},
    {kEdit20, ControlId(0), "Edit", {8, 30, 192, 352}, ""},
    {kEdit1, ControlId(0), "Edit", {632, 16, 208, 312}, "\r\n"},
};

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

bool IsChecked(HWND mainWindow, ControlId id) {
  return SendMessageA(MainControl(mainWindow, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace

TEST(RunEnvironment, AnsiCodePageIsGbk) { EXPECT_EQ(GetACP(), 936u); }

TEST(MainWindow, WindowHasCaptionSizeAndNoSystemFrame) {
  MainWindowTest test;
  HWND window = test.Window();
  ASSERT_TRUE(window);
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof(caption));
  EXPECT_STREQ(caption, "岚舟软件-dadavadavu");

  RECT bounds;
  GetWindowRect(window, &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 326);
  EXPECT_EQ(bounds.bottom - bounds.top, 393);

  const LONG style = StyleOf(window);
  EXPECT_EQ(style & WS_CAPTION, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
  EXPECT_EQ(style & WS_BORDER, 0);
  EXPECT_EQ(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  EXPECT_NE(exStyle & WS_EX_APPWINDOW, 0) << "needs a taskbar button";
  EXPECT_EQ(exStyle & WS_EX_TOPMOST, 0);
  EXPECT_EQ(exStyle & WS_EX_TOOLWINDOW, 0);
}

TEST(MainWindow, WindowIsCentredOnTheWorkArea) {
  MainWindowTest test;
  RECT area;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
  RECT bounds;
  GetWindowRect(test.Window(), &bounds);
  const int leftGap = bounds.left - area.left, rightGap = area.right - bounds.right;
  const int topGap = bounds.top - area.top, bottomGap = area.bottom - bounds.bottom;
  EXPECT_LE(std::abs(leftGap - rightGap), 1);
  EXPECT_LE(std::abs(topGap - bottomGap), 1);
}

TEST(MainWindow, ControlsHaveTheirParentsGeometryTextsAndFont) {
  MainWindowTest test;
  HWND window = test.Window();
  ASSERT_TRUE(window);
  const HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
  int children = 0;
  for (const ExpectedControl& want : kExpected) {
    SCOPED_TRACE(want.id);
    HWND parent = want.parent == 0 ? window : MainControl(window, want.parent);
    HWND control = GetDlgItem(parent, want.id);
    ASSERT_TRUE(control);
    EXPECT_EQ(MainControl(window, want.id), control);
    EXPECT_EQ(GetParent(control), parent);
    char className[32] = {};
    GetClassNameA(control, className, sizeof(className));
    EXPECT_EQ(lstrcmpiA(className, want.className), 0) << className;

    RECT bounds;
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, want.geometry.left);
    EXPECT_EQ(bounds.top, want.geometry.top);
    EXPECT_EQ(bounds.right - bounds.left, want.geometry.right);
    EXPECT_EQ(bounds.bottom - bounds.top, want.geometry.bottom);

    EXPECT_EQ(ControlText(window, want.id), Text(want.text));
    EXPECT_TRUE(StyleOf(control) & WS_VISIBLE);
    EXPECT_TRUE(IsWindowEnabled(control));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)), guiFont);
    ++children;
  }
  EXPECT_EQ(children, 19);
  EXPECT_EQ(kMainControlCount, 19u);
}

TEST(MainWindow, ControlKindsAndStyles) {
  MainWindowTest test;
  HWND window = test.Window();
  auto style = [&](ControlId id) { return StyleOf(MainControl(window, id)); };
  auto exStyle = [&](ControlId id) { return GetWindowLongA(MainControl(window, id), GWL_EXSTYLE); };

  for (ControlId id : {kEdit2, kEdit3, kEdit4, kEdit30}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(style(id) & ES_MULTILINE, 0);
    EXPECT_EQ(style(id) & ES_CENTER, ES_CENTER);
    EXPECT_NE(exStyle(id) & WS_EX_CLIENTEDGE, 0) << "sunken border";
    EXPECT_NE(style(id) & WS_TABSTOP, 0);
  }
  EXPECT_NE(style(kEdit20) & ES_MULTILINE, 0);
  EXPECT_EQ(style(kEdit20) & (ES_CENTER | ES_RIGHT), 0);
  EXPECT_EQ(style(kEdit20) & (WS_VSCROLL | WS_HSCROLL | WS_BORDER), 0);
  EXPECT_EQ(exStyle(kEdit20) & WS_EX_CLIENTEDGE, 0);
  EXPECT_NE(style(kEdit1) & ES_MULTILINE, 0);
  EXPECT_NE(exStyle(kEdit1) & WS_EX_CLIENTEDGE, 0);

  for (const ExpectedControl& c : kExpected) {
    if (lstrcmpiA(c.className, "Edit") != 0) continue;
    SCOPED_TRACE(c.id);
    EXPECT_EQ(style(c.id) & ES_NOHIDESEL, 0);
    // No practical limit: far above a 100,000-entry list.
    EXPECT_GE(static_cast<unsigned long>(
                  SendMessageA(MainControl(window, c.id), EM_GETLIMITTEXT, 0, 0)),
              0x7FFFFFFEul);
  }
  // The skin draws the push buttons itself: they are created as push
  // buttons and made owner-drawn when the window's look is installed.
  for (ControlId id : {kButton1, kButton2, kButton3, kButton10}) {
    EXPECT_EQ(style(id) & BS_TYPEMASK, BS_OWNERDRAW) << id;
  }
  for (ControlId id : {kGroup1, kGroup2}) EXPECT_EQ(style(id) & BS_TYPEMASK, BS_GROUPBOX) << id;
  for (ControlId id : {kRadio1, kRadio2, kRadio3}) {
    EXPECT_EQ(style(id) & BS_TYPEMASK, BS_AUTORADIOBUTTON) << id;
  }
}

TEST(MainWindow, StartsWithEmptyListAndTelecomChecked) {
  MainWindowTest test;
  HWND window = test.Window();
  EXPECT_EQ(ControlText(window, kEdit20), "");
  EXPECT_TRUE(IsChecked(window, kRadio2));
  EXPECT_FALSE(IsChecked(window, kRadio1));
  EXPECT_FALSE(IsChecked(window, kRadio3));
}

TEST(MainWindow, RadiosCheckExactlyOne) {
  MainWindowTest test;
  HWND window = test.Window();
  Click(window, kRadio1);
  EXPECT_TRUE(IsChecked(window, kRadio1));
  EXPECT_FALSE(IsChecked(window, kRadio2));
  EXPECT_FALSE(IsChecked(window, kRadio3));
  Click(window, kRadio3);
  EXPECT_FALSE(IsChecked(window, kRadio1));
  EXPECT_FALSE(IsChecked(window, kRadio2));
  EXPECT_TRUE(IsChecked(window, kRadio3));
}

TEST(MainWindow, IntegerBoxesDropTypedLettersButKeepDigitsAndMinus) {
  MainWindowTest test;
  HWND window = test.Window();
  for (ControlId id : {kEdit2, kEdit3, kEdit30}) {
    SCOPED_TRACE(id);
    HWND box = MainControl(window, id);
    SetControlText(window, id, "");
    TypeText(box, "1a-b2 .x");
    EXPECT_EQ(ControlText(window, id), "1-2");
    // A double-byte character from the input method is dropped as well.
    TypeText(box, "中");
    EXPECT_EQ(ControlText(window, id), "1-2");
    // Backspace is a control key and passes.
    SendMessageA(box, WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(ControlText(window, id), "1-");
  }
}

TEST(MainWindow, IntegerBoxesTakePastedAndProgramText) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND box = MainControl(window, kEdit30);
  SetControlText(window, kEdit30, "ab");
  EXPECT_EQ(ControlText(window, kEdit30), "ab");
  ASSERT_TRUE(WriteClipboardText("x7"));
  SendMessageA(box, EM_SETSEL, 0, -1);
  SendMessageA(box, WM_PASTE, 0, 0);
  EXPECT_EQ(ControlText(window, kEdit30), "x7");
}

TEST(MainWindow, RegionBoxTakesAnyText) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND region = MainControl(window, kEdit4);
  TypeText(region, "ab-1");
  // Chinese text arrives pasted: Wine garbles two-byte characters sent as
  // WM_CHAR through an ANSI subclass procedure (Windows joins the bytes).
  ASSERT_TRUE(WriteClipboardText("北京"));
  SendMessageA(region, WM_PASTE, 0, 0);
  EXPECT_EQ(ControlText(window, kEdit4), "ab-1北京");
}

TEST(MainWindow, EscapeClosesTheWindow) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND count = MainControl(window, kEdit2);
  SetFocus(count);
  PostMessageA(count, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_TRUE(PumpUntil(window, [&] { return !IsWindow(window); }, 3000));
}

TEST(MainWindow, AltF4ClosesTheWindow) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND count = MainControl(window, kEdit2);
  SetFocus(count);
  constexpr LPARAM kAltDown = 1 << 29;
  PostMessageA(count, WM_SYSKEYDOWN, VK_F4, kAltDown | 1);
  EXPECT_TRUE(PumpUntil(window, [&] { return !IsWindow(window); }, 3000));
}

TEST(MainWindow, TabMovesThroughTheInputControls) {
  MainWindowTest test;
  HWND window = test.Window();
  auto pressTab = [&] {
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, VK_TAB, 1);
    PostMessageA(focus, WM_KEYUP, VK_TAB, 0xC0000001);
    PumpFor(window, 50);
    return GetFocus();
  };
  SetFocus(MainControl(window, kEdit2));
  // Creation order, labels and group boxes skipped.
  EXPECT_EQ(pressTab(), MainControl(window, kButton10));
  EXPECT_EQ(pressTab(), MainControl(window, kButton3));
  EXPECT_EQ(pressTab(), MainControl(window, kButton2));

  SetFocus(MainControl(window, kEdit30));
  EXPECT_EQ(pressTab(), MainControl(window, kEdit20));
  // From the list box back to the start: the unseen 编辑框1 is no stop.
  EXPECT_EQ(pressTab(), MainControl(window, kEdit2));

  // Every visible input control is reached.
  std::vector<HWND> reached;
  for (int i = 0; i < 20; ++i) reached.push_back(pressTab());
  for (ControlId id : {kEdit2, kEdit3, kEdit4, kEdit30, kEdit20, kButton2, kButton3, kButton10,
                       kRadio1, kRadio2, kRadio3}) {
    EXPECT_NE(std::find(reached.begin(), reached.end(), MainControl(window, id)), reached.end())
        << id;
  }
  for (ControlId id : {kEdit1, kButton1}) {
    EXPECT_EQ(std::find(reached.begin(), reached.end(), MainControl(window, id)), reached.end())
        << id;
  }
}

TEST(MainWindow, UnseenControlsCannotBeReachedWithTheMouse) {
  MainWindowTest test;
  HWND window = test.Window();
  // 按钮1 lies beyond its group box's right edge, 编辑框1 beyond the window's.
  RECT group, button;
  GetWindowRect(MainControl(window, kGroup2), &group);
  GetWindowRect(MainControl(window, kButton1), &button);
  EXPECT_GE(button.left, group.right);
  RECT frame, list;
  GetWindowRect(window, &frame);
  GetWindowRect(MainControl(window, kEdit1), &list);
  EXPECT_GE(list.left, frame.right);
  POINT inside = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  EXPECT_NE(WindowFromPoint(inside), MainControl(window, kButton1));
}
