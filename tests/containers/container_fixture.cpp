#include "container_fixture.h"

#include <algorithm>
#include <vector>

#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/window_geometry.h"

namespace {

constexpr char kPanelClass[] = "PxTestPanel";
struct PanelCount {
  HWND window;
  UINT message;
  int count;
};
std::vector<PanelCount> panelCounts;

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto it = std::find_if(panelCounts.begin(), panelCounts.end(), [&](const PanelCount& c) {
    return c.window == window && c.message == message;
  });
  if (it == panelCounts.end()) {
    panelCounts.push_back({window, message, 1});
  } else {
    ++it->count;
  }
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r{};
    GetClientRect(window, &r);
    HBRUSH brush = CreateSolidBrush(RGB((kPanelColour >> 16) & 0xFF, (kPanelColour >> 8) & 0xFF,
                                        kPanelColour & 0xFF));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    EndPaint(window, &ps);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int Channel(std::uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

}  // namespace

void ContainerSkinTest::SetUp() { ResetControlSkinState(); }

void ContainerSkinTest::TearDown() {
  host.reset();
  EXPECT_EQ(MemoryDcCount(), 0) << "a composed DC was not released";
  ResetControlSkinState();
}

void ContainerSkinTest::MakeHost(int width, int height) {
  host = std::make_unique<HostWindow>(40, 40, width, height);
  Record().active = true;
}

HWND ContainerSkinTest::GroupBox(const char* text, DWORD style, int x, int y, int width,
                                 int height, HWND parent) {
  return host->AddControl("BUTTON", text, BS_GROUPBOX | style, x, y, width, height, 0, parent);
}

HWND ContainerSkinTest::Radio(const char* text, HWND parent, int x, int y, bool first) {
  const DWORD style = BS_AUTORADIOBUTTON | WS_TABSTOP | (first ? WS_GROUP : 0);
  return host->AddControl("BUTTON", text, style, x, y, 70, 20, 0, parent);
}

HWND ContainerSkinTest::Label(const char* text, int x, int y, int width, int height, HWND parent) {
  return host->AddControl("STATIC", text, SS_LEFT, x, y, width, height, 0, parent);
}

HWND ContainerSkinTest::Panel(int x, int y, int width, int height, HWND parent) {
  WNDCLASSEXA existing{};
  if (!GetClassInfoExA(GetModuleHandleA(nullptr), kPanelClass, &existing)) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PanelProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kPanelClass;
    RegisterClassExA(&wc);
  }
  return host->AddControl(kPanelClass, "", 0, x, y, width, height, 0, parent);
}

int PanelMessages(UINT message, HWND panel) {
  int n = 0;
  for (const PanelCount& c : panelCounts) {
    if (c.message == message && (panel == nullptr || c.window == panel)) n += c.count;
  }
  return n;
}

void ClearPanelMessages() { panelCounts.clear(); }

void ContainerSkinTest::Settle() {
  PumpMessages();
  RedrawWindow(host->get(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
}

ContainerRecord* ContainerSkinTest::ContainerOf(HWND container) const {
  return RecordAt(Record().containers, FindContainerRecord(Index(), container));
}

LabelRecord* ContainerSkinTest::LabelOf(HWND label) const {
  for (auto& record : Record().labels) {
    if (record->hwnd == label) return record.get();
  }
  return nullptr;
}

PixelImage Screen(HWND control) { return CaptureClient(control); }

PixelImage BehindClient(const HostWindow& host, HWND control) {
  const RECT r = ClientBoxInSkinnedWindow(control);
  return CaptureDc(host.Record().frameDC.get(), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

PixelImage CompositeOf(const HostWindow& host, HWND control) {
  const RECT r = ClientBoxInSkinnedWindow(control);
  return CaptureDc(host.Record().frameCopy.get(), r.left, r.top, r.right - r.left,
                   r.bottom - r.top);
}

InkBox InkPixels(const PixelImage& image, const PixelImage& reference, int by, int top,
                 int bottom) {
  InkBox box;
  if (image.width != reference.width || image.height != reference.height) return box;
  auto sum = [](std::uint32_t p) { return Channel(p, 16) + Channel(p, 8) + Channel(p, 0); };
  for (int y = std::max(top, 0); y <= std::min(bottom, image.height - 1); ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (sum(reference.At(x, y)) - sum(image.At(x, y)) < by) continue;
      if (box.count++ == 0) {
        box.left = box.right = x;
        box.top = box.bottom = y;
      }
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

int LighterPixels(const PixelImage& image, const PixelImage& reference, int by) {
  if (image.width != reference.width || image.height != reference.height) return 0;
  int n = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y), q = reference.At(x, y);
      bool lighter = p != q;
      for (int shift : {16, 8, 0}) {
        lighter = lighter && Channel(p, shift) >= Channel(q, shift) + std::min(by, 255 - Channel(q, shift));
      }
      n += lighter ? 1 : 0;
    }
  }
  return n;
}

WNDPROC CurrentProc(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

LabelSkinOptions MainWindowLabelOptions() {
  LabelSkinOptions options;
  options.fontSize = 14;
  options.textColour = 0;
  options.glowColour = 0xFFFFFF;
  options.alignment = 0;
  options.lineAlignment = 0;
  options.wrap = true;
  return options;
}
