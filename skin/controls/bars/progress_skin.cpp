// The progress bar skin: installer, subclass procedure and painter.
#include "skin/controls/bars/progress_skin.h"

#include <commctrl.h>

#include <cmath>

#include "graphics/paint/composite_present.h"
#include "skin/controls/bars/bar_skin_support.h"
#include "graphics/paint/control_background.h"
#include "win32/handle_owners.h"

using namespace bar_skin;

namespace {

constexpr char kProgressClass[] = "msctls_progress32";
// The trough's outline alpha and inner corner; the alphas of the bar, white
// to opaque accent, and of its accent outline.
constexpr int kOutlineAlpha = 50, kTroughCorner = 1, kBarCorner = 3;
constexpr int kBarWhiteAlpha = 90, kBarOutlineAlpha = 150;

constexpr PaintSelfRoutine PaintSelf = &PaintByIndices<PaintProgressBar>;

// The trough, and the bar over it for position pos in low..high.
void PaintBar(Graphics& g, int w, int h, bool vertical, int low, int high, int pos) {
  PaintBarTrough(g, w, h, vertical, kOutlineAlpha, kTroughCorner);

  const int len = ProgressFillLength(vertical ? h : w, low, high, pos);
  if (len <= 0) return;
  GraphicsPath bar;
  PointF from{0, 0}, to{0, static_cast<float>(h - 1)};
  if (vertical) {
    // Grows from the bottom.
    const double filled = static_cast<double>(h) / (high - low) * (pos - low);
    const int top = static_cast<int>(std::floor(h - filled));
    bar = RoundRectPath(1, static_cast<float>(top + 1), static_cast<float>(w - 3),
                        static_cast<float>(len - 3), kBarCorner);
    from = PointF{0, static_cast<float>(top)};
    to = PointF{static_cast<float>(w - 1), static_cast<float>(top)};
  } else {
    bar = RoundRectPath(1, 1, static_cast<float>(len - 3), static_cast<float>(h - 3), kBarCorner);
  }
  FillGradient(g, bar, from, to, Colour(kWhite, kBarWhiteAlpha), AccentAt(kOpaque));
  OutlinePath(g, bar, AccentAt(kBarOutlineAlpha));
}

}  // namespace

int ProgressFillLength(int extent, int low, int high, int pos) {
  if (high <= low) return 0;
  const double length = static_cast<double>(extent) / (high - low) * (pos - low);
  return static_cast<int>(std::floor(length));
}

void InstallProgressSkins(int windowIndex, HWND parent) {
  InstallOnChildren(parent, kProgressClass, [windowIndex](HWND child) {
    ProgressRecord* record = RegisterSubclassedControl(windowIndex, &WindowRecord::progressBars,
                                                       child, &ProgressSkinProc);
    if (record != nullptr) record->vertical = (StyleOf(child) & PBS_VERTICAL) != 0;
  });
}

LRESULT CALLBACK ProgressSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static constexpr BarSkinAnswers kProgressBar{PaintSelf};
  return AnswerBarMessage(window, message, wParam, lParam, kProgressBar);
}

void PaintProgressBar(int windowIndex, int controlIndex) {
  const ProgressRecord* record = ControlRecordAt(windowIndex, &WindowRecord::progressBars, controlIndex);
  if (record == nullptr) return;
  HWND window = record->window;
  const bool vertical = record->vertical;
  PaintOverBackground(window, true, [&](Graphics& g, int w, int h) {
    const int pos = static_cast<int>(SendMessageA(window, PBM_GETPOS, 0, 0));
    PBRANGE range{};
    SendMessageA(window, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    PaintBar(g, w, h, vertical, range.iLow, range.iHigh, pos);
  });
}
