// What the trackbar, progress bar, up-down and header skins share beyond
// the skin-wide helpers: their hover classes and the answer to
// WM_ERASEBKGND.
#pragma once

#include <windows.h>

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/control_background.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/fill_steps.h"
#include "skin/state/skin_state.h"
#include "win32/window_helpers.h"

namespace bar_skin {

// The rounded trough of a trackbar or progress bar of w x h: a black
// outline (outlineAlpha, corner 5) and inside it (innerCorner) a gradient
// across the bar from white 160 to black 30 (along x for a vertical bar,
// along y otherwise).
void PaintBarTrough(Graphics& g, int w, int h, bool vertical, int outlineAlpha, int innerCorner);

// WM_ERASEBKGND of the drawn controls: the background stays as it is.
LRESULT KeepBackground(HDC dc);

// Paints a bar control now (by its own record).
using PaintSelfRoutine = void (*)(HWND window);
// The paintSelf of a bar skin whose painter takes the window record's and
// the control's index: Paint(Hw_FuID, Hw_lbID) of window.
template <void (*Paint)(int windowIndex, int controlIndex)>
void PaintByIndices(HWND window) {
  Paint(GetPropInt(window, Hw_FuID), GetPropInt(window, Hw_lbID));
}

// A bar skin's own answer to a message.
using BarMessageRoutine = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// What one bar skin answers in its own way; AnswerBarMessage answers the
// rest alike for all of them.
struct BarSkinAnswers {
  PaintSelfRoutine paintSelf = nullptr;
  BarMessageRoutine mouseMove = nullptr;   // WM_MOUSEMOVE
  BarMessageRoutine mouseLeave = nullptr;  // WM_MOUSELEAVE
  BarMessageRoutine button = nullptr;      // WM_LBUTTONDOWN and WM_LBUTTONUP
  // The up-down control paints on WM_PAINT without BeginPaint and paints
  // nothing on WM_NCPAINT.
  bool paintsWithoutBeginPaint = false;
  // The header answers only WM_MOVE, WM_PAINT and WM_ERASEBKGND alike;
  // everything else (WM_NCPAINT and WM_WINDOWPOSCHANGING too) passes on.
  bool answersPaintOnly = false;
};

// The one procedure of the bar skins (trackbar, progress bar, up-down
// control, header), after the skin's own routines of answers:
//   WM_MOVE              paint, then pass on;
//   WM_PAINT             paint between BeginPaint and EndPaint, then
//                        DefWindowProcA (the saved procedure does not paint:
//                        the skin's picture is the one shown);
//   WM_NCPAINT           paint; 1;
//   WM_ERASEBKGND        KeepBackground;
//   anything else        PassOnControlMessage (WM_WINDOWPOSCHANGING marks
//                        the container behind stale first).
LRESULT AnswerBarMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         const BarSkinAnswers& answers);

// The frame of every bar painter: the background behind window's whole
// window rectangle, draw(graphics, width, height) over it, the result into
// the composite (at the window rectangle when presentWindowRect, else at
// the client box) and onto the whole window. Nothing happens when nothing
// skinned lies behind the control.
template <class Draw>
void PaintOverBackground(HWND window, bool presentWindowRect, Draw draw) {
  const SIZE size = WindowSize(window);
  const RegisteredDcOwner background(
      ComposeControlBackground(window, RECT{0, 0, size.cx, size.cy}));
  if (!background) return;
  {
    Graphics g;
    if (g.CreateFromHDC(background.get())) {
      draw(g, size.cx, size.cy);
      g.Flush(true);
    }
  }
  PresentToComposite(window, background.get(), false, presentWindowRect);
  const WindowDc screen = WindowDc::WholeWindow(window);
  BitBlt(screen.get(), 0, 0, size.cx, size.cy, background.get(), 0, 0, SRCCOPY);
}

}  // namespace bar_skin
