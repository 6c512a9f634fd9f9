// Painters of the edit box skin: the non-client frame with its outline, the
// client background on WM_ERASEBKGND, and the background bitmap behind the
// client area that the containing window makes its WM_CTLCOLOR* brush of.
#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/pen.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/fill_steps.h"
#include "skin/controls/edit/edit_geometry.h"
#include "skin/controls/edit/edit_skin.h"
#include "skin/controls/colour_key/keyed_present.h"
#include "graphics/paint/control_background.h"
#include "win32/handle_owners.h"
#include "skin/state/skin_state.h"

namespace {

// Alphas of the outline.
constexpr int kHotWhiteAlpha = 60;    // the hot edge: white, accent 90, then accent 180 inside
constexpr int kHotAccentAlpha = 90;
constexpr int kStrongAccentAlpha = 180;
constexpr int kPlainAlpha = 80;       // black round a box that has neither hover nor focus

Argb OverlayWhite() { return Colour(kWhite, ControlOverlayAlpha); }

// The edit record of box through its owning window record, or nullptr.
const EditRecord* OutlineRecord(HWND box, int* windowIndex) {
  *windowIndex = FindOwningWindowRecord(box);
  WindowRecord* record = WindowRecordAt(*windowIndex);
  if (record == nullptr) return nullptr;
  return RecordAt(record->edits, FindEditRecord(*windowIndex, box));
}

// The outline of a box of w x h with border kind kind.
void DrawOutline(Graphics& graphics, int w, int h, int kind, bool focus, bool hot) {
  const float fw = static_cast<float>(w), fh = static_cast<float>(h);
  if (hot && kind == kBorderEdge) {
    OutlineRectangle(graphics, 0, 0, fw - 1, fh - 1, Colour(kWhite, kHotWhiteAlpha));
    OutlineRectangle(graphics, 0, 0, fw - 1, fh - 1, AccentAt(kHotAccentAlpha));
    OutlineRectangle(graphics, 1, 1, fw - 3, fh - 3, AccentAt(kStrongAccentAlpha));
  } else {
    OutlineRectangle(graphics, 0, 0, fw - 1, fh - 1, focus ? AccentAt(kStrongAccentAlpha) : Colour(kBlack, kPlainAlpha));
  }
}

void FillOverlay(HDC dc, int w, int h) {
  Graphics graphics;
  SolidBrush white;
  if (graphics.CreateFromHDC(dc) && white.Create(OverlayWhite())) {
    graphics.FillRectangle(white, 0, 0, static_cast<float>(w), static_cast<float>(h));
  }
}

}  // namespace

int EditBorderKind(HWND box) {
  return BorderKind(static_cast<std::uint32_t>(GetWindowLongA(box, GWL_STYLE)),
                    static_cast<std::uint32_t>(GetWindowLongA(box, GWL_EXSTYLE)));
}

RECT EditClientBox(HWND box) {
  const SIZE size = WindowSize(box);
  RECT client = {};
  GetClientRect(box, &client);
  const RECT c = EditClientBoxFor(size.cx, size.cy, client.right, client.bottom,
                                     static_cast<std::uint32_t>(GetWindowLongA(box, GWL_STYLE)));
  return {c.left, c.top, c.right, c.bottom};
}

void PaintEditFrame(HWND box, std::optional<bool> focus, std::optional<bool> hot) {
  const RECT c = EditClientBox(box);
  PaintNonClientPicture(box, c, false, [&](Graphics& graphics, int w, int h) {
    // Only the ring outside the client area is drawn on.
    graphics.SetClipRectI(0, 0, w, h, CombineModeReplace);
    graphics.SetClipRectI(c.left, c.top, c.right - c.left, c.bottom - c.top, CombineModeXor);
    if (ControlBackdropSet == 1) {
      SolidBrush white;
      if (white.Create(OverlayWhite())) {
        graphics.FillRectangle(white, 0, 0, static_cast<float>(w), static_cast<float>(h));
      }
    } else {
      graphics.Clear(kOpaqueWhite);
    }
    const int kind = EditBorderKind(box);
    int windowIndex = 0;
    const EditRecord* record = OutlineRecord(box, &windowIndex);
    if (kind != kBorderNone && windowIndex != 0) {
      const bool f = focus.value_or(record != nullptr && record->hasFocus);
      const bool hh = hot.value_or(record != nullptr && record->hot);
      DrawOutline(graphics, w, h, kind, f, hh);
    }
  });
}

void PaintEditBackground(HWND box, HDC dc) {
  const RECT c = EditClientBox(box);
  const int w = c.right - c.left, h = c.bottom - c.top;
  const RegisteredDcOwner background(ComposeControlBackground(box, c));
  if (background.get() == nullptr) return;
  FillOverlay(background.get(), w, h);
  BitBlt(dc, 0, 0, w, h, background.get(), 0, 0, SRCCOPY);
}

HBITMAP EditBackgroundBitmap(HWND box) {
  const RECT c = EditClientBox(box);
  const int w = c.right - c.left, h = c.bottom - c.top;
  const RegisteredDcOwner background(ComposeControlBackground(box, c));
  if (background.get() == nullptr) return nullptr;
  FillOverlay(background.get(), w, h);
  HBITMAP bitmap = CreateCompatibleBitmap(background.get(), w, h);
  if (bitmap == nullptr) return nullptr;
  const CompatibleDc copy(nullptr, bitmap);
  BitBlt(copy.get(), 0, 0, w, h, background.get(), 0, 0, SRCCOPY);
  return bitmap;
}
