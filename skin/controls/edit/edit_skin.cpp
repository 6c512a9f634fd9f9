// Registration of edit boxes and their subclass procedure.
#include "skin/controls/edit/edit_skin.h"

#include "graphics/paint/background_owner.h"
#include "skin/controls/lists/combo_skin.h"
#include "skin/controls/scroll_bars/scroll_bar_windows.h"
#include "skin/state/skin_state.h"

namespace {

const char kEditClass[] = "Edit";
const char kComboBoxClass[] = "ComboBox";
EditRecord* EditRecordOf(HWND box) { return RegisteredRecordOf(box, &WindowRecord::edits); }

bool ParentIsComboBox(HWND box) {
  return IsWindowClass(GetParent(box), kComboBoxClass);
}

void InvalidateClient(HWND box) { InvalidateRect(box, nullptr, TRUE); }

// The drawn frame covers the whole window rectangle outside the client
// area, the standard bars' place included; the drawn bars go back on top.
void PaintFrameAndBars(HWND box, std::optional<bool> focus, std::optional<bool> hot) {
  PaintEditFrame(box, focus, hot);
  if (HasScrollBarStyle(box)) RepaintScrollBars(box);
}

// The standard control may redraw its scroll bars (over the drawn ones)
// while it handles a message that changes its text or scroll position, so
// the drawn bars are painted after it. Painted before, they would also show
// the thumb where it was before the step (a wheel notch, a key, a click on
// an arrow) until the next repaint.
LRESULT PassOnThenRepaintBars(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = PassOn(box, message, wParam, lParam);
  RepaintScrollBars(box);
  return result;
}

LRESULT OnMouseMove(HWND box, WPARAM wParam, LPARAM lParam) {
  TrackMouseLeave(box);

  WindowRecord* owner = OwnerRecordOf(box);
  const EditRecord* record = EditRecordOf(box);
  if (owner == nullptr || record == nullptr) return PassOn(box, WM_MOUSEMOVE, wParam, lParam);
  // Edit boxes also compare the parent of the box last painted hot.
  TakeHotControl(
      box, owner, kHotClassEdit, [box] { PaintFrameAndBars(box, std::nullopt, true); }, GetParent(box));
  record = EditRecordOf(box);
  if (record == nullptr || !record->buttonDown) return PassOn(box, WM_MOUSEMOVE, wParam, lParam);
  // Dragging a selection may scroll the text.
  if (!HasScrollBarStyle(box)) InvalidateClient(box);
  return PassOnThenRepaintBars(box, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND box, WPARAM wParam, LPARAM lParam) {
  WindowRecord* owner = OwnerRecordOf(box);
  const EditRecord* record = EditRecordOf(box);
  if (owner != nullptr && record != nullptr) {
    owner->hotControlIndex = 0;
    PaintFrameAndBars(box, record->hasFocus, std::nullopt);
  }
  return PassOn(box, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnSetFocus(HWND box, WPARAM wParam, LPARAM lParam) {
  if (EditRecord* record = EditRecordOf(box)) record->hasFocus = true;
  return PassOn(box, WM_SETFOCUS, wParam, lParam);
}

LRESULT OnKillFocus(HWND box, WPARAM wParam, LPARAM lParam) {
  if (EditRecord* record = EditRecordOf(box)) {
    record->hasFocus = false;
    if (ParentIsComboBox(box)) {
      PaintFrameAndBars(box, std::nullopt, false);
    } else {
      InvalidateClient(box);
    }
  }
  return PassOn(box, WM_KILLFOCUS, wParam, lParam);
}

LRESULT OnPaint(HWND box, WPARAM wParam, LPARAM lParam) {
  if (EditRecordOf(box) == nullptr) return PassOn(box, WM_PAINT, wParam, lParam);
  PaintEditFrame(box);
  return PassOnThenRepaintBars(box, WM_PAINT, wParam, lParam);
}

LRESULT OnNcPaint(HWND box, WPARAM wParam, LPARAM lParam) {
  if (EditRecordOf(box) == nullptr) return PassOn(box, WM_NCPAINT, wParam, lParam);
  PaintFrameAndBars(box, std::nullopt, std::nullopt);
  // The standard frame and bars are not wanted: the region handle given to
  // the system is not a valid region, which leaves it nothing to paint into.
  return DefWindowProcA(box, WM_NCPAINT, kNoUpdateRegion, lParam);
}

LRESULT OnEraseBackground(HWND box, WPARAM wParam, LPARAM lParam) {
  if (ControlBackdropSet != 1 || EditRecordOf(box) == nullptr) {
    return PassOn(box, WM_ERASEBKGND, wParam, lParam);
  }
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetBkMode(dc, TRANSPARENT);
  PaintEditBackground(box, dc);
  return 1;
}

LRESULT OnKeyDown(HWND box, WPARAM wParam, LPARAM lParam) {
  if (ControlBackdropSet == 1 && !HasScrollBarStyle(box)) InvalidateClient(box);
  return PassOnThenRepaintBars(box, WM_KEYDOWN, wParam, lParam);
}

LRESULT OnLeftButtonDown(HWND box, WPARAM wParam, LPARAM lParam) {
  if (EditRecord* record = EditRecordOf(box)) record->buttonDown = true;
  if (ControlBackdropSet == 1 && !HasScrollBarStyle(box)) InvalidateClient(box);
  return PassOn(box, WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT OnLeftButtonUp(HWND box, WPARAM wParam, LPARAM lParam) {
  if (EditRecord* record = EditRecordOf(box)) record->buttonDown = false;
  return PassOn(box, WM_LBUTTONUP, wParam, lParam);
}

// WM_VSCROLL and WM_HSCROLL: the standard procedure scrolls, then the drawn
// bar of that orientation follows.
LRESULT OnScroll(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ControlBackdropSet == 1) InvalidateClient(box);
  const LRESULT result = PassOn(box, message, wParam, lParam);
  RepaintScrollBar(box, message == WM_VSCROLL ? ScrollBarOrientation::Vertical
                                              : ScrollBarOrientation::Horizontal,
                   kScrollPartNone);
  return result;
}

LRESULT OnNcMouseMove(HWND box, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = PassOn(box, WM_NCMOUSEMOVE, wParam, lParam);
  RepaintScrollBar(box, ScrollBarOrientation::Vertical, HitTestVerticalBar(box, lParam));
  RepaintScrollBar(box, ScrollBarOrientation::Horizontal, HitTestHorizontalBar(box, lParam));
  return result;
}

// A press on a standard bar runs its tracking loop inside the pass-on,
// which draws the pressed and released arrows over the drawn bar; the drawn
// bars are painted once, when it is over.
LRESULT OnNcLeftButtonDown(HWND box, WPARAM wParam, LPARAM lParam) {
  return PassOnThenRepaintBars(box, WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT OnMove(HWND box, WPARAM wParam, LPARAM lParam) {
  if (ControlBackdropSet == 1) InvalidateClient(box);
  SyncScrollBarWindows(box);
  return PassOn(box, WM_MOVE, wParam, lParam);
}

LRESULT OnPlacementChange(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  SyncScrollBarWindows(box);
  return PassOn(box, message, wParam, lParam);
}

LRESULT OnDestroy(HWND box, WPARAM wParam, LPARAM lParam) {
  DeleteCtlColorObjects(box);
  return PassOn(box, WM_DESTROY, wParam, lParam);
}

}  // namespace

bool HasScrollBarStyle(HWND window) {
  return (StyleOf(window) & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

int FindEditRecord(int windowIndex, HWND window) {
  return FindControlRecord(windowIndex, &WindowRecord::edits, window);
}

EditRecord* RegisterEditBox(int windowIndex, HWND box, bool drawnBars) {
  EditRecord* record = RegisterSubclassedControl(
      windowIndex, &WindowRecord::edits, box, &EditSkinProc, [&](EditRecord& edit) {
        const DWORD style = StyleOf(box);
        const bool shown = (style & WS_VISIBLE) != 0;
        if (drawnBars && (style & WS_VSCROLL) != 0) {
          edit.verticalBar = CreateScrollBarWindow(box, ScrollBarOrientation::Vertical, shown);
        }
        if (drawnBars && (style & WS_HSCROLL) != 0) {
          edit.horizontalBar = CreateScrollBarWindow(box, ScrollBarOrientation::Horizontal, shown);
        }
      });
  if (record != nullptr) SetPropInt(box, Kj_Ztys, 0);
  return record;
}

void InstallEditSkins(int windowIndex, HWND parent) {
  if (SkinChildControls == 0 || WindowRecordAt(windowIndex) == nullptr) return;
  InstallOnChildren(parent, kEditClass,
                    [windowIndex](HWND child) { RegisterEditBox(windowIndex, child, true); });
  // Combo boxes are installed with the edit boxes: a drop-down combo's edit
  // field is answered by its combo box.
  InstallComboSkins(windowIndex, parent);
}

LRESULT CALLBACK EditSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      return OnMouseMove(window, wParam, lParam);
    case WM_MOUSELEAVE:
      return OnMouseLeave(window, wParam, lParam);
    case WM_SETFOCUS:
      return OnSetFocus(window, wParam, lParam);
    case WM_KILLFOCUS:
      return OnKillFocus(window, wParam, lParam);
    case WM_PAINT:
      return OnPaint(window, wParam, lParam);
    case WM_NCPAINT:
      return OnNcPaint(window, wParam, lParam);
    case WM_ERASEBKGND:
      return OnEraseBackground(window, wParam, lParam);
    case WM_KEYDOWN:
      return OnKeyDown(window, wParam, lParam);
    case WM_LBUTTONDOWN:
      return OnLeftButtonDown(window, wParam, lParam);
    case WM_LBUTTONUP:
      return OnLeftButtonUp(window, wParam, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
      return OnScroll(window, message, wParam, lParam);
    case WM_NCMOUSEMOVE:
      return OnNcMouseMove(window, wParam, lParam);
    case WM_NCLBUTTONDOWN:
      return OnNcLeftButtonDown(window, wParam, lParam);
    case WM_MOVE:
      return OnMove(window, wParam, lParam);
    case WM_SHOWWINDOW:
    case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGED:
      return OnPlacementChange(window, message, wParam, lParam);
    case WM_DESTROY:
      return OnDestroy(window, wParam, lParam);
    // Messages that change the text or its scroll position. EM_REPLACESEL
    // is not among them: the EN_CHANGE it sends makes the window holding the
    // box repaint the drawn bars once the new text is shown.
    case WM_SETTEXT:
    case WM_MOUSEWHEEL:
    case WM_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_SCROLL:
    case EM_LINESCROLL:
    case EM_SCROLLCARET:
      return PassOnThenRepaintBars(window, message, wParam, lParam);
    default:
      return PassOnControlMessage(window, message, wParam, lParam);
  }
}
