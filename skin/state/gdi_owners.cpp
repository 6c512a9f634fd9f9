// Owners of the memory DCs held by skin records.
#include "skin/state/gdi_owners.h"

#include <utility>

namespace {
RegisteredDcRelease registeredRelease = nullptr;
}  // namespace

void DeleteMemoryDcAndBitmap(HDC dc) {
  if (dc == nullptr) return;
  // Deleting the DC first frees its bitmap for DeleteObject; a DC that
  // still has the stock bitmap it was created with hands that back, and a
  // stock object survives DeleteObject unharmed.
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  DeleteDC(dc);
  if (bitmap != nullptr) DeleteObject(bitmap);
}

MemoryDcOwner& MemoryDcOwner::operator=(MemoryDcOwner&& other) noexcept {
  if (this != &other) reset(other.release());
  return *this;
}

void MemoryDcOwner::reset(HDC dc) {
  HDC old = std::exchange(dc_, dc);
  if (old != nullptr && old != dc) DeleteMemoryDcAndBitmap(old);
}

HDC MemoryDcOwner::release() { return std::exchange(dc_, nullptr); }

void SetRegisteredDcRelease(RegisteredDcRelease release) { registeredRelease = release; }

RegisteredDcOwner& RegisteredDcOwner::operator=(RegisteredDcOwner&& other) noexcept {
  if (this != &other) reset(other.release());
  return *this;
}

void RegisteredDcOwner::reset(HDC dc) {
  HDC old = std::exchange(dc_, dc);
  if (old == nullptr || old == dc) return;
  // A DC the table does not know was never registered: release it directly.
  if (registeredRelease == nullptr || !registeredRelease(old)) DeleteMemoryDcAndBitmap(old);
}

HDC RegisteredDcOwner::release() { return std::exchange(dc_, nullptr); }
