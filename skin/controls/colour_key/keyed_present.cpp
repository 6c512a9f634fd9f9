// Colour-keyed presentation into the composite DC.
#include "skin/controls/colour_key/keyed_present.h"

#include "graphics/gdiplus/graphics.h"
#include "graphics/paint/clipping.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/control_background.h"
#include "graphics/paint/window_geometry.h"
#include "skin/controls/colour_key/key_colour_pixels.h"
#include "skin/state/skin_state.h"
#include "win32/handle_owners.h"
#include "win32/window_helpers.h"

bool PresentKeyedToComposite(HWND window, HDC sourceDC) {
  const WindowRecord* record = WindowRecordAt(CompositeRecordIndex(window, false));
  if (record == nullptr || !record->frameCopy) return false;
  HDC composite = record->frameCopy.get();
  const RECT r = WindowRectInSkinnedWindow(window);
  const int w = RectWidth(r), h = RectHeight(r);
  ExcludeVisibleChildren(window, composite);
  const BOOL copied = TransparentBlt(composite, r.left, r.top, w, h, sourceDC, 0, 0, w, h,
                                     kCompositeColourKey);
  SelectClipRgn(composite, nullptr);
  return copied != FALSE;
}

void PaintNonClientPicture(HWND control, const RECT& client, bool keyed,
                           const std::function<void(Graphics&, int, int)>& draw) {
  const SIZE size = WindowSize(control);
  const int w = size.cx, h = size.cy;
  const RegisteredDcOwner background(ComposeControlBackground(control, {0, 0, w, h}));
  HDC dc = background.get();
  if (dc == nullptr) return;
  {
    Graphics graphics;
    if (graphics.CreateFromHDC(dc)) draw(graphics, w, h);
  }
  if (keyed) NormaliseKeyPixels(dc);
  {
    const WindowDc screen = WindowDc::WholeWindow(control);
    ExcludeClipRect(screen.get(), client.left, client.top, client.right, client.bottom);
    if (keyed) {
      TransparentBlt(screen.get(), 0, 0, w, h, dc, 0, 0, w, h, kCompositeColourKey);
    } else {
      BitBlt(screen.get(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
    }
  }
  PresentKeyedToComposite(control, dc);
}
