// Subclass procedure of the list-type controls: hover and focus looks of
// the frame, the drawn scroll bars following the control, and the stale
// flag that decides how the next WM_PAINT fills the client area.
#include "graphics/paint/composite_present.h"
#include "skin/controls/edit/edit_skin.h"
#include "skin/controls/lists/list_records.h"
#include "skin/controls/lists/list_skin.h"
#include "skin/controls/scroll_bars/scroll_bar_windows.h"

namespace {

// Sent to the control while an arrow key is held; the control repaints
// afresh then.
constexpr UINT kArrowKeyRepaintMessage = WM_APP + 2;

void MarkStale(HWND control) {
  if (ListRecord* record = ListRecordOf(control)) record->stale = true;
}

void InvalidateWithBackdrop(HWND control) {
  if (ControlBackdropSet == 1) InvalidateRect(control, nullptr, TRUE);
}

void RepaintVerticalBar(HWND control, ScrollBarPart part) {
  RepaintScrollBar(control, ScrollBarOrientation::Vertical, part);
}

void RepaintHorizontalBar(HWND control, ScrollBarPart part) {
  RepaintScrollBar(control, ScrollBarOrientation::Horizontal, part);
}

// The frame painted over the window rectangle covers the drawn bars lying
// on the standard bars' place; they go back on top.
void PaintFrame(HWND control, std::optional<bool> hot = std::nullopt) {
  if (ListRecordOf(control) == nullptr) return;
  PaintListFrame(GetPropInt(control, Hw_FuID), GetPropInt(control, Hw_lbID), hot);
  if (HasScrollBarStyle(control)) RepaintScrollBars(control);
}

LRESULT OnMouseMove(HWND control, WPARAM wParam, LPARAM lParam) {
  ListRecord* record = ListRecordOf(control);
  WindowRecord* owner = OwnerRecordOf(control);
  if (record != nullptr && owner != nullptr) {
    // Lists also ask for WM_MOUSEHOVER, and only until the first one came.
    if (!record->hoverSeen) {
      TrackMouseLeave(control, 0);
    }
    TakeHotControl(control, owner, kHotClassList, [control, record] {
      record->hot = true;
      PaintFrame(control, true);
    });
  }
  return PassOn(control, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseHover(HWND control, WPARAM wParam, LPARAM lParam) {
  if (ListRecord* record = ListRecordOf(control)) record->hoverSeen = true;
  return PassOn(control, WM_MOUSEHOVER, wParam, lParam);
}

LRESULT OnMouseLeave(HWND control, WPARAM wParam, LPARAM lParam) {
  if (ListRecord* record = ListRecordOf(control)) {
    record->hoverSeen = false;
    if (WindowRecord* owner = OwnerRecordOf(control)) owner->hotControlIndex = 0;
    if (GetPropInt(control, Hw_lbID) > 0) {
      record->hot = false;
      PaintFrame(control, false);
    }
  }
  return PassOn(control, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnFocusChange(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ListRecord* record = ListRecordOf(control)) {
    record->hasFocus = message == WM_SETFOCUS;
    PaintFrame(control);
  }
  return PassOn(control, message, wParam, lParam);
}

LRESULT OnMove(HWND control, WPARAM wParam, LPARAM lParam) {
  InvalidateWithBackdrop(control);
  return PassOn(control, WM_MOVE, wParam, lParam);
}

LRESULT OnShowWindow(HWND control, WPARAM wParam, LPARAM lParam) {
  SyncScrollBarWindows(control);
  return PassOn(control, WM_SHOWWINDOW, wParam, lParam);
}

// Size or place changed: the bars follow and the client is composed afresh.
LRESULT OnPlacementChange(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  SyncScrollBarWindows(control);
  MarkStale(control);
  return PassOn(control, message, wParam, lParam);
}

LRESULT OnEraseBackground(HWND control, WPARAM wParam, LPARAM lParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  switch (EraseAnswerFor(ListKindOf(control), IsOwnerDrawListBox(control), ControlBackdropSet == 1)) {
    case EraseAnswer::Transparent:
      SetBkMode(dc, TRANSPARENT);
      return 1;
    case EraseAnswer::TransparentColour:
      SetBkMode(dc, TRANSPARENT);
      return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(GetPropInt(control, Kj_Ztys))));
    case EraseAnswer::PassOn:
    default:
      return PassOn(control, WM_ERASEBKGND, wParam, lParam);
  }
}

LRESULT OnPaint(HWND control, WPARAM wParam, LPARAM lParam) {
  ListRecord* record = ListRecordOf(control);
  if (record == nullptr) return PassOn(control, WM_PAINT, wParam, lParam);
  SyncScrollBarWindows(control);
  PaintFrame(control);
  if ((record = ListRecordOf(control)) == nullptr) return PassOn(control, WM_PAINT, wParam, lParam);
  if (MustCompose(record->stale, record->verticalBar != nullptr, record->hoverSeen)) {
    record->stale = true;
  }
  if (!record->stale) {
    RepaintFromComposite(control, false, false);
    return DefWindowProcA(control, WM_PAINT, wParam, lParam);
  }
  const ListKind kind = ListKindOf(control);
  switch (ClientPaintFor(kind, ControlBackdropSet == 1)) {
    case ClientPaint::KeyedTree:
      // Without a background to paint over, the tree view paints itself.
      if (!ComposeTreeViewClient(control, lParam)) return PassOn(control, WM_PAINT, wParam, lParam);
      if (ListRecord* r = ListRecordOf(control)) r->stale = false;
      return DefWindowProcA(control, WM_PAINT, wParam, lParam);
    case ClientPaint::OverBackground: {
      const WindowRecord* owner = OwnerRecordOf(control);
      // A list view waits for the frame's next full repaint, which
      // invalidates the children again.
      if (kind == ListKind::ListView && owner != nullptr && owner->childrenStale) {
        return DefWindowProcA(control, WM_PAINT, wParam, lParam);
      }
      if (!ComposeListClient(control, lParam)) return PassOn(control, WM_PAINT, wParam, lParam);
      if (ListRecord* r = ListRecordOf(control)) r->stale = false;
      return DefWindowProcA(control, WM_PAINT, 0, lParam);
    }
    case ClientPaint::PassOn:
    default:
      return PassOn(control, WM_PAINT, wParam, lParam);
  }
}

// The standard frame first, the drawn one over it.
LRESULT OnNcPaint(HWND control, WPARAM wParam, LPARAM lParam) {
  DefWindowProcA(control, WM_NCPAINT, wParam, lParam);
  PaintFrame(control);
  return 0;
}

LRESULT OnNcMouseMove(HWND control, WPARAM wParam, LPARAM lParam) {
  if (wParam == HTVSCROLL) RepaintVerticalBar(control, HitTestVerticalBar(control, lParam));
  if (wParam == HTHSCROLL) RepaintHorizontalBar(control, HitTestHorizontalBar(control, lParam));
  return PassOn(control, WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT OnNcLeftButtonDown(HWND control, WPARAM wParam, LPARAM lParam) {
  if (wParam == HTVSCROLL) RepaintVerticalBar(control, kScrollPartNone);
  if (wParam == HTHSCROLL) RepaintHorizontalBar(control, kScrollPartNone);
  return PassOn(control, WM_NCLBUTTONDOWN, wParam, lParam);
}

bool IsArrowKey(WPARAM key) { return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN; }

// An arrow key may scroll the control: the drawn bars follow once the
// control has moved its standard bars.
LRESULT OnKeyDown(HWND control, WPARAM wParam, LPARAM lParam) {
  ListRecord* record = ListRecordOf(control);
  if (record == nullptr) return PassOn(control, WM_KEYDOWN, wParam, lParam);
  record->stale = true;
  if (!IsArrowKey(wParam)) return PassOn(control, WM_KEYDOWN, wParam, lParam);
  record->arrowKeyDown = true;
  const LRESULT result = PassOn(control, WM_KEYDOWN, wParam, lParam);
  RepaintScrollBars(control);
  return result;
}

LRESULT OnKeyUp(HWND control, WPARAM wParam, LPARAM lParam) {
  if (ListRecord* record = ListRecordOf(control)) {
    record->stale = true;
    record->arrowKeyDown = false;
  }
  return PassOn(control, WM_KEYUP, wParam, lParam);
}

LRESULT OnScroll(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  MarkStale(control);
  InvalidateWithBackdrop(control);
  const LRESULT result = PassOn(control, message, wParam, lParam);
  if (message == WM_VSCROLL) {
    RepaintVerticalBar(control, kScrollPartNone);
  } else {
    RepaintHorizontalBar(control, kScrollPartNone);
  }
  return result;
}

LRESULT OnMouseWheel(HWND control, WPARAM wParam, LPARAM lParam) {
  MarkStale(control);
  InvalidateWithBackdrop(control);
  const LRESULT result = PassOn(control, WM_MOUSEWHEEL, wParam, lParam);
  RepaintScrollBars(control);
  return result;
}

LRESULT OnArrowKeyRepaint(HWND control, WPARAM wParam, LPARAM lParam) {
  ListRecord* record = ListRecordOf(control);
  if (record != nullptr && ControlBackdropSet == 1 && record->arrowKeyDown) {
    record->stale = true;
    InvalidateRect(control, nullptr, FALSE);
  }
  return PassOn(control, kArrowKeyRepaintMessage, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK ListSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      return OnMouseMove(window, wParam, lParam);
    case WM_MOUSEHOVER:
      return OnMouseHover(window, wParam, lParam);
    case WM_MOUSELEAVE:
      return OnMouseLeave(window, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return OnFocusChange(window, message, wParam, lParam);
    case WM_SETTEXT:
      MarkStale(window);
      return PassOn(window, message, wParam, lParam);
    case WM_MOVE:
      return OnMove(window, wParam, lParam);
    case WM_SHOWWINDOW:
      return OnShowWindow(window, wParam, lParam);
    case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGED:
      return OnPlacementChange(window, message, wParam, lParam);
    case WM_ERASEBKGND:
      return OnEraseBackground(window, wParam, lParam);
    case WM_PAINT:
      return OnPaint(window, wParam, lParam);
    case WM_NCPAINT:
      return OnNcPaint(window, wParam, lParam);
    case WM_NCMOUSEMOVE:
      return OnNcMouseMove(window, wParam, lParam);
    case WM_NCLBUTTONDOWN:
      return OnNcLeftButtonDown(window, wParam, lParam);
    case WM_KEYDOWN:
      return OnKeyDown(window, wParam, lParam);
    case WM_KEYUP:
      return OnKeyUp(window, wParam, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
      return OnScroll(window, message, wParam, lParam);
    case WM_MOUSEWHEEL:
      return OnMouseWheel(window, wParam, lParam);
    case kArrowKeyRepaintMessage:
      return OnArrowKeyRepaint(window, wParam, lParam);
    default:
      return PassOnControlMessage(window, message, wParam, lParam);
  }
}
