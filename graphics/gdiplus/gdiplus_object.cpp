#include "graphics/gdiplus/gdiplus_object.h"

#include "graphics/gdiplus/flat_api.h"

GdipStatus LastStatus = Ok;

bool RecordStatus(GdipStatus status) {
  LastStatus = status;
  return status == Ok;
}

bool RecordIfEmpty(const GdiPlusObject& object) {
  if (!object.IsEmpty()) return false;
  RecordStatus(InvalidParameter);
  return true;
}

void* GdiPlusObject::Alloc(std::size_t size) { return flat::GdipAlloc(size); }

void GdiPlusObject::Free(void* block) { flat::GdipFree(block); }
