// Shared pieces of the paint-helper tests: real windows on the test
// desktop, hand-built skin records, pixel reads from 32-bpp DIBs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "app/text_ops.h"
#include "skin/state/skin_state.h"

// Destroys its window on every path.
struct TestWindow {
  HWND window = nullptr;
  explicit TestWindow(HWND w) : window(w) {}
  ~TestWindow() { DestroyWindow(window); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND get() const { return window; }
};

// A borderless popup (window rectangle = client area) at screen (x, y).
std::unique_ptr<TestWindow> CreatePopup(int x, int y, int width, int height);
HWND CreateChildWindow(HWND parent, const char* className, int x, int y, int width, int height,
                       DWORD style = 0, DWORD exStyle = 0);

// Empty skin tables and memory-DC table, start-up values.
void ResetPaintState();
// A window record for window (Hw_lbID set); returns its index.
int AddWindowRecord(HWND window);
// Registers container in the record's containers (Hw_lbID, Hw_FuID, size).
int AddContainer(int recordIndex, HWND container, int frameStyle, int fillColour = 0, int fillAlpha = 255);

// A memory DC with a top-down 32-bpp DIB whose pixels are readable.
struct PixelCanvas {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  std::uint32_t* bits = nullptr;
  int width = 0, height = 0;
  PixelCanvas(int w, int h, std::uint32_t rgb = 0);
  ~PixelCanvas();
  PixelCanvas(const PixelCanvas&) = delete;
  PixelCanvas& operator=(const PixelCanvas&) = delete;
  // The pixel as 0x00RRGGBB.
  std::uint32_t Rgb(int x, int y) const { return bits[y * width + x] & 0xFFFFFFu; }
};

// A memory DC on a bottom-up 32-bpp DIB (as the frame renderer makes them)
// holding FramePixel, distinct in every pixel; the caller owns it.
HDC CreateFrameDc(int width, int height);
std::uint32_t FramePixel(int x, int y);
std::unique_ptr<PixelCanvas> ReadPixels(HDC dc, int width, int height);

// src over dst at alpha, per channel (0x00RRGGBB).
std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, int alpha);
bool NearRgb(std::uint32_t a, std::uint32_t b, int tolerance);

Bytes MakePng(int width, int height, const std::function<std::uint32_t(int, int)>& argbAt);
Text OutputFolder();
bool WriteFileBytes(const Text& path, const Bytes& bytes);
