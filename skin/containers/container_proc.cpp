// The subclass procedure of registered containers.
#include "graphics/paint/composite_present.h"
#include "skin/containers/child_control_answers.h"
#include "skin/containers/container_skin.h"
#include "skin/controls/buttons/push_button_skin.h"
#include "skin/state/skin_state.h"

namespace {

// The container's record and where it lies, through Hw_FuID and Hw_lbID.
struct ContainerRef {
  int windowIndex = 0;
  int containerIndex = 0;
  WindowRecord* owner = nullptr;
  ContainerRecord* record = nullptr;
};

ContainerRef RefOf(HWND container) {
  ContainerRef ref;
  ref.windowIndex = GetPropInt(container, Hw_FuID);
  ref.containerIndex = GetPropInt(container, Hw_lbID);
  ref.owner = WindowRecordAt(ref.windowIndex);
  if (ref.owner != nullptr) ref.record = RecordAt(ref.owner->containers, ref.containerIndex);
  return ref;
}

void InvalidateTransparentChildren(HWND container) {
  for (HWND child = GetWindow(container, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0) {
      InvalidateRect(child, nullptr, FALSE);
    }
  }
}

LRESULT OnMove(HWND container, WPARAM wParam, LPARAM lParam) {
  ContainerRef ref = RefOf(container);
  if (ref.record != nullptr && ref.record->drawFrame) {
    ref.record->redraw = true;
    MarkChildrenStale(ref.owner->hwnd, false);
    InvalidateRect(container, nullptr, FALSE);
  }
  return PassOn(container, WM_MOVE, wParam, lParam);
}

LRESULT OnSize(HWND container, WPARAM wParam, LPARAM lParam) {
  ContainerRef ref = RefOf(container);
  if (ref.record != nullptr) {
    ref.record->redraw = true;
    LayoutContainerParts(ref.windowIndex, ref.containerIndex, LOWORD(lParam), HIWORD(lParam));
  }
  return PassOn(container, WM_SIZE, wParam, lParam);
}

LRESULT OnPaint(HWND container, WPARAM wParam, LPARAM lParam) {
  ContainerRef ref = RefOf(container);
  if (ref.record == nullptr || !ref.record->drawFrame) {
    return PassOn(container, WM_PAINT, wParam, lParam);
  }
  {
    PaintDc paint(container);
    if (ref.record->redraw || ref.record->backgroundStale) {
      PaintContainer(ref.windowIndex, ref.containerIndex);
    } else {
      // Releases the paint DC itself; as the frame's copy path, no EndPaint.
      RepaintFromComposite(container, false, false, paint.HandOver());
    }
  }
  InvalidateTransparentChildren(container);
  return DefWindowProcA(container, WM_PAINT, wParam, lParam);
}

// An erase makes the next paint a full one while the window is active and
// not being moved; otherwise the paint copies from the composite.
LRESULT OnEraseBackground(HWND container, HDC dc) {
  ContainerRef ref = RefOf(container);
  if (ref.record != nullptr && ref.record->drawFrame && !ref.record->redraw &&
      !ref.owner->moving) {
    ref.record->redraw = ref.owner->active;
  }
  SetBkMode(dc, TRANSPARENT);
  return 1;
}

LRESULT OnShowWindow(HWND container, WPARAM wParam, LPARAM lParam) {
  if (wParam != 1) return PassOn(container, WM_SHOWWINDOW, wParam, lParam);
  PassOn(container, WM_SHOWWINDOW, wParam, lParam);
  ContainerRef ref = RefOf(container);
  if (ref.record != nullptr && ref.record->drawFrame) ref.record->redraw = true;
  return DefWindowProcA(container, WM_SHOWWINDOW, wParam, lParam);
}

LRESULT OnDrawItem(HWND container, WPARAM wParam, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item != nullptr) {
    const DRAWITEMSTRUCT copy = *item;
    DispatchOwnerDraw(GetPropInt(container, Hw_FuID), copy);
  }
  return PassOn(container, WM_DRAWITEM, wParam, lParam);
}

// A caption set while the application is inactive would otherwise be
// covered by the old picture copied from the composite.
LRESULT OnSetText(HWND container, WPARAM wParam, LPARAM lParam) {
  ContainerRef ref = RefOf(container);
  if (ref.record != nullptr && ref.record->drawFrame) ref.record->redraw = true;
  return PassOn(container, WM_SETTEXT, wParam, lParam);
}

LRESULT OnCtlColor(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT brush = 0;
  if (AnswerChildControlColour(message, reinterpret_cast<HDC>(wParam),
                               reinterpret_cast<HWND>(lParam), brush)) {
    return brush;
  }
  return PassOn(container, message, wParam, lParam);
}

LRESULT OnNcDestroy(HWND container, WPARAM wParam, LPARAM lParam) {
  RemoveContainer(GetPropInt(container, Hw_FuID), GetPropInt(container, Hw_lbID));
  return PassOn(container, WM_NCDESTROY, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK ContainerSkinProc(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOVE:
      return OnMove(container, wParam, lParam);
    case WM_SIZE:
      return OnSize(container, wParam, lParam);
    case WM_PAINT:
      return OnPaint(container, wParam, lParam);
    case WM_ERASEBKGND:
      return OnEraseBackground(container, reinterpret_cast<HDC>(wParam));
    case WM_SHOWWINDOW:
      return OnShowWindow(container, wParam, lParam);
    case WM_SETTEXT:
      return OnSetText(container, wParam, lParam);
    case WM_DRAWITEM:
      return OnDrawItem(container, wParam, lParam);
    case WM_NOTIFY:
      RepaintOnChildNotify(lParam);
      return PassOn(container, message, wParam, lParam);
    case WM_COMMAND:
      RepaintOnChildCommand(wParam, lParam);
      return PassOn(container, message, wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      return OnCtlColor(container, message, wParam, lParam);
    case WM_DESTROY:
      // The children still exist here (they go before WM_NCDESTROY): release
      // the colour objects this container handed to them.
      DeleteChildCtlColorObjects(container);
      return PassOn(container, message, wParam, lParam);
    case WM_NCDESTROY:
      return OnNcDestroy(container, wParam, lParam);
    default:
      return PassOnControlMessage(container, message, wParam, lParam);
  }
}
