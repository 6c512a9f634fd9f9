#include "tests/control_edit/edit_fixture.h"

#include <algorithm>

void EditFixture::SetUp() {
  ResetControlSkinState();
  host = std::make_unique<HostWindow>(40, 40, 420, 320);
  host->editBackground = &EditBackgroundBitmap;
}

void EditFixture::TearDown() {
  host.reset();
  PumpMessages();
}

HWND EditFixture::AddEdit(DWORD style, DWORD exStyle, int x, int y, int width, int height,
                          const char* text, bool hidden) {
  HWND edit = CreateWindowExA(exStyle, "Edit", text, style | WS_CHILD | (hidden ? 0 : WS_VISIBLE),
                              x, y, width, height, host->get(), nullptr, GetModuleHandleA(nullptr),
                              nullptr);
  EXPECT_NE(edit, nullptr);
  return edit;
}

void EditFixture::Install() {
  InstallEditSkins(host->RecordIndex(), host->get());
  PumpMessages();
}

EditRecord& EditFixture::RecordOf(HWND edit) {
  const int index = FindEditRecord(host->RecordIndex(), edit);
  EXPECT_GE(index, 1);
  static EditRecord none;
  return index < 1 ? none : *host->Record().edits[index - 1];
}

void EditFixture::UseUniformBackground(std::uint32_t rgb) {
  HBRUSH brush = CreateSolidBrush(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
  RECT all = {0, 0, host->width(), host->height()};
  FillRect(host->Record().frameDC.get(), &all, brush);
  DeleteObject(brush);
  host->ResetComposite();
  RedrawWindow(host->get(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
}

PixelImage CaptureWindowArea(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  PixelImage image = CaptureDc(dc, 0, 0, r.right - r.left, r.bottom - r.top);
  ReleaseDC(window, dc);
  return image;
}

std::string NumberedLines(int count, int width) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    std::string line = "line " + std::to_string(i);
    line.resize(std::max<size_t>(line.size(), static_cast<size_t>(width)), 'x');
    text += line + (i < count ? "\r\n" : "");
  }
  return text;
}

RowSpan DifferingSpan(const PixelImage& image, bool vertical, int x, int first, int last,
                      std::uint32_t reference, int tolerance) {
  RowSpan span;
  for (int i = first; i < last; ++i) {
    if (NearRgb(vertical ? image.At(x, i) : image.At(i, x), reference, tolerance)) continue;
    if (span.first < 0) span.first = i;
    span.last = i;
  }
  return span;
}
