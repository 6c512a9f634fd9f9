// Private to the wrapper sources: the GDI+ flat API and the casts between
// the wrappers' opaque handles and records and GDI+'s own types.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "graphics/gdiplus/gdiplus_object.h"

namespace flat = Gdiplus::DllExports;

inline bool Record(Gdiplus::GpStatus status) { return RecordStatus(static_cast<GdipStatus>(status)); }

inline Gdiplus::PointF ToGp(PointF p) { return Gdiplus::PointF(p.x, p.y); }
inline Gdiplus::Point ToGp(PointI p) { return Gdiplus::Point(p.x, p.y); }
inline Gdiplus::RectF ToGp(const RectF& r) { return Gdiplus::RectF(r.x, r.y, r.width, r.height); }
inline Gdiplus::Rect ToGp(const RectI& r) { return Gdiplus::Rect(r.x, r.y, r.width, r.height); }
inline RectF FromGp(const Gdiplus::RectF& r) { return RectF{r.X, r.Y, r.Width, r.Height}; }
inline RectI FromGp(const Gdiplus::Rect& r) { return RectI{r.X, r.Y, r.Width, r.Height}; }
inline PointF FromGp(const Gdiplus::PointF& p) { return PointF{p.X, p.Y}; }
inline PointI FromGp(const Gdiplus::Point& p) { return PointI{p.X, p.Y}; }

// ---- the shapes of a wrapper operation ---------------------------------------
// Every operation is one of: make a native object into a wrapper (CreateInto,
// CloneInto), act on the wrapper's object (CallOn), read one value of it
// (ReadValue, ReadArray), or make a call that acts on no wrapper's object
// (CallFlat: the encoder list, a matrix of the moment). Each takes the flat
// call itself and the arguments that come before the call's own handle or
// out parameter, so the status, the empty object (RecordIfEmpty) and the
// hand-over are written once, here.

// The type a flat call writes through its last parameter.
template <class... Params>
using OutParamOf = std::remove_pointer_t<std::tuple_element_t<sizeof...(Params) - 1, std::tuple<Params...>>>;

// Releases target's object, then makes a new one with call(args..., &made);
// target holds it when GDI+ answers Ok.
template <class Wrapper, class... Params, class... Args>
bool CreateInto(Wrapper& target, Gdiplus::GpStatus(WINGDIPAPI* call)(Params...), Args&&... args) {
  target.Delete();
  OutParamOf<Params...> made = nullptr;
  if (!Record(call(std::forward<Args>(args)..., &made))) return false;
  target.SetHandle(made);
  return true;
}

// A copy of source's object into target by clone(handle, &copy); false
// without a call when target is source, and (target emptied) when source
// holds nothing.
template <class Wrapper, class Source, class Made>
bool CloneInto(const Wrapper& source, Wrapper& target, Gdiplus::GpStatus(WINGDIPAPI* clone)(Source*, Made**)) {
  if (&target == &source) return false;
  target.Delete();
  if (RecordIfEmpty(source)) return false;
  return CreateInto(target, clone, static_cast<Source*>(source.GetHandle()));
}

// call(handle, args...) on object's native object; an empty object fails
// without the call (RecordIfEmpty).
template <class Native, class... Params, class... Args>
bool CallOn(const GdiPlusObject& object, Gdiplus::GpStatus(WINGDIPAPI* call)(Native*, Params...), Args&&... args) {
  if (RecordIfEmpty(object)) return false;
  return Record(call(static_cast<Native*>(object.GetHandle()), std::forward<Args>(args)...));
}

// call(args...) for a call that acts on no wrapper's object.
template <class... Params, class... Args>
bool CallFlat(Gdiplus::GpStatus(WINGDIPAPI* call)(Params...), Args&&... args) {
  return Record(call(std::forward<Args>(args)...));
}

// A GDI+ matrix for the length of one operation: the identity, made with
// GdipCreateMatrix (its status recorded) and deleted at the end.
class ScratchMatrix {
 public:
  ScratchMatrix() { CallFlat(flat::GdipCreateMatrix, &matrix_); }
  ~ScratchMatrix() {
    if (matrix_ != nullptr) flat::GdipDeleteMatrix(matrix_);
  }
  ScratchMatrix(const ScratchMatrix&) = delete;
  ScratchMatrix& operator=(const ScratchMatrix&) = delete;
  Gdiplus::GpMatrix* get() const { return matrix_; }
  explicit operator bool() const { return matrix_ != nullptr; }

 private:
  Gdiplus::GpMatrix* matrix_ = nullptr;
};

// The value call(handle, args..., &value) reads, as Result (GDI+ records
// through FromGp, numbers, enumerations and handles by conversion); Result{}
// when the object is empty or the call fails.
template <class Result, class Native, class... Params, class... Args>
Result ReadValue(const GdiPlusObject& object, Gdiplus::GpStatus(WINGDIPAPI* call)(Native*, Params...),
                 Args&&... args) {
  if (RecordIfEmpty(object)) return Result{};
  OutParamOf<Params...> value{};
  if (!Record(call(static_cast<Native*>(object.GetHandle()), std::forward<Args>(args)..., &value))) return Result{};
  if constexpr (std::is_class_v<decltype(value)>) {
    return FromGp(value);
  } else {
    return static_cast<Result>(value);
  }
}

// The array getters: the count first (count(handle, &n)), then the n items
// (fetch(handle, items, n)); empty when the object is empty, a call fails or
// there are none.
template <class Native, class Count, class FetchNative, class Item>
std::vector<Item> ReadArray(const GdiPlusObject& object, Gdiplus::GpStatus(WINGDIPAPI* count)(Native*, Count*),
                            Gdiplus::GpStatus(WINGDIPAPI* fetch)(FetchNative*, Item*, INT)) {
  const INT n = ReadValue<INT>(object, count);
  if (n <= 0) return {};
  std::vector<Item> items(static_cast<size_t>(n));
  if (!Record(fetch(static_cast<FetchNative*>(object.GetHandle()), items.data(), n))) return {};
  return items;
}

template <class T>
T* As(const GdiPlusObject& object) {
  return static_cast<T*>(object.GetHandle());
}
template <class T>
T* AsOrNull(const GdiPlusObject* object) {
  return object ? static_cast<T*>(object->GetHandle()) : nullptr;
}

template <class From>
auto ToGpArray(const std::vector<From>& items) {
  std::vector<decltype(ToGp(From{}))> out;
  out.reserve(items.size());
  for (const From& item : items) out.push_back(ToGp(item));
  return out;
}

// The TransformCalls of a kind of object H from its four flat calls.
template <class H, Gdiplus::GpStatus(WINGDIPAPI* Reset)(H*),
          Gdiplus::GpStatus(WINGDIPAPI* Translate)(H*, Gdiplus::REAL, Gdiplus::REAL, Gdiplus::GpMatrixOrder),
          Gdiplus::GpStatus(WINGDIPAPI* Scale)(H*, Gdiplus::REAL, Gdiplus::REAL, Gdiplus::GpMatrixOrder),
          Gdiplus::GpStatus(WINGDIPAPI* Rotate)(H*, Gdiplus::REAL, Gdiplus::GpMatrixOrder)>
TransformCalls TransformCallsOf() {
  using Order = Gdiplus::GpMatrixOrder;
  return TransformCalls{
      [](void* h) { return static_cast<GdipStatus>(Reset(static_cast<H*>(h))); },
      [](void* h, float x, float y, int o) {
        return static_cast<GdipStatus>(Translate(static_cast<H*>(h), x, y, static_cast<Order>(o)));
      },
      [](void* h, float x, float y, int o) {
        return static_cast<GdipStatus>(Scale(static_cast<H*>(h), x, y, static_cast<Order>(o)));
      },
      [](void* h, float angle, int o) {
        return static_cast<GdipStatus>(Rotate(static_cast<H*>(h), angle, static_cast<Order>(o)));
      }};
}

template <class From>
auto FromGpArray(const std::vector<From>& items) {
  std::vector<decltype(FromGp(From{}))> out;
  out.reserve(items.size());
  for (const From& item : items) out.push_back(FromGp(item));
  return out;
}

inline INT CountOf(size_t n) { return static_cast<INT>(n); }

// GDI+'s ARGB is an unsigned long of the same 32 bits.
inline std::vector<Gdiplus::ARGB> ToGpColours(const std::vector<Argb>& colours) {
  return std::vector<Gdiplus::ARGB>(colours.begin(), colours.end());
}
