#include "graphics/gdiplus/region.h"

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/graphics_path.h"

namespace {
Gdiplus::GpRegion* R(const Region& r) { return As<Gdiplus::GpRegion>(r); }
Gdiplus::GpGraphics* G(const Graphics& g) { return As<Gdiplus::GpGraphics>(g); }
Gdiplus::GpGraphics* G(const Graphics* g) { return AsOrNull<Gdiplus::GpGraphics>(g); }
Gdiplus::GpPath* P(const GraphicsPath& p) { return As<Gdiplus::GpPath>(p); }
Gdiplus::CombineMode Mode(int mode) { return static_cast<Gdiplus::CombineMode>(mode); }
}  // namespace

GdipStatus Region::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteRegion(static_cast<Gdiplus::GpRegion*>(handle)));
}

bool Region::Create() { return CreateInto(*this, flat::GdipCreateRegion); }

bool Region::CreateRect(const RectF& rect) {
  const Gdiplus::RectF r = ToGp(rect);
  return CreateInto(*this, flat::GdipCreateRegionRect, &r);
}

bool Region::CreateRectI(const RectI& rect) {
  const Gdiplus::Rect r = ToGp(rect);
  return CreateInto(*this, flat::GdipCreateRegionRectI, &r);
}

bool Region::CreatePath(const GraphicsPath& path) { return CreateInto(*this, flat::GdipCreateRegionPath, P(path)); }
bool Region::CreateHrgn(HRGN hrgn) { return CreateInto(*this, flat::GdipCreateRegionHrgn, hrgn); }
bool Region::Clone(Region& target) const { return CloneInto(*this, target, flat::GdipCloneRegion); }

bool Region::SetInfinite() { return CallOn(*this, flat::GdipSetInfinite); }
bool Region::SetEmpty() { return CallOn(*this, flat::GdipSetEmpty); }

bool Region::CombineRect(const RectF& rect, int mode) {
  const Gdiplus::RectF r = ToGp(rect);
  return CallOn(*this, flat::GdipCombineRegionRect, &r, Mode(mode));
}

bool Region::CombineRectI(const RectI& rect, int mode) {
  const Gdiplus::Rect r = ToGp(rect);
  return CallOn(*this, flat::GdipCombineRegionRectI, &r, Mode(mode));
}

bool Region::CombineRegion(const Region& other, int mode) {
  return CallOn(*this, flat::GdipCombineRegionRegion, R(other), Mode(mode));
}

bool Region::CombinePath(const GraphicsPath& path, int mode) {
  return CallOn(*this, flat::GdipCombineRegionPath, P(path), Mode(mode));
}

bool Region::Translate(float dx, float dy) { return CallOn(*this, flat::GdipTranslateRegion, dx, dy); }
bool Region::TranslateI(int dx, int dy) { return CallOn(*this, flat::GdipTranslateRegionI, dx, dy); }

RectF Region::GetBounds(const Graphics& graphics) const {
  return ReadValue<RectF>(*this, flat::GdipGetRegionBounds, G(graphics));
}

RectI Region::GetBoundsI(const Graphics& graphics) const {
  return ReadValue<RectI>(*this, flat::GdipGetRegionBoundsI, G(graphics));
}

HRGN Region::GetHRgn(const Graphics& graphics) const {
  return ReadValue<HRGN>(*this, flat::GdipGetRegionHRgn, G(graphics));
}

bool Region::IsEmpty(const Graphics& graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsEmptyRegion, G(graphics));
}

bool Region::IsInfinite(const Graphics& graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsInfiniteRegion, G(graphics));
}

bool Region::IsEqual(const Region& other, const Graphics& graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsEqualRegion, R(other), G(graphics));
}

bool Region::IsVisiblePoint(float x, float y, const Graphics* graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsVisibleRegionPoint, x, y, G(graphics));
}

bool Region::IsVisiblePointI(int x, int y, const Graphics* graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsVisibleRegionPointI, x, y, G(graphics));
}

bool Region::IsVisibleRect(const RectF& rect, const Graphics* graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsVisibleRegionRect, rect.x, rect.y, rect.width, rect.height, G(graphics));
}

bool Region::IsVisibleRectI(const RectI& rect, const Graphics* graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsVisibleRegionRectI, rect.x, rect.y, rect.width, rect.height,
                         G(graphics));
}

int Region::GetScansCount() const {
  UINT count = 0;
  if (RecordIfEmpty(*this)) return 0;
  const ScratchMatrix identity;
  if (!identity) return 0;
  return CallOn(*this, flat::GdipGetRegionScansCount, &count, identity.get()) ? static_cast<int>(count) : 0;
}
