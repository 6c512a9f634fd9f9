#include "graphics/gdiplus/pen.h"

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/flat_api.h"

using Gdiplus::GpPen;

namespace {
GpPen* P(const Pen& p) { return As<GpPen>(p); }
Gdiplus::LineCap Cap(int cap) { return static_cast<Gdiplus::LineCap>(cap); }
}  // namespace

GdipStatus Pen::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeletePen(static_cast<Gdiplus::GpPen*>(handle)));
}

bool Pen::Create1(Argb colour, float width, int unit) {
  Delete();
  GpPen* pen = nullptr;
  if (!Record(flat::GdipCreatePen1(colour, width, static_cast<Gdiplus::Unit>(unit), &pen))) return false;
  SetHandle(pen);
  return true;
}

bool Pen::Create2(const Brush& brush, float width, int unit) {
  Delete();
  GpPen* pen = nullptr;
  if (!Record(flat::GdipCreatePen2(As<Gdiplus::GpBrush>(brush), width, static_cast<Gdiplus::Unit>(unit), &pen)))
    return false;
  SetHandle(pen);
  return true;
}

bool Pen::Clone(Pen& target) const {
  if (&target == this) return false;
  target.Delete();
  PX_NEED_OBJECT(false);
  GpPen* copy = nullptr;
  if (!Record(flat::GdipClonePen(P(*this), &copy))) return false;
  target.SetHandle(copy);
  return true;
}

float Pen::GetWidth() const {
  Gdiplus::REAL width = 0;
  PX_NEED_OBJECT(0.0f);
  if (!Record(flat::GdipGetPenWidth(P(*this), &width))) return 0;
  return width;
}

bool Pen::SetWidth(float width) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenWidth(P(*this), width));
}

int Pen::GetUnit() const {
  Gdiplus::Unit unit = Gdiplus::UnitWorld;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPenUnit(P(*this), &unit))) return 0;
  return unit;
}

bool Pen::SetUnit(int unit) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenUnit(P(*this), static_cast<Gdiplus::Unit>(unit)));
}

bool Pen::SetLineCap(int startCap, int endCap, int dashCap) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenLineCap197819(P(*this), Cap(startCap), Cap(endCap),
                                              static_cast<Gdiplus::DashCap>(dashCap)));
}

bool Pen::SetStartCap(int cap) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenStartCap(P(*this), Cap(cap)));
}

bool Pen::SetEndCap(int cap) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenEndCap(P(*this), Cap(cap)));
}

bool Pen::SetDashCap(int cap) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenDashCap197819(P(*this), static_cast<Gdiplus::DashCap>(cap)));
}

int Pen::GetStartCap() const {
  Gdiplus::LineCap cap = Gdiplus::LineCapFlat;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPenStartCap(P(*this), &cap))) return 0;
  return cap;
}

int Pen::GetEndCap() const {
  Gdiplus::LineCap cap = Gdiplus::LineCapFlat;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPenEndCap(P(*this), &cap))) return 0;
  return cap;
}

int Pen::GetDashCap() const {
  Gdiplus::DashCap cap = Gdiplus::DashCapFlat;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPenDashCap197819(P(*this), &cap))) return 0;
  return cap;
}

bool Pen::SetLineJoin(int join) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenLineJoin(P(*this), static_cast<Gdiplus::LineJoin>(join)));
}

int Pen::GetLineJoin() const {
  Gdiplus::LineJoin join = Gdiplus::LineJoinMiter;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPenLineJoin(P(*this), &join))) return 0;
  return join;
}

bool Pen::SetMiterLimit(float limit) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenMiterLimit(P(*this), limit));
}

float Pen::GetMiterLimit() const {
  Gdiplus::REAL limit = 0;
  PX_NEED_OBJECT(0.0f);
  if (!Record(flat::GdipGetPenMiterLimit(P(*this), &limit))) return 0;
  return limit;
}

bool Pen::SetMode(int alignment) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenMode(P(*this), static_cast<Gdiplus::PenAlignment>(alignment)));
}

int Pen::GetMode() const {
  Gdiplus::PenAlignment alignment = Gdiplus::PenAlignmentCenter;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPenMode(P(*this), &alignment))) return 0;
  return alignment;
}

const TransformCalls Pen::kTransformCalls = TransformCallsOf<Gdiplus::GpPen, flat::GdipResetPenTransform, flat::GdipTranslatePenTransform,
                                                       flat::GdipScalePenTransform, flat::GdipRotatePenTransform>();

Argb Pen::GetColor() const {
  Gdiplus::ARGB colour = 0;
  PX_NEED_OBJECT(0u);
  if (!Record(flat::GdipGetPenColor(P(*this), &colour))) return 0;
  return colour;
}

bool Pen::SetColor(Argb colour) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenColor(P(*this), colour));
}

bool Pen::SetBrushFill(const Brush& brush) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenBrushFill(P(*this), As<Gdiplus::GpBrush>(brush)));
}

int Pen::GetFillType() const {
  Gdiplus::PenType type = Gdiplus::PenTypeSolidColor;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPenFillType(P(*this), &type))) return 0;
  return type;
}

bool Pen::SetDashStyle(int style) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenDashStyle(P(*this), static_cast<Gdiplus::DashStyle>(style)));
}

int Pen::GetDashStyle() const {
  Gdiplus::DashStyle style = Gdiplus::DashStyleSolid;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPenDashStyle(P(*this), &style))) return 0;
  return style;
}

float Pen::GetDashOffset() const {
  Gdiplus::REAL offset = 0;
  PX_NEED_OBJECT(0.0f);
  if (!Record(flat::GdipGetPenDashOffset(P(*this), &offset))) return 0;
  return offset;
}

bool Pen::SetDashOffset(float offset) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenDashOffset(P(*this), offset));
}

std::vector<float> Pen::GetDashArray() const {
  INT count = 0;
  PX_NEED_OBJECT(std::vector<float>{});
  if (!Record(flat::GdipGetPenDashCount(P(*this), &count)) || count <= 0) return {};
  std::vector<float> dashes(static_cast<size_t>(count), 0.0f);
  if (!Record(flat::GdipGetPenDashArray(P(*this), dashes.data(), count))) return {};
  return dashes;
}

bool Pen::SetDashArray(const std::vector<float>& dashes) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenDashArray(P(*this), dashes.data(), CountOf(dashes.size())));
}

std::vector<float> Pen::GetCompoundArray() const {
  INT count = 0;
  PX_NEED_OBJECT(std::vector<float>{});
  if (!Record(flat::GdipGetPenCompoundCount(P(*this), &count)) || count <= 0) return {};
  std::vector<float> bands(static_cast<size_t>(count), 0.0f);
  if (!Record(flat::GdipGetPenCompoundArray(P(*this), bands.data(), count))) return {};
  return bands;
}

bool Pen::SetCompoundArray(const std::vector<float>& bands) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPenCompoundArray(P(*this), bands.data(), CountOf(bands.size())));
}
