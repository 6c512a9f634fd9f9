// Private to the picture sources (image.cpp, bitmap.cpp): the one way a
// picture is made into an Image or Bitmap, from a file, from bytes, or by
// any other flat call that writes the new image through its last
// parameter, and the one way one is copied into another.
#pragma once

#include <utility>

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/image.h"

struct ImageMaking {
  // Replaces target's picture (already disposed by the caller) with the one
  // call(args..., &made) makes; backing holds the memory it reads from.
  template <class... Params, class... Args>
  static bool Make(Image& target, MemoryStream&& backing, Gdiplus::GpStatus(WINGDIPAPI* call)(Params...),
                   Args&&... args) {
    OutParamOf<Params...> made = nullptr;
    // The status is taken before Adopt reads the handle.
    const GdipStatus status = static_cast<GdipStatus>(call(std::forward<Args>(args)..., &made));
    return target.Adopt(status, made, std::move(backing));
  }

  // From a file, through the colour-managed call with useIcm.
  template <class Plain, class Icm>
  static bool FromFile(Image& target, const wchar_t* path, bool useIcm, Plain plain, Icm icm) {
    target.Dispose();
    return useIcm ? Make(target, MemoryStream(), icm, path) : Make(target, MemoryStream(), plain, path);
  }

  // From a complete picture file held in bytes; the picture keeps its own
  // copy of them for as long as it lives.
  template <class Plain, class Icm>
  static bool FromBytes(Image& target, const Bytes& bytes, bool useIcm, Plain plain, Icm icm) {
    target.Dispose();
    MemoryStream backing;
    IStream* stream = backing.Create(bytes);
    if (!stream) return RecordStatus(OutOfMemory);
    return useIcm ? Make(target, std::move(backing), icm, stream) : Make(target, std::move(backing), plain, stream);
  }

  // A copy of source's picture (or a part of it) into target by
  // copy(args..., source's handle, &made); false when target is source, and
  // (target disposed) when source holds nothing.
  template <class Picture, class... Params, class... Args>
  static bool CopyInto(const Picture& source, Picture& target, Gdiplus::GpStatus(WINGDIPAPI* copy)(Params...),
                       Args&&... args) {
    if (&target == &source) return false;
    target.Dispose();
    if (RecordIfEmpty(source)) return false;
    using Native = std::remove_pointer_t<std::tuple_element_t<sizeof...(Params) - 2, std::tuple<Params...>>>;
    return Make(target, MemoryStream(), copy, std::forward<Args>(args)..., static_cast<Native*>(source.GetHandle()));
  }
};
