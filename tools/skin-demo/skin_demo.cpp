// skin-demo: one skinned frame with one of every skinned control class, a
// toolbar holding buttons and an edit box, a tab control registered as a
// container, and the frame's drop shadow. Clicking a toolbar button shows
// its command in the edit box next to the buttons.
//
//   skin-demo [--screenshot-hold MS] [--button-states]
//     --screenshot-hold MS  closes itself after MS milliseconds
//     --button-states       clicks the third toolbar button, then shows the
//                           first pressed and the second hot
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/resource_ids.h"
#include "graphics/assets/skin_pictures.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/label_skin.h"
#include "skin/containers/toolbar_skin.h"
#include "skin/frame/frame_install.h"
#include "skin/frame/shadow_window.h"
#include "skin/frame/skin_start.h"
#include "skin/state/skin_state.h"

namespace {

constexpr char kDemoClass[] = "PxSkinDemo";
constexpr int kWidth = 760;
constexpr int kHeight = 540;
constexpr int kShadowSpread = 12;
constexpr UINT_PTR kHoldTimer = 1;
constexpr int kFirstToolCommand = 700;
constexpr int kToolButtons = 4;

struct DemoWindows {
  HWND frame = nullptr;
  HWND toolbar = nullptr;
  HWND toolbarEdit = nullptr;
  HIMAGELIST toolImages = nullptr;
};
DemoWindows Demo;

// Owns the image list of the toolbar (the toolbar does not destroy it).
struct ImageListOwner {
  HIMAGELIST list = nullptr;
  ~ImageListOwner() {
    if (list != nullptr) ImageList_Destroy(list);
  }
};

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w,
           int h, int id = 0, DWORD exStyle = 0) {
  return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

void UseGuiFont(HWND window) {
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
}

void AddStrings(HWND box, UINT message, const char* const* items, int count) {
  for (int i = 0; i < count; ++i) SendMessageA(box, message, 0, reinterpret_cast<LPARAM>(items[i]));
}

void MakeCombos(HWND frame) {
  static const char* const kinds[] = {"全部", "电信", "联通"};
  HWND drop = Child(frame, WC_COMBOBOXA, "", CBS_DROPDOWN | WS_VSCROLL, 20, 110, 150, 120);
  HWND list = Child(frame, WC_COMBOBOXA, "", CBS_DROPDOWNLIST | WS_VSCROLL, 20, 145, 150, 120);
  for (HWND box : {drop, list}) {
    UseGuiFont(box);
    AddStrings(box, CB_ADDSTRING, kinds, 3);
    SendMessageA(box, CB_SETCURSEL, 1, 0);
  }
}

void MakeListBox(HWND frame) {
  HWND box = Child(frame, WC_LISTBOXA, "",
                   LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | WS_BORDER, 20,
                   185, 150, 120);
  UseGuiFont(box);
  char line[64];
  for (int i = 1; i <= 30; ++i) {
    std::snprintf(line, sizeof line, "10.0.%d.%d:8080  proxy entry number %d", i, i * 3, i);
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
  }
  SendMessageA(box, LB_SETHORIZONTALEXTENT, 260, 0);
}

void MakeListView(HWND frame) {
  HWND view = Child(frame, WC_LISTVIEWA, "", LVS_REPORT | WS_BORDER, 190, 110, 260, 120);
  UseGuiFont(view);
  const char* columns[] = {"地址", "端口", "地区"};
  const int widths[] = {110, 60, 80};
  for (int c = 0; c < 3; ++c) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(columns[c]);
    column.cx = widths[c];
    SendMessageA(view, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
  }
  const char* rows[][3] = {{"1.2.3.4", "8080", "北京"}, {"5.6.7.8", "3128", "上海"},
                           {"9.9.9.9", "1080", "广州"}};
  for (int r = 0; r < 3; ++r) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = r;
    item.pszText = const_cast<char*>(rows[r][0]);
    SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (int c = 1; c < 3; ++c) {
      item.iSubItem = c;
      item.pszText = const_cast<char*>(rows[r][c]);
      SendMessageA(view, LVM_SETITEMTEXTA, r, reinterpret_cast<LPARAM>(&item));
    }
  }
}

void MakeTreeView(HWND frame) {
  HWND tree = Child(frame, WC_TREEVIEWA, "",
                    TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_BORDER, 470, 110, 260,
                    120);
  UseGuiFont(tree);
  TVINSERTSTRUCTA insert{};
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  const char* regions[] = {"华北", "华东", "华南"};
  const char* cities[] = {"北京", "上海", "广州"};
  for (int i = 0; i < 3; ++i) {
    insert.hParent = TVI_ROOT;
    insert.item.pszText = const_cast<char*>(regions[i]);
    auto parent = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    insert.hParent = parent;
    insert.item.pszText = const_cast<char*>(cities[i]);
    SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  }
}

void MakeSmallControls(HWND frame) {
  HWND ip = Child(frame, WC_IPADDRESSA, "", 0, 190, 250, 150, 24);
  SendMessageA(ip, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 10));
  UseGuiFont(Child(frame, DATETIMEPICK_CLASSA, "", DTS_SHORTDATEFORMAT, 350, 250, 130, 24));

  HWND track = Child(frame, TRACKBAR_CLASSA, "", TBS_AUTOTICKS | TBS_HORZ, 500, 250, 230, 32);
  SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
  SendMessageA(track, TBM_SETPOS, TRUE, 6);

  HWND progress = Child(frame, PROGRESS_CLASSA, "", 0, 190, 295, 290, 18);
  SendMessageA(progress, PBM_SETPOS, 60, 0);

  HWND buddy = Child(frame, WC_EDITA, "5", ES_NUMBER | WS_BORDER, 500, 292, 80, 24);
  UseGuiFont(buddy);
  HWND upDown = Child(frame, UPDOWN_CLASSA, "",
                      UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0);
  SendMessageA(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessageA(upDown, UDM_SETRANGE32, 0, 99);
  SendMessageA(upDown, UDM_SETPOS32, 0, 5);
}

void MakeToolbar(HWND frame, HIMAGELIST images) {
  HWND bar = Child(frame, TOOLBARCLASSNAMEA, "",
                   TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER |
                       CCS_NOPARENTALIGN,
                   20, 58, 720, 40);
  UseGuiFont(bar);
  SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  static const char* texts[kToolButtons] = {"提取ip", "保存", "复制", "停用"};
  TBBUTTON buttons[kToolButtons + 1] = {};
  for (int i = 0; i < kToolButtons; ++i) {
    buttons[i].iBitmap = i;
    buttons[i].idCommand = kFirstToolCommand + i;
    buttons[i].fsState = i == 3 ? 0 : TBSTATE_ENABLED;
    buttons[i].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
    buttons[i].iString = reinterpret_cast<INT_PTR>(texts[i]);
  }
  buttons[kToolButtons].fsStyle = BTNS_SEP;
  buttons[kToolButtons].iBitmap = 8;
  SendMessageA(bar, TB_ADDBUTTONSA, kToolButtons + 1, reinterpret_cast<LPARAM>(buttons));
  SendMessageA(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(80, 34));
  Demo.toolbar = bar;
  // The edit box lies in the toolbar, right of the buttons.
  Demo.toolbarEdit = Child(bar, WC_EDITA, "点一个按钮", WS_BORDER | ES_AUTOHSCROLL, 470, 8, 230, 24);
  UseGuiFont(Demo.toolbarEdit);
}

void MakeTab(HWND frame) {
  HWND tab = Child(frame, WC_TABCONTROLA, "", WS_CLIPSIBLINGS, 20, 330, 720, 180);
  UseGuiFont(tab);
  const char* names[] = {"代理", "设置", "关于"};
  for (int i = 0; i < 3; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(names[i]);
    SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  UseGuiFont(Child(tab, WC_BUTTONA, "提取ip", BS_PUSHBUTTON, 20, 50, 110, 32, 801));
  HWND edit = Child(tab, WC_EDITA, "127.0.0.1:8080\r\n10.0.0.2:3128",
                    ES_MULTILINE | WS_BORDER | WS_VSCROLL, 150, 45, 300, 110, 802);
  UseGuiFont(edit);
  InstallContainerSkin(tab);
}

void OnToolCommand(int command) {
  char text[64];
  std::snprintf(text, sizeof text, "命令 %d", command);
  if (Demo.toolbarEdit != nullptr) SetWindowTextA(Demo.toolbarEdit, text);
}

LRESULT CALLBACK DemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) >= kFirstToolCommand && LOWORD(wParam) < kFirstToolCommand + kToolButtons) {
        OnToolCommand(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_TIMER:
      if (wParam == kHoldTimer) {
        KillTimer(window, kHoldTimer);
        PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Drives the toolbar as a mouse would, so that a screenshot shows the
// pressed and hot looks and the command the click produced.
void ShowButtonStates(HWND bar) {
  RECT r{};
  SendMessageA(bar, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageA(bar, WM_MOUSEMOVE, 0, at);
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(bar, WM_LBUTTONUP, 0, at);
  SendMessageA(bar, TB_PRESSBUTTON, kFirstToolCommand, TRUE);
  SendMessageA(bar, TB_SETHOTITEM, 1, 0);
  InvalidateRect(bar, nullptr, TRUE);
}

int HoldMilliseconds(const char* commandLine) {
  const char* option = std::strstr(commandLine, "--screenshot-hold");
  if (option == nullptr) return 0;
  return std::atoi(option + std::strlen("--screenshot-hold"));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                   ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                       ICC_INTERNET_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  InitSkinTables();
  RegisterSkinExitRoutine();
  StartSkin(IDI_PROGRAM_ICON);  // the demo carries no icon resource

  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DemoProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kDemoClass;
  if (!RegisterClassExA(&wc)) return 1;
  HWND frame = CreateWindowExA(0, kDemoClass, "岚舟皮肤演示", WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU,
                               60, 40, kWidth, kHeight, nullptr, nullptr, instance, nullptr);
  if (frame == nullptr) return 1;
  Demo.frame = frame;

  ImageListOwner images;
  images.list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, kToolButtons, 0);
  for (LPCSTR icon : {IDI_APPLICATION, IDI_INFORMATION, IDI_WARNING, IDI_ERROR}) {
    ImageList_AddIcon(images.list, LoadIconA(nullptr, icon));
  }

  MakeToolbar(frame, images.list);
  MakeCombos(frame);
  MakeListBox(frame);
  MakeListView(frame);
  MakeTreeView(frame);
  MakeSmallControls(frame);
  MakeTab(frame);
  HWND label = Child(frame, WC_STATICA, "阴影窗口在框架后面", SS_LEFT, 190, 232, 260, 16);

  FrameSkinOptions look;
  look.titleHeight = 50;
  look.resizable = false;
  look.titleGloss = true;
  look.backgroundImage = CopyPictureBytes(MainBackground());
  look.backgroundMode = kBackgroundStretched;
  InstallFrameSkin(frame, look);
  SetControlSkinOptions(1, 0);
  CaptionStyle caption;
  caption.colour = 0x000000;
  caption.glowColour = 0xFFFFFF;
  caption.glow = true;
  SetCaptionStyle(frame, caption);
  const int index = GetPropInt(frame, Hw_lbID);
  // The frame installer does not reach the toolbars of the window itself.
  InstallToolbarSkins(index, frame);
  LabelSkinOptions labelLook;
  labelLook.fontSize = 12;
  labelLook.textColour = 0x000000;
  labelLook.glowColour = 0xFFFFFF;
  InstallLabelSkin(label, labelLook);
  CreateFrameShadow(frame, kShadowSpread);

  ShowWindow(frame, SW_SHOW);
  UpdateWindow(frame);
  if (std::strstr(commandLine, "--button-states") != nullptr) ShowButtonStates(Demo.toolbar);
  if (const int hold = HoldMilliseconds(commandLine); hold > 0) {
    SetTimer(frame, kHoldTimer, static_cast<UINT>(hold), nullptr);
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
