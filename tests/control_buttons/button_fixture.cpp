#include "button_fixture.h"

#include <algorithm>
#include <map>
#include <utility>

#include "graphics/paint/memory_dc_table.h"

namespace {

constexpr char kOriginalProc[] = "TestOriginalProc";
std::map<std::pair<HWND, UINT>, int> savedProcCounts;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ++savedProcCounts[{window, message}];
  auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kOriginalProc));
  return CallWindowProcA(original, window, message, wParam, lParam);
}

}  // namespace

void ButtonSkinTest::SetUp() {
  ResetControlSkinState();
  savedProcCounts.clear();
}

void ButtonSkinTest::TearDown() {
  host.reset();
  EXPECT_EQ(MemoryDcCount(), 0) << "a composed DC was not released";
  ResetControlSkinState();
}

void ButtonSkinTest::MakeHost(int width, int height, int x, int y) {
  host = std::make_unique<HostWindow>(x, y, width, height);
  host->hook = [this](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam != 0) {
      clicked.push_back(reinterpret_cast<HWND>(lParam));
    }
    return false;
  };
}

void ButtonSkinTest::Install() {
  InstallPushButtonSkins(Index(), host->get());
  InstallCheckAndRadioSkins(Index(), host->get());
  RedrawWindow(host->get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
}

int ButtonSkinTest::Clicks(HWND control) const {
  return static_cast<int>(std::count(clicked.begin(), clicked.end(), control));
}

void ButtonSkinTest::CountSavedProcMessages(HWND control) {
  auto original = reinterpret_cast<WNDPROC>(
      SetWindowLongA(control, GWL_WNDPROC, reinterpret_cast<LONG>(&CountingProc)));
  SetPropA(control, kOriginalProc, reinterpret_cast<HANDLE>(original));
}

int ButtonSkinTest::SavedProcCount(HWND control, UINT message) const {
  auto it = savedProcCounts.find({control, message});
  return it == savedProcCounts.end() ? 0 : it->second;
}

Canvas::Canvas(int width, int height, COLORREF rgb) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  dc_ = CreateCompatibleDC(nullptr);
  previous_ = SelectObject(dc_, bitmap_);
  HBRUSH brush = CreateSolidBrush(rgb);
  RECT all{0, 0, width, height};
  FillRect(dc_, &all, brush);
  DeleteObject(brush);
}

Canvas::~Canvas() {
  SelectObject(dc_, previous_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}
