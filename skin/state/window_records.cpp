// The window record table, new records and the lookups from a window to its
// records.
#include <utility>

#include "skin/state/skin_state.h"

RecordList<WindowRecord> WindowRecords;
RecordList<MenuRecord> MenuRecords;
std::array<RecordList<ObjectRecord>, kObjectListCount> ObjectLists;

std::vector<LayoutPart> NewContainerParts() { return std::vector<LayoutPart>(1); }

std::unique_ptr<WindowRecord> NewWindowRecord() {
  auto record = std::make_unique<WindowRecord>();
  record->buttons = ListWithEmptyRecord<ButtonRecord>();
  record->edits = ListWithEmptyRecord<EditRecord>();
  record->lists = ListWithEmptyRecord<ListRecord>();
  record->trackbars = ListWithEmptyRecord<TrackbarRecord>();
  record->progressBars = ListWithEmptyRecord<ProgressRecord>();
  record->combos = ListWithEmptyRecord<ComboRecord>();
  record->upDowns = ListWithEmptyRecord<UpDownRecord>();
  record->headers = ListWithEmptyRecord<HeaderRecord>();
  record->toolbars = ListWithEmptyRecord<ToolbarRecord>();
  record->labels = ListWithEmptyRecord<LabelRecord>();
  record->containers = ListWithEmptyRecord<ContainerRecord>();
  record->containers[0]->parts = NewContainerParts();
  return record;
}

int AppendWindowRecord(std::unique_ptr<WindowRecord> record) {
  if (!record) record = NewWindowRecord();
  WindowRecords.push_back(std::move(record));
  return ListLength(WindowRecords);
}

int FindWindowRecord(HWND window) {
  for (int i = 1; i <= ListLength(WindowRecords); ++i) {
    if (WindowRecords[i - 1]->hwnd == window) return i;
  }
  return 0;
}

int FindOwningWindowRecord(HWND window) {
  int found = FindWindowRecord(window);
  if (found >= 1) return found;
  HWND rootOwner = GetAncestor(window, GA_ROOTOWNER);
  HWND current = window;
  // The window itself may be the root owner: then there is nothing above.
  if (current == rootOwner) return 0;
  while (true) {
    HWND parent = GetParent(current);
    if (parent == nullptr) return 0;
    found = FindWindowRecord(parent);
    if (found >= 1) return found;
    if (parent == rootOwner) return 0;
    current = parent;
  }
}

int FindContainerRecord(int windowIndex, HWND window) {
  const WindowRecord* record = WindowRecordAt(windowIndex);
  if (record == nullptr) return 0;
  for (int i = 1; i <= ListLength(record->containers); ++i) {
    if (record->containers[i - 1]->hwnd == window) return i;
  }
  return 0;
}

WindowRecord* WindowRecordAt(int index) { return RecordAt(WindowRecords, index); }

WindowRecord* FrameRecordOf(HWND frame) { return WindowRecordAt(GetPropInt(frame, Hw_lbID)); }

WindowRecord* OwnerRecordOf(HWND control) { return WindowRecordAt(GetPropInt(control, Hw_FuID)); }

ToolbarRecord* ToolbarRecordOf(HWND toolbar) {
  WindowRecord* owner = WindowRecordAt(GetPropInt(toolbar, Kj_FuID));
  if (owner == nullptr) return nullptr;
  return RecordAt(owner->toolbars, GetPropInt(toolbar, Kj_lbID));
}
