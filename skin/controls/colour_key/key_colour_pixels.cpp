// Normalising the key pixels of a GDI+ picture.
#include "skin/controls/colour_key/key_colour_pixels.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kKeyPixel = 0x00FF00FF;  // magenta in a DIB's BGRA layout
constexpr std::uint32_t kColourBits = 0x00FFFFFF;

}  // namespace

int NormaliseKeyPixels(HDC dc) {
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  DIBSECTION dib = {};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof(dib), &dib) != sizeof(dib)) return 0;
  if (dib.dsBm.bmBitsPixel != 32 || dib.dsBm.bmBits == nullptr) return 0;
  GdiFlush();
  auto* pixels = static_cast<std::uint32_t*>(dib.dsBm.bmBits);
  const long count = static_cast<long>(dib.dsBm.bmWidth) * dib.dsBm.bmHeight;
  int changed = 0;
  for (long i = 0; i < count; ++i) {
    if ((pixels[i] & kColourBits) == kKeyPixel && pixels[i] != kKeyPixel) {
      pixels[i] = kKeyPixel;
      ++changed;
    }
  }
  return changed;
}
