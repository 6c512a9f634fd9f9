// The drawn scroll-bar windows: creation over the host's standard bar,
// their procedure, and keeping them over the standard bars.
#include "skin/controls/scroll_bars/scroll_bar_windows.h"

#include "graphics/paint/background_owner.h"

namespace {

const char kEditClass[] = "Edit";
const char kStaticClass[] = "Static";

// Size of a bar window that waits hidden until its host is shown.
constexpr int kHiddenBarSize = 10;

bool IsEditHost(HWND host) { return IsWindowClass(host, kEditClass); }

// Where host's standard bar lies in the client coordinates of host's
// parent, which is where a child window over it has to go.
RECT StandardBarInParent(HWND host, ScrollBarOrientation orientation) {
  const SCROLLBARINFO info = ReadStandardBar(host, orientation);
  POINT origin = {0, 0};
  ClientToScreen(GetParent(host), &origin);
  RECT r = info.rcScrollBar;
  OffsetRect(&r, -origin.x, -origin.y);
  return r;
}

void PlaceOverStandardBar(HWND bar, HWND host, ScrollBarOrientation orientation) {
  const RECT r = StandardBarInParent(host, orientation);
  SetWindowPos(bar, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, 0);
}

void ShowBar(HWND bar, bool show) { ShowWindow(bar, show ? SW_SHOWNA : SW_HIDE); }

}  // namespace

SCROLLBARINFO ReadStandardBar(HWND host, ScrollBarOrientation orientation) {
  SCROLLBARINFO info = {};
  info.cbSize = sizeof(info);
  const LONG object = orientation == ScrollBarOrientation::Vertical ? OBJID_VSCROLL : OBJID_HSCROLL;
  if (!GetScrollBarInfo(host, object, &info)) {
    info = {};
    info.cbSize = sizeof(info);
  }
  return info;
}

ScrollBarSlot FindScrollBarSlot(HWND host, ScrollBarOrientation orientation) {
  // An "Edit" host's bars are in its edit record, any other host's in its
  // list record; both keep them as DrawnScrollBars.
  DrawnScrollBars* bars = nullptr;
  if (IsEditHost(host)) {
    bars = RegisteredRecordOf(host, &WindowRecord::edits);
  } else {
    bars = RegisteredRecordOf(host, &WindowRecord::lists);
  }
  ScrollBarSlot slot;
  if (bars == nullptr) return slot;
  const bool vertical = orientation == ScrollBarOrientation::Vertical;
  slot.bar = vertical ? bars->verticalBar : bars->horizontalBar;
  slot.parts = vertical ? &bars->verticalParts : &bars->horizontalParts;
  return slot;
}

HWND CreateScrollBarWindow(HWND host, ScrollBarOrientation orientation, bool shown) {
  HWND parent = GetParent(host);
  RECT r = {0, 0, kHiddenBarSize, kHiddenBarSize};
  DWORD style = WS_CHILD | WS_DISABLED | WS_CLIPCHILDREN;
  if (shown) {
    r = StandardBarInParent(host, orientation);
    style |= WS_VISIBLE;
  }
  HWND bar = CreateWindowExA(0, kStaticClass, "", style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (bar == nullptr) return nullptr;
  SetPropHandle(bar, Mngd_zct, host);
  SetPropInt(bar, Hw_FuID, FindOwningWindowRecord(bar));
  ReplaceWindowProc(bar, &ScrollBarWindowProc);
  SetWindowPos(bar, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, 0);
  return bar;
}

namespace {

LRESULT OnBarPaint(HWND bar, WPARAM wParam, LPARAM lParam) {
  {
    const PaintDc paint(bar);
    HWND host = GetPropHandle<HWND>(bar, Mngd_zct);
    if (FindScrollBarSlot(host, ScrollBarOrientation::Vertical).bar == bar) {
      PaintVerticalScrollBar(host, kScrollPartNone);
    } else if (FindScrollBarSlot(host, ScrollBarOrientation::Horizontal).bar == bar) {
      PaintHorizontalScrollBar(host, kScrollPartNone);
    }
  }
  return DefWindowProcA(bar, WM_PAINT, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK ScrollBarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The bar window only paints; everything else is the Static control's.
  if (message == WM_PAINT) return OnBarPaint(window, wParam, lParam);
  return PassOn(window, message, wParam, lParam);
}

void SyncScrollBarWindows(HWND host) {
  const ScrollBarSlot vertical = FindScrollBarSlot(host, ScrollBarOrientation::Vertical);
  const ScrollBarSlot horizontal = FindScrollBarSlot(host, ScrollBarOrientation::Horizontal);
  const LONG style = StyleOf(host);

  if (IsEditHost(host)) {
    const bool visible = (style & WS_VISIBLE) != 0;
    if (vertical.bar != nullptr) ShowBar(vertical.bar, visible && (style & WS_VSCROLL) != 0);
    if (horizontal.bar != nullptr) ShowBar(horizontal.bar, visible && (style & WS_HSCROLL) != 0);
  } else {
    const bool visible = IsWindowVisible(host) != FALSE;
    if (vertical.bar != nullptr && (style & WS_VSCROLL) != 0) ShowBar(vertical.bar, visible);
    if (horizontal.bar != nullptr && (style & WS_HSCROLL) != 0) ShowBar(horizontal.bar, visible);
  }

  if (!IsWindowVisible(host)) return;
  if (vertical.bar != nullptr) {
    PlaceOverStandardBar(vertical.bar, host, ScrollBarOrientation::Vertical);
  }
  if (horizontal.bar != nullptr) {
    PlaceOverStandardBar(horizontal.bar, host, ScrollBarOrientation::Horizontal);
  }
}

void RepaintScrollBar(HWND host, ScrollBarOrientation orientation, ScrollBarPart part) {
  const bool vertical = orientation == ScrollBarOrientation::Vertical;
  if ((StyleOf(host) & (vertical ? WS_VSCROLL : WS_HSCROLL)) == 0) return;
  if (vertical) {
    PaintVerticalScrollBar(host, part);
  } else {
    PaintHorizontalScrollBar(host, part);
  }
}

void RepaintScrollBars(HWND host) {
  RepaintScrollBar(host, ScrollBarOrientation::Vertical, kScrollPartNone);
  RepaintScrollBar(host, ScrollBarOrientation::Horizontal, kScrollPartNone);
}
