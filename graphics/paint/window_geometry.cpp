// Rectangle arithmetic of the skinned windows.
#include "graphics/paint/window_geometry.h"

#include "skin/state/skin_state.h"

namespace {

RECT WindowRectOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return r;
}

// floor(a / 2) for any sign.
int HalfFloor(int a) { return a >= 0 ? a / 2 : -((-a + 1) / 2); }

}  // namespace

RECT MakeRect(int left, int top, int right, int bottom) { return RECT{left, top, right, bottom}; }

RECT TruncatedRect(const RectF& box) {
  return MakeRect(static_cast<int>(box.x), static_cast<int>(box.y), static_cast<int>(box.x + box.width),
                  static_cast<int>(box.y + box.height));
}

POINT MakePoint(int x, int y) { return POINT{x, y}; }

RectF MakeRectF(float x, float y, float width, float height) { return RectF{x, y, width, height}; }

int RectWidth(const RECT& r) { return r.right - r.left; }
int RectHeight(const RECT& r) { return r.bottom - r.top; }

RECT WindowRectRelativeTo(HWND base, HWND window) {
  const RECT b = WindowRectOf(base);
  RECT r = WindowRectOf(window);
  OffsetRect(&r, -b.left, -b.top);
  return r;
}

RECT WindowRectInSkinnedWindow(HWND window) {
  const WindowRecord* record = WindowRecordAt(FindOwningWindowRecord(window));
  return WindowRectRelativeTo(record != nullptr ? record->hwnd : nullptr, window);
}

RECT CentredBox(int windowWidth, int windowHeight, int boxWidth, int boxHeight) {
  const int left = HalfFloor(windowWidth - boxWidth);
  const int top = HalfFloor(windowHeight - boxHeight);
  return RECT{left, top, left + boxWidth, top + boxHeight};
}

RECT ClientBoxInWindow(HWND window) {
  const RECT win = WindowRectOf(window);
  RECT client = {};
  GetClientRect(window, &client);

  SCROLLBARINFO horizontal = {};
  horizontal.cbSize = sizeof(SCROLLBARINFO);
  SCROLLBARINFO vertical = {};
  vertical.cbSize = sizeof(SCROLLBARINFO);
  if (!GetScrollBarInfo(window, OBJID_HSCROLL, &horizontal)) horizontal.rcScrollBar = RECT{};
  if (!GetScrollBarInfo(window, OBJID_VSCROLL, &vertical)) vertical.rcScrollBar = RECT{};
  const LONG style = GetWindowLongA(window, GWL_STYLE);

  int x = RectWidth(client);
  int y = RectHeight(client);
  if ((style & WS_VSCROLL) != 0) x += RectWidth(vertical.rcScrollBar);
  if ((style & WS_HSCROLL) != 0) y += RectHeight(horizontal.rcScrollBar);
  return CentredBox(RectWidth(win), RectHeight(win), x, y);
}

RECT ClientBoxInSkinnedWindow(HWND window) {
  const WindowRecord* record = WindowRecordAt(FindOwningWindowRecord(window));
  const RECT p = WindowRectOf(record != nullptr ? record->hwnd : nullptr);
  const RECT q = WindowRectOf(window);
  const RECT c = ClientBoxInWindow(window);
  return RECT{q.left - p.left + c.left, q.top - p.top + c.top, q.right - p.left - c.left,
              q.bottom - p.top - c.top};
}

RECT RectInParentClient(HWND window) {
  if (FindWindowRecord(window) >= 1) return RECT{0, 0, 0, 0};
  HWND parent = GetAncestor(window, GA_PARENT);
  RECT parentClient = {};
  GetClientRect(parent, &parentClient);
  POINT origin = {0, 0};
  ClientToScreen(parent, &origin);
  OffsetRect(&parentClient, origin.x, origin.y);
  RECT r = WindowRectOf(window);
  OffsetRect(&r, -parentClient.left, -parentClient.top);
  return r;
}

bool IsTransparentWindow(HWND window) {
  return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
}
