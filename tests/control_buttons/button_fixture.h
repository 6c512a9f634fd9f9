// The frame of the button skin tests: a host window with a known frame
// picture, controls created on it, and the button skins installed as the
// frame installer does (push buttons first, then radio buttons and check
// boxes).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/controls/buttons/check_radio_skin.h"
#include "skin/controls/buttons/push_button_skin.h"
#include "skin/controls/font/control_font.h"
#include "tests/control_host/control_host.h"

class ButtonSkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void MakeHost(int width = 320, int height = 200, int x = 60, int y = 60);
  HWND Add(const char* text, DWORD style, int x, int y, int width, int height, int id = 0) {
    return host->AddControl("BUTTON", text, style, x, y, width, height, id, nullptr);
  }
  // Installs both button skins on the host, then runs the pending paints.
  void Install();
  ButtonRecord* RecordOf(HWND control) {
    return RecordAt(Record().buttons, FindButtonRecord(Index(), control));
  }
  int Index() const { return host->RecordIndex(); }
  WindowRecord& Record() const { return host->Record(); }
  // BN_CLICKED notifications the host received from control.
  int Clicks(HWND control) const;
  // Messages that reached the control's saved procedure, by number; counted
  // from a procedure put under the control before it is skinned.
  void CountSavedProcMessages(HWND control);
  int SavedProcCount(HWND control, UINT message) const;

  std::unique_ptr<HostWindow> host;
  std::vector<HWND> clicked;  // controls of every BN_CLICKED, in order
};

// Pixels of control as it is on screen now.
inline PixelImage Screen(HWND control) { return CaptureClient(control); }

// A memory DC with a 32-bpp DIB of width x height cleared to rgb.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF rgb = RGB(0, 0, 0));
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC dc() const { return dc_; }
  PixelImage Pixels() const { return CaptureDc(dc_, 0, 0, width_, height_); }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  int width_ = 0, height_ = 0;
};
