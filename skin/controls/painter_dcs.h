// Owners of the device contexts a painter of the edit box and scroll-bar
// skins takes for one paint; each is released exactly once, on every path.
#pragma once

#include <windows.h>

#include "graphics/paint/control_background.h"
#include "graphics/paint/memory_dc_table.h"

// The memory DC of ComposeControlBackground, released with ReleaseMemoryDc.
class ComposedBackground {
 public:
  ComposedBackground(HWND window, const RECT& rc) : dc_(ComposeControlBackground(window, rc)) {}
  ~ComposedBackground() { ReleaseMemoryDc(dc_); }
  ComposedBackground(const ComposedBackground&) = delete;
  ComposedBackground& operator=(const ComposedBackground&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_ = nullptr;
};

// A DC of a window from GetDC (client area) or GetWindowDC (whole window),
// released with ReleaseDC.
class WindowDcLease {
 public:
  enum Area { kClient, kWholeWindow };
  WindowDcLease(HWND window, Area area)
      : window_(window), dc_(area == kClient ? GetDC(window) : GetWindowDC(window)) {}
  ~WindowDcLease() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDcLease(const WindowDcLease&) = delete;
  WindowDcLease& operator=(const WindowDcLease&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// A plain memory DC from CreateCompatibleDC with one bitmap selected in for
// its lifetime; the DC's own bitmap goes back in before DeleteDC.
class ScratchDc {
 public:
  ScratchDc(HDC compatibleWith, HBITMAP bitmap) : dc_(CreateCompatibleDC(compatibleWith)) {
    if (dc_ != nullptr && bitmap != nullptr) previous_ = SelectObject(dc_, bitmap);
  }
  ~ScratchDc() {
    if (dc_ == nullptr) return;
    if (previous_ != nullptr) SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  ScratchDc(const ScratchDc&) = delete;
  ScratchDc& operator=(const ScratchDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};
