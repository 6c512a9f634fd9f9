// New 32-bpp ARGB bitmaps (transparent black) for the painters' scratch
// pictures.
#pragma once

#include "graphics/gdiplus/image.h"

// Makes bitmap hold a new width x height 32-bpp ARGB picture whose pixels
// GDI+ owns; what it held before is disposed. False (bitmap empty) when
// GDI+ cannot make it, e.g. for a zero size.
bool CreateArgbBitmap(Bitmap& bitmap, int width, int height);
