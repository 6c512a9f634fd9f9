// Test support for the control-skin tests (static library px_control_host).
//
// It offers:
//  - ResetControlSkinState(): empty skin tables and memory-DC table, the
//    start-up module values, then SetControlSkinOptions(1, 0) as the main
//    window's set-up does; GDI+ is started once for the whole program.
//  - HostWindow: a visible borderless top-level window (window rectangle =
//    client area) with a window record whose frameDC holds the known picture
//    HostPixel and whose frameCopy (the composite) starts as a copy of it.
//    Its procedure acts as the skinned frame does for its controls: it
//    answers WM_DRAWITEM through DispatchOwnerDraw, WM_CTLCOLOR* with the
//    hollow brush or a background brush, repaints its controls on their
//    WM_COMMAND notifications with the frame's own RepaintOnChildCommand,
//    and paints itself from the composite.
//  - PixelImage and the Capture* helpers: pixels of a DC, of a window's
//    client area on screen, or of a control's place in the composite, read
//    from 32-bpp DIBs as 0x00RRGGBB; NearRgb / Blend / RgbText for
//    comparisons with per-channel tolerance; SavePng to look at them.
//  - LiveGdiObjectCount(): the process's live GDI objects (probed under
//    Wine, whose GetGuiResources always answers 0).
//  - PumpMessages / PumpMessagesFor / PumpMessagesUntil: dispatch the
//    thread's pending messages.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/state/skin_state.h"

void ResetControlSkinState();

// The known picture in frameDC: red and green ramps across x and y, and a
// blue checker of 8-pixel squares. Neighbouring pixels always differ.
std::uint32_t HostPixel(int x, int y);

class HostWindow {
 public:
  // A host of width x height at screen (x, y), registered as a window record.
  HostWindow(int x, int y, int width, int height);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND get() const { return window_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // The host's window record and its current index.
  int RecordIndex() const;
  WindowRecord& Record() const;

  // A child control of class cls (e.g. "BUTTON") in parent (the host when
  // parent is 0), with WS_CHILD | WS_VISIBLE added to style.
  HWND AddControl(const char* cls, const char* text, DWORD style, int x, int y, int width,
                  int height, int id = 0, HWND parent = nullptr);

  // Copies frameDC into the composite again (forgets presented controls).
  void ResetComposite();

  // Seen first by the host's procedure; returns true when it consumed the
  // message (result in *result).
  std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)> hook;
  // Source of the background bitmap behind an edit box or static control
  // for WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC (the edit skin's routine). When
  // not set those two messages go to DefWindowProcA.
  std::function<HBITMAP(HWND)> editBackground;

  // Messages the host received, counted by message number.
  int MessageCount(UINT message) const;
  // The last DRAWITEMSTRUCT seen.
  DRAWITEMSTRUCT lastDrawItem{};

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCtlColor(UINT message, HDC dc, HWND control);
  void OnPaint();

  HWND window_ = nullptr;
  int width_ = 0, height_ = 0;
  std::vector<std::pair<UINT, int>> counts_;
};

// Pixels read from a 32-bpp DIB, top row first, as 0x00RRGGBB.
struct PixelImage {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[y * width + x] & 0xFFFFFFu; }
  bool Empty() const { return pixels.empty(); }
};

// width x height pixels of dc from (x, y).
PixelImage CaptureDc(HDC dc, int x, int y, int width, int height);
// The client area of window as it is on screen (GetDC of the window).
PixelImage CaptureClient(HWND window);
// The rectangle of control in the composite of its skinned window (window
// rectangle relative to the host).
PixelImage CaptureComposite(const HostWindow& host, HWND control);
// frameDC of the host at control's place: what lies behind the control.
PixelImage CaptureBackground(const HostWindow& host, HWND control);

// src over dst at alpha (0-255), per channel.
std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, int alpha);
bool NearRgb(std::uint32_t a, std::uint32_t b, int tolerance);
std::string RgbText(std::uint32_t rgb);
// Number of pixels whose colour differs between a and b by more than
// tolerance in some channel (images of different size: all of them).
int CountDifferent(const PixelImage& a, const PixelImage& b, int tolerance);

// Writes the image as a PNG file in OutputFolder(); false on failure.
bool SavePng(const PixelImage& image, const std::string& name);
// PX_CONTROL_OUT when set, else the temporary folder (with a trailing \).
std::string OutputFolder();

// Live GDI objects of this process.
int LiveGdiObjectCount();

void PumpMessages();
void PumpMessagesFor(int milliseconds);
// Dispatches the thread's messages until done() holds or limitMs have
// passed, and answers done(). Input sent with SendInput travels through the
// X server under Wine, and under an emulated Wine that round trip can take
// far longer than any fixed wait a test would choose.
bool PumpMessagesUntil(const std::function<bool()>& done, int limitMs);
