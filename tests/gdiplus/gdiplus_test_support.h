// Shared pieces of the GDI+ wrapper tests: a GDI+ session per test suite,
// a 32-bpp DIB to draw into and read back, and pixel comparisons.
#pragma once

#include <windows.h>

#include <cstdint>

#include <gtest/gtest.h>

#include "graphics/gdiplus/gdiplus_objects.h"

// Starts GDI+ for the suite and shuts it down after it.
class GdiPlusTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  static std::uintptr_t token_;
};

// A top-down 32-bpp DIB section selected into a memory DC.
class Dib32 {
 public:
  Dib32(int width, int height);
  ~Dib32();
  Dib32(const Dib32&) = delete;
  Dib32& operator=(const Dib32&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // The pixel as 0xAARRGGBB (the DIB's byte order read as a 32-bit value).
  std::uint32_t Pixel(int x, int y) const;
  void Fill(std::uint32_t argb);

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

// True when every channel of a and b differs by at most tolerance.
bool NearColour(std::uint32_t a, std::uint32_t b, int tolerance);
// Formats a colour for failure messages.
std::string Hex(std::uint32_t value);

inline int Alpha(std::uint32_t c) { return static_cast<int>(c >> 24); }
inline int Red(std::uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
inline int Green(std::uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int Blue(std::uint32_t c) { return static_cast<int>(c & 0xFF); }

#define EXPECT_COLOUR_NEAR(expected, actual, tolerance)                                  \
  EXPECT_PRED3([](std::uint32_t e, std::uint32_t a, int t) { return NearColour(e, a, t); }, \
               (expected), (actual), (tolerance))                                         \
      << "expected " << Hex(expected) << ", got " << Hex(actual)

// True when running under Wine (ntdll exports wine_get_version).
bool RunningOnWine();

// Bytes in use in the process heap (busy blocks), for leak checks.
std::size_t HeapBytesInUse();
// GDI objects of this process.
DWORD GdiObjectCount();

// A size x size (or w x h) 32-bpp ARGB bitmap filled by colourAt(x, y).
template <class ColourAt>
bool FillBitmap(Bitmap& bitmap, int width, int height, ColourAt colourAt) {
  if (!bitmap.CreateFromScan0(width, height)) return false;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (!bitmap.SetPixel(x, y, colourAt(x, y))) return false;
  return true;
}
