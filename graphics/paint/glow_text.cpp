// Glowing text: a blurred copy of the text (drawn small and stretched back
// up), a halo of four translucent copies one pixel around, then the text.
#include "graphics/paint/glow_text.h"

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/font.h"
#include "graphics/gdiplus/image.h"
#include "graphics/gdiplus/string_format.h"

namespace {

struct GlowLayout {
  StringFormat format;
  Font font;
};

bool MakeLayout(GlowLayout& layout, const Text& fontName, int fontStyle, float fontSize,
                int alignment, int lineAlignment, bool wrap, bool trimWithEllipsis) {
  layout.format.Create(StringFormatFlagsLineLimit, 0);
  if (trimWithEllipsis) layout.format.SetTrimming(StringTrimmingEllipsisCharacter);
  if (!wrap) layout.format.SetFlags(StringFormatFlagsLineLimit | StringFormatFlagsNoWrap);
  layout.format.SetAlign(alignment);
  layout.format.SetLineAlign(lineAlignment);
  return layout.font.Create(fontName, fontSize, fontStyle, UnitWorld);
}

// The blurred glow: the text in glowColour drawn at full size, shrunk by
// the divisor with high-quality filtering, and stretched back to full size
// one pixel right and down. Empty when any step cannot be made.
bool MakeGlowImage(Bitmap& glow, const Text& text, const GlowLayout& layout, ColourRef glowColour,
                   int width, int height, int blurDivisor) {
  Bitmap full;
  if (!full.CreateFromScan0(width, height)) return false;
  {
    Graphics g;
    SolidBrush brush;
    if (!g.FromImage(full) || !brush.Create(ColorrefToArgb(glowColour, 0, false))) return false;
    g.DrawString(text, layout.font, brush,
                 RectF{0, 0, static_cast<float>(width), static_cast<float>(height)}, &layout.format);
  }

  // A divisor below 1 would make the shrunk size meaningless (or infinite).
  if (blurDivisor < 1) return false;
  const float smallW = static_cast<float>(width) / static_cast<float>(blurDivisor);
  const float smallH = static_cast<float>(height) / static_cast<float>(blurDivisor);
  Bitmap small;
  if (!small.CreateFromScan0(static_cast<int>(smallW), static_cast<int>(smallH))) return false;
  {
    Graphics g;
    if (!g.FromImage(small)) return false;
    g.SetInterpolationMode(InterpolationModeHighQualityBicubic);
    g.SetCompositingQuality(CompositingQualityHighQuality);
    g.SetPixelOffsetMode(PixelOffsetModeNone);
    g.DrawImageRect(full, 0, 0, smallW, smallH);
  }
  full.Dispose();

  if (!glow.CreateFromScan0(width, height)) return false;
  Graphics g;
  if (!g.FromImage(glow)) return false;
  g.SetCompositingQuality(CompositingQualityGammaCorrected);
  g.SetInterpolationMode(InterpolationModeHighQualityBicubic);
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  g.DrawImageRect(small, 1, 1, static_cast<float>(width), static_cast<float>(height));
  return true;
}

}  // namespace

Text DefaultGlowFontName() { return "宋体"; }

bool DrawGlowText(Graphics& graphics, const Text& text, const RectF& rect, ColourRef textColour,
                  ColourRef glowColour, std::optional<int> blurDivisor, std::optional<Text> fontName,
                  std::optional<int> fontStyle, std::optional<float> fontSize, int alignment,
                  int lineAlignment, std::optional<bool> wrap, bool trimWithEllipsis) {
  const int width = static_cast<int>(rect.width);
  const int height = static_cast<int>(rect.height);

  GlowLayout layout;
  MakeLayout(layout, fontName.value_or(DefaultGlowFontName()), fontStyle.value_or(FontStyleRegular),
             fontSize.value_or(kDefaultGlowFontSize), alignment, lineAlignment, wrap.value_or(true),
             trimWithEllipsis);

  Bitmap glow;
  if (MakeGlowImage(glow, text, layout, glowColour, width, height,
                    blurDivisor.value_or(kDefaultBlurDivisor))) {
    graphics.DrawImage(glow, rect.x, rect.y);
  }
  glow.Dispose();

  const float w = static_cast<float>(width), h = static_cast<float>(height);
  SolidBrush brush;
  if (brush.Create(ColorrefToArgb(glowColour, kGlowHaloAlpha, true))) {
    graphics.DrawString(text, layout.font, brush, RectF{rect.x, rect.y + 1, w, h}, &layout.format);
    graphics.DrawString(text, layout.font, brush, RectF{rect.x + 2, rect.y + 1, w, h}, &layout.format);
    graphics.DrawString(text, layout.font, brush, RectF{rect.x + 1, rect.y, w, h}, &layout.format);
    graphics.DrawString(text, layout.font, brush, RectF{rect.x + 1, rect.y + 2, w, h}, &layout.format);
  }
  SolidBrush textBrush;
  if (!textBrush.Create(ColorrefToArgb(textColour, 0, false))) return false;
  return graphics.DrawString(text, layout.font, textBrush, RectF{rect.x + 1, rect.y + 1, w, h},
                             &layout.format);
}
