// The check-mark picture recoloured in the accent colour, for the check
// boxes and radio buttons of the control skins.
#pragma once

#include "app/text_ops.h"
#include "graphics/paint/colour_convert.h"

// One pixel of the tint: pure white (alpha ignored) is returned unchanged;
// any other pixel becomes the accent scaled channel by channel by the
// pixel's own channels (a multiply), with alpha 255 minus the pixel's grey
// level. So dark pixels become nearly opaque, light ones nearly transparent.
Argb TintPixel(Argb pixel, ColourRef accent);

// The embedded check mark with every pixel tinted by AccentColour, encoded
// as PNG. An empty buffer when the picture cannot be encoded.
Bytes TintTickWithAccent();
