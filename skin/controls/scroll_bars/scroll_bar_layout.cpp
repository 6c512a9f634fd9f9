// Part rectangles and hit testing of the drawn scroll bars.
#include "skin/controls/scroll_bars/scroll_bar_layout.h"

BarParts VerticalBarParts(int width, int height, const StandardBarState& bar) {
  BarParts parts;
  parts.box[0] = {1, 1, width - 2, kArrowButtonLength};
  parts.box[1] = {1, height - kArrowButtonLength, width - 2, height - 1};
  parts.box[2] = {1, bar.thumbStart, bar.button + 1, bar.thumbEnd};
  return parts;
}

BarParts HorizontalBarParts(int width, int height, const StandardBarState& bar) {
  BarParts parts;
  parts.box[0] = {1, 1, kArrowButtonLength, height - 2};
  parts.box[1] = {width - kArrowButtonLength, 1, width - 4, height - 1};
  parts.box[2] = {bar.thumbStart, 1, bar.thumbEnd, bar.button + 1};
  return parts;
}

bool BoxContains(const BarBox& box, int x, int y) {
  return box.left <= x && x <= box.right && box.top <= y && y <= box.bottom;
}

int HitTestParts(const BarParts& parts, int x, int y) {
  if (BoxContains(parts.box[0], x, y)) return kScrollPartFirstArrow;
  if (BoxContains(parts.box[1], x, y)) return kScrollPartSecondArrow;
  if (BoxContains(parts.box[2], x, y)) return kScrollPartThumb;
  return kScrollPartNone;
}

PackedPoint UnpackPoint(std::uint32_t lParam) {
  PackedPoint p;
  p.x = static_cast<std::int16_t>(lParam & 0xFFFFu);
  p.y = static_cast<std::int16_t>((lParam >> 16) & 0xFFFFu);
  return p;
}
