// Host, edit boxes and pixel reads for the edit skin tests.
#include "tests/control_edit/edit_fixture.h"

#include "graphics/paint/window_geometry.h"

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
                          const char* text, bool hidden, HWND parent) {
  const DWORD visible = hidden ? 0 : WS_VISIBLE;
  HWND edit = CreateWindowExA(exStyle, "Edit", text, style | WS_CHILD | visible, x, y, width, height,
                              parent != nullptr ? parent : host->get(), nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(edit, nullptr);
  return edit;
}

void EditFixture::Install(HWND parent) {
  InstallEditSkins(host->RecordIndex(), parent != nullptr ? parent : host->get());
  PumpMessages();
}

EditRecord& EditFixture::RecordOf(HWND edit) {
  WindowRecord& record = host->Record();
  const int index = FindEditRecord(host->RecordIndex(), edit);
  EXPECT_GE(index, 1);
  static EditRecord none;
  if (index < 1) return none;
  return *record.edits[index - 1];
}

void EditFixture::UseUniformBackground(std::uint32_t rgb) {
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

PixelImage CaptureWindowArea(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  PixelImage image = CaptureDc(dc, 0, 0, r.right - r.left, r.bottom - r.top);
  ReleaseDC(window, dc);
  return image;
}

PixelImage CaptureCompositeOf(HWND host, HWND window) {
  const WindowRecord* record = WindowRecordAt(FindWindowRecord(host));
  const RECT r = WindowRectRelativeTo(host, window);
  return CaptureDc(record->frameCopy.get(), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

PixelImage CaptureFrameBehind(HWND host, HWND window) {
  const WindowRecord* record = WindowRecordAt(FindWindowRecord(host));
  const RECT r = WindowRectRelativeTo(host, window);
  return CaptureDc(record->frameDC.get(), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

std::string NumberedLines(int count, int width) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    std::string line = "line " + std::to_string(i);
    while (static_cast<int>(line.size()) < width) line += 'x';
    text += line;
    if (i < count) text += "\r\n";
  }
  return text;
}

RowSpan DifferingRows(const PixelImage& image, int x, int first, int last, std::uint32_t reference,
                      int tolerance) {
  RowSpan span;
  for (int y = first; y < last; ++y) {
    if (NearRgb(image.At(x, y), reference, tolerance)) continue;
    if (span.first < 0) span.first = y;
    span.last = y;
  }
  return span;
}

RowSpan DifferingColumns(const PixelImage& image, int y, int first, int last,
                         std::uint32_t reference, int tolerance) {
  RowSpan span;
  for (int x = first; x < last; ++x) {
    if (NearRgb(image.At(x, y), reference, tolerance)) continue;
    if (span.first < 0) span.first = x;
    span.last = x;
  }
  return span;
}

LPARAM PackScreenPoint(int x, int y) {
  return static_cast<LPARAM>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                             static_cast<std::uint32_t>(x & 0xFFFF));
}
