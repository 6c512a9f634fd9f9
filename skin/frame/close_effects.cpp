// The close effects: the window's picture captured once and shown through
// UpdateLayered, ten frames of shrinking or pulsing while it fades.
#include "skin/frame/close_effects.h"

#include <algorithm>
#include <cstdint>

#include "graphics/paint/dib_section.h"
#include "skin/frame/shadow_window.h"
#include "win32/handle_owners.h"

namespace {

// A memory DC with a 32-bpp top-down DIB whose pixels we can reach. The
// DIB's owner outlives the DC that has it selected.
class PixelDc {
 public:
  PixelDc(int width, int height)
      : width_(width),
        height_(height),
        bitmap_(CreateDib32(width, height, true, &bits_)),
        dc_(nullptr, bitmap_.get()) {}

  bool ok() const { return dc_ && bitmap_ && bits_ != nullptr; }
  HDC dc() const { return dc_.get(); }

  // GDI blits leave the alpha byte at 0, which a per-pixel-alpha layered
  // window shows as fully transparent (or additive): the picture is
  // opaque, so make it so before handing it over.
  void MakeOpaque(int width, int height) {
    GdiFlush();
    for (int y = 0; y < height && y < height_; ++y) {
      std::uint32_t* row =
          static_cast<std::uint32_t*>(bits_) + static_cast<size_t>(y) * static_cast<size_t>(width_);
      for (int x = 0; x < width && x < width_; ++x) row[x] |= 0xFF000000u;
    }
  }

 private:
  int width_ = 0, height_ = 0;
  void* bits_ = nullptr;
  BitmapOwner bitmap_;
  CompatibleDc dc_;
};

void SetLayered(HWND window, bool on) {
  const LONG style = GetWindowLongA(window, GWL_EXSTYLE);
  const LONG wanted = on ? (style | WS_EX_LAYERED) : (style & ~WS_EX_LAYERED);
  if (wanted != style) SetWindowLongA(window, GWL_EXSTYLE, wanted);
}

}  // namespace

bool PlayCloseEffect(HWND window, int effect, RECT* originalBounds) {
  if (effect != kCloseEffectShrink && effect != kCloseEffectPulse) return false;
  if (!IsWindow(window)) return false;
  SetLayered(window, false);

  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return false;

  RECT bounds{};
  GetWindowRect(window, &bounds);
  // The frames are as large as the window rectangle at most.
  PixelDc capture(width, height);
  PixelDc frame(std::max<int>(width, bounds.right - bounds.left),
                std::max<int>(height, bounds.bottom - bounds.top));
  if (!capture.ok() || !frame.ok()) return false;
  {
    const WindowDc screen = WindowDc::Client(window);
    if (screen.get() == nullptr) return false;
    BitBlt(capture.dc(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
  }
  if (originalBounds != nullptr) *originalBounds = bounds;
  const std::vector<CloseEffectFrame> frames =
      CloseEffectFrames(effect, bounds.left, bounds.top, bounds.right - bounds.left,
                        bounds.bottom - bounds.top);
  SetLayered(window, true);

  for (const CloseEffectFrame& f : frames) {
    const int fw = f.box.width > 0 ? f.box.width : 0;
    const int fh = f.box.height > 0 ? f.box.height : 0;
    if (fw > 0 && fh > 0) {
      SetStretchBltMode(frame.dc(), COLORONCOLOR);
      StretchBlt(frame.dc(), 0, 0, fw, fh, capture.dc(), 0, 0, width, height, SRCCOPY);
      frame.MakeOpaque(fw, fh);
      UpdateLayered(window, frame.dc(), f.alpha, f.box.x, f.box.y, fw, fh, 0, 0);
    }
    Sleep(static_cast<DWORD>(f.pauseMs));
  }
  return true;
}

void EndCloseEffect(HWND window, const RECT& originalBounds) {
  if (!IsWindow(window)) return;
  SetLayered(window, false);
  SetWindowPos(window, nullptr, originalBounds.left, originalBounds.top,
               originalBounds.right - originalBounds.left,
               originalBounds.bottom - originalBounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
