// Shared pieces of the combo box and list-type skin tests: a skinned host
// with common controls on it, the installers in the frame's order, and
// pixel reads of windows, client areas and the composite.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graphics/paint/window_geometry.h"
#include "skin/controls/lists/combo_skin.h"
#include "skin/controls/lists/list_skin.h"
#include "tests/control_host/control_host.h"

inline constexpr std::uint32_t kAccentRgb = 0x22CADD;  // AccentColour as 0x00RRGGBB
inline constexpr std::uint32_t kBlackRgb = 0x000000;
inline constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
inline constexpr std::uint32_t kMarker = 0x123456;

class ListFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND AddControl(const char* cls, DWORD style, DWORD exStyle, int x, int y, int width, int height);
  HWND AddCombo(DWORD style, int x, int y, int width, int height,
                const std::vector<std::string>& items);
  // A list box holding count numbered items.
  HWND AddListBox(DWORD style, DWORD exStyle, int x, int y, int width, int height, int count);
  // The edit, combo and list-type installers on the host, in the frame's order.
  void Install();

  ListRecord& ListOf(HWND control);
  int ListIndex(HWND control) { return FindListRecord(host->RecordIndex(), control); }
  int ComboIndex(HWND combo) { return FindComboRecord(host->RecordIndex(), combo); }

  // Fills rectangle r (host window coordinates) of the composite.
  void FillComposite(const RECT& r, std::uint32_t rgb);
  // The frame picture behind control's window rectangle at (x, y).
  std::uint32_t Behind(HWND control, int x, int y) {
    return CaptureBackground(*host, control).At(x, y);
  }
  // (x, y) of control's window rectangle is near expected on screen and in the composite.
  void ExpectPixel(HWND control, int x, int y, std::uint32_t expected, int tolerance,
                   const char* what);

  std::unique_ptr<HostWindow> host;
};

// The whole window rectangle of window as it is on screen (GetWindowDC).
PixelImage CaptureWindowArea(HWND window);
// window's client area in its host's window coordinates.
RECT ClientInHost(const HostWindow& host, HWND window);
PixelImage CaptureRect(HDC dc, const RECT& r);
int CountNear(const PixelImage& image, std::uint32_t rgb, int tolerance);
HGDIOBJ PropObject(HWND window, const char* name);
