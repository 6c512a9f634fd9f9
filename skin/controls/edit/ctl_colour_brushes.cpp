// The WM_CTLCOLOR* brushes of the skinned controls.
#include "skin/controls/edit/ctl_colour_brushes.h"

#include "skin/controls/edit/edit_skin.h"
#include "win32/handle_owners.h"
#include "skin/state/skin_state.h"

namespace {

void PrepareText(HDC dc, HWND control) {
  SetTextColor(dc, static_cast<COLORREF>(GetPropInt(control, Kj_Ztys)));
  SetBkMode(dc, TRANSPARENT);
}

}  // namespace

bool AnswerBackgroundBrush(HDC dc, HWND control, LRESULT& result) {
  PrepareText(dc, control);
  DeleteCtlColorObjects(control);
  BitmapOwner bitmap(EditBackgroundBitmap(control));
  if (!bitmap) return false;
  BrushOwner brush(CreatePatternBrush(bitmap.get()));
  if (!brush) return false;
  result = reinterpret_cast<LRESULT>(brush.get());
  SetPropHandle(control, Kj_dxjb, brush.release());
  SetPropHandle(control, Kj_wtjb, bitmap.release());
  return true;
}

LRESULT AnswerHollowBrush(HDC dc, HWND control) {
  PrepareText(dc, control);
  // A stock brush survives DeleteObject unharmed.
  if (HGDIOBJ old = GetPropHandle<HGDIOBJ>(control, Kj_dxjb)) DeleteObject(old);
  HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
  SetPropHandle(control, Kj_dxjb, hollow);
  return reinterpret_cast<LRESULT>(hollow);
}
