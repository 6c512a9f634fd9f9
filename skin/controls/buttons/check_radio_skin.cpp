// Radio button and check box skin: installer and painters. A small white
// circle or box at the left with a soft shading, an accent halo while the
// mouse is over the control, an accent dot or tinted check mark when
// checked, and the caption to the right in the control's font.
#include "skin/controls/buttons/check_radio_skin.h"

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/fill_steps.h"
#include "graphics/paint/round_shapes.h"
#include "graphics/paint/tick_tint.h"
#include "graphics/paint/control_background.h"
#include "win32/handle_owners.h"
#include "skin/controls/buttons/button_records.h"
#include "skin/controls/buttons/button_styles.h"
#include "skin/controls/buttons/push_button_skin.h"

namespace {

// Width of the glyph cell; the caption starts 2 pixels to its right.
constexpr int kGlyphCell = 13;
constexpr int kCaptionGap = 2;
// The glyph (circle or box) is 12 across and lies in a hover halo 18
// across (the check box's rounded with corner 6); inside it the radio
// button's white ring is 9 across, its dot 6, the check box's face 11.
constexpr float kGlyph = 12, kHalo = 18, kRadioRing = 9, kDot = 6, kBoxFace = 11;
constexpr int kHaloCorner = 6;

// Alphas of the radio button: the black shading of its circle, the accent
// over it while hot, the circle's outline, the black and accent outlines
// round the dot and the white in the dot's middle.
constexpr int kShadeAlpha = 100, kHoverTintAlpha = 100, kCircleOutlineAlpha = 200;
constexpr int kMarkOutlineAlpha = 150, kDotCentreAlpha = 80;
// Alphas of the check box: black at the top of the box, accent to white
// over the hot box, the box's outline.
constexpr int kBoxShadeAlpha = 70, kBoxHoverAccentAlpha = 90, kBoxHoverWhiteAlpha = 30;
constexpr int kBoxOutlineAlpha = 150;
// Focus of the halo's white and accent glows.
constexpr float kHaloWhiteFocus = 0.4f, kHaloAccentFocus = 0.3f;


// A radial fill of path from centre to its edge; focus > 0 widens the
// centre colour to that share of the path.
void FillRadial(Graphics& g, const GraphicsPath& path, Argb centre, Argb surround,
                float focus = 0.0f) {
  PathGradientBrush brush;
  if (!brush.CreateFromPath(path)) return;
  brush.SetCenterColor(centre);
  brush.SetSurroundColors({surround});
  if (focus > 0.0f) brush.SetFocusScales(focus, focus);
  g.FillPath(brush, path);
}

// The hover halo in the ring between the glyph and halo: a white glow, then
// an accent one. The clip must already leave the ring only.
void FillHalo(Graphics& g, const GraphicsPath& halo) {
  FillRadial(g, halo, Colour(kWhite, kOpaque), Colour(kWhite, kTransparent), kHaloWhiteFocus);
  FillRadial(g, halo, AccentAt(kOpaque), Colour(kWhite, kTransparent), kHaloAccentFocus);
}

// The common frame of both painters: the background behind the control,
// the glyph drawn by paintGlyph, the caption in layout, then the result on
// screen and in the composite.
template <class PaintGlyph>
void PaintCheckControl(HWND window, PaintGlyph paintGlyph, float captionWidthCut) {
  const ButtonRecord* record = ButtonRecordOf(window);
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  const RegisteredDcOwner background(ComposeControlBackground(window, client));
  HDC memory = background.get();
  if (memory == nullptr) return;  // nothing skinned lies behind the control
  {
    Graphics g;
    if (g.CreateFromHDC(memory)) {
      paintGlyph(g, static_cast<float>(client.left), static_cast<float>(client.top),
                 static_cast<float>(height));
      if (record != nullptr) {
        SolidBrush brush;
        Font font;
        StringFormat format;
        if (brush.Create(Colour(static_cast<ColourRef>(GetPropInt(window, Kj_Ztys)), 255)) &&
            font.Create(record->fontFace, static_cast<float>(record->fontSize), record->fontStyle,
                        UnitWorld) &&
            format.Create()) {
          format.SetAlign(StringAlignmentNear);
          format.SetLineAlign(StringAlignmentCenter);
          const float left = static_cast<float>(client.left + kGlyphCell + kCaptionGap);
          g.DrawString(record->caption, font, brush,
                       RectF{left, 2.0f, static_cast<float>(width) - captionWidthCut,
                             static_cast<float>(height)},
                       &format);
        }
      }
      g.Flush(true);
    }
  }
  PresentToComposite(window, memory, false, false);
  const WindowDc screen = WindowDc::Client(window);
  BitBlt(screen.get(), 0, 0, width, height, memory, 0, 0, SRCCOPY);
}

bool IsChecked(HWND window) { return SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

void InstallCheckAndRadioSkins(int windowIndex, HWND parent) {
  InstallOnChildren(parent, kButtonClass, [windowIndex, parent](HWND child) {
    const DWORD style = StyleOf(child);
    const bool checkBox = IsCheckBoxStyle(style);
    if ((!checkBox && !IsRadioStyle(style)) || IsOwnerDrawStyle(style)) return;
    RegisterButton(windowIndex, child, checkBox ? kButtonKindCheck : kButtonKindRadio,
                   [child, parent](ButtonRecord& record) {
                     record.checkedAtInstall = IsChecked(child);
                     record.parent = parent;
                   });
  });
}

void PaintRadioButton(HWND window, int state) {
  const bool checked = IsChecked(window);
  auto glyph = [state, checked](Graphics& g, float l, float t, float h) {
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const float y = t + (h - kGlyph) / 2.0f;
    const GraphicsPath circle = EllipsePath(l + 2, y, kGlyph, kGlyph);
    SolidBrush white;
    if (white.Create(Colour(kWhite, kOpaque))) g.FillPath(white, circle);
    FillGradient(g, circle, PointF{l + 3, y + 1}, PointF{l + 10, y + 11}, Colour(kBlack, kShadeAlpha),
                 Colour(kBlack, kTransparent));

    if ((state & kPaintHot) != 0) {
      const GraphicsPath halo = EllipsePath(l - 1, y - 3, kHalo, kHalo);
      g.SetClipPath(circle);
      g.SetClipPath(halo, CombineModeXor);
      FillHalo(g, halo);
      // Under the ring clip this tint reaches only the circle's soft edge.
      FillGradient(g, circle, PointF{l + 3, y + 1}, PointF{l + 11, y + 12},
                       AccentAt(kHoverTintAlpha), Colour(kBlack, kTransparent));
      g.ResetClip();
    }

    OutlinePath(g, circle, Colour(kBlack, kCircleOutlineAlpha));
    OutlinePath(g, EllipsePath(l + 3, t + (h - 11.0f) / 2.0f + 1, kRadioRing, kRadioRing),
                Colour(kWhite, kOpaque));

    if (checked) {
      const GraphicsPath dot = EllipsePath(l + 5, y + 3, kDot, kDot);
      OutlinePath(g, dot, Colour(kBlack, kMarkOutlineAlpha));
      OutlinePath(g, dot, AccentAt(kMarkOutlineAlpha));
      FillRadial(g, dot, Colour(kWhite, kDotCentreAlpha), AccentAt(kOpaque));
    }
  };
  PaintCheckControl(window, glyph, 0.0f);
}

void PaintCheckBox(HWND window, int state) {
  const bool checked = IsChecked(window);
  auto glyph = [state, checked](Graphics& g, float l, float t, float h) {
    const float y = t + (h - kGlyph) / 2.0f;
    SolidBrush white;
    if (white.Create(Colour(kWhite, kOpaque))) g.FillRectangle(white, l + 3, y + 1, kBoxFace, kBoxFace);
    LinearGradientBrush shade;
    if (shade.Create(PointF{l, y}, PointF{l, y + kGlyph}, Colour(kBlack, kBoxShadeAlpha),
                     Colour(kWhite, kOpaque))) {
      g.FillRectangle(shade, l + 3, y + 1, kBoxFace, kBoxFace);
    }
    GraphicsPath box;
    if (box.Create()) box.AddRectangle(l + 2, y, kGlyph, kGlyph);

    if ((state & kPaintHot) != 0) {
      GraphicsPath halo;
      if (halo.Create()) AddRoundRect(halo, l - 1, y - 3, kHalo, kHalo, kHaloCorner);
      g.SetClipPath(box);
      g.SetClipPath(halo, CombineModeXor);
      FillHalo(g, halo);
      g.ResetClip();
      const float top = t + (h - 11.0f) / 2.0f;
      FillGradient(g, box, PointF{l, top}, PointF{l + kGlyph, top + kGlyph}, AccentAt(kBoxHoverAccentAlpha),
                   Colour(kWhite, kBoxHoverWhiteAlpha));
    }

    OutlinePath(g, box, Colour(kBlack, kBoxOutlineAlpha));
    Pen inner;
    if (inner.Create1(Colour(kWhite, kOpaque), 1.0f)) g.DrawRectangle(inner, l + 4, y + 1, 9, 10);

    if (checked) {
      Image tick;
      if (tick.LoadFromBytes(TintTickWithAccent())) {
        // Drawn twice at the same place: the mark's soft edge comes out denser.
        const float tw = static_cast<float>(tick.Width());
        const float th = static_cast<float>(tick.Height());
        g.DrawImageRect(tick, l + 2, y, tw, th);
        g.DrawImageRect(tick, l + 2, y, tw, th);
      }
    }
  };
  PaintCheckControl(window, glyph, 19.0f);
}
