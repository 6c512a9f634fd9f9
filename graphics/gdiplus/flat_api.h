// Private to the wrapper sources: the GDI+ flat API and the casts between
// the wrappers' opaque handles and records and GDI+'s own types.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

#include <vector>

#include "graphics/gdiplus/gdiplus_object.h"

namespace flat = Gdiplus::DllExports;

inline bool Record(Gdiplus::GpStatus status) { return RecordStatus(static_cast<GdipStatus>(status)); }

// Status of an operation on an object that holds nothing: what GDI+ gives
// for a null object, recorded without making the call.
inline bool RecordEmpty() { return RecordStatus(InvalidParameter); }

// The first step of every operation on the object: an empty object records
// RecordEmpty and returns fail without calling GDI+.
#define PX_NEED_OBJECT(fail) \
  if (IsEmpty()) return RecordEmpty(), fail

template <class T>
T* As(const GdiPlusObject& object) {
  return static_cast<T*>(object.GetHandle());
}
template <class T>
T* AsOrNull(const GdiPlusObject* object) {
  return object ? static_cast<T*>(object->GetHandle()) : nullptr;
}

inline Gdiplus::PointF ToGp(PointF p) { return Gdiplus::PointF(p.x, p.y); }
inline Gdiplus::Point ToGp(PointI p) { return Gdiplus::Point(p.x, p.y); }
inline Gdiplus::RectF ToGp(const RectF& r) { return Gdiplus::RectF(r.x, r.y, r.width, r.height); }
inline Gdiplus::Rect ToGp(const RectI& r) { return Gdiplus::Rect(r.x, r.y, r.width, r.height); }
inline RectF FromGp(const Gdiplus::RectF& r) { return RectF{r.X, r.Y, r.Width, r.Height}; }
inline RectI FromGp(const Gdiplus::Rect& r) { return RectI{r.X, r.Y, r.Width, r.Height}; }
inline PointF FromGp(const Gdiplus::PointF& p) { return PointF{p.X, p.Y}; }

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

inline INT CountOf(size_t n) { return static_cast<INT>(n); }

// GDI+'s ARGB is an unsigned long of the same 32 bits.
inline std::vector<Gdiplus::ARGB> ToGpColours(const std::vector<Argb>& colours) {
  return std::vector<Gdiplus::ARGB>(colours.begin(), colours.end());
}
