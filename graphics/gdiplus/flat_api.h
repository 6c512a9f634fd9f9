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

inline INT CountOf(size_t n) { return static_cast<INT>(n); }

// GDI+'s ARGB is an unsigned long of the same 32 bits.
inline std::vector<Gdiplus::ARGB> ToGpColours(const std::vector<Argb>& colours) {
  return std::vector<Gdiplus::ARGB>(colours.begin(), colours.end());
}
