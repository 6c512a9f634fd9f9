// The frame of the bar-control skin tests: a host window with a known frame
// picture, common controls created on it, and the four skins installed in
// the frame installer's order (trackbars, progress bars, up-down controls,
// headers).
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/controls/header_skin.h"
#include "skin/controls/progress_skin.h"
#include "skin/controls/trackbar_skin.h"
#include "skin/controls/updown_skin.h"
#include "tests/control_host/control_host.h"

class BarSkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void MakeHost(int width = 360, int height = 240, int x = 60, int y = 60);
  HWND Add(const char* cls, DWORD style, int x, int y, int width, int height, int id = 0,
           HWND parent = nullptr, const char* text = "");
  // The four installers for parent (the host when 0), then pending paints.
  void Install(HWND parent = nullptr);
  // Replaces the host's frame picture by one colour (the composite too).
  void FillHostPicture(COLORREF colour);
  int Index() const { return host->RecordIndex(); }
  WindowRecord& Record() const { return host->Record(); }

  // Notifications (WM_NOTIFY codes) and scroll messages the host received.
  std::vector<UINT> notifyCodes;
  std::vector<HWND> notifyFrom;
  int hscrolls = 0, vscrolls = 0;

  std::unique_ptr<HostWindow> host;
};

// Pixels of control as it is on screen now (window rectangle).
PixelImage Screen(HWND control);
// The rectangle of pixels whose three channels are all at least floor;
// empty (right <= left) when there is none.
RECT BrightBox(const PixelImage& image, int floor, const RECT& within);
// An ARGB layer over an opaque colour with a linear two-stop gradient.
struct Layer {
  std::uint32_t rgb;
  int alpha;
};
Layer Between(Layer a, Layer b, double f);
std::uint32_t Over(std::uint32_t dst, Layer layer);

inline constexpr std::uint32_t kWhiteRgb = 0xFFFFFF, kBlackRgb = 0;
inline constexpr std::uint32_t kAccentRgb = 0x22CADD;  // AccentColour 0xDDCA22 as 0x00RRGGBB

// A 16 x 16 image list holding one red square; the caller destroys it.
HIMAGELIST RedImageList();

// A GDI font deleted at the end of its scope (after the windows using it).
class FontHandle {
 public:
  explicit FontHandle(HFONT font) : font_(font) {}
  ~FontHandle() {
    if (font_ != nullptr) DeleteObject(font_);
  }
  FontHandle(const FontHandle&) = delete;
  FontHandle& operator=(const FontHandle&) = delete;
  HFONT get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};
