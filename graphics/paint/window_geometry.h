// Where a window lies inside its skinned top-level window, and where its
// client area lies inside its own window rectangle. Window rectangles are
// GetWindowRect values (screen coordinates).
#pragma once

#include <windows.h>

#include "graphics/gdiplus/gdiplus_values.h"

RECT MakeRect(int left, int top, int right, int bottom);
POINT MakePoint(int x, int y);
// A GDI+ rectangle (x, y, width, height).
RectF MakeRectF(float x, float y, float width, float height);

// The RECT whose edges are box's edges, each truncated toward zero.
RECT TruncatedRect(const RectF& box);

int RectWidth(const RECT& r);
int RectHeight(const RECT& r);

// window's window rectangle minus base's window left and top.
RECT WindowRectRelativeTo(HWND base, HWND window);
// window's rectangle relative to the window of its owning record
// (FindOwningWindowRecord); relative to the screen origin when it has none.
RECT WindowRectInSkinnedWindow(HWND window);

// The client area together with any standard scroll bars, inside window's
// own window rectangle, assuming equal borders on opposite sides: the box
// of the client size (plus the bars' widths for WS_VSCROLL / WS_HSCROLL)
// centred with the odd pixel on the right and bottom.
RECT ClientBoxInWindow(HWND window);
// The pure arithmetic of ClientBoxInWindow: a box of boxWidth x boxHeight
// centred in a windowWidth x windowHeight rectangle (offsets floored).
RECT CentredBox(int windowWidth, int windowHeight, int boxWidth, int boxHeight);

// ClientBoxInWindow moved into the skinned window's coordinates; the right
// and bottom edges are taken inward from the window's own right and bottom
// by the left and top insets.
RECT ClientBoxInSkinnedWindow(HWND window);

// window's rectangle in its parent's client coordinates; the empty
// rectangle at 0, 0 for a record's window.
RECT RectInParentClient(HWND window);

// True when window has WS_EX_TRANSPARENT.
bool IsTransparentWindow(HWND window);
