// A soft glow along a path: the same translucent colour stroked with pens
// of width 1 to count, so the colour is densest on the path and fades
// outward over count / 2 pixels.
#pragma once

#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/graphics_path.h"
#include "graphics/paint/colour_convert.h"

// False when the pen cannot be made or a stroke fails.
bool DrawGlowOutline(Graphics& graphics, const GraphicsPath& path, int count, ColourRef colour, int alpha);
