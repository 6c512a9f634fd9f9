// Which part of a drawn scroll bar lies under the mouse, by the part
// rectangles the last paint stored.
#include "skin/controls/scroll_bars/scroll_bar_windows.h"

namespace {

int HitTest(HWND host, LPARAM lParam, ScrollBarOrientation orientation) {
  const ScrollBarSlot slot = FindScrollBarSlot(host, orientation);
  if (slot.bar == nullptr) return kScrollPartNone;
  RECT r = {};
  GetWindowRect(slot.bar, &r);
  const PackedPoint point = UnpackPoint(static_cast<std::uint32_t>(lParam));
  BarParts parts;
  for (int i = 0; i < 3; ++i) {
    const RECT& part = (*slot.parts)[i];
    parts.box[i] = {part.left, part.top, part.right, part.bottom};
  }
  return HitTestParts(parts, point.x - r.left, point.y - r.top);
}

}  // namespace

int HitTestVerticalBar(HWND host, LPARAM lParam) {
  return HitTest(host, lParam, ScrollBarOrientation::Vertical);
}

int HitTestHorizontalBar(HWND host, LPARAM lParam) {
  return HitTest(host, lParam, ScrollBarOrientation::Horizontal);
}
