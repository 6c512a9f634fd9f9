// The project's points and boxes: one type for real-valued boxes (RectF)
// and one for integer boxes given by corner and size (RectI), laid out as
// GDI+ lays out its own. A box given by its four edges, as the SDK passes
// it, is the SDK's RECT. Portable: no windows.h.
#pragma once

struct PointF { float x = 0, y = 0; };
struct PointI { int x = 0, y = 0; };
struct RectF { float x = 0, y = 0, width = 0, height = 0; };
struct RectI { int x = 0, y = 0, width = 0, height = 0; };
struct SizeF { float width = 0, height = 0; };
