// The colour key in pictures drawn with GDI+. GDI+ writes opaque pixels
// (alpha byte 0xFF) into a 32-bpp DIB, while a colour-keyed copy from such
// a DIB into another DIB compares whole pixels with the key 0x00FF00FF;
// the key pixels must carry a zero alpha byte to be recognised.
#pragma once

#include <windows.h>

// Gives every pixel of the 32-bpp DIB section selected into dc whose colour
// is the key colour the exact key value. Returns the number of pixels
// changed; 0 and nothing done when dc holds no 32-bpp DIB section.
int NormaliseKeyPixels(HDC dc);
