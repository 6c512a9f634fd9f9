// What the trackbar, progress bar, up-down and header skins share.
#include "skin/controls/bars/bar_skin_support.h"

namespace bar_skin {

namespace {
constexpr int kTroughCorner = 5;
constexpr int kTroughWhiteAlpha = 160, kTroughBlackAlpha = 30;
}  // namespace

void PaintBarTrough(Graphics& g, int w, int h, bool vertical, int outlineAlpha, int innerCorner) {
  const GraphicsPath outline =
      RoundRectPath(0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1), kTroughCorner);
  OutlinePath(g, outline, Colour(kBlack, outlineAlpha));
  const GraphicsPath trough =
      RoundRectPath(1, 1, static_cast<float>(w - 2), static_cast<float>(h - 2), innerCorner);
  const PointF to =
      vertical ? PointF{static_cast<float>(w - 1), 0} : PointF{0, static_cast<float>(h - 1)};
  FillGradient(g, trough, PointF{0, 0}, to, Colour(kWhite, kTroughWhiteAlpha),
               Colour(kBlack, kTroughBlackAlpha));
}

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
    default:
      return PassOnControlMessage(window, message, wParam, lParam);
  }
}

}  // namespace bar_skin
