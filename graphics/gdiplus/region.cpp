#include "graphics/gdiplus/region.h"

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/graphics_path.h"

using Gdiplus::GpRegion;

namespace {
GpRegion* R(const Region& r) { return As<GpRegion>(r); }
Gdiplus::GpGraphics* G(const Graphics& g) { return As<Gdiplus::GpGraphics>(g); }
Gdiplus::CombineMode Mode(int mode) { return static_cast<Gdiplus::CombineMode>(mode); }
}  // namespace

GdipStatus Region::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteRegion(static_cast<Gdiplus::GpRegion*>(handle)));
}

bool Region::Create() {
  Delete();
  GpRegion* region = nullptr;
  if (!Record(flat::GdipCreateRegion(&region))) return false;
  SetHandle(region);
  return true;
}

bool Region::CreateRect(const RectF& rect) {
  Delete();
  GpRegion* region = nullptr;
  Gdiplus::RectF r = ToGp(rect);
  if (!Record(flat::GdipCreateRegionRect(&r, &region))) return false;
  SetHandle(region);
  return true;
}

bool Region::CreateRectI(const RectI& rect) {
  Delete();
  GpRegion* region = nullptr;
  Gdiplus::Rect r = ToGp(rect);
  if (!Record(flat::GdipCreateRegionRectI(&r, &region))) return false;
  SetHandle(region);
  return true;
}

bool Region::CreatePath(const GraphicsPath& path) {
  Delete();
  GpRegion* region = nullptr;
  if (!Record(flat::GdipCreateRegionPath(As<Gdiplus::GpPath>(path), &region))) return false;
  SetHandle(region);
  return true;
}

bool Region::CreateHrgn(HRGN hrgn) {
  Delete();
  GpRegion* region = nullptr;
  if (!Record(flat::GdipCreateRegionHrgn(hrgn, &region))) return false;
  SetHandle(region);
  return true;
}

bool Region::Clone(Region& target) const {
  if (&target == this) return false;
  target.Delete();
  PX_NEED_OBJECT(false);
  GpRegion* copy = nullptr;
  if (!Record(flat::GdipCloneRegion(R(*this), &copy))) return false;
  target.SetHandle(copy);
  return true;
}

bool Region::SetInfinite() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetInfinite(R(*this)));
}

bool Region::SetEmpty() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetEmpty(R(*this)));
}

bool Region::CombineRect(const RectF& rect, int mode) {
  PX_NEED_OBJECT(false);
  Gdiplus::RectF r = ToGp(rect);
  return Record(flat::GdipCombineRegionRect(R(*this), &r, Mode(mode)));
}

bool Region::CombineRectI(const RectI& rect, int mode) {
  PX_NEED_OBJECT(false);
  Gdiplus::Rect r = ToGp(rect);
  return Record(flat::GdipCombineRegionRectI(R(*this), &r, Mode(mode)));
}

bool Region::CombineRegion(const Region& other, int mode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipCombineRegionRegion(R(*this), R(other), Mode(mode)));
}

bool Region::CombinePath(const GraphicsPath& path, int mode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipCombineRegionPath(R(*this), As<Gdiplus::GpPath>(path), Mode(mode)));
}

bool Region::Translate(float dx, float dy) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipTranslateRegion(R(*this), dx, dy));
}

bool Region::TranslateI(int dx, int dy) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipTranslateRegionI(R(*this), dx, dy));
}

RectF Region::GetBounds(const Graphics& graphics) const {
  Gdiplus::RectF r(0, 0, 0, 0);
  PX_NEED_OBJECT(RectF{});
  if (!Record(flat::GdipGetRegionBounds(R(*this), G(graphics), &r))) return RectF{};
  return FromGp(r);
}

RectI Region::GetBoundsI(const Graphics& graphics) const {
  Gdiplus::Rect r(0, 0, 0, 0);
  PX_NEED_OBJECT(RectI{});
  if (!Record(flat::GdipGetRegionBoundsI(R(*this), G(graphics), &r))) return RectI{};
  return FromGp(r);
}

HRGN Region::GetHRgn(const Graphics& graphics) const {
  HRGN hrgn = nullptr;
  PX_NEED_OBJECT(nullptr);
  if (!Record(flat::GdipGetRegionHRgn(R(*this), G(graphics), &hrgn))) return nullptr;
  return hrgn;
}

bool Region::IsEmpty(const Graphics& graphics) const {
  BOOL result = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsEmptyRegion(R(*this), G(graphics), &result))) return false;
  return result != FALSE;
}

bool Region::IsInfinite(const Graphics& graphics) const {
  BOOL result = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsInfiniteRegion(R(*this), G(graphics), &result))) return false;
  return result != FALSE;
}

bool Region::IsEqual(const Region& other, const Graphics& graphics) const {
  BOOL result = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsEqualRegion(R(*this), R(other), G(graphics), &result))) return false;
  return result != FALSE;
}

bool Region::IsVisiblePoint(float x, float y, const Graphics* graphics) const {
  BOOL result = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsVisibleRegionPoint(R(*this), x, y, AsOrNull<Gdiplus::GpGraphics>(graphics), &result)))
    return false;
  return result != FALSE;
}

bool Region::IsVisiblePointI(int x, int y, const Graphics* graphics) const {
  BOOL result = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsVisibleRegionPointI(R(*this), x, y, AsOrNull<Gdiplus::GpGraphics>(graphics), &result)))
    return false;
  return result != FALSE;
}

bool Region::IsVisibleRect(const RectF& rect, const Graphics* graphics) const {
  BOOL result = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsVisibleRegionRect(R(*this), rect.x, rect.y, rect.width, rect.height,
                                            AsOrNull<Gdiplus::GpGraphics>(graphics), &result)))
    return false;
  return result != FALSE;
}

bool Region::IsVisibleRectI(const RectI& rect, const Graphics* graphics) const {
  BOOL result = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsVisibleRegionRectI(R(*this), rect.x, rect.y, rect.width, rect.height,
                                             AsOrNull<Gdiplus::GpGraphics>(graphics), &result)))
    return false;
  return result != FALSE;
}

int Region::GetScansCount() const {
  UINT count = 0;
  PX_NEED_OBJECT(0);
  Gdiplus::GpMatrix* identity = nullptr;
  if (!Record(flat::GdipCreateMatrix(&identity))) return 0;
  bool ok = Record(flat::GdipGetRegionScansCount(R(*this), &count, identity));
  flat::GdipDeleteMatrix(identity);
  return ok ? static_cast<int>(count) : 0;
}
