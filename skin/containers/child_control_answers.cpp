// The answers a window holding skinned controls gives them: control skins,
// control colours, repaints on commands and notifications, and the release
// of the colour objects. The frame procedure and the container procedure
// both answer through these.
#include "skin/containers/child_control_answers.h"

#include <commctrl.h>

#include "skin/containers/toolbar_skin.h"
#include "skin/controls/buttons/check_radio_skin.h"
#include "skin/controls/edit/ctl_colour_brushes.h"
#include "skin/controls/edit/edit_skin.h"
#include "skin/controls/bars/header_skin.h"
#include "skin/controls/lists/list_skin.h"
#include "skin/controls/bars/progress_skin.h"
#include "skin/controls/buttons/push_button_skin.h"
#include "skin/controls/scroll_bars/scroll_bar_windows.h"
#include "skin/controls/bars/trackbar_skin.h"
#include "skin/controls/bars/updown_skin.h"
#include "skin/state/skin_state.h"

namespace {

bool BackdropSkinning() { return SkinChildControls == 1 && ControlBackdropSet == 1; }

bool IsOwnerDrawnListBox(HWND control) {
  return (StyleOf(control) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

void Invalidate(HWND control) { InvalidateRect(control, nullptr, TRUE); }

// Sets redraw of the container record that tab (a tab control) has.
void MarkTabRedraw(HWND tab) {
  if (ContainerRecord* container = ControlRecordOf(tab, &WindowRecord::containers)) {
    container->redraw = true;
  }
}

void RepaintOnEditCommand(HWND edit, WORD code) {
  switch (code) {
    case EN_CHANGE:
      Invalidate(edit);
      RepaintScrollBars(edit);
      break;
    case EN_VSCROLL:
    case EN_HSCROLL:
    case EN_UPDATE:
      Invalidate(edit);
      break;
    default:
      break;
  }
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
  if (control == nullptr) return false;
  switch (message) {
    case WM_CTLCOLOREDIT:
      // The edit part of a combo box is coloured by the combo box.
      if (IsWindowClass(GetParent(control), WC_COMBOBOXA) || !BackdropSkinning()) return false;
      return AnswerBackgroundBrush(dc, control, result);
    case WM_CTLCOLORSTATIC:
      return BackdropSkinning() && AnswerBackgroundBrush(dc, control, result);
    case WM_CTLCOLORLISTBOX:
      if (SkinChildControls != 1 || !IsWindowClass(control, WC_LISTBOXA) ||
          IsOwnerDrawnListBox(control) || ControlBackdropSet != 1) {
        return false;
      }
      result = AnswerHollowBrush(dc, control);
      return true;
    case WM_CTLCOLORBTN:
      if (!BackdropSkinning()) return false;
      result = AnswerHollowBrush(dc, control);
      return true;
    default:
      return false;
  }
}

void RepaintOnChildCommand(WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  if (!BackdropSkinning() || control == nullptr) return;
  const WORD code = HIWORD(wParam);
  if (IsWindowClass(control, WC_EDITA)) {
    RepaintOnEditCommand(control, code);
  } else if (IsWindowClass(control, WC_LISTBOXA)) {
    if (code == LBN_SELCHANGE || code == LBN_SELCANCEL) Invalidate(control);
  } else if (IsWindowClass(control, WC_COMBOBOXA)) {
    if (code == CBN_SELCHANGE || code == CBN_KILLFOCUS) Invalidate(control);
  }
}

void RepaintOnChildNotify(LPARAM lParam) {
  if (lParam == 0) return;
  const NMHDR header = *reinterpret_cast<const NMHDR*>(lParam);
  switch (header.code) {
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDEDA:
      Invalidate(header.hwndFrom);
      break;
    case TCN_SELCHANGING:
      MarkTabRedraw(header.hwndFrom);
      break;
    case UDN_DELTAPOS: {
      HWND parent = GetParent(header.hwndFrom);
      if (IsWindowClass(parent, WC_TABCONTROLA)) MarkTabRedraw(parent);
      break;
    }
    default:
      break;
  }
}

void DeleteChildCtlColorObjects(HWND parent) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    // A toolbar's Kj_wtjb is its image list, not a colour object.
    if (!IsWindowClass(child, TOOLBARCLASSNAMEA)) DeleteCtlColorObjects(child);
  }
}
