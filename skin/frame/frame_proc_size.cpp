// Sizes and window states of a skinned frame: resizing, the minimum and
// maximum tracking sizes, maximising to the work area, the system's
// minimise/maximise/restore commands and the shadow window that follows.
#include "skin/frame/frame_install.h"
#include "skin/frame/frame_proc.h"
#include "skin/frame/frame_proc_handlers.h"
#include "skin/frame/shadow_window.h"
#include "skin/frame/title_buttons.h"

AreaSize CurrentWorkArea(WorkAreaUse use) {
  TaskbarPlacement taskbar;
  if (HWND tray = FindWindowA("Shell_TrayWnd", nullptr)) {
    RECT r{};
    if (GetWindowRect(tray, &r)) {
      taskbar.rect = RectI{r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    taskbar.visible = (GetWindowLongA(tray, GWL_STYLE) & WS_VISIBLE) != 0;
  }
  return ComputeWorkArea(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), taskbar,
                         use);
}

void StretchChildren(int index) {
  WindowRecord* record = WindowRecordAt(index);
  if (record == nullptr || record->stretchList.empty()) return;
  RECT client{};
  GetClientRect(record->hwnd, &client);
  const int w = client.right;
  const int h = client.bottom;
  // Moving a child may run nested messages: work on a copy of the list.
  const std::vector<LayoutPart> parts = record->stretchList;
  const int status = record->statusHeight;
  for (const LayoutPart& part : parts) {
    if (part.window == nullptr) continue;
    if (part.fullWidth != 0) {
      MoveWindow(part.window, 2, part.top, w - 4, h - part.top - status - 4, TRUE);
    } else {
      MoveWindow(part.window, part.left, part.top, w - part.left - 2,
                 h - part.top - status - 2, TRUE);
    }
  }
}

void OnFrameSize(HWND window, int index) {
  WindowRecord* record = WindowRecordAt(index);
  if (!record->minimized) MarkChildrenStale(window, false);
  record->hotButton = 0;
  // The very first resize of the program comes with the first show, which
  // renders the frame anyway.
  if (FirstResizePending == 1) {
    record->needsFullRedraw = false;
    FirstResizePending = 0;
  } else {
    record->needsFullRedraw = true;
  }
  StretchChildren(index);
}

void OnFrameGetMinMaxInfo(int index, LPARAM lParam) {
  auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
  if (info == nullptr) return;
  const WindowRecord& record = *WindowRecordAt(index);
  AreaSize maximum{record.maxTrackWidth, record.maxTrackHeight};
  if (record.maximized) maximum = CurrentWorkArea(WorkAreaUse::MinMaxInfo);
  info->ptMinTrackSize.x = record.minTrackWidth;
  info->ptMinTrackSize.y = record.minTrackHeight;
  info->ptMaxTrackSize.x = maximum.width;
  info->ptMaxTrackSize.y = maximum.height;
}

void OnFrameWindowPosChanging(HWND window, LPARAM lParam) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
  if (pos == nullptr) return;
  // A move carries no size (SWP_NOSIZE) and a resize no place (SWP_NOMOVE):
  // those parts stay as the window has them now.
  RECT current{};
  if (!GetWindowRect(window, &current)) return;
  const bool keepPlace = (pos->flags & SWP_NOMOVE) != 0;
  const bool keepSize = (pos->flags & SWP_NOSIZE) != 0;
  const int x = keepPlace ? current.left : pos->x;
  const int y = keepPlace ? current.top : pos->y;
  const int width = keepSize ? current.right - current.left : pos->cx;
  const int height = keepSize ? current.bottom - current.top : pos->cy;
  if (width < 1 || height < 1) return;
  const RECT place{x, y, x + width, y + height};
  PlaceShadow(window, false, place.left, place.top, place.right - place.left,
              place.bottom - place.top);
}

void OnFrameWindowPosChanged(HWND window, int index) {
  WindowRecord* record = WindowRecordAt(index);
  if (record->hasMaximizeBox) {
    RECT r{};
    GetWindowRect(window, &r);
    if (r.right == GetSystemMetrics(SM_CXSCREEN) && r.bottom == GetSystemMetrics(SM_CYSCREEN)) {
      // The system maximised the window over the whole screen: keep the
      // taskbar free.
      const AreaSize area = CurrentWorkArea(WorkAreaUse::PositionChanged);
      record->maximized = true;
      // Without a taskbar the window already covers the work area; moving
      // it again would only bring this message back.
      if (r.left != 0 || r.top != 0 || r.right != area.width || r.bottom != area.height) {
        SetWindowPos(window, nullptr, 0, 0, area.width, area.height,
                     SWP_NOZORDER | SWP_NOOWNERZORDER);
      }
    }
  }
  const int current = FrameIndexOf(window);
  if (current == 0) return;
  LayoutTitleButtons(current);
  if (WindowRecordAt(current)->statusHeight > 0) LayoutStatusBar(current);
}

void OnFrameSysCommand(int index, WPARAM wParam) {
  WindowRecord* record = WindowRecordAt(index);
  HWND shadow = record->shadowWindow;
  // The low four bits of a system command are the system's own.
  switch (wParam & 0xFFF0) {
    case SC_MAXIMIZE:
      record->maximized = true;
      record->needsFullRedraw = true;
      if (shadow != nullptr) ShowWindow(shadow, SW_HIDE);
      break;
    case SC_RESTORE:
      record->needsFullRedraw = true;
      record->minimized = false;
      if (shadow != nullptr) ShowWindow(shadow, record->maximized ? SW_HIDE : SW_SHOWNA);
      break;
    case SC_MINIMIZE:
      record->needsFullRedraw = true;
      record->minimized = true;
      if (shadow != nullptr) ShowWindow(shadow, SW_HIDE);
      break;
    default:
      break;
  }
}

void OnFrameQueryOpen(int index) {
  WindowRecord* record = WindowRecordAt(index);
  record->minimized = false;
  record->childrenStale = true;
  if (HWND shadow = record->shadowWindow) {
    ShowWindow(shadow, record->maximized ? SW_HIDE : SW_SHOWNA);
  }
}
