// Child-window clipping of the skin's DCs.
#include "graphics/paint/clipping.h"

#include <algorithm>

#include "graphics/paint/window_geometry.h"
#include "skin/state/skin_state.h"
#include "win32/window_helpers.h"

namespace {

void Exclude(HDC dc, const RECT& r) { ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom); }

struct ChildBounds {
  bool clamp = false;
  int width = 0, height = 0;
};

ChildBounds BoundsOf(HWND window) {
  if (const WindowRecord* record = WindowRecordAt(FindWindowRecord(window))) {
    return ChildBounds{true, record->lastClientWidth, record->lastClientHeight};
  }
  const int index = GetPropInt(window, Hw_FuID);
  if (index == 0) return ChildBounds{};
  ChildBounds bounds{true, 0, 0};
  const int c = FindContainerRecord(index, window);
  if (c >= 1) {
    const ContainerRecord& container = *WindowRecordAt(index)->containers[c - 1];
    bounds.width = container.width;
    bounds.height = container.height;
  }
  return bounds;
}

}  // namespace

RECT ClampChildRect(RECT r, bool clamp, int boundWidth, int boundHeight) {
  r.left = std::max<LONG>(r.left, 0);
  r.top = std::max<LONG>(r.top, 0);
  if (clamp) {
    r.right = std::min<LONG>(r.right, boundWidth);
    r.bottom = std::min<LONG>(r.bottom, boundHeight);
  }
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

HDC ExcludeVisibleChildren(HWND window, HDC dc) {
  ForEachChildOfClass(window, nullptr, [dc](HWND c) {
    if (IsWindowVisible(c) && !IsTransparentWindow(c)) Exclude(dc, WindowRectInSkinnedWindow(c));
  });
  return dc;
}

HDC GetDcWithoutChildren(HWND window, HDC dc, bool dcGiven) {
  if (!dcGiven) dc = GetDC(window);
  const ChildBounds bounds = BoundsOf(window);
  ForEachChildOfClass(window, nullptr, [&](HWND c) {
    if (!IsWindowVisible(c) || IsTransparentWindow(c)) return;
    Exclude(dc, ClampChildRect(RectInParentClient(c), bounds.clamp, bounds.width, bounds.height));
  });
  return dc;
}

HDC GetDcWithoutUnskinnedChildren(HWND window, HDC dc, bool dcGiven) {
  if (!dcGiven) dc = GetDC(window);
  ForEachChildOfClass(window, nullptr, [dc](HWND c) {
    if (IsWindowVisible(c) && GetPropInt(c, Hw_FuID) == 0) Exclude(dc, RectInParentClient(c));
  });
  return dc;
}
