#include "app/main_window.h"

#include <commctrl.h>

#include "app/busy_cursor.h"
#include "app/commands.h"
#include "app/full_list_store.h"
#include "app/list_work.h"
#include "app/resource_ids.h"
#include "app/window_created.h"
#include "web/message_pump.h"

const char* const kMainWindowCaption = "岚舟软件-dadavadavu";
const char* const kMainWindowClass = "LanzhouProxyExtractWindow";

namespace {

constexpr int kStoredLeft = 50;
constexpr int kStoredTop = 50;

constexpr DWORD kSingleLineEdit = WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
constexpr DWORD kPushButton = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kRadio = WS_TABSTOP | BS_AUTORADIOBUTTON;

}  // namespace

// Edit boxes keep their selection visible only while focused (no
// ES_NOHIDESEL). The two controls that lie outside the visible area
// (按钮1, 编辑框1) take no Tab stop, so the focus never lands where the
// user cannot see it.
const ControlSpec kMainControls[] = {
    {"编辑框2", kEdit2, ControlKind::EditBox, 0, 259, 30, 56, 24, "100", kSingleLineEdit, WS_EX_CLIENTEDGE, true},
    {"标签6", kLabel6, ControlKind::Label, 0, 216, 126, 48, 24, "ip开头：", SS_LEFT, 0, false},
    {"按钮10", kButton10, ControlKind::PushButton, 0, 224, 268, 88, 32, "提取ip", kPushButton, 0, false},
    {"按钮3", kButton3, ControlKind::PushButton, 0, 224, 348, 88, 32, "保存ip", kPushButton, 0, false},
    {"按钮2", kButton2, ControlKind::PushButton, 0, 224, 308, 88, 32, "复制ip", kPushButton, 0, false},
    {"分组框2", kGroup2, ControlKind::GroupBox, 0, 216, 254, 104, 136, "", BS_GROUPBOX, 0, false},
    {"按钮1", kButton1, ControlKind::PushButton, kGroup2, 208, 16, 88, 32, "提取ip", BS_PUSHBUTTON, 0, false},
    {"分组框1", kGroup1, ControlKind::GroupBox, 0, 216, 152, 104, 96, "运营商", BS_GROUPBOX, WS_EX_CONTROLPARENT, false},
    {"单选框3", kRadio3, ControlKind::RadioButton, kGroup1, 9, 66, 92, 24, "联通（网通）", kRadio | WS_GROUP, 0, false},
    {"单选框2", kRadio2, ControlKind::RadioButton, kGroup1, 9, 42, 56, 16, "电信", kRadio, 0, false},
    {"单选框1", kRadio1, ControlKind::RadioButton, kGroup1, 9, 18, 48, 16, "全部", kRadio, 0, false},
    {"标签3", kLabel3, ControlKind::Label, 0, 216, 94, 32, 24, "地区：", SS_LEFT, 0, false},
    {"编辑框4", kEdit4, ControlKind::EditBox, 0, 259, 94, 56, 24, "", kSingleLineEdit, WS_EX_CLIENTEDGE, false},
    {"标签4", kLabel4, ControlKind::Label, 0, 216, 59, 34, 27, "端口：", SS_LEFT, 0, false},
    {"编辑框3", kEdit3, ControlKind::EditBox, 0, 259, 62, 56, 24, "", kSingleLineEdit, WS_EX_CLIENTEDGE, true},
    {"标签5", kLabel5, ControlKind::Label, 0, 216, 30, 32, 24, "数量:", SS_LEFT, 0, false},
    {"编辑框30", kEdit30, ControlKind::EditBox, 0, 267, 126, 48, 24, "11", kSingleLineEdit, WS_EX_CLIENTEDGE, true},
    // Without ES_AUTOVSCROLL a multi-line box refuses text beyond its height.
    {"编辑框20", kEdit20, ControlKind::EditBox, 0, 8, 30, 192, 352, "", WS_TABSTOP | ES_MULTILINE | ES_LEFT | ES_AUTOVSCROLL, 0, false},
    {"编辑框1", kEdit1, ControlKind::EditBox, 0, 632, 16, 208, 312, "\r\n", ES_MULTILINE | ES_LEFT | ES_AUTOVSCROLL | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, false},
};
const std::size_t kMainControlCount = sizeof(kMainControls) / sizeof(kMainControls[0]);

const ControlSpec* FindControlSpec(int id) {
  for (const ControlSpec& spec : kMainControls) {
    if (spec.id == id) return &spec;
  }
  return nullptr;
}

HWND MainControl(HWND mainWindow, ControlId id) {
  const ControlSpec* spec = FindControlSpec(id);
  if (!spec) return nullptr;
  HWND parent = spec->parentId == 0 ? mainWindow
                                    : MainControl(mainWindow, static_cast<ControlId>(spec->parentId));
  return parent ? GetDlgItem(parent, id) : nullptr;
}

namespace {

constexpr UINT_PTR kIntegerFilterId = 1;
constexpr UINT_PTR kCommandForwardId = 2;

const char* ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::EditBox: return "EDIT";
    case ControlKind::Label: return "STATIC";
    case ControlKind::PushButton:
    case ControlKind::GroupBox:
    case ControlKind::RadioButton: return "BUTTON";
  }
  return "STATIC";
}

bool IsIntegerInputCharacter(WPARAM character) {
  const bool control = character < 0x20 || character == 0x7F;
  const bool allowed = (character >= '0' && character <= '9') || character == '-';
  return control || allowed;
}

// Integer input: a typed printable character other than 0-9 and "-" is
// dropped. Control characters (backspace, Ctrl+V, ...) pass, and text set
// by the program or pasted never arrives as a typed character. Characters
// from an input method come as WM_IME_CHAR, which the edit box may insert
// without a WM_CHAR, so they are checked too.
LRESULT CALLBACK IntegerInputProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
      if (!IsIntegerInputCharacter(wParam)) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, IntegerInputProc, kIntegerFilterId);
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

// A group box hands the notifications of the controls on it (按钮1's click)
// to the window, where the event table lives.
LRESULT CALLBACK ForwardCommandsProc(HWND group, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_COMMAND:
      return SendMessageA(GetParent(group), WM_COMMAND, wParam, lParam);
    case WM_NCDESTROY:
      RemoveWindowSubclass(group, ForwardCommandsProc, kCommandForwardId);
      break;
  }
  return DefSubclassProc(group, message, wParam, lParam);
}

bool CreateControl(HWND mainWindow, HINSTANCE instance, const ControlSpec& spec, HFONT font) {
  HWND parent = spec.parentId == 0 ? mainWindow
                                   : MainControl(mainWindow, static_cast<ControlId>(spec.parentId));
  if (!parent) return false;
  // WS_CLIPSIBLINGS: the skinned group box 分组框2 paints its whole box and
  // must not paint over the command buttons that lie on it as its siblings.
  HWND control = CreateWindowExA(spec.exStyle, ClassOf(spec.kind), spec.text,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | spec.style, spec.left, spec.top, spec.width,
                                 spec.height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance,
                                 nullptr);
  if (!control) return false;
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (spec.kind == ControlKind::EditBox) {
    // No length limit: a list of 100,000 entries must arrive whole.
    SendMessageA(control, EM_SETLIMITTEXT, 0, 0);
  }
  if (spec.integerInput) SetWindowSubclass(control, IntegerInputProc, kIntegerFilterId, 0);
  if (spec.kind == ControlKind::GroupBox) {
    SetWindowSubclass(control, ForwardCommandsProc, kCommandForwardId, 0);
  }
  return true;
}

void CenterOnScreen(HWND window) {
  RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int left = area.left + (area.right - area.left - kMainWindowWidth) / 2;
  const int top = area.top + (area.bottom - area.top - kMainWindowHeight) / 2;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- message handlers -------------------------------------------------------

void OnCommand(HWND window, int id, int code) {
  if (id == IDCANCEL) {
    // Esc, as the keyboard navigation reports it.
    PostMessageA(window, WM_CLOSE, 0, 0);
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kButton10: ExtractAndFilter(window); break;
    case kButton3: SaveList(window); break;
    case kButton2: CopyList(window); break;
    case kButton1: FetchProxyList(window); break;
    default: break;
  }
}

// A multi-line edit box hands Tab to its parent with this dialog message;
// the window moves the focus as a dialog would.
void OnNextDlgCtl(HWND window, WPARAM wParam, LPARAM lParam) {
  HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                               : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
  if (target) SetFocus(target);
}

// Black text on white in the edit boxes the skin leaves to the window: the
// frame skin answers WM_CTLCOLOREDIT first while its control backdrop is
// set, and passes on only what it does not answer.
LRESULT OnCtlColorEdit(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

// Over the window and its controls (which hand the message up) the busy
// cursor shows while a fetch or a fill runs.
LRESULT OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
  if (SetBusyCursor(window)) return TRUE;
  return DefWindowProcA(window, WM_SETCURSOR, wParam, lParam);
}

// The work still running for the window ends with it; then the loop ends.
void OnDestroy(HWND window) {
  CancelListWork(window);
  ClearBusy(window);
  PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NEXTDLGCTL:
      OnNextDlgCtl(window, wParam, lParam);
      return 0;
    case WM_CTLCOLOREDIT:
      return OnCtlColorEdit(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
      return OnSetCursor(window, wParam, lParam);
    case kListCutDoneMessage:
      OnListCutDone(window, wParam);
      return 0;
    case WM_DESTROY:
      OnDestroy(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExA(instance, kMainWindowClass, &existing)) return true;

  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM_ICON));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  if (!RegisterMainWindowClass(instance)) return nullptr;
  // No border, no system title bar, no minimise or maximise box; the
  // taskbar button comes from WS_EX_APPWINDOW.
  HWND window = CreateWindowExA(WS_EX_APPWINDOW, kMainWindowClass, kMainWindowCaption,
                                WS_POPUP | WS_SYSMENU, kStoredLeft, kStoredTop,
                                kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance,
                                nullptr);
  if (!window) return nullptr;

  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlSpec& spec : kMainControls) {
    if (!CreateControl(window, instance, spec, font)) {
      DestroyWindow(window);
      return nullptr;
    }
  }
  SendMessageA(MainControl(window, kRadio2), BM_SETCHECK, BST_CHECKED, 0);

  WindowCreated(window);
  // The full list lives in the program's store, not in the box. Put on
  // after the skin, the store sees the box's messages in their ANSI form,
  // as bytes.
  if (!InstallFullListStore(MainControl(window, kEdit1))) {
    DestroyWindow(window);
    return nullptr;
  }

  CenterOnScreen(window);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  SetFocus(MainControl(window, kEdit2));
  return window;
}

bool HandleNavigationKeys(HWND mainWindow, MSG& msg) {
  return IsWindow(mainWindow) && IsDialogMessageA(mainWindow, &msg);
}

namespace {

HWND g_navigatedWindow = nullptr;

bool NavigateMainWindow(MSG& msg) { return HandleNavigationKeys(g_navigatedWindow, msg); }

}  // namespace

int RunMessageLoop(HWND mainWindow) {
  // The waits inside a fetch dispatch through the same filter: Tab and Esc
  // work there as they do here.
  g_navigatedWindow = mainWindow;
  SetMessageFilter(NavigateMainWindow);
  MSG msg = {};
  int status;
  while ((status = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
    if (status == -1) break;
    DispatchQueuedMessage(msg);
  }
  SetMessageFilter(nullptr);
  g_navigatedWindow = nullptr;
  return status == -1 ? 1 : static_cast<int>(msg.wParam);
}
