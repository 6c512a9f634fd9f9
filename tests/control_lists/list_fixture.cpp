// Host, controls and pixel reads for the combo box and list-type skin tests.
#include <windows.h>

#include <commctrl.h>

#include "tests/control_lists/list_fixture.h"

#include "skin/controls/edit/edit_skin.h"

void ListFixture::SetUp() {
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                                   ICC_INTERNET_CLASSES | ICC_DATE_CLASSES |
                                                   ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  ASSERT_TRUE(initialised);
  ResetControlSkinState();
  host = std::make_unique<HostWindow>(40, 40, 480, 360);
  host->editBackground = &EditBackgroundBitmap;
}

void ListFixture::TearDown() {
  host.reset();
  PumpMessages();
}

HWND ListFixture::AddControl(const char* cls, DWORD style, DWORD exStyle, int x, int y, int width,
                             int height) {
  HWND window = CreateWindowExA(exStyle, cls, "", style | WS_CHILD | WS_VISIBLE, x, y, width,
                                height, host->get(), nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(window, nullptr) << cls;
  return window;
}

HWND ListFixture::AddCombo(DWORD style, int x, int y, int width, int height,
                           const std::vector<std::string>& items) {
  HWND combo = AddControl("ComboBox", style | WS_VSCROLL, 0, x, y, width, height);
  for (const std::string& item : items) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  return combo;
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

void ListFixture::Install() {
  InstallEditSkins(host->RecordIndex(), host->get());
  InstallComboSkins(host->RecordIndex(), host->get());
  InstallListSkins(host->RecordIndex(), host->get());
  PumpMessages();
}

ListRecord& ListFixture::ListOf(HWND control) {
  const int index = ListIndex(control);
  EXPECT_GE(index, 1);
  static ListRecord none;
  return index < 1 ? none : *host->Record().lists[index - 1];
}

void ListFixture::FillComposite(const RECT& r, std::uint32_t rgb) {
  HBRUSH brush = CreateSolidBrush(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
  FillRect(host->Record().frameCopy.get(), &r, brush);
  DeleteObject(brush);
}

void ListFixture::ExpectPixel(HWND control, int x, int y, std::uint32_t expected, int tolerance,
                              const char* what) {
  const std::uint32_t screen = CaptureWindowArea(control).At(x, y);
  const std::uint32_t composite = CaptureComposite(*host, control).At(x, y);
  EXPECT_TRUE(NearRgb(screen, expected, tolerance))
      << what << " on screen at " << x << "," << y << ": " << RgbText(screen) << " expected "
      << RgbText(expected);
  EXPECT_TRUE(NearRgb(composite, expected, tolerance))
      << what << " in the composite at " << x << "," << y << ": " << RgbText(composite)
      << " expected " << RgbText(expected);
}

PixelImage CaptureWindowArea(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  PixelImage image = CaptureDc(dc, 0, 0, r.right - r.left, r.bottom - r.top);
  ReleaseDC(window, dc);
  return image;
}

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

PixelImage CaptureRect(HDC dc, const RECT& r) {
  return CaptureDc(dc, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

int CountNear(const PixelImage& image, std::uint32_t rgb, int tolerance) {
  int n = 0;
  for (std::uint32_t p : image.pixels) n += NearRgb(p & 0xFFFFFFu, rgb, tolerance) ? 1 : 0;
  return n;
}

HGDIOBJ PropObject(HWND window, const char* name) {
  return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(window, name)));
}
