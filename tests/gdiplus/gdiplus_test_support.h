// Shared pieces of the GDI+ wrapper tests: a GDI+ session per suite, a
// 32-bpp DIB to draw into and read back, pixel comparisons.
#pragma once

#include <windows.h>

#include <cstdint>

#include <gtest/gtest.h>

#include "graphics/gdiplus/gdiplus_objects.h"

class GdiPlusTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { token_ = StartGdiPlus(); }
  static void TearDownTestSuite() { ShutdownGdiPlus(token_, true); }
  static inline std::uintptr_t token_ = 0;
};

// A top-down 32-bpp DIB section selected into a memory DC, filled with argb.
struct Dib32 {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  std::uint32_t* bits = nullptr;
  int width, height;
  Dib32(int w, int h, std::uint32_t argb);
  ~Dib32();
  Dib32(const Dib32&) = delete;
  Dib32& operator=(const Dib32&) = delete;
  std::uint32_t Pixel(int x, int y) const {
    GdiFlush();
    return bits[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};

// True when every channel of a and b differs by at most tolerance.
bool NearColour(std::uint32_t a, std::uint32_t b, int tolerance);
inline int Red(std::uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }

#define EXPECT_COLOUR_NEAR(expected, actual, tolerance)                                  \
  EXPECT_PRED3([](std::uint32_t e, std::uint32_t a, int t) { return NearColour(e, a, t); }, \
               (expected), (actual), (tolerance))                                         \
      << std::hex << "expected " << (expected) << ", got " << (actual)

bool RunningOnWine();
// Bytes in use in the process heap (busy blocks), for leak checks.
std::size_t HeapBytesInUse();

// A width x height 32-bpp ARGB bitmap filled by colourAt(x, y).
template <class ColourAt>
bool FillBitmap(Bitmap& bitmap, int width, int height, ColourAt colourAt) {
  if (!bitmap.CreateFromScan0(width, height)) return false;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (!bitmap.SetPixel(x, y, colourAt(x, y))) return false;
  return true;
}
