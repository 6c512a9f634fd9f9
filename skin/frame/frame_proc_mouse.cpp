// The mouse on a skinned frame: the title-bar buttons, moving the window by
// its title band, resizing it by its edges and corners, and the status
// items' callbacks.
#include "skin/frame/frame_proc.h"
#include "skin/frame/frame_proc_handlers.h"
#include "skin/frame/title_buttons.h"

namespace {

// The strip's press area starts below the window's top edge.
constexpr int kStripPressTop = 3;

// 1-based status item whose rectangle holds the point, 0 when none.
int StatusItemAt(const WindowRecord& record, POINT p) {
  for (int i = 1; i <= ListLength(record.statusItemRects); ++i) {
    const RectI& r = *RecordAt(record.statusItemRects, i);
    if (p.x >= r.x && p.x < r.x + r.width && p.y >= r.y && p.y < r.y + r.height) return i;
  }
  return 0;
}

void StartMoving(HWND window) { SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

}  // namespace

LPCSTR EdgeZoneCursor(EdgeZone zone) {
  switch (zone) {
    case EdgeZone::Left:
    case EdgeZone::Right:
      return IDC_SIZEWE;
    case EdgeZone::Top:
    case EdgeZone::Bottom:
      return IDC_SIZENS;
    case EdgeZone::TopLeft:
    case EdgeZone::BottomRight:
      return IDC_SIZENWSE;
    case EdgeZone::TopRight:
    case EdgeZone::BottomLeft:
      return IDC_SIZENESW;
    case EdgeZone::None:
      break;
  }
  return nullptr;
}

WPARAM EdgeZoneCommand(EdgeZone zone) {
  switch (zone) {
    case EdgeZone::Left:
      return SC_SIZE | WMSZ_LEFT;
    case EdgeZone::Right:
      return SC_SIZE | WMSZ_RIGHT;
    case EdgeZone::Top:
      return SC_SIZE | WMSZ_TOP;
    case EdgeZone::Bottom:
      return SC_SIZE | WMSZ_BOTTOM;
    case EdgeZone::TopLeft:
      return SC_SIZE | WMSZ_TOPLEFT;
    case EdgeZone::TopRight:
      return SC_SIZE | WMSZ_TOPRIGHT;
    case EdgeZone::BottomLeft:
      return SC_SIZE | WMSZ_BOTTOMLEFT;
    case EdgeZone::BottomRight:
      return SC_SIZE | WMSZ_BOTTOMRIGHT;
    case EdgeZone::None:
      break;
  }
  return 0;
}

void SetEdgeCursor(int index, LPARAM lParam, const RECT& clientRect) {
  const WindowRecord* record = WindowRecordAt(index);
  if (record == nullptr || !record->resizable) return;
  const POINT p = MousePoint(lParam);
  const EdgeZone zone = EdgeZoneAt(p.x, p.y, clientRect.right - clientRect.left,
                                   clientRect.bottom - clientRect.top, FrameEdge);
  if (zone != EdgeZone::None) SetCursor(LoadCursorA(nullptr, EdgeZoneCursor(zone)));
}

void BeginDragOrSize(int index, LPARAM lParam, const RECT& clientRect) {
  WindowRecord* record = WindowRecordAt(index);
  if (record == nullptr) return;
  const POINT p = MousePoint(lParam);
  // The title-bar buttons take a press in their strip.
  if (p.x >= record->stripX && p.x <= record->stripX + record->stripWidth &&
      p.y >= kStripPressTop && p.y <= record->stripHeight) {
    return;
  }
  if (!record->titleBarLive) return;
  const int w = clientRect.right - clientRect.left;
  const int h = clientRect.bottom - clientRect.top;
  HWND window = record->hwnd;
  if (InDragZone(p.x, p.y, w, record->titleHeight, FrameEdge)) {
    StartMoving(window);
    return;
  }
  if (!record->resizable) return;
  const EdgeZone zone = EdgeZoneAt(p.x, p.y, w, h, FrameEdge);
  if (zone != EdgeZone::None) {
    record->needsFullRedraw = true;
    SetCursor(LoadCursorA(nullptr, EdgeZoneCursor(zone)));
    SendMessageA(window, WM_SYSCOMMAND, EdgeZoneCommand(zone), 0);
  } else if (p.y <= record->titleHeight) {
    StartMoving(window);
  }
}

void OnFrameMouseMove(HWND window, int index, LPARAM lParam) {
  WindowRecord* record = WindowRecordAt(index);
  RECT client{};
  GetClientRect(window, &client);
  if (!record->mouseTracking) {
    TrackMouseLeave(window, 1);
  }
  if (!record->titleBarLive) return;
  TitleButtonsMouseMove(index, lParam);
  record = WindowRecordAt(FrameIndexOf(window));
  if (record != nullptr && !record->maximized) SetEdgeCursor(index, lParam, client);
}

void OnFrameLeftButtonDown(HWND window, int index, LPARAM lParam) {
  WindowRecord* record = WindowRecordAt(index);
  RECT client{};
  GetClientRect(window, &client);
  record->fadeIn.button = 0;
  if (record->titleBarLive) {
    if (!record->maximized && !record->minimized) {
      // The system's move or size loop runs here until the button is up.
      BeginDragOrSize(index, lParam, client);
      index = FrameIndexOf(window);
      record = WindowRecordAt(index);
      if (record == nullptr) return;
    }
    TitleButtonsPress(index, lParam);
    index = FrameIndexOf(window);
    record = WindowRecordAt(index);
    if (record == nullptr) return;
  }
  const int item = StatusItemAt(*record, MousePoint(lParam));
  // A copy: the callback may close the window and so drop the record.
  if (item >= 1 && record->statusClickCallback) {
    StatusItemCallback(record->statusClickCallback)(item);
  }
}

void OnFrameLeftButtonUp(int index) {
  const WindowRecord* record = WindowRecordAt(index);
  if (TitleButtonAction != nullptr && HotTitleButton >= 1 &&
      HotTitleButton <= ListLength(record->titleButtons) && record->titleBarLive) {
    TitleButtonAction(index, HotTitleButton);
  }
}

void OnFrameLeftDoubleClick(int index, LPARAM lParam) {
  const WindowRecord* record = WindowRecordAt(index);
  const POINT p = MousePoint(lParam);
  const int item = StatusItemAt(*record, p);
  if (item == 0) {
    if (p.y > record->titleHeight || !record->resizable) return;
    for (int b = 1; b <= ListLength(record->titleButtons); ++b) {
      if (RecordAt(record->titleButtons, b)->kind == kMaximiseButtonKind) {
        RunTitleButtonAction(index, b);
        return;
      }
    }
  } else if (record->statusDoubleClickCallback) {
    StatusItemCallback(record->statusDoubleClickCallback)(item);
  }
}

void OnFrameRightButtonDown(int index, LPARAM lParam) {
  const WindowRecord* record = WindowRecordAt(index);
  const int item = StatusItemAt(*record, MousePoint(lParam));
  if (item >= 1 && record->statusRightClickCallback) {
    StatusItemCallback(record->statusRightClickCallback)(item);
  }
}
