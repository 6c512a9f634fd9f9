// Which part of a drawn scroll bar lies under the mouse, by the part
// rectangles the last paint stored.
#include "skin/controls/scroll_bars/scroll_bar_windows.h"

namespace {

ScrollBarPart HitTest(HWND host, LPARAM lParam, ScrollBarOrientation orientation) {
  const ScrollBarSlot slot = FindScrollBarSlot(host, orientation);
  if (slot.bar == nullptr) return kScrollPartNone;
  RECT r = {};
  GetWindowRect(slot.bar, &r);
  const PackedPoint point = UnpackPoint(static_cast<std::uint32_t>(lParam));
  return HitTestParts(*slot.parts, point.x - r.left, point.y - r.top);
}

}  // namespace

ScrollBarPart HitTestVerticalBar(HWND host, LPARAM lParam) {
  return HitTest(host, lParam, ScrollBarOrientation::Vertical);
}

ScrollBarPart HitTestHorizontalBar(HWND host, LPARAM lParam) {
  return HitTest(host, lParam, ScrollBarOrientation::Horizontal);
}
