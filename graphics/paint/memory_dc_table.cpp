// The memory-DC table.
#include "graphics/paint/memory_dc_table.h"

#include <vector>

#include "graphics/paint/dib_section.h"
#include "win32/handle_owners.h"

namespace {

struct MemoryDcEntry {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
};

std::vector<MemoryDcEntry> MemoryDcTable;

MemoryDcEntry* FindEntry(HDC dc) {
  for (MemoryDcEntry& entry : MemoryDcTable) {
    if (entry.dc == dc) return &entry;
  }
  return nullptr;
}

}  // namespace

void RememberMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ previous) {
  // The skin state owns composite DCs that live in this table, and its exit
  // routine frees what is left: both release through the table.
  SetRegisteredDcRelease(ReleaseMemoryDc, ReleaseAllMemoryDcs);
  if (MemoryDcEntry* entry = FindEntry(dc)) {
    entry->bitmap = bitmap;
    entry->previous = previous;
    return;
  }
  MemoryDcTable.push_back(MemoryDcEntry{dc, bitmap, previous});
}

bool ReleaseMemoryDc(HDC dc) {
  if (dc == nullptr) return false;
  MemoryDcEntry* entry = FindEntry(dc);
  if (entry == nullptr) return false;
  // Drop the entry first: the handles are dead from here on.
  const MemoryDcEntry released = *entry;
  MemoryDcTable.erase(MemoryDcTable.begin() + (entry - MemoryDcTable.data()));
  if (released.previous != nullptr) {
    HGDIOBJ current = SelectObject(dc, released.previous);
    if (current != nullptr) DeleteObject(current);
    DeleteDC(dc);
  } else {
    // Nothing to select back (an entry remembered without its displaced
    // object): delete the DC first so that its bitmap comes free.
    HGDIOBJ current = GetCurrentObject(dc, OBJ_BITMAP);
    DeleteDC(dc);
    if (current != nullptr) DeleteObject(current);
  }
  return true;
}

void ReleaseAllMemoryDcs() {
  while (!MemoryDcTable.empty()) ReleaseMemoryDc(MemoryDcTable.back().dc);
}

int MemoryDcCount() { return static_cast<int>(MemoryDcTable.size()); }

bool IsRememberedMemoryDc(HDC dc) { return dc != nullptr && FindEntry(dc) != nullptr; }

HDC CreateRememberedMemoryDc(int width, int height) {
  BitmapOwner bitmap(CreateDib32(width, height));
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return nullptr;
  HGDIOBJ previous = bitmap ? SelectObject(dc, bitmap.get()) : nullptr;
  RememberMemoryDc(dc, bitmap.release(), previous);
  return dc;
}
