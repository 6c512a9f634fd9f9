// Removing a window record and renumbering the indices kept in window
// properties, so that every index stays the record's current position.
#include <utility>

#include "skin/state/skin_state.h"

namespace {

// Calls visit(window, propertyName) for every window that carries the
// record's index: its controls, containers and labels (Hw_FuID), the drawn
// scroll bars of its edit and list records (Hw_FuID) and its toolbars
// (Kj_FuID). Empty records (window 0) are skipped.
template <class Visit>
void ForEachOwnedWindow(const WindowRecord& record, Visit visit) {
  auto visitList = [&](const auto& list) {
    for (const auto& r : list) {
      if (HWND w = RecordWindow(*r)) visit(w, Hw_FuID);
    }
  };
  visitList(record.buttons);
  visitList(record.edits);
  visitList(record.lists);
  visitList(record.trackbars);
  visitList(record.progressBars);
  visitList(record.combos);
  visitList(record.upDowns);
  visitList(record.headers);
  visitList(record.containers);
  visitList(record.labels);
  for (const auto& r : record.toolbars) {
    if (r->hwnd) visit(r->hwnd, Kj_FuID);
  }
  for (const auto& r : record.edits) {
    if (r->verticalBar) visit(r->verticalBar, Hw_FuID);
    if (r->horizontalBar) visit(r->horizontalBar, Hw_FuID);
  }
  for (const auto& r : record.lists) {
    if (r->verticalBar) visit(r->verticalBar, Hw_FuID);
    if (r->horizontalBar) visit(r->horizontalBar, Hw_FuID);
  }
}

}  // namespace

void RenumberWindowRecords(int removedIndex) {
  for (int i = 1; i <= ListLength(WindowRecords); ++i) {
    const WindowRecord& record = *WindowRecords[i - 1];
    SetPropInt(record.hwnd, Hw_lbID, i);
    ForEachOwnedWindow(record, [i](HWND w, const char* name) { SetPropInt(w, name, i); });
  }
  if (removedIndex < 1) return;
  for (auto& list : ObjectLists) {
    for (const auto& member : list) {
      if (member->hwnd == nullptr) continue;
      int owner = GetPropInt(member->hwnd, Hw_FuID);
      if (owner == removedIndex) {
        SetPropInt(member->hwnd, Hw_FuID, 0);
      } else if (owner > removedIndex) {
        SetPropInt(member->hwnd, Hw_FuID, owner - 1);
      }
    }
  }
}

void RemoveWindowRecord(int index) {
  if (!IsValidIndex(WindowRecords, index)) return;
  std::unique_ptr<WindowRecord> removed = std::move(WindowRecords[index - 1]);
  WindowRecords.erase(WindowRecords.begin() + (index - 1));

  // The removed window and its controls would otherwise point at the record
  // that has just moved into position index.
  if (GetPropInt(removed->hwnd, Hw_lbID) == index) SetPropInt(removed->hwnd, Hw_lbID, 0);
  ForEachOwnedWindow(*removed, [index](HWND w, const char* name) {
    if (IsWindow(w) && GetPropInt(w, name) == index) SetPropInt(w, name, 0);
  });

  removed.reset();  // DCs, bitmaps, texts, buffers, lists, tooltip object
  RenumberWindowRecords(index);
}
