// Painters of the list-type skin: the non-client frame, the overlaid client
// background, and the two compositions of the client area.
#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/pen.h"
#include "graphics/paint/child_invalidation.h"
#include "graphics/paint/clipping.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/composite_present.h"
#include "skin/controls/edit/edit_geometry.h"
#include "skin/controls/edit/edit_skin.h"
#include "skin/controls/colour_key/keyed_present.h"
#include "skin/controls/lists/list_records.h"
#include "skin/controls/lists/list_skin.h"
#include "graphics/paint/control_background.h"
#include "win32/handle_owners.h"

namespace {

Argb KeyColour() { return Colour(kColourKey, kOpaque); }

void FillOverlay(Graphics& g, int w, int h) {
  SolidBrush white;
  if (white.Create(Colour(kWhite, ControlOverlayAlpha))) {
    g.FillRectangle(white, 0, 0, static_cast<float>(w), static_cast<float>(h));
  }
}

// The ring outside the client box shows the background (under the overlay,
// or opaque white without backdrop) with the outline; the client box itself
// takes the key colour, so that neither screen nor composite change there.
void DrawFrameRing(Graphics& g, int w, int h, const RECT& c, const ListOutline& outline) {
  const int cw = c.right - c.left, ch = c.bottom - c.top;
  g.SetClipRectI(0, 0, w, h, CombineModeReplace);
  g.SetClipRectI(c.left, c.top, cw, ch, CombineModeXor);
  if (ControlBackdropSet == 1) {
    FillOverlay(g, w, h);
  } else {
    g.Clear(kOpaqueWhite);
  }
  g.ResetClip();
  g.SetClipRectI(c.left, c.top, cw, ch, CombineModeReplace);
  g.Clear(KeyColour());
  g.ResetClip();

  const Argb colour = outline.accent ? Colour(static_cast<ColourRef>(AccentColour), outline.alpha)
                                     : Colour(kBlack, outline.alpha);
  Pen pen;
  if (pen.Create1(colour, outline.width)) {
    g.DrawRectangle(pen, outline.rect.x, outline.rect.y, outline.rect.width, outline.rect.height);
  }
}

LRESULT CallSavedPaint(HWND control, HDC dc, LPARAM lParam) {
  return CallWindowProcA(SavedProcOf(control), control, WM_PAINT, reinterpret_cast<WPARAM>(dc), lParam);
}

}  // namespace

HDC ListClientBackground(HWND control) {
  const RECT c = EditClientBox(control);
  const int w = c.right - c.left, h = c.bottom - c.top;
  HDC dc = ComposeControlBackground(control, c);
  if (dc == nullptr) return nullptr;
  Graphics g;
  if (g.CreateFromHDC(dc)) {
    FillOverlay(g, w, h);
    g.Flush(true);
  }
  return dc;
}

void PaintListFrame(int windowIndex, int controlIndex, std::optional<bool> hot,
                    std::optional<bool> focus) {
  const ListRecord* record = ControlRecordAt(windowIndex, &WindowRecord::lists, controlIndex);
  if (record == nullptr) return;
  HWND control = record->window;
  const bool isHot = hot.value_or(record->hot);
  const bool focused = focus.value_or(record->hasFocus);
  const RECT c = EditClientBox(control);
  PaintNonClientPicture(control, c, true, [&](Graphics& g, int w, int h) {
    if (ListKindOf(control) == ListKind::ComboList || EditBorderKind(control) == kBorderNone) {
      g.Clear(KeyColour());  // nothing of the frame shows
    } else {
      DrawFrameRing(g, w, h, c, ListFrameOutline(w, h, isHot, focused, WideHotFrame == 1));
    }
    g.Flush(true);
  });
}

bool ComposeTreeViewClient(HWND control, LPARAM lParam) {
  RECT c = {};
  GetClientRect(control, &c);
  const int w = c.right - c.left, h = c.bottom - c.top;
  // Both pictures are made before the control paints: once it has painted
  // into the first, the paint can no longer be handed back to it.
  const RegisteredDcOwner items(ComposeControlBackground(control, c));
  const RegisteredDcOwner picture(items ? ListClientBackground(control) : nullptr);
  if (!items || !picture) return false;
  CallSavedPaint(control, items.get(), lParam);
  const WindowDc screen = WindowDc::Adopt(control, GetDcWithoutChildren(control, nullptr, false));
  TransparentBlt(picture.get(), 0, 0, w, h, items.get(), 0, 0, w, h, kCompositeColourKey);
  BitBlt(screen.get(), 0, 0, w, h, picture.get(), 0, 0, SRCCOPY);
  PresentToComposite(control, picture.get(), false, false);
  return true;
}

bool ComposeListClient(HWND control, LPARAM lParam) {
  RECT c = {};
  GetClientRect(control, &c);
  const int w = c.right - c.left, h = c.bottom - c.top;
  const RegisteredDcOwner picture(ListClientBackground(control));
  if (picture.get() == nullptr) return false;
  {
    // The paint DC is given back with ReleaseDC, as the frame does with its own.
    PaintDc paint(control);
    const WindowDc screen = WindowDc::Adopt(control, paint.HandOver());
    CallSavedPaint(control, picture.get(), lParam);
    BitBlt(screen.get(), 0, 0, w, h, picture.get(), 0, 0, SRCCOPY);
    PresentToComposite(control, picture.get(), false, false);
  }
  InvalidateVisibleChildren(control);
  return true;
}
