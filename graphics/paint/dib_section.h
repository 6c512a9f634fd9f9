// 32-bit DIB sections for the memory DCs of the painters.
#pragma once

#include <windows.h>

// A bottom-up 32-bpp BI_RGB DIB section of width x height without palette;
// its pixels are whatever the system gives. 0 on failure (for instance a
// zero width or height). The caller deletes it.
HBITMAP CreateDib32(int width, int height);
// The same, top-down when topDown; bits receives the first row's address
// (0 on failure).
HBITMAP CreateDib32(int width, int height, bool topDown, void** bits);
