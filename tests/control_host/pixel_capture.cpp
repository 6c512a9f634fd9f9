// Pixel reads for the control-skin tests: DCs copied into top-down 32-bpp
// DIBs, colour comparisons, PNG output and the live GDI object count.
#include <cstdio>
#include <cstdlib>

#include "tests/control_host/control_host.h"

#include "graphics/gdiplus/image.h"
#include "graphics/paint/window_geometry.h"

namespace {

int Channel(std::uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

}  // namespace

PixelImage CaptureDc(HDC dc, int x, int y, int width, int height) {
  PixelImage image;
  if (dc == nullptr || width <= 0 || height <= 0) return image;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(nullptr);
  if (bitmap != nullptr && memory != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, dc, x, y, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    image.width = width;
    image.height = height;
    image.pixels.assign(pixels, pixels + width * height);
    SelectObject(memory, previous);
  }
  if (memory != nullptr) DeleteDC(memory);
  if (bitmap != nullptr) DeleteObject(bitmap);
  return image;
}

PixelImage CaptureClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  PixelImage image = CaptureDc(dc, 0, 0, client.right, client.bottom);
  ReleaseDC(window, dc);
  return image;
}

PixelImage CaptureComposite(const HostWindow& host, HWND control) {
  const RECT r = WindowRectRelativeTo(host.get(), control);
  return CaptureDc(host.Record().frameCopy.get(), r.left, r.top, r.right - r.left,
                   r.bottom - r.top);
}

PixelImage CaptureBackground(const HostWindow& host, HWND control) {
  const RECT r = WindowRectRelativeTo(host.get(), control);
  return CaptureDc(host.Record().frameDC.get(), r.left, r.top, r.right - r.left,
                   r.bottom - r.top);
}

std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, int alpha) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int d = Channel(dst, shift);
    const int s = Channel(src, shift);
    const int v = (s * alpha + d * (255 - alpha) + 127) / 255;
    out |= static_cast<std::uint32_t>(v) << shift;
  }
  return out;
}

bool NearRgb(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
  }
  return true;
}

std::string RgbText(std::uint32_t rgb) {
  char text[16];
  std::snprintf(text, sizeof(text), "#%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
  return text;
}

int CountDifferent(const PixelImage& a, const PixelImage& b, int tolerance) {
  if (a.width != b.width || a.height != b.height) return a.width * a.height + b.width * b.height;
  int different = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (!NearRgb(a.At(x, y), b.At(x, y), tolerance)) ++different;
    }
  }
  return different;
}

std::string OutputFolder() {
  const char* folder = std::getenv("PX_CONTROL_OUT");
  std::string path;
  if (folder != nullptr && folder[0] != '\0') {
    path = folder;
  } else {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path = temp;
  }
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path;
}

bool SavePng(const PixelImage& image, const std::string& name) {
  if (image.Empty()) return false;
  std::vector<std::uint32_t> opaque(image.pixels.size());
  for (size_t i = 0; i < opaque.size(); ++i) opaque[i] = image.pixels[i] | 0xFF000000u;
  Bitmap bitmap;
  if (!bitmap.CreateFromBuffer(image.width, image.height, image.width * 4, PixelFormat32bppARGB,
                               opaque.data())) {
    return false;
  }
  return bitmap.SaveToFile(OutputFolder() + name, Text(ImageFormatPNG));
}

int LiveGdiObjectCount() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0) return static_cast<int>(counted);
  // Wine answers 0 above. Its GDI handles carry the table slot in the low 16
  // bits and accept a handle with a zero upper word for a live slot, so
  // probing every slot counts the live objects.
  int live = 0;
  for (unsigned slot = 1; slot < 0x10000; ++slot) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(slot))) != 0) ++live;
  }
  return live;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void PumpMessagesFor(int milliseconds) {
  const DWORD start = GetTickCount();
  do {
    PumpMessages();
    Sleep(5);
  } while (static_cast<int>(GetTickCount() - start) < milliseconds);
}

bool PumpMessagesUntil(const std::function<bool()>& done, int limitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    if (done()) return true;
    if (static_cast<int>(GetTickCount() - start) >= limitMs) return false;
    Sleep(5);
  }
}
