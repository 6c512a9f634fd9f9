// Owners of the device contexts the button painters take for one paint,
// each released exactly once on every path.
#pragma once

#include <windows.h>

#include "graphics/paint/control_background.h"
#include "graphics/paint/memory_dc_table.h"

// The background behind a control (ComposeControlBackground), released
// with ReleaseMemoryDc. get() is 0 when nothing skinned lies behind it.
class ButtonBackgroundDc {
 public:
  ButtonBackgroundDc(HWND window, const RECT& rc) : dc_(ComposeControlBackground(window, rc)) {}
  ~ButtonBackgroundDc() { ReleaseMemoryDc(dc_); }
  ButtonBackgroundDc(const ButtonBackgroundDc&) = delete;
  ButtonBackgroundDc& operator=(const ButtonBackgroundDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_ = nullptr;
};

// A control's client DC from GetDC, released with ReleaseDC.
class ButtonClientDc {
 public:
  explicit ButtonClientDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ButtonClientDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  ButtonClientDc(const ButtonClientDc&) = delete;
  ButtonClientDc& operator=(const ButtonClientDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};
