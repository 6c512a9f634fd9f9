// Marking the container behind a moving control stale.
#include "skin/controls/parent_container_stale.h"

#include "skin/state/skin_state.h"

void MarkParentContainerStale(HWND control) {
  HWND parent = GetParent(control);
  const int windowIndex = GetPropInt(parent, Hw_FuID);
  const WindowRecord* record = WindowRecordAt(windowIndex);
  if (record == nullptr) return;
  ContainerRecord* container = RecordAt(record->containers, FindContainerRecord(windowIndex, parent));
  if (container != nullptr && GetPropInt(parent, Wxk_LBID) == 0) container->backgroundStale = 1;
}
