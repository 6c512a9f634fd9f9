// A GDI+ region: an area built from rectangles, paths and GDI regions.
#pragma once

#include <windows.h>

#include <utility>

#include "graphics/gdiplus/gdiplus_object.h"

class Graphics;
class GraphicsPath;

class Region : public OwnedGdiPlusObject<Region> {
 public:
  static GdipStatus DeleteNative(void* handle);

  // An infinite region.
  bool Create();
  bool CreateRect(const RectF& rect);
  bool CreateRectI(const RectI& rect);
  bool CreatePath(const GraphicsPath& path);
  bool CreateHrgn(HRGN region);
  bool Clone(Region& target) const;
  bool SetInfinite();
  bool SetEmpty();
  bool CombineRect(const RectF& rect, int mode = CombineModeReplace);
  bool CombineRectI(const RectI& rect, int mode = CombineModeReplace);
  bool CombineRegion(const Region& other, int mode = CombineModeReplace);
  bool CombinePath(const GraphicsPath& path, int mode = CombineModeReplace);
  bool Translate(float dx, float dy);
  bool TranslateI(int dx, int dy);
  RectF GetBounds(const Graphics& graphics) const;
  RectI GetBoundsI(const Graphics& graphics) const;
  // A GDI region of the same area; the caller deletes it. 0 on failure (an
  // infinite region also gives 0).
  HRGN GetHRgn(const Graphics& graphics) const;
  using GdiPlusObject::IsEmpty;  // holds no native region
  // The region covers nothing (not the same as holding no native region).
  bool IsEmpty(const Graphics& graphics) const;
  bool IsInfinite(const Graphics& graphics) const;
  bool IsEqual(const Region& other, const Graphics& graphics) const;
  bool IsVisiblePoint(float x, float y, const Graphics* graphics = nullptr) const;
  bool IsVisiblePointI(int x, int y, const Graphics* graphics = nullptr) const;
  bool IsVisibleRect(const RectF& rect, const Graphics* graphics = nullptr) const;
  bool IsVisibleRectI(const RectI& rect, const Graphics* graphics = nullptr) const;
  int GetScansCount() const;
};
