// What the trackbar, progress bar, up-down and header skins share.
#include "skin/controls/bars/bar_skin_support.h"

namespace bar_skin {

LRESULT KeepBackground(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return 1;
}

LRESULT AnswerBarMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         PaintSelfRoutine paintSelf) {
  switch (message) {
    case WM_MOVE:
      paintSelf(window);
      return PassOn(window, message, wParam, lParam);
    case WM_PAINT: {
      {
        const PaintDc paint(window);
        paintSelf(window);
      }
      return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_NCPAINT:
      paintSelf(window);
      return 1;
    case WM_ERASEBKGND:
      return KeepBackground(reinterpret_cast<HDC>(wParam));
    case WM_WINDOWPOSCHANGING:
      MarkParentContainerStale(window);
      return PassOn(window, message, wParam, lParam);
    default:
      return PassOn(window, message, wParam, lParam);
  }
}

}  // namespace bar_skin
