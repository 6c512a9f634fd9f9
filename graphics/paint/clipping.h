// Clipping that keeps a window's paint off its visible child windows.
// Each helper returns the DC it worked on.
#pragma once

#include <windows.h>

// For every visible, non-transparent direct child of window: excludes the
// child's rectangle in the skinned window (WindowRectInSkinnedWindow) from
// dc's clip. For a DC in the skinned window's coordinates (the composite).
HDC ExcludeVisibleChildren(HWND window, HDC dc);

// window's screen DC (GetDC(window) unless dcGiven) with every visible,
// non-transparent direct child excluded, each child's rectangle in the
// parent's client area cut to the non-negative quadrant and, where window
// has known bounds (a record's window: its last client size; a container:
// its recorded size; any other skinned control: 0 x 0), to those bounds.
// The caller releases the DC.
HDC GetDcWithoutChildren(HWND window, HDC dc, bool dcGiven);

// window's screen DC (GetDC(window) unless dcGiven) with every visible
// direct child that is not skinned (no Hw_FuID) excluded, transparent or
// not, without any cutting. The caller releases the DC.
HDC GetDcWithoutUnskinnedChildren(HWND window, HDC dc, bool dcGiven);

// The rectangle GetDcWithoutChildren excludes for child r: left and top
// raised to 0; when clamped, right and bottom lowered to the bounds; then
// right and bottom raised to at least left and top.
RECT ClampChildRect(RECT r, bool clamp, int boundWidth, int boundHeight);
