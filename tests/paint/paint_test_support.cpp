#include "paint_test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "graphics/gdiplus/image.h"
#include "graphics/paint/memory_dc_table.h"

namespace {

class GdiPlusEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { token_ = StartGdiPlus(); }
  void TearDown() override {
    ResetPaintState();
    ShutdownGdiPlus(token_, true);
  }

 private:
  std::uintptr_t token_ = 0;
};

[[maybe_unused]] ::testing::Environment* const gdiPlusEnvironment =
    ::testing::AddGlobalTestEnvironment(new GdiPlusEnvironment);

int Channel(std::uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

HBITMAP CreateDib(int width, int height, std::uint32_t** bits) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(bits), nullptr, 0);
}

}  // namespace

std::unique_ptr<TestWindow> CreatePopup(int x, int y, int width, int height) {
  static bool registered = false;
  if (!registered) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PaintTestPopup";
    registered = RegisterClassExA(&wc) != 0;
  }
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "PaintTestPopup", "paint test", WS_POPUP, x, y, width,
                                height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  return std::make_unique<TestWindow>(window);
}

HWND CreateChildWindow(HWND parent, const char* className, int x, int y, int width, int height,
                       DWORD style, DWORD exStyle) {
  return CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void ResetPaintState() {
  ReleaseSkinState();
  ReleaseAllMemoryDcs();
  InitSkinTables();
  ApplySkinStartupValues();
}

int AddWindowRecord(HWND window) {
  auto record = NewWindowRecord();
  record->hwnd = window;
  const int index = AppendWindowRecord(std::move(record));
  SetPropInt(window, Hw_lbID, index);
  return index;
}

int AddContainer(int recordIndex, HWND container, int frameStyle, int fillColour, int fillAlpha) {
  WindowRecord* record = WindowRecordAt(recordIndex);
  const int index = TakeControlRecord(record->containers);
  ContainerRecord& c = *record->containers[index - 1];
  c.hwnd = container;
  c.frameStyle = static_cast<ContainerFrameStyle>(frameStyle);
  c.fillColour = fillColour;
  c.fillAlpha = fillAlpha;
  c.drawFrame = true;
  RECT client = {};
  GetClientRect(container, &client);
  c.width = client.right;
  c.height = client.bottom;
  SetPropInt(container, Hw_lbID, index);
  SetPropInt(container, Hw_FuID, recordIndex);
  return index;
}

PixelCanvas::PixelCanvas(int w, int h, std::uint32_t rgb) : width(w), height(h) {
  bitmap = CreateDib(w, -h, &bits);  // top-down: row 0 first
  for (int i = 0; i < w * h; ++i) bits[i] = rgb;
  dc = CreateCompatibleDC(nullptr);
  previous = SelectObject(dc, bitmap);
}

PixelCanvas::~PixelCanvas() {
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

std::uint32_t FramePixel(int x, int y) {
  return (static_cast<std::uint32_t>(x % 200 + 20) << 16) | (static_cast<std::uint32_t>(y % 200 + 20) << 8) |
         static_cast<std::uint32_t>((x / 200) * 60 + (y / 200) * 20 + 10);
}

HDC CreateFrameDc(int width, int height) {
  std::uint32_t* bits = nullptr;
  HBITMAP dib = CreateDib(width, height, &bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bits[(height - 1 - y) * width + x] = FramePixel(x, y);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, dib);
  return dc;
}

std::unique_ptr<PixelCanvas> ReadPixels(HDC dc, int width, int height) {
  auto canvas = std::make_unique<PixelCanvas>(width, height, 0xFEFDFC);
  BitBlt(canvas->dc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  GdiFlush();
  return canvas;
}

std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, int alpha) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int d = Channel(dst, shift);
    out |= static_cast<std::uint32_t>(d + (Channel(src, shift) - d) * alpha / 255) << shift;
  }
  return out;
}

bool NearRgb(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8)
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
  return true;
}

Bytes MakePng(int width, int height, const std::function<std::uint32_t(int, int)>& argbAt) {
  Bitmap picture;
  if (!picture.CreateFromScan0(width, height)) return {};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, argbAt(x, y));
  return picture.SaveToBytes(Text(ImageFormatPNG));
}

Text OutputFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  return Text(temp);
}

bool WriteFileBytes(const Text& path, const Bytes& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  return written == bytes.size();
}
