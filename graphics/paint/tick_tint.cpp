// Accent-coloured check mark.
#include "graphics/paint/tick_tint.h"

#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/image.h"
#include "skin/state/skin_state.h"

Argb TintPixel(Argb pixel, ColourRef accent) {
  // Pure white pixels (whatever their alpha) are left alone: the picture's
  // transparent background.
  const ColourRef c = ArgbToColorref(pixel);
  if (c == kWhite) return pixel;
  const unsigned r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
  const unsigned grey = (r + g + b) / 3;
  const ColourRef tinted =
      MakeColourRef(RedOf(accent) * r / 255, GreenOf(accent) * g / 255, BlueOf(accent) * b / 255);
  return ColorrefToArgb(tinted, static_cast<int>(255 - grey), true);
}

Bytes TintTickWithAccent() {
  Bitmap tick;
  tick.CreateFromBytes(CopyPictureBytes(TickMark()));
  const ColourRef accent = static_cast<ColourRef>(AccentColour);
  const int w = static_cast<int>(tick.Width());
  const int h = static_cast<int>(tick.Height());
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) {
      const Argb pixel = tick.GetPixel(x, y);
      if (ArgbToColorref(pixel) == kWhite) continue;
      tick.SetPixel(x, y, TintPixel(pixel, accent));
    }
  }
  Bytes png = tick.SaveToBytes(Text(ImageFormatPNG));
  tick.Dispose();
  return png;
}
