// What a skinned frame does for the controls lying on it: the colours and
// brushes it hands them on WM_CTLCOLOR*, the repaints their commands and
// notifications need, and the release of those brushes when the frame goes.
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/edit_skin.h"
#include "skin/controls/scroll_bar_layout.h"
#include "skin/controls/scroll_bar_windows.h"
#include "skin/frame/frame_proc.h"
#include "skin/frame/frame_proc_handlers.h"

namespace {

// Menu commands carry this notification code when they come from an
// accelerator instead of a menu.
constexpr int kAcceleratorCode = 1;

bool ControlSkinsAnswer() { return SkinChildControls == 1 && ControlBackdropSet == 1; }

void Invalidate(HWND control) { InvalidateRect(control, nullptr, TRUE); }

// An owner-drawn popup menu's command: the menu record's callback with the
// item number.
void RunMenuCommand(WPARAM wParam) {
  const MenuCommand command = SplitMenuCommand(static_cast<unsigned long>(wParam));
  if (command.menu < 1 || command.menu > ListLength(MenuRecords)) return;
  const MenuRecord* menu = RecordAt(MenuRecords, static_cast<int>(command.menu));
  if (menu != nullptr && menu->commandCallback) {
    StatusItemCallback(menu->commandCallback)(command.item);
  }
}

void OnEditCommand(HWND edit, int code) {
  switch (code) {
    case EN_CHANGE: {
      Invalidate(edit);
      const EditRecord* record = ControlRecordOf(edit, &WindowRecord::edits);
      if (record == nullptr) break;
      const LONG style = GetWindowLongA(edit, GWL_STYLE);
      const bool vertical = record->verticalBar != nullptr && (style & WS_VSCROLL) != 0;
      const bool horizontal = record->horizontalBar != nullptr && (style & WS_HSCROLL) != 0;
      if (vertical) PaintVerticalScrollBar(edit, kScrollPartNone);
      if (horizontal) PaintHorizontalScrollBar(edit, kScrollPartNone);
      break;
    }
    case EN_VSCROLL:
    case EN_HSCROLL:
    case EN_UPDATE:
      Invalidate(edit);
      break;
    default:
      break;
  }
}

// A tab control's container paints completely next time.
void MarkTabForRedraw(HWND tab) {
  if (ContainerRecord* record = ControlRecordOf(tab, &WindowRecord::containers)) {
    record->redraw = 1;
  }
}

void SetControlText(HDC dc, HWND control) {
  SetTextColor(dc, static_cast<COLORREF>(GetPropInt(control, Kj_Ztys)));
  SetBkMode(dc, TRANSPARENT);
}

// A pattern brush of the background behind the control; the brush and
// its bitmap replace (and delete) those handed out before.
bool BackgroundBrush(HDC dc, HWND control, LRESULT& result) {
  SetControlText(dc, control);
  DeleteCtlColorObjects(control);
  HBITMAP bitmap = EditBackgroundBitmap(control);
  if (bitmap == nullptr) return false;
  HBRUSH brush = CreatePatternBrush(bitmap);
  if (brush == nullptr) {
    DeleteObject(bitmap);
    return false;
  }
  SetPropA(control, Kj_dxjb, brush);
  SetPropA(control, Kj_wtjb, bitmap);
  result = reinterpret_cast<LRESULT>(brush);
  return true;
}

bool HollowBrush(HDC dc, HWND control, LRESULT& result) {
  SetControlText(dc, control);
  if (HANDLE old = GetPropA(control, Kj_dxjb)) DeleteObject(static_cast<HGDIOBJ>(old));
  HGDIOBJ brush = GetStockObject(NULL_BRUSH);
  SetPropA(control, Kj_dxjb, brush);
  result = reinterpret_cast<LRESULT>(brush);
  return true;
}

}  // namespace

void OnFrameCommand(WPARAM wParam, LPARAM lParam) {
  const int code = HIWORD(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control == nullptr && code != kAcceleratorCode) RunMenuCommand(wParam);
  if (!ControlSkinsAnswer() || control == nullptr) return;
  if (IsWindowClass(control, "Edit")) {
    OnEditCommand(control, code);
  } else if (IsWindowClass(control, "ListBox")) {
    if (code == LBN_SELCHANGE || code == LBN_SELCANCEL) Invalidate(control);
  } else if (IsWindowClass(control, "ComboBox")) {
    if (code == CBN_SELCHANGE || code == CBN_KILLFOCUS) Invalidate(control);
  }
}

void OnFrameNotify(LPARAM lParam) {
  if (lParam == 0) return;
  const NMHDR header = *reinterpret_cast<const NMHDR*>(lParam);
  switch (header.code) {
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDEDA:
      Invalidate(header.hwndFrom);
      break;
    case TCN_SELCHANGING:
      MarkTabForRedraw(header.hwndFrom);
      break;
    case UDN_DELTAPOS: {
      HWND parent = GetParent(header.hwndFrom);
      if (IsWindowClass(parent, WC_TABCONTROLA)) MarkTabForRedraw(parent);
      break;
    }
    default:
      break;
  }
}

bool OnFrameCtlColor(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control == nullptr) return false;
  switch (message) {
    case WM_CTLCOLOREDIT:
      // The edit field of a combo box belongs to the combo box's skin.
      if (IsWindowClass(GetParent(control), "ComboBox")) return false;
      return ControlSkinsAnswer() && BackgroundBrush(dc, control, result);
    case WM_CTLCOLORSTATIC:
      return ControlSkinsAnswer() && BackgroundBrush(dc, control, result);
    case WM_CTLCOLORLISTBOX: {
      const LONG style = GetWindowLongA(control, GWL_STYLE);
      const bool ownerDrawn = (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
      if (SkinChildControls == 1 && IsWindowClass(control, "ListBox") && !ownerDrawn &&
          ControlBackdropSet == 1) {
        return HollowBrush(dc, control, result);
      }
      return false;
    }
    case WM_CTLCOLORBTN:
      return ControlSkinsAnswer() && HollowBrush(dc, control, result);
    default:
      return false;
  }
}

void OnFrameDestroy(HWND window) {
  // The children still exist here (they are destroyed after their parent's
  // WM_DESTROY): their brushes and bitmaps go now, while their properties
  // can still be read. A toolbar's Kj_wtjb is its image list, not ours.
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowClass(child, TOOLBARCLASSNAMEA)) DeleteCtlColorObjects(child);
  }
}
