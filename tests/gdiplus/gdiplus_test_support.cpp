#include "gdiplus_test_support.h"

#include <cstdlib>

Dib32::Dib32(int w, int h, std::uint32_t argb) : width(w), height(h) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top-down: row 0 first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  for (int i = 0; i < w * h; ++i) bits[i] = argb;
  dc = CreateCompatibleDC(nullptr);
  previous = SelectObject(dc, bitmap);
}

Dib32::~Dib32() {
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

bool NearColour(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8)
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
      return false;
  return true;
}

bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::size_t HeapBytesInUse() {
  std::size_t total = 0;
  HANDLE heap = GetProcessHeap();
  if (!HeapLock(heap)) return 0;
  PROCESS_HEAP_ENTRY entry = {};
  while (HeapWalk(heap, &entry))
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
  HeapUnlock(heap);
  return total;
}
