// The push button painter: a rounded glassy face over the background behind
// the button, in its plain, hot, focus, pressed or disabled look, with the
// caption centred in the button's font.
#include "graphics/paint/control_background.h"
#include "win32/handle_owners.h"
#include "skin/controls/buttons/button_records.h"
#include "skin/controls/buttons/push_button_skin.h"

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/fill_steps.h"
#include "graphics/paint/glow_outline.h"
#include "graphics/paint/round_shapes.h"

namespace {

constexpr ColourRef kSilver = 0xC0C0C0, kGrey = 0x808080;
constexpr int kCornerSize = 5;
// The focus look: an accent glow of three widths inside the face.
constexpr int kFocusGlowCount = 3, kFocusGlowAlpha = 120;

// Alphas of the looks; the two ends of a gradient stand on one line.
constexpr int kBaseAlpha = 120;  // the white under every face
// The disabled sheen: white at both ends, black at 60 % of the height.
constexpr int kDisabledSheenAlpha = 50, kDisabledSheenDark = 10;
constexpr int kDisabledOutlineAlpha = 80, kFocusOutlineAlpha = 80, kPlainOutlineAlpha = 120;
constexpr int kFaceShadeAlpha = 60;  // grey at the bottom of the face
constexpr int kGlossTopAlpha = 50, kGlossBottomAlpha = 10;
// The hot look: accent over white, twice, then a black and an accent outline.
constexpr int kHotTintAlpha = 60, kHotTintWhiteAlpha = 80;
constexpr int kHotTint2Alpha = 30, kHotTint2WhiteAlpha = 100;
constexpr int kHotOutlineAlpha = 150, kHotAccentOutlineAlpha = 100;
constexpr int kPressedAccentAlpha = 60, kPressedWhiteAlpha = 100;

// Silver up to the rectangular edges, a soft vertical sheen in the rounded
// face and a faint outline.
void PaintDisabledFace(Graphics& g, const GraphicsPath& face, float l, float t, float w, float h) {
  SolidBrush silver;
  if (silver.Create(Colour(kSilver, kOpaque))) g.FillRectangle(silver, l, t, w, h);
  LinearGradientBrush sheen;
  if (sheen.Create(PointF{l, t}, PointF{l, t + h}, Colour(kWhite, kDisabledSheenAlpha),
                   Colour(kWhite, kDisabledSheenAlpha))) {
    sheen.SetPresetBlend({Colour(kWhite, kDisabledSheenAlpha), Colour(kBlack, kDisabledSheenDark),
                          Colour(kWhite, kDisabledSheenAlpha)},
                         {0.0f, 0.6f, 1.0f});
    g.FillPath(sheen, face);
  }
  OutlinePath(g, face, Colour(kBlack, kDisabledOutlineAlpha));
}

void PaintEnabledFace(Graphics& g, const GraphicsPath& face, int state, int l, int t, int w, int h) {
  const float fl = static_cast<float>(l);
  const float ft = static_cast<float>(t);
  const PointF top{fl, ft};
  const PointF bottom{fl, static_cast<float>(t + h - 1)};
  FillGradient(g, face, top, bottom, Colour(kWhite, kTransparent), Colour(kGrey, kFaceShadeAlpha));

  GraphicsPath gloss;
  if (gloss.Create() && AddRoundTopOutline(gloss, l, t, w - 1, h / 2, kCornerSize)) {
    FillGradient(g, gloss, top, PointF{fl, ft + static_cast<float>(h) * 0.5f},
                 Colour(kWhite, kGlossTopAlpha), Colour(kWhite, kGlossBottomAlpha));
  }

  if ((state & kPaintHot) != 0) {
    FillGradient(g, face, top, bottom, AccentAt(kHotTintAlpha), Colour(kWhite, kHotTintWhiteAlpha));
    FillGradient(g, face, top, bottom, AccentAt(kHotTint2Alpha), Colour(kWhite, kHotTint2WhiteAlpha));
    OutlinePath(g, face, Colour(kBlack, kHotOutlineAlpha));
    OutlinePath(g, face, AccentAt(kHotAccentOutlineAlpha));
  } else if ((state & kPaintFocus) != 0) {
    // Clipped to the face, only the inner half of the glow shows.
    g.SetClipPath(face);
    DrawGlowOutline(g, face, kFocusGlowCount, static_cast<ColourRef>(AccentColour), kFocusGlowAlpha);
    g.ResetClip();
    OutlinePath(g, face, Colour(kBlack, kFocusOutlineAlpha));
  } else {
    OutlinePath(g, face, Colour(kBlack, kPlainOutlineAlpha));
  }

  if ((state & kPaintPressed) != 0) {
    GraphicsPath sunken;
    if (sunken.Create() && AddRoundRect(sunken, fl + 2, ft + 2, static_cast<float>(w - 3),
                                        static_cast<float>(h - 3), kCornerSize)) {
      FillGradient(g, sunken, PointF{2.0f, 2.0f}, PointF{2.0f, static_cast<float>(h - 2)},
                   AccentAt(kPressedAccentAlpha), Colour(kWhite, kPressedWhiteAlpha));
    }
  }
}

// The caption, centred and 2 pixels below the centre line.
void PaintCaption(Graphics& g, HWND window, const ButtonRecord& record, int w, int h) {
  SolidBrush brush;
  Font font;
  StringFormat format;
  if (!brush.Create(Colour(static_cast<ColourRef>(GetPropInt(window, Kj_Ztys)), kOpaque)) ||
      !font.Create(record.fontFace, static_cast<float>(record.fontSize), record.fontStyle,
                   UnitWorld) ||
      !format.Create()) {
    return;
  }
  format.SetAlign(StringAlignmentCenter);
  format.SetLineAlign(StringAlignmentCenter);
  g.DrawString(record.caption, font, brush,
               RectF{0.0f, 2.0f, static_cast<float>(w), static_cast<float>(h)}, &format);
}

}  // namespace

void PaintPushButton(HWND window, HDC dc, int state, const RECT& rect) {
  const int l = rect.left;
  const int t = rect.top;
  const int w = rect.right - l;
  const int h = rect.bottom - t;
  const RegisteredDcOwner background(ComposeControlBackground(window, rect));
  HDC memory = background.get();
  if (memory == nullptr) return;  // nothing skinned lies behind the button
  {
    Graphics g;
    if (g.CreateFromHDC(memory)) {
      GraphicsPath face;
      face.Create();
      AddRoundRect(face, static_cast<float>(l), static_cast<float>(t), static_cast<float>(w - 1),
                   static_cast<float>(h - 1), kCornerSize);
      FillSolid(g, face, Colour(kWhite, kBaseAlpha));
      if ((state & kPaintDisabled) != 0) {
        PaintDisabledFace(g, face, static_cast<float>(l), static_cast<float>(t),
                          static_cast<float>(w), static_cast<float>(h));
      } else {
        PaintEnabledFace(g, face, state, l, t, w, h);
      }
      if (const ButtonRecord* record = ButtonRecordOf(window)) PaintCaption(g, window, *record, w, h);
      g.Flush(true);
    }
  }
  PresentToComposite(window, memory, false, false);
  BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY);
}
