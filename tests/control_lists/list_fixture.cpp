// Host, controls and pixel reads for the combo box and list-type skin tests.
#include <windows.h>

#include <commctrl.h>

#include "tests/control_lists/list_fixture.h"

#include "graphics/paint/window_geometry.h"
#include "skin/controls/edit_skin.h"

namespace {

void InitCommonControlsOnce() {
  static bool done = false;
  if (done) return;
  INITCOMMONCONTROLSEX init = {};
  init.dwSize = sizeof(init);
  init.dwICC = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_INTERNET_CLASSES |
               ICC_DATE_CLASSES | ICC_STANDARD_CLASSES;
  done = InitCommonControlsEx(&init) != FALSE;
}

PixelImage CaptureRect(HDC dc, const RECT& r) {
  return CaptureDc(dc, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// window's client area in the host's coordinates.
RECT ClientInHost(const HostWindow& host, HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  RECT h = {};
  GetWindowRect(host.get(), &h);
  OffsetRect(&client, origin.x - h.left, origin.y - h.top);
  return client;
}

}  // namespace

void ListFixture::SetUp() {
  InitCommonControlsOnce();
  ResetControlSkinState();
  host = std::make_unique<HostWindow>(40, 40, 480, 360);
  host->editBackground = &EditBackgroundBitmap;
}

void ListFixture::TearDown() {
  host.reset();
  PumpMessages();
}

HWND ListFixture::AddCombo(DWORD style, int x, int y, int width, int height,
                           const std::vector<std::string>& items, HWND parent) {
  HWND combo = AddControl("ComboBox", style | WS_VSCROLL, 0, x, y, width, height, false, parent);
  for (const std::string& item : items) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  return combo;
}

HWND ListFixture::AddControl(const char* cls, DWORD style, DWORD exStyle, int x, int y, int width,
                             int height, bool hidden, HWND parent) {
  HWND window = CreateWindowExA(exStyle, cls, "", style | WS_CHILD | (hidden ? 0 : WS_VISIBLE), x,
                                y, width, height, parent != nullptr ? parent : host->get(),
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(window, nullptr) << cls;
  return window;
}

HWND ListFixture::AddListBox(DWORD style, DWORD exStyle, int x, int y, int width, int height,
                             int count) {
  HWND list = AddControl("ListBox", style | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, exStyle, x, y, width,
                         height);
  for (int i = 1; i <= count; ++i) {
    const std::string item = "item " + std::to_string(i);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  return list;
}

void ListFixture::Install(HWND parent) {
  HWND p = parent != nullptr ? parent : host->get();
  InstallEditSkins(host->RecordIndex(), p);
  InstallComboSkins(host->RecordIndex(), p);
  InstallListSkins(host->RecordIndex(), p);
  PumpMessages();
}

ListRecord& ListFixture::ListOf(HWND control) {
  const int index = ListIndex(control);
  EXPECT_GE(index, 1);
  static ListRecord none;
  if (index < 1) return none;
  return *host->Record().lists[index - 1];
}

ComboRecord& ListFixture::ComboOf(HWND combo) {
  const int index = ComboIndex(combo);
  EXPECT_GE(index, 1);
  static ComboRecord none;
  if (index < 1) return none;
  return *host->Record().combos[index - 1];
}

void ListFixture::UseUniformBackground(std::uint32_t rgb) {
  WindowRecord& record = host->Record();
  HBRUSH brush = CreateSolidBrush(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
  RECT all = {0, 0, host->width(), host->height()};
  FillRect(record.frameDC.get(), &all, brush);
  DeleteObject(brush);
  host->ResetComposite();
  RedrawWindow(host->get(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
}

void ListFixture::FillCompositeAt(HWND control, std::uint32_t rgb) {
  HBRUSH brush = CreateSolidBrush(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
  const RECT r = WindowRectRelativeTo(host->get(), control);
  FillRect(host->Record().frameCopy.get(), &r, brush);
  DeleteObject(brush);
}

PixelImage CaptureWindowArea(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  PixelImage image = CaptureDc(dc, 0, 0, r.right - r.left, r.bottom - r.top);
  ReleaseDC(window, dc);
  return image;
}

PixelImage CaptureCompositeOf(const HostWindow& host, HWND window) {
  return CaptureRect(host.Record().frameCopy.get(), WindowRectRelativeTo(host.get(), window));
}

PixelImage CaptureFrameBehind(const HostWindow& host, HWND window) {
  return CaptureRect(host.Record().frameDC.get(), WindowRectRelativeTo(host.get(), window));
}

PixelImage CaptureCompositeClient(const HostWindow& host, HWND window) {
  return CaptureRect(host.Record().frameCopy.get(), ClientInHost(host, window));
}

PixelImage CaptureFrameBehindClient(const HostWindow& host, HWND window) {
  return CaptureRect(host.Record().frameDC.get(), ClientInHost(host, window));
}

int CountNear(const PixelImage& image, std::uint32_t rgb, int tolerance) {
  int n = 0;
  for (std::uint32_t p : image.pixels) {
    if (NearRgb(p & 0xFFFFFFu, rgb, tolerance)) ++n;
  }
  return n;
}
