// The subclass procedure shared by skinned push buttons, radio buttons and
// check boxes, the immediate repaint used on hover and focus changes, and
// the owner-draw dispatch of the windows that contain skinned buttons.
#include "graphics/paint/control_background.h"
#include "skin/state/stale_marks.h"
#include "win32/handle_owners.h"
#include "skin/controls/buttons/button_records.h"
#include "skin/controls/buttons/check_radio_skin.h"
#include "skin/controls/buttons/push_button_skin.h"

namespace {

// Paints a radio button or check box after its own procedure has changed
// its check state; other kinds need nothing.
void PaintCheckOrRadio(HWND window, ButtonKind kind) {
  if (kind == kButtonKindRadio) {
    PaintRadioButton(window, kPaintPressed);
  } else if (kind == kButtonKindCheck) {
    PaintCheckBox(window, 0);
  }
}

bool IsCheckOrRadio(const ButtonRecord* record) {
  return record != nullptr &&
         (record->kind == kButtonKindRadio || record->kind == kButtonKindCheck);
}

// Click, BM_SETCHECK and the space key of a radio button or check box: the
// control's own procedure acts first, then the new check state is painted
// at once. Other kinds just pass the message on.
LRESULT OnCheckChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const ButtonRecord* record = ButtonRecordOf(window);
  if (!IsCheckOrRadio(record)) return PassOn(window, message, wParam, lParam);
  const ButtonKind kind = record->kind;
  PassOn(window, message, wParam, lParam);
  PaintCheckOrRadio(window, kind);
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
  if (WindowRecord* owner = MouseEntersControl(window, &WindowRecord::buttons)) {
    TakeHotControl(window, owner, kHotClassButton, [window] { RepaintButton(window, 0, true); });
  }
  return PassOn(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, WPARAM wParam, LPARAM lParam) {
  if (const ButtonRecord* record = MouseLeavesControl(window, &WindowRecord::buttons)) {
    RepaintButton(window, record->hasFocus ? kPaintFocus : 0, false);
  }
  return PassOn(window, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnLButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
  if (ButtonRecord* record = ButtonRecordOf(window)) record->buttonDown = true;
  return OnCheckChange(window, WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT OnLButtonUp(HWND window, WPARAM wParam, LPARAM lParam) {
  if (ButtonRecord* record = ButtonRecordOf(window)) record->buttonDown = false;
  if (WindowRecord* owner = OwnerRecordOf(window)) owner->hotControlIndex = 0;
  return PassOn(window, WM_LBUTTONUP, wParam, lParam);
}

// The background stays as the skin captured it; only the DC's text
// settings are prepared.
LRESULT OnEraseBackground(HWND window, HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(GetPropInt(window, Kj_Ztys))));
}

LRESULT OnPaint(HWND window, WPARAM wParam, LPARAM lParam) {
  const ButtonRecord* record = ButtonRecordOf(window);
  if (!IsCheckOrRadio(record)) return PassOn(window, WM_PAINT, wParam, lParam);
  const ButtonKind kind = record->kind;
  {
    const PaintDc paint(window);
    if (kind == kButtonKindCheck) {
      PaintCheckBox(window, 0);
    } else {
      PaintRadioButton(window, 0);
    }
  }
  return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

LRESULT OnFocusChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ButtonRecord* record = ButtonRecordOf(window)) record->hasFocus = message == WM_SETFOCUS;
  return PassOn(window, message, wParam, lParam);
}

LRESULT OnSetText(HWND window, WPARAM wParam, LPARAM lParam) {
  if (ButtonRecord* record = ButtonRecordOf(window)) {
    const char* text = reinterpret_cast<const char*>(lParam);
    record->caption = text != nullptr ? Text(text) : Text();
  }
  return PassOn(window, WM_SETTEXT, wParam, lParam);
}

// While the left button is held on the button, the button's own attempt to
// show itself released (the mouse left it) is refused.
LRESULT OnSetState(HWND window, WPARAM wParam, LPARAM lParam) {
  const ButtonRecord* record = ButtonRecordOf(window);
  if (wParam == 0 && record != nullptr && record->buttonDown) return 0;
  return PassOn(window, BM_SETSTATE, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK ButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      return OnMouseMove(window, wParam, lParam);
    case WM_MOUSELEAVE:
      return OnMouseLeave(window, wParam, lParam);
    case WM_MOVE:
      InvalidateRect(window, nullptr, TRUE);
      return PassOn(window, message, wParam, lParam);
    case WM_LBUTTONDOWN:
      return OnLButtonDown(window, wParam, lParam);
    case WM_LBUTTONUP:
      return OnLButtonUp(window, wParam, lParam);
    case WM_LBUTTONDBLCLK:
      return 0;  // a double click acts as the single click that preceded it
    case WM_ERASEBKGND:
      return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
      return OnPaint(window, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return OnFocusChange(window, message, wParam, lParam);
    case WM_SETTEXT:
      return OnSetText(window, wParam, lParam);
    case WM_NCPAINT:
      return 1;
    case BM_SETCHECK:
      return OnCheckChange(window, message, wParam, lParam);
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) return OnCheckChange(window, message, wParam, lParam);
      return PassOn(window, message, wParam, lParam);
    case BM_SETSTATE:
      return OnSetState(window, wParam, lParam);
    default:
      return PassOnControlMessage(window, message, wParam, lParam);
  }
}

void RepaintButton(HWND window, int state, bool hot) {
  const ButtonRecord* record = ButtonRecordOf(window);
  if (record == nullptr) return;
  const ButtonKind kind = record->kind;
  if (hot) state |= kPaintHot;
  const WindowDc dc = WindowDc::Client(window);
  RECT client{};
  GetClientRect(window, &client);
  if (kind == kButtonKindPush) {
    PaintPushButton(window, dc.get(), state, client);
  } else if (kind == kButtonKindRadio) {
    PaintRadioButton(window, state);
  } else if (kind == kButtonKindCheck) {
    PaintCheckBox(window, state);
  }
}

void DispatchOwnerDraw(int windowIndex, const DRAWITEMSTRUCT& drawItem) {
  // Owner-drawn menus are not drawn by the skin; list and combo items keep
  // their owners' drawing.
  if (drawItem.CtlType != ODT_BUTTON) return;
  const WindowRecord* owner = WindowRecordAt(windowIndex);
  if (owner == nullptr) return;
  const ButtonRecord* record = RecordAt(owner->buttons, GetPropInt(drawItem.hwndItem, Hw_lbID));
  // Only a button registered in this list is painted: an owner-drawn button
  // of the application carries no index, and an index of another list must
  // not paint it as a skinned one.
  if (record == nullptr || record->window != drawItem.hwndItem) return;
  if (record->kind == kButtonKindPush) {
    PaintPushButton(drawItem.hwndItem, drawItem.hDC, static_cast<int>(drawItem.itemState),
                    drawItem.rcItem);
  }
}
