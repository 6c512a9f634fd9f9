// Invalidation of a window's visible children.
#include "graphics/paint/child_invalidation.h"

#include "win32/window_helpers.h"

void InvalidateVisibleChildren(HWND window) {
  ForEachChildOfClass(window, nullptr, [](HWND child) {
    if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
  });
}
