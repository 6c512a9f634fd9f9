// The rounded outlines that give the skin its soft corners. Both add to a
// path the caller owns.
#pragma once

#include "graphics/gdiplus/graphics_path.h"

// Smallest and largest side of a corner arc's bounding square.
inline constexpr int kMinCornerSize = 1;
inline constexpr int kMaxCornerSize = 100;

// r clamped to [kMinCornerSize, kMaxCornerSize].
int ClampCornerSize(int r);

// A closed rounded rectangle of four arcs whose bounding squares have side
// r (clamped), so the visible corner radius is r / 2. The bottom-right arc
// is one pixel larger and one pixel further in than the others. GDI+ joins
// the arcs with straight edges.
bool AddRoundRect(GraphicsPath& path, float x, float y, float w, float h, int r);

// An open outline with rounded top corners and no bottom edge: up the left
// side, over the top, down the right side. The figure is left open.
bool AddRoundTopOutline(GraphicsPath& path, int x, int y, int w, int h, int r);
