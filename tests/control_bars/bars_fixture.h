// The frame of the bar-control skin tests: a host window with a known frame
// picture, common controls on it, and the four skins installed in the frame
// installer's order (trackbars, progress bars, up-down controls, headers).
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "skin/controls/bars/header_skin.h"
#include "skin/controls/bars/progress_skin.h"
#include "skin/controls/bars/trackbar_skin.h"
#include "skin/controls/bars/updown_skin.h"
#include "tests/control_host/control_host.h"

inline constexpr std::uint32_t kWhiteRgb = 0xFFFFFF, kBlackRgb = 0;
inline constexpr std::uint32_t kAccentRgb = 0x22CADD;  // AccentColour as 0x00RRGGBB
inline constexpr COLORREF kGrey = RGB(128, 128, 128);

class BarSkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The host, its frame picture plain fill (grey) unless keepPicture.
  void MakeHost(int width = 360, int height = 240, bool keepPicture = false, COLORREF fill = kGrey);
  HWND Add(const char* cls, DWORD style, int x, int y, int width, int height, int id = 0,
           const char* text = "");
  // The four installers on the host, then every child paints through its skin.
  void Install();
  int Index() const { return host->RecordIndex(); }
  WindowRecord& Record() const { return host->Record(); }

  std::vector<UINT> notifyCodes;  // WM_NOTIFY codes the host received
  int hscrolls = 0;

  std::unique_ptr<HostWindow> host;
};

// Pixels of control as it is on screen now (window rectangle).
PixelImage Screen(HWND control);
// The bounding box of pixels whose three channels are all at least floor;
// empty (right <= left) when there is none.
RECT BrightBox(const PixelImage& image, int floor);
// An ARGB layer and the linear two-stop gradient between two of them.
struct Layer {
  std::uint32_t rgb;
  int alpha;
};
Layer Between(Layer a, Layer b, double f);
std::uint32_t Over(std::uint32_t dst, Layer layer);
// A 16 x 16 image list holding one red square; the caller destroys it.
HIMAGELIST RedImageList();
