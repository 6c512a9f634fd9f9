// Showing, erasing and painting a skinned frame: the whole frame is
// rendered into the back buffer when it changed, otherwise the cached back
// buffer is copied to the screen.
#include "graphics/paint/composite_present.h"
#include "skin/frame/frame_proc.h"
#include "skin/frame/frame_proc_handlers.h"
#include "skin/frame/frame_render.h"
#include "skin/frame/shadow_window.h"

namespace {

// After the frame came back from minimised: every visible list-type
// control composes itself again.
void InvalidateStaleLists(WindowRecord& record) {
  for (const auto& list : record.lists) {
    HWND control = list->window;
    if (control == nullptr || !IsWindowVisible(control)) continue;
    if (IsWindowClass(control, "SysListView32")) list->stale = true;
    InvalidateRect(control, nullptr, TRUE);
  }
}

// Children that let the frame show through are painted after it.
void InvalidateTransparentChildren(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0) {
      InvalidateRect(child, nullptr, FALSE);
    }
  }
}

}  // namespace

void OnFrameShowWindow(HWND window, int index, WPARAM wParam) {
  WindowRecord* record = WindowRecordAt(index);
  if (wParam == TRUE && !record->hiddenLatch) {
    // First show: the frame is rendered before the window appears.
    {
      const PaintDc paint(window);
      RenderFrame(index, nullptr, true);
    }
    record = WindowRecordAt(FrameIndexOf(window));
    if (record == nullptr) return;
    record->justShown = true;
    record->needsFullRedraw = false;
    if (record->shadowWindow != nullptr && !record->maximized) {
      ShowWindow(record->shadowWindow, SW_SHOWNA);
      PlaceShadow(window, false);
    }
    record->hiddenLatch = false;
  } else {
    record->hiddenLatch = true;
    record->justShown = false;
    if (record->shadowWindow != nullptr) ShowWindow(record->shadowWindow, SW_HIDE);
  }
}

LRESULT OnFrameEraseBackground(HWND window, int index, WPARAM wParam) {
  SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
  WindowRecord* record = WindowRecordAt(index);
  if (record->needsFullRedraw && !record->sizing && record->frameCopy &&
      !record->justShown && !record->eraseDone) {
    // The erase DC stays the system's: the composite goes through a DC of
    // its own that keeps the children out.
    RepaintFromComposite(window, false, false);
    record->eraseDone = true;
  }
  return 1;
}

LRESULT OnFramePaint(HWND window, int index, WPARAM wParam, LPARAM lParam) {
  {
    const PaintDc paint(window);
    WindowRecord* record = WindowRecordAt(index);
    if (record->minimized) {
      record->needsFullRedraw = false;
    } else if (record->needsFullRedraw) {
      RenderFrame(index, paint.get(), true);
      if (record->childrenStale) {
        record->childrenStale = false;
        InvalidateStaleLists(*record);
      }
      record->eraseDone = false;
      record->justShown = false;
    } else {
      BlitFrame(index, paint.get(), true);
      InvalidateTransparentChildren(window);
      record->needsFullRedraw = false;
    }
  }
  return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

void OnFrameSetText(int index, LPARAM lParam) {
  WindowRecord* record = WindowRecordAt(index);
  if (!record->drawCaption || !record->titleBarLive) return;
  const char* text = reinterpret_cast<const char*>(lParam);
  PaintCaption(index, nullptr, false, Text(text != nullptr ? text : ""));
}
