// Invalidation of a window's visible children.
#include "graphics/paint/child_invalidation.h"

void InvalidateVisibleChildren(HWND window) {
  for (HWND c = FindWindowExA(window, nullptr, nullptr, nullptr); c != nullptr;
       c = FindWindowExA(window, c, nullptr, nullptr)) {
    if (IsWindowVisible(c)) InvalidateRect(c, nullptr, TRUE);
  }
}
