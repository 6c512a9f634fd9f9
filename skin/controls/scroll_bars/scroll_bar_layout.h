// Geometry of the drawn scroll bars: where the arrow buttons and the thumb
// lie inside a bar window, and which of them a point falls on.
//
// Portable: no windows.h here. Boxes are (left, top, right, bottom) in the
// bar window's coordinates, laid out like a RECT.
#pragma once

#include <cstdint>

// Part codes: argument of the painters, result of the hit tests.
inline constexpr int kScrollPartNone = 0;
inline constexpr int kScrollPartThumb = 1;
inline constexpr int kScrollPartFirstArrow = 3;   // top or left arrow
inline constexpr int kScrollPartSecondArrow = 4;  // bottom or right arrow

// Thickness of the arrow buttons as the painters lay them out.
inline constexpr int kArrowButtonLength = 17;

struct BarBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// [0] first arrow, [1] second arrow, [2] thumb.
struct BarParts {
  BarBox box[3];
};

// What the host's standard bar reports (GetScrollBarInfo).
struct StandardBarState {
  int thumbStart = 0;   // xyThumbTop
  int thumbEnd = 0;     // xyThumbBottom
  int button = 0;       // thickness of the arrow buttons across the bar
  int state = 0;        // rgstate[0]; 1 = unavailable (disabled)
};

// The hit rectangles of a vertical bar of width x height: top arrow
// (1, 1, w - 2, 17), bottom arrow (1, h - 17, w - 2, h - 1), thumb
// (1, thumbStart, button + 1, thumbEnd).
BarParts VerticalBarParts(int width, int height, const StandardBarState& bar);
// The hit rectangles of a horizontal bar: left arrow (1, 1, 17, h - 2),
// right arrow (w - 17, 1, w - 4, h - 1), thumb (thumbStart, 1, thumbEnd,
// button + 1).
BarParts HorizontalBarParts(int width, int height, const StandardBarState& bar);

// True when left <= x <= right and top <= y <= bottom (edges included).
bool BoxContains(const BarBox& box, int x, int y);

// The part at (x, y): first arrow, else second arrow, else thumb, else none.
int HitTestParts(const BarParts& parts, int x, int y);

// The screen point packed in a mouse message's lParam: x in the low word,
// y in the high word, both signed 16-bit.
struct PackedPoint {
  int x = 0, y = 0;
};
PackedPoint UnpackPoint(std::uint32_t lParam);
