// Painting of one title-bar button: pressed look, hover glow, gloss, glyph
// and the separator lines of the strip.
#include <cmath>

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/image.h"
#include "graphics/gdiplus/pen.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/round_shapes.h"
#include "graphics/paint/window_geometry.h"
#include "skin/frame/frame_render.h"
#include "skin/frame/title_buttons.h"
#include "skin/state/skin_state.h"

namespace {

constexpr ColourRef kRed = 0x0000FF;
constexpr int kCloseCorner = 5;
constexpr int kGlowCorner = 1;
// Alphas of the pressed, plain and separator looks.
constexpr int kPressedCloseBottomAlpha = 30;  // opaque red to white 30 down a pressed close button
constexpr int kPressedShadeAlpha = 80;        // black 80 to white 5 down another pressed button
constexpr int kPressedShadeBottomAlpha = 5;
constexpr int kPlainGlossAlpha = 50;          // white at the top of a plain button

bool FillVertical(Graphics& g, const GraphicsPath& path, float x, float y1, float y2, Argb top,
                  Argb bottom) {
  LinearGradientBrush brush;
  if (!brush.Create({x, y1}, {x, y2}, top, bottom)) return false;
  return g.FillPath(brush, path);
}

// The area a button paints: x = rect.x - 1, y = stripY + 1 and the
// button's nominal size.
RectF AreaOf(const WindowRecord& rec, const TitleButton& button) {
  return {button.rect.x - 1, static_cast<float>(rec.stripY + 1), static_cast<float>(button.width),
          static_cast<float>(button.height)};
}

bool IsClose(const TitleButton& button) { return button.kind == kCloseButtonKind; }

void DrawGlyph(Graphics& g, const WindowRecord& rec, const TitleButton& button, float x, float y,
               float w, float h) {
  const Bytes& bytes =
      (button.kind == kMaximiseButtonKind && rec.maximized) ? button.restoreImage : button.image;
  if (bytes.empty()) return;
  Image glyph;
  if (glyph.LoadFromBytes(bytes)) g.DrawImageRect(glyph, x, y, w, h);
}

void PaintPressed(int index, WindowRecord& rec, const TitleButton& button) {
  const RectF a = AreaOf(rec, button);
  const RECT r = TruncatedRect(a);
  RestoreFromTitleCache(index, r);
  {
    Graphics g;
    if (!g.CreateFromHDC(rec.frameDC.get())) return;
    g.SetClipRectI(r.left, r.top, r.right - r.left, r.bottom - r.top);
    GraphicsPath shape;
    shape.Create();
    if (IsClose(button)) {
      AddCloseShape(shape, a.x, a.y, a.width, a.height, kCloseCorner);
      FillVertical(g, shape, a.x, a.y, a.y + a.height, Colour(kRed, kOpaque), Colour(kWhite, kPressedCloseBottomAlpha));
    } else {
      shape.AddRectangle(a.x, a.y, a.width, a.height);
      FillVertical(g, shape, a.x, a.y, a.y + a.height, Colour(kBlack, kPressedShadeAlpha), Colour(kWhite, kPressedShadeBottomAlpha));
    }
    DrawGlyph(g, rec, button, a.x, a.y, a.width - 1, a.height);
  }
  ShowFrameArea(rec, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void PaintPlain(Graphics& g, int index, WindowRecord& rec, int b, int alpha) {
  const TitleButton& button = *rec.titleButtons[b - 1];
  const RectF a = AreaOf(rec, button);
  PaintButtonGlow(g, index, b, alpha);
  LinearGradientBrush gloss;
  if (gloss.Create({a.x, a.y}, {a.x, a.y + a.height}, Colour(kWhite, kPlainGlossAlpha), Colour(kBlack, kTransparent))) {
    g.FillRectangle(gloss, a.x - 1, a.y, a.width + 1, a.height - 1);
  }
  DrawGlyph(g, rec, button, a.x, a.y, a.width, a.height);
  PaintButtonSeparators(index, b, g);
}

}  // namespace

bool AddCloseShape(GraphicsPath& path, float x, float y, float w, float h, float r) {
  bool ok = path.AddLine(x, y, x + w - r, y);
  // A quarter of the circle of radius r whose box is 2r wide: from the top
  // edge at x + w - r round into the right edge at y + r.
  ok = path.AddArc(x + w - 2 * r, y, 2 * r, 2 * r, 270, 90) && ok;
  ok = path.AddLine(x + w, y + r, x + w, y + h) && ok;
  ok = path.AddLine(x + w, y + h, x, y + h) && ok;
  return path.CloseFigure() && ok;
}

void PaintTitleButton(int index, int b, Graphics* graphics, bool intoBackBuffer, bool pressed,
                      int alpha) {
  WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return;
  TitleButton* button = RecordAt(rec->titleButtons, b);
  if (button == nullptr || !rec->frameDC) return;
  if (pressed) {
    if (!rec->titleCacheDC) return;
    PaintPressed(index, *rec, *button);
    return;
  }
  if (intoBackBuffer) {
    if (graphics != nullptr) PaintPlain(*graphics, index, *rec, b, alpha);
    return;
  }
  if (!rec->titleCacheDC) return;
  // A direct paint repaints the button's area from the title cache and
  // stays inside it: drawing that reaches beyond it (the gloss's extra
  // column, the separator lines) was painted by the full render and would
  // otherwise pile up with every hover step.
  const RECT r = TruncatedRect(AreaOf(*rec, *button));
  RestoreFromTitleCache(index, r);
  {
    Graphics g;
    if (!g.CreateFromHDC(rec->frameDC.get())) return;
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.SetClipRectI(r.left, r.top, r.right - r.left, r.bottom - r.top);
    PaintPlain(g, index, *rec, b, alpha);
  }
  ShowFrameArea(*rec, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void PaintButtonGlow(Graphics& graphics, int index, int b, int alpha) {
  WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return;
  const TitleButton* button = RecordAt(rec->titleButtons, b);
  if (button == nullptr) return;
  const float x = button->rect.x - 1;
  const float y = button->rect.y;
  const float w = static_cast<float>(button->width);
  const float h = static_cast<float>(button->height);

  graphics.Flush(true);
  RestoreFromTitleCache(index, TruncatedRect(RectF{x, y, w, h}));

  GraphicsPath plate;
  plate.Create();
  AddRoundRect(plate, x, y, w, h, kGlowCorner);
  FillVertical(graphics, plate, x, y, y + h + 1, Colour(kBlack, alpha / 5), Colour(kWhite, kTransparent));
  if (IsClose(*button)) {
    GraphicsPath shape;
    shape.Create();
    AddCloseShape(shape, x, y, w, h, kCloseCorner);
    FillVertical(graphics, shape, x, y, y + h + 1, Colour(kRed, alpha), Colour(kWhite, kTransparent));
  } else {
    FillVertical(graphics, plate, x, y, y + h + 1, Colour(static_cast<ColourRef>(AccentColour), alpha),
                 Colour(kWhite, kTransparent));
  }

  const float upper = std::floor(h * 0.8f);
  GraphicsPath rim;
  rim.Create();
  if (IsClose(*button)) {
    AddCloseShape(rim, x, y, w - 1, upper, kCloseCorner);
  } else {
    AddRoundRect(rim, x, y, w - 1, upper, kGlowCorner);
  }
  LinearGradientBrush rimBrush;
  if (!rimBrush.Create({x, y}, {x, y + upper}, Colour(kWhite, static_cast<int>(alpha * 0.8f)),
                       Colour(kWhite, kTransparent))) {
    return;
  }
  Pen pen;
  if (pen.Create2(rimBrush, 1)) graphics.DrawPath(pen, rim);
}

void PaintButtonSeparators(int index, int b, Graphics& graphics) {
  WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return;
  const TitleButton* button = RecordAt(rec->titleButtons, b);
  if (button == nullptr) return;
  const float top = static_cast<float>(rec->stripY + 1);
  const float bottom = static_cast<float>(rec->stripY + rec->stripHeight - 4);
  const float fadeStart = static_cast<float>(rec->stripY);
  const float fadeEnd = static_cast<float>(rec->stripY + rec->stripHeight - 3);
  auto line = [&](float sx, int alpha) {
    LinearGradientBrush brush;
    if (!brush.Create({sx, fadeStart}, {sx, fadeEnd}, Colour(kBlack, alpha), Colour(kBlack, kTransparent))) {
      return;
    }
    Pen pen;
    if (pen.Create2(brush, 1)) graphics.DrawLine(pen, sx, top, sx, bottom);
  };
  line(button->rect.x - 2, b == 1 ? 100 : 60);
  const TitleButton* next = RecordAt(rec->titleButtons, b + 1);
  if (next != nullptr) line(next->rect.x - 2, 60);
}
