// The frame of the button skin tests: a host window with a known frame
// picture, controls created on it, and the button skins installed as the
// frame installer does (push buttons first, then radio buttons and check
// boxes).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/controls/check_radio_skin.h"
#include "skin/controls/push_button_skin.h"
#include "tests/control_host/control_host.h"

class ButtonSkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A host at screen (x, y); the skins see the host's window record.
  void MakeHost(int width = 320, int height = 200, int x = 60, int y = 60);
  HWND Add(const char* text, DWORD style, int x, int y, int width, int height, int id = 0,
           HWND parent = nullptr);
  // InstallPushButtonSkins then InstallCheckAndRadioSkins for parent (the
  // host when 0), then the pending paints.
  void Install(HWND parent = nullptr);
  ButtonRecord* RecordOf(HWND control);
  int Index() const { return host->RecordIndex(); }
  WindowRecord& Record() const { return host->Record(); }

  // BN_CLICKED notifications the host received from control.
  int Clicks(HWND control) const;
  // Messages that reached the control's saved procedure, by number.
  int SavedProcCount(HWND control, UINT message) const;
  // Puts a counting procedure under the control before it is skinned.
  void CountSavedProcMessages(HWND control);

  // A font that lives until the fixture ends (after its controls).
  HFONT MakeFont(int height, int weight, const char* face);

  std::vector<std::unique_ptr<class TestFont>> fonts;
  std::unique_ptr<HostWindow> host;
  std::vector<HWND> clicked;  // controls of every BN_CLICKED, in order
};

// Pixels of control as it is on screen now.
PixelImage Screen(HWND control);
// The push button's look in state, painted into a canvas of its size.
PixelImage PushLook(HWND button, int state);

// A memory DC with a 32-bpp DIB of width x height cleared to rgb, for
// painting into directly.
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

// A font owned for the length of a test.
class TestFont {
 public:
  TestFont(int height, int weight, const char* face);
  ~TestFont();
  TestFont(const TestFont&) = delete;
  TestFont& operator=(const TestFont&) = delete;
  HFONT get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};
