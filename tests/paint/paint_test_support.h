// Shared pieces of the paint-helper tests: a GDI+ session for the program,
// real windows on the test desktop, hand-built skin records, pixel reads
// from 32-bpp DIBs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/text_ops.h"
#include "skin/state/skin_state.h"

// Destroys its window on every path.
struct TestWindow {
  HWND window = nullptr;
  explicit TestWindow(HWND w = nullptr) : window(w) {}
  ~TestWindow() { if (window != nullptr) DestroyWindow(window); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND get() const { return window; }
};

// A borderless top-level popup (window rectangle = client area) at screen
// (x, y), shown without activation.
std::unique_ptr<TestWindow> CreatePopup(int x, int y, int width, int height);
// A visible child window of a system class at (x, y) in parent's client area.
HWND CreateChildWindow(HWND parent, const char* className, int x, int y, int width, int height,
                       DWORD style = 0, DWORD exStyle = 0);

// Empty skin tables and memory-DC table, start-up values.
void ResetPaintState();
// A window record for window (Hw_lbID set); returns its index.
int AddWindowRecord(HWND window);
// Registers container in the record's containers (Hw_lbID, Hw_FuID, size).
int AddContainer(int recordIndex, HWND container, int frameStyle, int fillColour = 0,
                 int fillAlpha = 255, int drawFrame = 1);

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
// holding FramePixel; the caller owns it (e.g. through frameDC).
HDC CreateFrameDc(int width, int height);
// The known frame picture: distinct in every pixel up to 400 x 400.
std::uint32_t FramePixel(int x, int y);
// width x height pixels of dc from (0, 0).
std::unique_ptr<PixelCanvas> ReadPixels(HDC dc, int width, int height);

// src over dst at alpha, per channel (0x00RRGGBB).
std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, int alpha);
bool NearRgb(std::uint32_t a, std::uint32_t b, int tolerance);

// A PNG picture painted by argbAt(x, y).
Bytes MakePng(int width, int height, const std::function<std::uint32_t(int, int)>& argbAt);
// Pictures left to be looked at go to PX_PAINT_OUT, else the temp folder.
Text OutputFolder();
bool WriteFileBytes(const Text& path, const Bytes& bytes);
bool SaveCanvasPng(const PixelCanvas& canvas, const Text& name);
