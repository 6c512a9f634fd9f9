// The frame of the button skin tests.
#include "button_fixture.h"

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

HWND ButtonSkinTest::Add(const char* text, DWORD style, int x, int y, int width, int height, int id,
                         HWND parent) {
  return host->AddControl("BUTTON", text, style, x, y, width, height, id, parent);
}

void ButtonSkinTest::Install(HWND parent) {
  HWND p = parent != nullptr ? parent : host->get();
  InstallPushButtonSkins(Index(), p);
  InstallCheckAndRadioSkins(Index(), p);
  RedrawWindow(host->get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
}

ButtonRecord* ButtonSkinTest::RecordOf(HWND control) {
  return RecordAt(Record().buttons, FindButtonRecord(Index(), control));
}

int ButtonSkinTest::Clicks(HWND control) const {
  int n = 0;
  for (HWND c : clicked) n += c == control ? 1 : 0;
  return n;
}

int ButtonSkinTest::SavedProcCount(HWND control, UINT message) const {
  auto it = savedProcCounts.find({control, message});
  return it == savedProcCounts.end() ? 0 : it->second;
}

void ButtonSkinTest::CountSavedProcMessages(HWND control) {
  auto original = reinterpret_cast<WNDPROC>(
      SetWindowLongA(control, GWL_WNDPROC, reinterpret_cast<LONG>(&CountingProc)));
  SetPropA(control, kOriginalProc, reinterpret_cast<HANDLE>(original));
}

HFONT ButtonSkinTest::MakeFont(int height, int weight, const char* face) {
  fonts.push_back(std::make_unique<TestFont>(height, weight, face));
  return fonts.back()->get();
}

PixelImage Screen(HWND control) { return CaptureClient(control); }

PixelImage PushLook(HWND button, int state) {
  RECT client{};
  GetClientRect(button, &client);
  Canvas canvas(client.right, client.bottom, RGB(255, 0, 255));
  PaintPushButton(button, canvas.dc(), state, client);
  return canvas.Pixels();
}

TestFont::TestFont(int height, int weight, const char* face)
    : font_(CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face)) {}

TestFont::~TestFont() {
  if (font_ != nullptr) DeleteObject(font_);
}

Canvas::Canvas(int width, int height, COLORREF rgb) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
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
