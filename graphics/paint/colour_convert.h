// Conversions between GDI colours (COLORREF, red in the low byte) and GDI+
// ARGB colours (blue in the low byte, alpha in the top byte). Pure byte
// shuffles: converting twice restores red and blue.
//
// Portable: no windows.h here.
#pragma once

#include <cstdint>

#include "graphics/gdiplus/gdiplus_values.h"

// A COLORREF as a plain 32-bit value (0x00BBGGRR).
using ColourRef = std::uint32_t;

// The plain colours every painter uses.
inline constexpr ColourRef kWhite = 0xFFFFFF;
inline constexpr ColourRef kBlack = 0x000000;
inline constexpr Argb kOpaqueWhite = 0xFFFFFFFF;

// The alpha of a fully opaque and of a fully transparent colour.
inline constexpr int kOpaque = 255;
inline constexpr int kTransparent = 0;

// Exchanges bytes 0 and 2 of colour; byte 3 becomes alpha's low byte when
// useAlpha, else 255. 0x00BBGGRR -> 0xAARRGGBB.
Argb ColorrefToArgb(ColourRef colour, int alpha, bool useAlpha);

// Byte 3 of argb into alpha; the result has byte 3 cleared and bytes 0 and
// 2 exchanged. 0xAARRGGBB -> 0x00BBGGRR.
ColourRef ArgbToColorref(Argb argb, int& alpha);
ColourRef ArgbToColorref(Argb argb);

// A COLORREF at alpha (its low byte) as a GDI+ colour: the painters' way of
// writing ColorrefToArgb(colour, alpha, true).
inline Argb Colour(ColourRef colour, int alpha) { return ColorrefToArgb(colour, alpha, true); }

// Channel bytes of a COLORREF.
constexpr unsigned RedOf(ColourRef c) { return c & 0xFF; }
constexpr unsigned GreenOf(ColourRef c) { return (c >> 8) & 0xFF; }
constexpr unsigned BlueOf(ColourRef c) { return (c >> 16) & 0xFF; }
constexpr ColourRef MakeColourRef(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
