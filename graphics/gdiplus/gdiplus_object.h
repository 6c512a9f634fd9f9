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
#include <utility>

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

// The one check for an empty object at the start of an operation: true
// when object holds nothing, with the status GDI+ gives for a null object
// (InvalidParameter) recorded; the operation then fails without a call.
bool RecordIfEmpty(const GdiPlusObject& object);

// ScaleAt and RotateAt, for every object with a transform: step (the scale
// or the rotation, given the order) about centre. Appended, the centre is
// moved to the origin first and back last; prepended, the same steps apply
// in the reverse order. translate is the object's own translation.
template <class Object, class Step>
bool TransformAbout(Object& object, bool (Object::*translate)(float, float, int), PointF centre, int order,
                    Step step) {
  const float s = order != MatrixOrderPrepend ? -1.0f : 1.0f;
  return (object.*translate)(s * centre.x, s * centre.y, order) && step(order) &&
         (object.*translate)(-s * centre.x, -s * centre.y, order);
}

// The GDI+ calls on the local transform of one kind of object (a pen, a
// gradient or texture brush), over its native handle.
struct TransformCalls {
  GdipStatus (*reset)(void* handle);
  GdipStatus (*translate)(void* handle, float dx, float dy, int order);
  GdipStatus (*scale)(void* handle, float sx, float sy, int order);
  GdipStatus (*rotate)(void* handle, float angle, int order);
};

// The local transform operations, the same for every object that has one:
// Self::kTransformCalls names its GDI+ calls.
template <class Base, class Self>
class WithTransform : public Base {
 public:
  bool ResetTransform() { return Apply(Self::kTransformCalls.reset); }
  bool TranslateTransform(float dx, float dy, int order = MatrixOrderPrepend) {
    return Apply(Self::kTransformCalls.translate, dx, dy, order);
  }
  bool ScaleTransform(float sx, float sy, int order = MatrixOrderPrepend) {
    return Apply(Self::kTransformCalls.scale, sx, sy, order);
  }
  bool RotateTransform(float angle, int order = MatrixOrderPrepend) {
    return Apply(Self::kTransformCalls.rotate, angle, order);
  }
  // About a centre, as Graphics::ScaleAt / RotateAt on the world transform.
  bool ScaleAt(float sx, float sy, PointF centre, int order = MatrixOrderPrepend) {
    return TransformAbout(*this, &WithTransform::TranslateTransform, centre, order,
                          [&](int o) { return ScaleTransform(sx, sy, o); });
  }
  bool RotateAt(float angle, PointF centre, int order = MatrixOrderPrepend) {
    return TransformAbout(*this, &WithTransform::TranslateTransform, centre, order,
                          [&](int o) { return RotateTransform(angle, o); });
  }

 private:
  template <class Call, class... Args>
  bool Apply(Call call, Args... args) {
    if (RecordIfEmpty(*this)) return false;
    return RecordStatus(call(this->GetHandle(), args...));
  }
};

// The owning part every wrapper but the images shares: Delete releases the
// native object through Self::DeleteNative (defined with the class, over
// the class's GDI+ delete call); moving hands the object over, releasing
// what the target held. A class derived from it declares no destructor or
// move members of its own.
template <class Self>
class OwnedGdiPlusObject : public GdiPlusObject {
 public:
  ~OwnedGdiPlusObject() override { Delete(); }
  // Releases the native object; false (and no call) when empty.
  bool Delete() {
    if (IsEmpty()) return false;
    const bool ok = RecordStatus(Self::DeleteNative(GetHandle()));
    SetHandle(nullptr);
    return ok;
  }

 protected:
  OwnedGdiPlusObject() = default;
  OwnedGdiPlusObject(OwnedGdiPlusObject&& other) noexcept : GdiPlusObject(std::move(other)) {}
  OwnedGdiPlusObject& operator=(OwnedGdiPlusObject&& other) noexcept {
    if (this != &other) {
      Delete();
      TakeHandle(other);
    }
    return *this;
  }
};
