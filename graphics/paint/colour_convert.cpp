// COLORREF <-> ARGB byte shuffles.
#include "graphics/paint/colour_convert.h"

namespace {

std::uint32_t SwapBytes0And2(std::uint32_t v) {
  return (v & 0xFF00FF00u) | ((v & 0xFFu) << 16) | ((v >> 16) & 0xFFu);
}

}  // namespace

Argb ColorrefToArgb(ColourRef colour, int alpha, bool useAlpha) {
  std::uint32_t top = useAlpha ? static_cast<std::uint32_t>(alpha) & 0xFFu : 0xFFu;
  return (SwapBytes0And2(colour) & 0x00FFFFFFu) | (top << 24);
}

ColourRef ArgbToColorref(Argb argb, int& alpha) {
  alpha = static_cast<int>((argb >> 24) & 0xFFu);
  return SwapBytes0And2(argb & 0x00FFFFFFu);
}

ColourRef ArgbToColorref(Argb argb) {
  int alpha = 0;
  return ArgbToColorref(argb, alpha);
}
