// Stale marks of frames' children and of the containers behind controls.
#include "skin/state/stale_marks.h"

#include "skin/state/skin_state.h"

int MarkChildrenStale(HWND window, bool containersOnly) {
  const int index = GetPropInt(window, Hw_lbID);
  WindowRecord* record = WindowRecordAt(index);
  if (record == nullptr) return 0;
  int containers = 0;
  for (const auto& c : record->containers) {
    c->redraw = true;
    c->backgroundStale = true;
    if (c->hwnd != nullptr) ++containers;
  }
  if (containersOnly) return containers;
  for (const auto& list : record->lists) list->stale = true;
  for (const auto& toolbar : record->toolbars) toolbar->redraw = true;
  for (const auto& label : record->labels) label->redraw = true;
  for (auto& objects : ObjectLists) {
    for (const auto& member : objects) {
      if (member->hwnd != nullptr && GetPropInt(member->hwnd, Hw_FuID) == index) {
        member->redraw = true;
      }
    }
  }
  return containers;
}

void MarkParentContainerStale(HWND control) {
  HWND parent = GetParent(control);
  const int windowIndex = GetPropInt(parent, Hw_FuID);
  const WindowRecord* record = WindowRecordAt(windowIndex);
  if (record == nullptr) return;
  ContainerRecord* container = RecordAt(record->containers, FindContainerRecord(windowIndex, parent));
  if (container != nullptr && GetPropInt(parent, Wxk_LBID) == 0) container->backgroundStale = true;
}

LRESULT PassOnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_WINDOWPOSCHANGING) MarkParentContainerStale(control);
  return PassOn(control, message, wParam, lParam);
}
