// The combo box painter: background with the white overlay, children keyed
// out, outline, drop-down button and the text of a drop-down list, shown
// on screen and in the composite with the colour key.
#include <vector>

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/background_owner.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/fill_steps.h"
#include "graphics/paint/round_shapes.h"
#include "skin/controls/lists/combo_skin.h"
#include "skin/controls/colour_key/key_colour_pixels.h"
#include "skin/controls/colour_key/keyed_present.h"
#include "skin/controls/lists/list_combo_rules.h"
#include "skin/controls/lists/list_skin.h"
#include "skin/controls/pictures/decoded_arrows.h"
#include "graphics/paint/control_background.h"
#include "win32/handle_owners.h"
#include "skin/controls/font/control_font.h"
#include "skin/state/skin_state.h"

namespace {

// Alphas of the drop-down button's outline: accent when hot, else black.
constexpr int kHotOutlineAlpha = 200;
constexpr int kPlainOutlineAlpha = 80;

const char kComboListClass[] = "ComboLBox";
const char kEditClass[] = "Edit";

Argb KeyColour() { return Colour(kColourKey, kOpaque); }
Argb StopColour(const GradientStop& stop) {
  return stop.accent ? AccentAt(stop.alpha) : Colour(kWhite, stop.alpha);
}

void ClearBox(Graphics& g, const RECT& box) {
  g.SetClipRectI(box.left, box.top, box.right - box.left, box.bottom - box.top, CombineModeReplace);
  g.Clear(KeyColour());
}

// The combo box's child windows paint themselves: their places in the
// picture take the key colour. A drop-down combo box keys out its edit
// field only.
void KeyOutChildren(Graphics& g, HWND combo, LONG style) {
  if ((style & CBS_SIMPLE) != 0) {
    ForEachChildOfClass(combo, nullptr, [&g](HWND child) {
      const RECT r = WindowRectInParent(child);
      ClearBox(g, KeyedChildBox(r, IsWindowClass(child, kComboListClass)));
    });
  } else if (HWND field = FindWindowExA(combo, nullptr, nullptr, nullptr)) {
    const RECT r = WindowRectInParent(field);
    ClearBox(g, r);
  }
  g.ResetClip();
}

void DrawButton(Graphics& g, const RECT& button, bool hot) {
  const Image* arrow = DecodedArrow(ArrowPicture::Down);
  const ComboButtonLook look = ComboButtonGeometry(
      button.left, button.top, button.right - button.left, button.bottom - button.top,
      arrow != nullptr ? static_cast<int>(arrow->Width()) : 0,
      arrow != nullptr ? static_cast<int>(arrow->Height()) : 0);

  GraphicsPath outline;
  Pen pen;
  if (outline.Create() &&
      AddRoundRect(outline, look.outline.x, look.outline.y, look.outline.width, look.outline.height,
                   look.outlineCorner) &&
      pen.Create1(hot ? AccentAt(kHotOutlineAlpha) : Colour(kBlack, kPlainOutlineAlpha), 1)) {
    g.DrawPath(pen, outline);
  }
  const ComboFaceGradient gradient = ComboButtonFace(hot);
  GraphicsPath face;
  LinearGradientBrush brush;
  if (face.Create() &&
      AddRoundRect(face, look.face.x, look.face.y, look.face.width, look.face.height, look.faceCorner) &&
      brush.Create(PointF{look.gradientX, look.gradientTop}, PointF{look.gradientX, look.gradientBottom},
                   StopColour(gradient.from), StopColour(gradient.to))) {
    g.FillPath(brush, face);
  }
  if (arrow != nullptr) g.DrawImage(*arrow, look.arrowX, look.arrowY);
}

void DrawComboText(Graphics& g, HWND combo, int w, int h) {
  SolidBrush brush;
  Font font;
  if (!brush.Create(Colour(static_cast<ColourRef>(GetPropInt(combo, Kj_Ztys)), 255)) ||
      !font.Create(DefaultControlFontFace(), static_cast<float>(kDefaultControlFontSize))) {
    return;
  }
  const RectF r = ComboTextLayout(w, h);
  g.DrawString(WindowTextOf(combo), font, brush, RectF{r.x, r.y, r.width, r.height});
}

}  // namespace

void PaintComboBox(int windowIndex, int controlIndex, bool hot, std::optional<bool> focus) {
  const ComboRecord* record = ControlRecordAt(windowIndex, &WindowRecord::combos, controlIndex);
  if (record == nullptr) return;
  HWND combo = record->window;
  const bool focused = focus.value_or(record->hasFocus);

  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  if (!SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info))) info.rcButton = {};
  const LONG style = GetWindowLongA(combo, GWL_STYLE);
  RECT window = {};
  GetWindowRect(combo, &window);
  const int w = window.right - window.left, h = window.bottom - window.top;

  const RegisteredDcOwner background(ComposeControlBackground(combo, {0, 0, w, h}));
  HDC dc = background.get();
  if (dc == nullptr) return;
  {
    Graphics g;
    if (g.CreateFromHDC(dc)) {
      if (ControlBackdropSet == 1) {
        SolidBrush white;
        if (white.Create(Colour(kWhite, ControlOverlayAlpha))) {
          g.FillRectangle(white, 0, 0, static_cast<float>(w), static_cast<float>(h));
        }
      } else {
        g.Clear(kOpaqueWhite);
      }
      KeyOutChildren(g, combo, style);
      const ComboOutline outline = ComboBoxOutline(hot, focused);
      OutlineRectangle(g, 0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1),
                       outline.accent ? AccentAt(outline.alpha) : Colour(kBlack, outline.alpha));
      if ((style & CBS_DROPDOWN) != 0) DrawButton(g, info.rcButton, hot);
      // Only a combo box without an edit field shows its text through the
      // skin; an edit field shows its own.
      if ((style & CBS_SIMPLE) != 0 && FindWindowExA(combo, nullptr, kEditClass, nullptr) == nullptr) {
        DrawComboText(g, combo, w, h);
      }
      g.Flush(true);
    }
  }
  NormaliseKeyPixels(dc);
  {
    const WindowDc screen = WindowDc::WholeWindow(combo);
    TransparentBlt(screen.get(), 0, 0, w, h, dc, 0, 0, w, h, kCompositeColourKey);
  }
  PresentKeyedToComposite(combo, dc);
}
