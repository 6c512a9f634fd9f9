// Shared pieces of the combo box and list-type skin tests: a skinned host
// window with common controls made on it, the installers run in the
// frame's order, record lookups and pixel reads of windows and of the
// composite.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/combo_skin.h"
#include "skin/controls/list_skin.h"
#include "tests/control_host/control_host.h"

// AccentColour 0xDDCA22 as 0x00RRGGBB, and the other colours the looks use.
inline constexpr std::uint32_t kAccentRgb = 0x22CADD;
inline constexpr std::uint32_t kBlackRgb = 0x000000;
inline constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;

class ListFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A combo box of style (CBS_*) with items, on the host or on parent.
  HWND AddCombo(DWORD style, int x, int y, int width, int height,
                const std::vector<std::string>& items = {}, HWND parent = nullptr);
  // A control of class cls with WS_CHILD and, unless hidden, WS_VISIBLE.
  HWND AddControl(const char* cls, DWORD style, DWORD exStyle, int x, int y, int width, int height,
                  bool hidden = false, HWND parent = nullptr);
  // A list box holding count numbered items.
  HWND AddListBox(DWORD style, DWORD exStyle, int x, int y, int width, int height, int count);

  // The edit, combo and list-type installers on the host's children (or
  // parent's), in the order the frame runs them.
  void Install(HWND parent = nullptr);

  ListRecord& ListOf(HWND control);
  ComboRecord& ComboOf(HWND combo);
  int ListIndex(HWND control) { return FindListRecord(host->RecordIndex(), control); }
  int ComboIndex(HWND combo) { return FindComboRecord(host->RecordIndex(), combo); }

  // Replaces the frame picture (and the composite) with one colour.
  void UseUniformBackground(std::uint32_t rgb);
  // Fills the host's composite at control's place with one colour.
  void FillCompositeAt(HWND control, std::uint32_t rgb);

  std::unique_ptr<HostWindow> host;
};

// The whole window rectangle of window as it is on screen (GetWindowDC).
PixelImage CaptureWindowArea(HWND window);
// window's window rectangle in the composite of its skinned window.
PixelImage CaptureCompositeOf(const HostWindow& host, HWND window);
// The frame picture behind window's window rectangle.
PixelImage CaptureFrameBehind(const HostWindow& host, HWND window);
// The client area of window in the composite, by where it lies on screen.
PixelImage CaptureCompositeClient(const HostWindow& host, HWND window);
// The frame picture behind window's client area.
PixelImage CaptureFrameBehindClient(const HostWindow& host, HWND window);

// Number of pixels of image that are near rgb.
int CountNear(const PixelImage& image, std::uint32_t rgb, int tolerance);
