// Geometry of the drawn scroll bars: where the arrow buttons and the thumb
// lie inside a bar window, and which of them a point falls on. Part
// rectangles are the records' ScrollBarParts, in the bar window's
// coordinates.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/state/skin_state.h"

// Part codes: argument of the painters, result of the hit tests.
enum ScrollBarPart : int {
  kScrollPartNone = 0,
  kScrollPartThumb = 1,
  kScrollPartFirstArrow = 3,   // top or left arrow
  kScrollPartSecondArrow = 4,  // bottom or right arrow
};

// Length of an arrow button's part rectangle along the bar.
inline constexpr int kArrowButtonLength = 17;

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
ScrollBarParts VerticalBarParts(int width, int height, const StandardBarState& bar);
// The hit rectangles of a horizontal bar: left arrow (1, 1, 17, h - 2),
// right arrow (w - 17, 1, w - 4, h - 1), thumb (thumbStart, 1, thumbEnd,
// button + 1).
ScrollBarParts HorizontalBarParts(int width, int height, const StandardBarState& bar);

// True when left <= x <= right and top <= y <= bottom (edges included).
bool BoxContains(const RECT& box, int x, int y);

// The part at (x, y): first arrow, else second arrow, else thumb, else none.
ScrollBarPart HitTestParts(const ScrollBarParts& parts, int x, int y);

// The screen point packed in a mouse message's lParam: x in the low word,
// y in the high word, both signed 16-bit.
struct PackedPoint {
  int x = 0, y = 0;
};
PackedPoint UnpackPoint(std::uint32_t lParam);
