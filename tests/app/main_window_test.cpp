// The main window as created by the program: its controls, initial state,
// input rules and keyboard behaviour.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/main_window.h"
#include "gui_test_support.h"

namespace {

struct ExpectedControl {
  ControlId id;
  ControlId parent;  // 0: the window
  const char* className;
  const char* text;
};

// The controls as the window must show them.
const ExpectedControl kExpected[] = {
    {kEdit2, ControlId(0), "Edit", "100"},
    {kLabel6, ControlId(0), "Static", "ip开头："},
    {kButton10, ControlId(0), "Button", "提取ip"},
    {kButton3, ControlId(0), "Button", "保存ip"},
    {kButton2, ControlId(0), "Button", "复制ip"},
    {kGroup2, ControlId(0), "Button", ""},
    {kButton1, kGroup2, "Button", "提取ip"},
    {kGroup1, ControlId(0), "Button", "运营商"},
    {kRadio3, kGroup1, "Button", "联通（网通）"},
    {kRadio2, kGroup1, "Button", "电信"},
    {kRadio1, kGroup1, "Button", "全部"},
    {kLabel3, ControlId(0), "Static", "地区："},
    {kEdit4, ControlId(0), "Edit", ""},
    {kLabel4, ControlId(0), "Static", "端口："},
    {kEdit3, ControlId(0), "Edit", ""},
    {kLabel5, ControlId(0), "Static", "数量:"},
    {kEdit30, ControlId(0), "Edit", "11"},
    {kEdit20, ControlId(0), "Edit", ""},
    {kEdit1, ControlId(0), "Edit", "\r\n"},
};

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

bool IsChecked(HWND mainWindow, ControlId id) {
  return SendMessageA(MainControl(mainWindow, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace

TEST(MainWindow, WindowHasCaptionSizeNoSystemFrameAndIsCentred) {
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
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0) << "needs a taskbar button";

  RECT area;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
  EXPECT_LE(std::abs((bounds.left - area.left) - (area.right - bounds.right)), 1) << "centred";
  EXPECT_LE(std::abs((bounds.top - area.top) - (area.bottom - bounds.bottom)), 1);
}

TEST(MainWindow, ControlsHaveTheirParentsClassesTextsAndFont) {
  MainWindowTest test;
  HWND window = test.Window();
  ASSERT_TRUE(window);
  const HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
  for (const ExpectedControl& want : kExpected) {
    SCOPED_TRACE(want.id);
    HWND parent = want.parent == 0 ? window : MainControl(window, want.parent);
    HWND control = GetDlgItem(parent, want.id);
    ASSERT_TRUE(control);
    EXPECT_EQ(MainControl(window, want.id), control);
    char className[32] = {};
    GetClassNameA(control, className, sizeof(className));
    EXPECT_EQ(lstrcmpiA(className, want.className), 0) << className;

    EXPECT_EQ(ControlText(window, want.id), Text(want.text));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)), guiFont);
  }
}

TEST(MainWindow, ButtonKindsAndNoTextLimit) {
  MainWindowTest test;
  HWND window = test.Window();
  auto style = [&](ControlId id) { return StyleOf(MainControl(window, id)); };
  for (const ExpectedControl& c : kExpected) {
    if (lstrcmpiA(c.className, "Edit") != 0) continue;
    // No practical limit: far above a 100,000-entry list.
    EXPECT_GE(static_cast<unsigned long>(
                  SendMessageA(MainControl(window, c.id), EM_GETLIMITTEXT, 0, 0)),
              0x7FFFFFFEul) << c.id;
  }
  // The skin draws the push buttons itself.
  for (ControlId id : {kButton1, kButton2, kButton3, kButton10}) {
    EXPECT_EQ(style(id) & BS_TYPEMASK, BS_OWNERDRAW) << id;
  }
  for (ControlId id : {kGroup1, kGroup2}) EXPECT_EQ(style(id) & BS_TYPEMASK, BS_GROUPBOX) << id;
}

TEST(MainWindow, StartsWithEmptyListAndTelecomChecked) {
  MainWindowTest test;
  HWND window = test.Window();
  EXPECT_EQ(ControlText(window, kEdit20), "");
  EXPECT_TRUE(IsChecked(window, kRadio2));
  EXPECT_FALSE(IsChecked(window, kRadio1));
  EXPECT_FALSE(IsChecked(window, kRadio3));
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

TEST(MainWindow, PastedTextIsNotFilteredAndRegionTakesAnyText) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND prefix = MainControl(window, kEdit30);
  ASSERT_TRUE(WriteClipboardText("x7"));
  SendMessageA(prefix, EM_SETSEL, 0, -1);
  SendMessageA(prefix, WM_PASTE, 0, 0);
  EXPECT_EQ(ControlText(window, kEdit30), "x7");

  HWND region = MainControl(window, kEdit4);
  TypeText(region, "ab-1");
  // Chinese arrives pasted: Wine garbles two-byte WM_CHAR through an ANSI subclass.
  ASSERT_TRUE(WriteClipboardText("北京"));
  SendMessageA(region, WM_PASTE, 0, 0);
  EXPECT_EQ(ControlText(window, kEdit4), "ab-1北京");
}

TEST(MainWindow, EscapeAndAltF4CloseTheWindow) {
  constexpr LPARAM kAltDown = 1 << 29;
  for (const MSG& key : {MSG{nullptr, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}},
                         MSG{nullptr, WM_SYSKEYDOWN, VK_F4, kAltDown | 1, 0, {}}}) {
    MainWindowTest test;
    HWND window = test.Window();
    HWND count = MainControl(window, kEdit2);
    SetFocus(count);
    PostMessageA(count, key.message, key.wParam, key.lParam);
    EXPECT_TRUE(PumpUntil(window, [&] { return !IsWindow(window); }, 3000)) << key.message;
  }
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

  SetFocus(MainControl(window, kEdit30));
  EXPECT_EQ(pressTab(), MainControl(window, kEdit20));
  // From the list box back to the start: the unseen 编辑框1 is no stop.
  EXPECT_EQ(pressTab(), MainControl(window, kEdit2));
}
