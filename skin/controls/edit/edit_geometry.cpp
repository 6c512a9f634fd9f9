// Border kind and client box of a skinned edit box.
#include "skin/controls/edit/edit_geometry.h"

namespace {

// Floor of n / 2 also for negative n (a window smaller than its client).
int HalfFloor(int n) { return n >= 0 ? n / 2 : -((-n + 1) / 2); }

}  // namespace

int BorderKind(std::uint32_t style, std::uint32_t exStyle) {
  if ((style & WS_BORDER) != 0) return kBorderFlat;
  if ((exStyle & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME)) != 0) {
    return kBorderEdge;
  }
  return kBorderNone;
}

RECT EditClientBoxFor(int windowWidth, int windowHeight, int clientWidth, int clientHeight,
                         std::uint32_t style) {
  const int barX = (style & WS_VSCROLL) != 0 ? kStandardScrollBarThickness : 0;
  const int barY = (style & WS_HSCROLL) != 0 ? kStandardScrollBarThickness : 0;
  RECT box{};
  box.left = HalfFloor(windowWidth - clientWidth - barX);
  box.top = HalfFloor(windowHeight - clientHeight - barY);
  box.right = box.left + clientWidth;
  box.bottom = box.top + clientHeight;
  return box;
}
