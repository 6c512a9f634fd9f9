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

namespace {

// The skin's own routine for message, or nullptr.
BarMessageRoutine OwnRoutine(const BarSkinAnswers& answers, UINT message) {
  switch (message) {
    case WM_MOUSEMOVE:
      return answers.mouseMove;
    case WM_MOUSELEAVE:
      return answers.mouseLeave;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return answers.button;
    default:
      return nullptr;
  }
}

LRESULT OnBarPaint(HWND window, WPARAM wParam, LPARAM lParam, const BarSkinAnswers& answers) {
  if (answers.paintsWithoutBeginPaint) {
    // DefWindowProcA validates what the skin has just painted.
    answers.paintSelf(window);
  } else {
    const PaintDc paint(window);
    answers.paintSelf(window);
  }
  return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

LRESULT OnBarNcPaint(HWND window, const BarSkinAnswers& answers) {
  if (!answers.paintsWithoutBeginPaint) answers.paintSelf(window);
  return 1;
}

}  // namespace

LRESULT AnswerBarMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         const BarSkinAnswers& answers) {
  if (BarMessageRoutine own = OwnRoutine(answers, message)) return own(window, message, wParam, lParam);
  switch (message) {
    case WM_MOVE:
      answers.paintSelf(window);
      return PassOn(window, message, wParam, lParam);
    case WM_PAINT:
      return OnBarPaint(window, wParam, lParam, answers);
    case WM_ERASEBKGND:
      return KeepBackground(reinterpret_cast<HDC>(wParam));
    default:
      break;
  }
  if (answers.answersPaintOnly) return PassOn(window, message, wParam, lParam);
  if (message == WM_NCPAINT) return OnBarNcPaint(window, answers);
  return PassOnControlMessage(window, message, wParam, lParam);
}

}  // namespace bar_skin
