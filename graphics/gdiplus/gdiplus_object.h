// Base of the GDI+ wrapper family and the status convention they share.
//
// Every wrapper owns one native GDI+ object (handle 0 = none). Operations
// that act return true exactly when GDI+ answered Ok; operations that read
// a value return it, or 0 when the call failed. Either way the status of the
// last call that reached GDI+ is left in LastStatus. Nothing throws, nothing
// is shown.
//
// Wrappers are made as locals, created, used, deleted explicitly; the
// destructor releases whatever is still held. They cannot be copied (a copy
// would share the native object and release it twice) but can be moved.
#pragma once

#include <cstddef>

#include "graphics/gdiplus/gdiplus_values.h"

// Status of the most recent wrapper call that reached GDI+ (0 = Ok).
extern GdipStatus LastStatus;

class GdiPlusObject {
 public:
  GdiPlusObject() = default;
  virtual ~GdiPlusObject() = default;
  GdiPlusObject(const GdiPlusObject&) = delete;
  GdiPlusObject& operator=(const GdiPlusObject&) = delete;

  // The native handle (GpImage*, GpGraphics*, GpBrush*, ...), 0 when empty.
  void* GetHandle() const { return handle_; }
  // Stores h as the native handle (no release of the previous one).
  void SetHandle(void* h) {
    handle_ = h;
    HandleChanged(h);
  }
  bool IsEmpty() const { return handle_ == nullptr; }

  // GDI+'s own allocator, for blocks handed to or received from GDI+.
  static void* Alloc(std::size_t size);
  static void Free(void* block);

 protected:
  GdiPlusObject(GdiPlusObject&& other) noexcept : handle_(other.handle_) {
    other.handle_ = nullptr;
  }
  // Hook for a class that mirrors the handle; the base keeps nothing more.
  virtual void HandleChanged(void*) {}
  // Takes over other's handle after this object's own was released.
  void TakeHandle(GdiPlusObject& other) {
    void* h = other.handle_;
    other.SetHandle(nullptr);
    SetHandle(h);
  }

 private:
  void* handle_ = nullptr;
};

// Records a GDI+ status in LastStatus; true when it is Ok.
bool RecordStatus(GdipStatus status);
