// The up-down control skin: installer, subclass procedure and painter.
#include "skin/controls/bars/updown_skin.h"

#include <commctrl.h>
#include <windowsx.h>

#include "graphics/paint/composite_present.h"
#include "skin/controls/bars/bar_skin_support.h"
#include "skin/controls/pictures/decoded_arrows.h"
#include "graphics/paint/control_background.h"
#include "win32/handle_owners.h"

using namespace bar_skin;

namespace {

constexpr char kUpDownClass[] = "msctls_updown32";
// Corner of the rounded base and of each half.
constexpr int kCorner = 3;
// Alphas of the looks: the white under both halves; black round a plain
// half, accent round the one under the mouse; its fill white to accent,
// accent to white while pressed; a plain half from white (more at the top
// of a vertical control's upper half) to accent.
constexpr int kBaseAlpha = 160, kPlainOutlineAlpha = 100, kActiveOutlineAlpha = 200;
constexpr int kActiveWhiteAlpha = 100, kActiveAccentAlpha = 150;
constexpr int kPressedAccentAlpha = 100, kPressedWhiteAlpha = 150;
constexpr int kUpperGlossAlpha = 60, kGlossAlpha = 20, kPlainAccentAlpha = 100;

// The two halves of a w x h control, with K x L the extent of one half.
struct UpDownHalves {
  int k = 0, l = 0;
  RectI first, second;
};

UpDownHalves SplitUpDown(int w, int h, bool horizontal) {
  UpDownHalves halves;
  if (horizontal) {
    halves.k = w / 2;
    halves.l = h;
    halves.first = RectI{0, 0, halves.k - 1, halves.l - 1};
    halves.second = RectI{halves.k, 0, halves.k - 1, halves.l - 1};
  } else {
    halves.k = w;
    halves.l = h / 2;
    halves.first = RectI{0, 0, halves.k - 1, halves.l - 1};
    halves.second = RectI{0, halves.l, halves.k - 1, halves.l - 1};
  }
  return halves;
}

// One half: its rounded face in the plain or active look, its arrow
// centred, then its outline.
void PaintHalf(Graphics& g, const RectI& half, bool second, bool active, bool pressed,
               bool horizontal, const UpDownHalves& halves, int w, int h) {
  const GraphicsPath face =
      RoundRectPath(static_cast<float>(half.x), static_cast<float>(half.y),
                    static_cast<float>(half.width), static_cast<float>(half.height), kCorner);
  const float k = static_cast<float>(halves.k), l = static_cast<float>(halves.l);
  PointF from{0, 0}, to{0, 0};
  if (horizontal) {
    from = second ? PointF{k - 1, 0} : PointF{0, 0};
    to = second ? PointF{static_cast<float>(w), 0} : PointF{k - 1, 0};
  } else {
    from = second ? PointF{0, l} : PointF{0, 0};
    to = second ? PointF{0, static_cast<float>(h)} : PointF{0, l - 1};
  }
  Argb pen = Colour(kBlack, kPlainOutlineAlpha);
  if (active) {
    pen = AccentAt(kActiveOutlineAlpha);
    if (pressed) {
      FillGradient(g, face, from, to, AccentAt(kPressedAccentAlpha), Colour(kWhite, kPressedWhiteAlpha));
    } else {
      FillGradient(g, face, from, to, Colour(kWhite, kActiveWhiteAlpha), AccentAt(kActiveAccentAlpha));
    }
  } else {
    const int gloss = !horizontal && !second ? kUpperGlossAlpha : kGlossAlpha;
    FillGradient(g, face, from, to, Colour(kWhite, gloss), AccentAt(kPlainAccentAlpha));
  }

  const ArrowPicture picture = horizontal ? (second ? ArrowPicture::Right : ArrowPicture::Left)
                                          : (second ? ArrowPicture::Down : ArrowPicture::Up);
  if (const Image* arrow = DecodedArrow(picture)) {
    const int x = half.x + (halves.k - static_cast<int>(arrow->Width())) / 2;
    const int y = half.y + (halves.l - static_cast<int>(arrow->Height())) / 2;
    g.DrawImageI(*arrow, x, y);
  }
  OutlinePath(g, face, pen);
}

void PaintSelf(HWND window) {
  PaintUpDown(GetPropInt(window, Hw_FuID), GetPropInt(window, Hw_lbID));
}

LRESULT OnMouseMove(HWND window, UINT, WPARAM wParam, LPARAM lParam) {
  const int windowIndex = GetPropInt(window, Hw_FuID);
  const int index = GetPropInt(window, Hw_lbID);
  if (WindowRecord* owner = MouseEntersControl(window, &WindowRecord::upDowns)) {
    const int half = UpDownHalfAt(windowIndex, index, lParam);
    UpDownRecord* record = owner->upDowns[index - 1].get();
    // Repaints the control asks for itself take the mouse from the record:
    // keep it where the mouse is, so that they highlight the half under it.
    // While the button is held it stays where the press was.
    if (!record->buttonDown) record->lastMouse = lParam;
    TakeHotControl(
        window, owner, kHotClassUpDown,
        [=] {
          PaintUpDown(windowIndex, index, true, std::nullopt, lParam);
          // The paint may have run nested messages; take the record afresh.
          if (UpDownRecord* painted = ControlRecordOf(window, &WindowRecord::upDowns)) {
            painted->hot = true;
            painted->hotHalf = half;
          }
        },
        std::nullopt, half != record->hotHalf);
  }
  return PassOn(window, WM_MOUSEMOVE, wParam, lParam);
}

// Press and release: recorded before the control acts, so that the paint
// it asks for shows the pressed half.
LRESULT OnButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (UpDownRecord* record = ControlRecordOf(window, &WindowRecord::upDowns)) {
    record->buttonDown = message == WM_LBUTTONDOWN;
    record->lastMouse = lParam;
  }
  return PassOn(window, message, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, UINT, WPARAM wParam, LPARAM lParam) {
  if (UpDownRecord* record = MouseLeavesControl(window, &WindowRecord::upDowns)) {
    record->hot = false;
    PaintUpDown(GetPropInt(window, Hw_FuID), GetPropInt(window, Hw_lbID), false);
  }
  return PassOn(window, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

void InstallUpDownSkins(int windowIndex, HWND parent) {
  InstallOnChildren(parent, kUpDownClass, [windowIndex](HWND child) {
    UpDownRecord* record =
        RegisterSubclassedControl(windowIndex, &WindowRecord::upDowns, child, &UpDownSkinProc);
    if (record != nullptr) record->horizontal = (StyleOf(child) & UDS_HORZ) != 0;
  });
}

int UpDownHalfAt(int windowIndex, int controlIndex, LPARAM lParam) {
  const WindowRecord* owner = WindowRecordAt(windowIndex);
  if (owner == nullptr) return 0;
  const UpDownRecord* record = RecordAt(owner->upDowns, controlIndex);
  if (record == nullptr) return 0;
  const SIZE size = WindowSize(record->window);
  if (record->horizontal) return GET_X_LPARAM(lParam) > size.cx / 2 ? 1 : 0;
  return GET_Y_LPARAM(lParam) > size.cy / 2 ? 1 : 0;
}

LRESULT CALLBACK UpDownSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Its own repaint requests show the pressed half: WM_PAINT paints at once.
  static constexpr BarSkinAnswers kUpDown{PaintSelf, OnMouseMove, OnMouseLeave, OnButton, true};
  return AnswerBarMessage(window, message, wParam, lParam, kUpDown);
}

void PaintUpDown(int windowIndex, int controlIndex, std::optional<bool> hot,
                 std::optional<bool> pressed, std::optional<LPARAM> mouse) {
  const UpDownRecord* record = ControlRecordAt(windowIndex, &WindowRecord::upDowns, controlIndex);
  if (record == nullptr) return;
  HWND window = record->window;
  const bool h = hot.value_or(record->hot);
  const bool p = pressed.value_or(record->buttonDown);
  const LPARAM m = mouse.value_or(record->lastMouse);
  const bool horizontal = record->horizontal;

  PaintOverBackground(window, false, [&](Graphics& g, int w, int hh) {
    const UpDownHalves halves = SplitUpDown(w, hh, horizontal);
    // The active half: the one under the mouse while hot, none otherwise.
    int active = -1;
    if (h) {
      const int along = horizontal ? GET_X_LPARAM(m) : GET_Y_LPARAM(m);
      active = along > (horizontal ? halves.k : halves.l) ? 1 : 0;
    }
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.SetCompositingQuality(CompositingQualityHighQuality);
    const GraphicsPath base =
        RoundRectPath(0, 0, static_cast<float>(w - 1), static_cast<float>(hh - 1), kCorner);
    FillSolid(g, base, Colour(kWhite, kBaseAlpha));
    PaintHalf(g, halves.first, false, (h || p) && active == 0, p, horizontal, halves, w, hh);
    PaintHalf(g, halves.second, true, (h || p) && active == 1, p, horizontal, halves, w, hh);
  });
}
