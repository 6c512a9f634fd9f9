// 32-bit DIB sections.
#include "graphics/paint/dib_section.h"

HBITMAP CreateDib32(int width, int height) {
  void* bits = nullptr;
  return CreateDib32(width, height, false, &bits);
}

HBITMAP CreateDib32(int width, int height, bool topDown, void** bits) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = topDown ? -height : height;  // positive: bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  *bits = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}
