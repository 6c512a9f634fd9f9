// Glowing caption text for buttons, title bars and labels: the text sits
// one pixel right of and below the layout rectangle's origin, ringed by a
// translucent halo and a blurred glow of glowColour.
#pragma once

#include <optional>

#include "app/text_ops.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/paint/colour_convert.h"

// Values used when the optional parameters are not given.
inline constexpr int kDefaultBlurDivisor = 4;
inline constexpr float kDefaultGlowFontSize = 12.0f;  // world units (pixels)
inline constexpr int kGlowHaloAlpha = 60;
Text DefaultGlowFontName();  // "宋体"

// Draws text into rect on graphics.
//  blurDivisor: the glow is the text shrunk by this factor and stretched
//    back (default 4); a divisor below 1 or a rectangle smaller than it
//    leaves the glow out, halo and text are still drawn.
//  fontName / fontStyle / fontSize: default "宋体", regular, 12 pixels.
//  alignment / lineAlignment: StringAlignmentNear, Center or Far.
//  wrap: default true; false keeps the text on one line.
//  trimWithEllipsis: text that does not fit ends in an ellipsis.
// True when the text itself was drawn.
bool DrawGlowText(Graphics& graphics, const Text& text, const RectF& rect, ColourRef textColour,
                  ColourRef glowColour, std::optional<int> blurDivisor = std::nullopt,
                  std::optional<Text> fontName = std::nullopt,
                  std::optional<int> fontStyle = std::nullopt,
                  std::optional<float> fontSize = std::nullopt,
                  int alignment = StringAlignmentNear, int lineAlignment = StringAlignmentNear,
                  std::optional<bool> wrap = std::nullopt, bool trimWithEllipsis = false);
