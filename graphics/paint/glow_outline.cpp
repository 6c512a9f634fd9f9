// Glow outline: widening translucent strokes of one path.
#include "graphics/paint/glow_outline.h"

#include "graphics/gdiplus/pen.h"

bool DrawGlowOutline(Graphics& graphics, const GraphicsPath& path, int count, ColourRef colour, int alpha) {
  Pen pen;
  if (!pen.Create1(ColorrefToArgb(colour, alpha, true), 1.0f, UnitWorld)) return false;
  bool ok = true;
  for (int i = 1; i <= count; ++i) {
    ok = pen.SetWidth(static_cast<float>(i)) && ok;
    ok = graphics.DrawPath(pen, path) && ok;
  }
  pen.Delete();
  return ok;
}
