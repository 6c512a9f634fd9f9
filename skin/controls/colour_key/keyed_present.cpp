// Colour-keyed presentation into the composite DC.
#include "skin/controls/colour_key/keyed_present.h"

#include "graphics/paint/clipping.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/window_geometry.h"
#include "skin/state/skin_state.h"

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
