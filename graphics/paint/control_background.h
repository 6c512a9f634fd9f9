// The background behind a skinned control: a memory DC the size of the area
// the painter will paint, holding the piece of the skinned window's frame
// picture behind it, tinted with the fill of the container it sits in.
#pragma once

#include <windows.h>

// rc is the rectangle, in window's own coordinates, that the caller will
// paint (usually its client or window rectangle at 0, 0). Returns a memory
// DC of rc's size registered in the memory-DC table; the caller releases it
// with ReleaseMemoryDc once its image has been used. Returns 0 (and keeps
// nothing) when window has no skinned window above it.
HDC ComposeControlBackground(HWND window, const RECT& rc);
