// The releases behind the owner types.
#include "win32/handle_owners.h"

namespace {
RegisteredDcRelease registeredRelease = nullptr;
RegisteredDcReleaseAll registeredReleaseAll = nullptr;
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

void SetRegisteredDcRelease(RegisteredDcRelease release, RegisteredDcReleaseAll releaseAll) {
  registeredRelease = release;
  registeredReleaseAll = releaseAll;
}

void ReleaseRegisteredDc(HDC dc) {
  if (dc == nullptr) return;
  // A DC the table does not know was never registered: release it directly.
  if (registeredRelease == nullptr || !registeredRelease(dc)) DeleteMemoryDcAndBitmap(dc);
}

void ReleaseAllRegisteredDcs() {
  if (registeredReleaseAll != nullptr) registeredReleaseAll();
}

CompatibleDc::~CompatibleDc() {
  if (dc_ == nullptr) return;
  if (displacedBitmap_ != nullptr) SelectObject(dc_, displacedBitmap_);
  if (displacedOther_ != nullptr) SelectObject(dc_, displacedOther_);
  DeleteDC(dc_);
}

void CompatibleDc::Select(HGDIOBJ object) {
  if (dc_ == nullptr || object == nullptr) return;
  HGDIOBJ displaced = SelectObject(dc_, object);
  HGDIOBJ& slot = GetObjectType(object) == OBJ_BITMAP ? displacedBitmap_ : displacedOther_;
  if (slot == nullptr) slot = displaced;
}
