// Presentation into and out of the composite DC.
#include "graphics/paint/composite_present.h"

#include "graphics/paint/clipping.h"
#include "graphics/paint/control_background.h"
#include "graphics/paint/window_geometry.h"
#include "skin/state/skin_state.h"
#include "win32/handle_owners.h"

int CompositeRecordIndex(HWND window, bool useKjProps) {
  int index = GetPropInt(window, useKjProps ? Kj_FuID : Hw_FuID);
  if (index == 0) index = GetPropInt(window, Hw_lbID);
  return index;
}

bool PresentToComposite(HWND window, HDC sourceDC, bool useKjProps, bool useWindowRect) {
  const WindowRecord* record = WindowRecordAt(CompositeRecordIndex(window, useKjProps));
  if (record == nullptr) return false;
  HDC composite = record->frameCopy.get();
  const RECT r = useWindowRect ? WindowRectInSkinnedWindow(window) : ClientBoxInSkinnedWindow(window);
  ExcludeVisibleChildren(window, composite);
  const BOOL copied =
      BitBlt(composite, r.left, r.top, RectWidth(r), RectHeight(r), sourceDC, 0, 0, SRCCOPY);
  SelectClipRgn(composite, nullptr);
  return copied != FALSE;
}

bool RepaintFromComposite(HWND window, bool useKjProps, bool excludeOnlyUnskinned, std::optional<HDC> dc) {
  const WindowRecord* record = WindowRecordAt(CompositeRecordIndex(window, useKjProps));
  // A given DC is released here on every path.
  WindowDc given = WindowDc::Adopt(window, dc.value_or(nullptr));
  if (record == nullptr) return false;
  const RECT r = ClientBoxInSkinnedWindow(window);
  WindowDc target = WindowDc::Adopt(window, nullptr);
  if (excludeOnlyUnskinned) {
    given = WindowDc::Adopt(window, nullptr);
    target = WindowDc::Adopt(window, GetDcWithoutUnskinnedChildren(window, nullptr, false));
  } else {
    target = WindowDc::Adopt(window, GetDcWithoutChildren(window, given.release(), dc.has_value()));
  }
  return BitBlt(target.get(), 0, 0, RectWidth(r), RectHeight(r), record->frameCopy.get(), r.left,
                r.top, SRCCOPY) != FALSE;
}

void PresentAndShow(HWND window, HDC composed, int width, int height, bool useKjProps,
                    bool useWindowRect) {
  PresentToComposite(window, composed, useKjProps, useWindowRect);
  const WindowDc target = WindowDc::Adopt(window, GetDcWithoutChildren(window, nullptr, false));
  BitBlt(target.get(), 0, 0, width, height, composed, 0, 0, SRCCOPY);
}

bool PaintClientOverBackground(HWND window, const RECT& client, const std::function<void(HDC)>& draw,
                               bool useKjProps, bool useWindowRect) {
  const RegisteredDcOwner dc(ComposeControlBackground(window, client));
  if (!dc) return false;
  draw(dc.get());
  PresentAndShow(window, dc.get(), client.right, client.bottom, useKjProps, useWindowRect);
  return true;
}
