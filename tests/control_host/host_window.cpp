// The host window of the control-skin tests: a top-level window with a
// window record, a known frame picture and the frame's answers for its
// controls.
#include <algorithm>

#include "tests/control_host/control_host.h"

#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "graphics/paint/memory_dc_table.h"
#include "skin/containers/child_control_answers.h"
#include "skin/controls/buttons/push_button_skin.h"

namespace {

constexpr char kHostClass[] = "PxControlHost";

void StartGraphicsOnce() {
  static bool started = false;
  if (!started) started = StartGdiPlus() != 0;
}

void RegisterHostClass(WNDPROC proc) {
  WNDCLASSEXA wc{};
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kHostClass, &wc)) return;
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kHostClass;
  RegisterClassExA(&wc);
}

// A memory DC with a bottom-up 32-bpp DIB (as the frame renderer makes its
// back buffer) painted with HostPixel.
HDC CreateHostPicture(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  if (bitmap == nullptr || dc == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (dc != nullptr) DeleteDC(dc);
    return nullptr;
  }
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[(height - 1 - y) * width + x] = HostPixel(x, y);
  }
  SelectObject(dc, bitmap);  // the stock bitmap it displaces needs no release
  return dc;
}

bool IsClass(HWND window, const char* name) {
  char buffer[64] = {};
  GetClassNameA(window, buffer, sizeof(buffer));
  return lstrcmpiA(buffer, name) == 0;
}

}  // namespace

void ResetControlSkinState() {
  StartGraphicsOnce();
  ReleaseSkinState();
  ReleaseAllMemoryDcs();
  InitSkinTables();
  ApplySkinStartupValues();
  SetControlSkinOptions(1, 0);
}

std::uint32_t HostPixel(int x, int y) {
  const std::uint32_t red = static_cast<std::uint32_t>(x * 5) & 0xFF;
  const std::uint32_t green = static_cast<std::uint32_t>(y * 5) & 0xFF;
  const std::uint32_t blue = ((x / 8 + y / 8) % 2) != 0 ? 0xC0 : 0x30;
  return (red << 16) | (green << 8) | blue;
}

HostWindow::HostWindow(int x, int y, int width, int height) : width_(width), height_(height) {
  StartGraphicsOnce();
  RegisterHostClass(&HostWindow::Proc);
  window_ = CreateWindowExA(0, kHostClass, "host", WS_POPUP | WS_CLIPCHILDREN, x, y, width, height,
                            nullptr, nullptr, GetModuleHandleA(nullptr), this);
  auto record = NewWindowRecord();
  record->hwnd = window_;
  record->lastClientWidth = width;
  record->lastClientHeight = height;
  record->frameDC.reset(CreateHostPicture(width, height));
  HDC composite = CreateRememberedMemoryDc(width, height);
  BitBlt(composite, 0, 0, width, height, record->frameDC.get(), 0, 0, SRCCOPY);
  record->frameCopy.reset(composite);
  const int index = AppendWindowRecord(std::move(record));
  SetPropInt(window_, Hw_lbID, index);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  UpdateWindow(window_);
}

HostWindow::~HostWindow() {
  const int index = RecordIndex();
  // The brushes and bitmaps handed out on WM_CTLCOLOR* die with the record's
  // controls; delete them while the windows still exist.
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    DeleteCtlColorObjects(child);
    for (HWND inner = GetWindow(child, GW_CHILD); inner != nullptr;
         inner = GetWindow(inner, GW_HWNDNEXT)) {
      DeleteCtlColorObjects(inner);
    }
  }
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
  if (index >= 1) RemoveWindowRecord(index);
}

int HostWindow::RecordIndex() const {
  const int index = GetPropInt(window_, Hw_lbID);
  WindowRecord* record = WindowRecordAt(index);
  return record != nullptr && record->hwnd == window_ ? index : FindWindowRecord(window_);
}

WindowRecord& HostWindow::Record() const { return *WindowRecordAt(RecordIndex()); }

HWND HostWindow::AddControl(const char* cls, const char* text, DWORD style, int x, int y,
                            int width, int height, int id, HWND parent) {
  return CreateWindowExA(0, cls, text, style | WS_CHILD | WS_VISIBLE, x, y, width, height,
                         parent != nullptr ? parent : window_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

void HostWindow::ResetComposite() {
  WindowRecord& record = Record();
  BitBlt(record.frameCopy.get(), 0, 0, width_, height_, record.frameDC.get(), 0, 0, SRCCOPY);
}

int HostWindow::MessageCount(UINT message) const {
  for (const auto& c : counts_) {
    if (c.first == message) return c.second;
  }
  return 0;
}

LRESULT CALLBACK HostWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (host == nullptr || host->window_ != window) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return host->Handle(message, wParam, lParam);
}

LRESULT HostWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  auto count = std::find_if(counts_.begin(), counts_.end(),
                            [message](const auto& c) { return c.first == message; });
  if (count == counts_.end()) {
    counts_.emplace_back(message, 1);
  } else {
    ++count->second;
  }
  LRESULT result = 0;
  if (hook && hook(window_, message, wParam, lParam, &result)) return result;

  switch (message) {
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      lastDrawItem = *item;
      DispatchOwnerDraw(RecordIndex(), *item);
      return TRUE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return OnCtlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
      RepaintOnChildCommand(wParam, lParam);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint();
      return 0;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

LRESULT HostWindow::OnCtlColor(UINT message, HDC dc, HWND control) {
  const bool backdrop = SkinChildControls == 1 && ControlBackdropSet == 1;
  const bool backgroundBrush = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC;
  const bool ownerDrawnList =
      (GetWindowLongA(control, GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
  if (!backdrop || (backgroundBrush && !editBackground) ||
      (message == WM_CTLCOLOREDIT && IsClass(GetParent(control), "ComboBox")) ||
      (message == WM_CTLCOLORLISTBOX && (!IsClass(control, "ListBox") || ownerDrawnList))) {
    return DefWindowProcA(window_, message, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  SetTextColor(dc, static_cast<COLORREF>(GetPropInt(control, Kj_Ztys)));
  SetBkMode(dc, TRANSPARENT);
  if (!backgroundBrush) {
    HGDIOBJ old = reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(control, Kj_dxjb)));
    if (old != nullptr) DeleteObject(old);
    HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
    SetPropInt(control, Kj_dxjb, static_cast<int>(reinterpret_cast<INT_PTR>(hollow)));
    return reinterpret_cast<LRESULT>(hollow);
  }
  DeleteCtlColorObjects(control);
  HBITMAP bitmap = editBackground(control);
  HBRUSH brush = CreatePatternBrush(bitmap);
  SetPropInt(control, Kj_dxjb, static_cast<int>(reinterpret_cast<INT_PTR>(brush)));
  SetPropInt(control, Kj_wtjb, static_cast<int>(reinterpret_cast<INT_PTR>(bitmap)));
  return reinterpret_cast<LRESULT>(brush);
}

void HostWindow::OnPaint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  WindowRecord* record = WindowRecordAt(RecordIndex());
  if (record != nullptr && record->frameCopy) {
    BitBlt(dc, 0, 0, width_, height_, record->frameCopy.get(), 0, 0, SRCCOPY);
  }
  EndPaint(window_, &paint);
}
