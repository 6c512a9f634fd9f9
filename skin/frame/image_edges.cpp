// Fading the inner edge and the bottom of a background picture into its
// average colour, so that a picture placed in a corner melts into the
// colour the rest of the window is cleared with.
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_install.h"

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/gdiplus_values.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/image.h"
#include "graphics/paint/colour_convert.h"

namespace {

constexpr Argb kClearWhite = 0x00FFFFFFu;

bool FillGradient(Graphics& graphics, PointF from, PointF to, Argb fromColour, Argb toColour,
                  float x, float y, float w, float h) {
  LinearGradientBrush brush;
  if (!brush.Create(from, to, fromColour, toColour)) return false;
  return graphics.FillRectangle(brush, x, y, w, h);
}

}  // namespace

Bytes FadeImageEdges(const Bytes& imageBytes, std::uint32_t averageColour, bool fadeLeftEdge) {
  Image picture;
  if (imageBytes.empty() || !picture.LoadFromBytes(imageBytes)) return Bytes();
  const int width = static_cast<int>(picture.Width());
  const int height = static_cast<int>(picture.Height());
  if (width < 1 || height < 1) return Bytes();

  Bitmap canvas;
  if (!canvas.CreateFromScan0(width, height, PixelFormat32bppARGB)) return Bytes();
  {
    Graphics graphics;
    if (!graphics.FromImage(canvas)) return Bytes();
    graphics.DrawImageRect(picture, 0, 0, static_cast<float>(width), static_cast<float>(height));

    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    const float band = static_cast<float>(FadeBandWidth(width));
    const Argb opaque = ColorrefToArgb(averageColour & 0xFFFFFFu, kOpaque, true);
    const Argb clear = ColorrefToArgb(averageColour & 0xFFFFFFu, kTransparent, true);
    if (fadeLeftEdge) {
      FillGradient(graphics, PointF{0, 0}, PointF{band, 0}, opaque, kClearWhite, 0, 0, band, h);
    } else {
      const float left = w - band;
      FillGradient(graphics, PointF{left, 0}, PointF{w, 0}, kClearWhite, opaque, left + 1, 0,
                   band, h);
    }
    const float top = h - band;
    FillGradient(graphics, PointF{0, top}, PointF{0, h}, clear, opaque, 0, top + 1, w, band);
  }
  return canvas.SaveToBytes(Text(ImageFormatPNG));
}
