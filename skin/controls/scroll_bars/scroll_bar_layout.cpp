// Part rectangles and hit testing of the drawn scroll bars.
#include "skin/controls/scroll_bars/scroll_bar_layout.h"

ScrollBarParts VerticalBarParts(int width, int height, const StandardBarState& bar) {
  return ScrollBarParts{RECT{1, 1, width - 2, kArrowButtonLength},
                        RECT{1, height - kArrowButtonLength, width - 2, height - 1},
                        RECT{1, bar.thumbStart, bar.button + 1, bar.thumbEnd}};
}

ScrollBarParts HorizontalBarParts(int width, int height, const StandardBarState& bar) {
  return ScrollBarParts{RECT{1, 1, kArrowButtonLength, height - 2},
                        RECT{width - kArrowButtonLength, 1, width - 4, height - 1},
                        RECT{bar.thumbStart, 1, bar.thumbEnd, bar.button + 1}};
}

bool BoxContains(const RECT& box, int x, int y) {
  return box.left <= x && x <= box.right && box.top <= y && y <= box.bottom;
}

ScrollBarPart HitTestParts(const ScrollBarParts& parts, int x, int y) {
  if (BoxContains(parts[kFirstArrowBox], x, y)) return kScrollPartFirstArrow;
  if (BoxContains(parts[kSecondArrowBox], x, y)) return kScrollPartSecondArrow;
  if (BoxContains(parts[kThumbBox], x, y)) return kScrollPartThumb;
  return kScrollPartNone;
}

PackedPoint UnpackPoint(std::uint32_t lParam) {
  PackedPoint p;
  p.x = static_cast<std::int16_t>(lParam & 0xFFFFu);
  p.y = static_cast<std::int16_t>((lParam >> 16) & 0xFFFFu);
  return p;
}
