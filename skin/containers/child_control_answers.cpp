// The answers a window holding skinned controls gives them: control skins,
// control colours, repaints on commands and notifications, stale marking.
#include "skin/containers/child_control_answers.h"

#include <commctrl.h>

#include "skin/containers/toolbar_skin.h"
#include "skin/controls/check_radio_skin.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/header_skin.h"
#include "skin/controls/list_skin.h"
#include "skin/controls/progress_skin.h"
#include "skin/controls/push_button_skin.h"
#include "skin/controls/trackbar_skin.h"
#include "skin/controls/updown_skin.h"
#include "skin/controls/scroll_bar_windows.h"
#include "skin/state/skin_state.h"

namespace {

bool BackdropSkinning() { return SkinChildControls == 1 && ControlBackdropSet == 1; }

HGDIOBJ PropObject(HWND window, const char* name) {
  return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(window, name)));
}

void SetPropObject(HWND window, const char* name, HGDIOBJ object) {
  SetPropInt(window, name, static_cast<int>(reinterpret_cast<INT_PTR>(object)));
}

void PrepareTextSettings(HDC dc, HWND control) {
  SetTextColor(dc, static_cast<COLORREF>(GetPropInt(control, Kj_Ztys)));
  SetBkMode(dc, TRANSPARENT);
}

// A pattern brush of the background behind control; brush and bitmap are
// kept in the control's properties until the next answer or its end.
LRESULT BackgroundBrush(HDC dc, HWND control) {
  PrepareTextSettings(dc, control);
  DeleteCtlColorObjects(control);
  HBITMAP bitmap = EditBackgroundBitmap(control);
  HBRUSH brush = bitmap != nullptr ? CreatePatternBrush(bitmap) : nullptr;
  SetPropObject(control, Kj_dxjb, brush);
  SetPropObject(control, Kj_wtjb, bitmap);
  if (brush == nullptr) return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  return reinterpret_cast<LRESULT>(brush);
}

LRESULT HollowBrush(HDC dc, HWND control) {
  PrepareTextSettings(dc, control);
  HGDIOBJ old = PropObject(control, Kj_dxjb);
  if (old != nullptr) DeleteObject(old);  // a stock brush is not deleted by the system
  HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
  SetPropObject(control, Kj_dxjb, hollow);
  return reinterpret_cast<LRESULT>(hollow);
}

bool IsOwnerDrawnListBox(HWND control) {
  const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
  return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

void RepaintEditBars(HWND box) {
  const WindowRecord* owner = OwnerRecordOf(box);
  if (owner == nullptr) return;
  const EditRecord* record = RecordAt(owner->edits, GetPropInt(box, Hw_lbID));
  if (record == nullptr || record->window != box) return;
  const DWORD style = static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
  const bool vertical = record->verticalBar != nullptr && (style & WS_VSCROLL) != 0;
  const bool horizontal = record->horizontalBar != nullptr && (style & WS_HSCROLL) != 0;
  if (vertical) PaintVerticalScrollBar(box, 0);
  if (horizontal) PaintHorizontalScrollBar(box, 0);
}

// Sets redraw of the container record that tab (a tab control) has.
void MarkTabRedraw(HWND tab) {
  const int f = GetPropInt(tab, Hw_FuID);
  const int i = GetPropInt(tab, Hw_lbID);
  if (f < 1 || i < 1) return;
  const WindowRecord* owner = WindowRecordAt(f);
  if (owner == nullptr) return;
  if (ContainerRecord* container = RecordAt(owner->containers, i)) container->redraw = 1;
}

}  // namespace

void InstallChildControlSkins(int windowIndex, HWND parent) {
  InstallPushButtonSkins(windowIndex, parent);
  InstallCheckAndRadioSkins(windowIndex, parent);
  InstallEditSkins(windowIndex, parent);  // with the combo boxes
  InstallTrackbarSkins(windowIndex, parent);
  InstallProgressSkins(windowIndex, parent);
  InstallListSkins(windowIndex, parent);
  InstallUpDownSkins(windowIndex, parent);
  InstallHeaderSkins(windowIndex, parent);
  InstallToolbarSkins(windowIndex, parent);  // toolbars go last
}

bool AnswerChildControlColour(UINT message, HDC dc, HWND control, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLOREDIT:
      // The edit part of a combo box is coloured by the combo box.
      if (IsWindowClass(GetParent(control), WC_COMBOBOXA) || !BackdropSkinning()) return false;
      result = BackgroundBrush(dc, control);
      return true;
    case WM_CTLCOLORSTATIC:
      if (!BackdropSkinning()) return false;
      result = BackgroundBrush(dc, control);
      return true;
    case WM_CTLCOLORLISTBOX:
      if (SkinChildControls != 1 || !IsWindowClass(control, WC_LISTBOXA) ||
          IsOwnerDrawnListBox(control) || ControlBackdropSet != 1) {
        return false;
      }
      result = HollowBrush(dc, control);
      return true;
    case WM_CTLCOLORBTN:
      if (!BackdropSkinning()) return false;
      result = HollowBrush(dc, control);
      return true;
    default:
      return false;
  }
}

void RepaintOnChildCommand(WPARAM wParam, LPARAM lParam) {
  if (!BackdropSkinning()) return;
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control == nullptr) return;
  const WORD code = HIWORD(wParam);
  if (IsWindowClass(control, WC_EDITA)) {
    if (code == EN_CHANGE) {
      InvalidateRect(control, nullptr, TRUE);
      RepaintEditBars(control);
    } else if (code == EN_VSCROLL || code == EN_HSCROLL || code == EN_UPDATE) {
      InvalidateRect(control, nullptr, TRUE);
    }
  } else if (IsWindowClass(control, WC_LISTBOXA)) {
    if (code == LBN_SELCHANGE || code == LBN_SELCANCEL) InvalidateRect(control, nullptr, TRUE);
  } else if (IsWindowClass(control, WC_COMBOBOXA)) {
    if (code == CBN_SELCHANGE || code == CBN_KILLFOCUS) InvalidateRect(control, nullptr, TRUE);
  }
}

void RepaintOnChildNotify(LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header == nullptr) return;
  const NMHDR copy = *header;
  const int code = static_cast<int>(copy.code);
  if (code == static_cast<int>(TVN_ITEMEXPANDINGA) || code == static_cast<int>(TVN_ITEMEXPANDEDA)) {
    InvalidateRect(copy.hwndFrom, nullptr, TRUE);
  } else if (code == static_cast<int>(TCN_SELCHANGING)) {
    MarkTabRedraw(copy.hwndFrom);
  } else if (code == static_cast<int>(UDN_DELTAPOS)) {
    HWND parent = GetParent(copy.hwndFrom);
    if (IsWindowClass(parent, WC_TABCONTROLA)) MarkTabRedraw(parent);
  }
}

void DeleteChildCtlColorObjects(HWND parent) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    // A toolbar's Kj_wtjb is its image list, not a colour object.
    if (!IsWindowClass(child, TOOLBARCLASSNAMEA)) DeleteCtlColorObjects(child);
  }
}
