#include "graphics/gdiplus/pen.h"

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/flat_api.h"

namespace {
Gdiplus::LineCap Cap(int cap) { return static_cast<Gdiplus::LineCap>(cap); }
Gdiplus::Unit UnitOf(int unit) { return static_cast<Gdiplus::Unit>(unit); }
Gdiplus::GpBrush* B(const Brush& b) { return As<Gdiplus::GpBrush>(b); }
}  // namespace

GdipStatus Pen::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeletePen(static_cast<Gdiplus::GpPen*>(handle)));
}

bool Pen::Create1(Argb colour, float width, int unit) {
  return CreateInto(*this, flat::GdipCreatePen1, colour, width, UnitOf(unit));
}

bool Pen::Create2(const Brush& brush, float width, int unit) {
  return CreateInto(*this, flat::GdipCreatePen2, B(brush), width, UnitOf(unit));
}

bool Pen::Clone(Pen& target) const { return CloneInto(*this, target, flat::GdipClonePen); }

float Pen::GetWidth() const { return ReadValue<float>(*this, flat::GdipGetPenWidth); }
bool Pen::SetWidth(float width) { return CallOn(*this, flat::GdipSetPenWidth, width); }
int Pen::GetUnit() const { return ReadValue<int>(*this, flat::GdipGetPenUnit); }
bool Pen::SetUnit(int unit) { return CallOn(*this, flat::GdipSetPenUnit, UnitOf(unit)); }

bool Pen::SetLineCap(int startCap, int endCap, int dashCap) {
  return CallOn(*this, flat::GdipSetPenLineCap197819, Cap(startCap), Cap(endCap),
                static_cast<Gdiplus::DashCap>(dashCap));
}

bool Pen::SetStartCap(int cap) { return CallOn(*this, flat::GdipSetPenStartCap, Cap(cap)); }
bool Pen::SetEndCap(int cap) { return CallOn(*this, flat::GdipSetPenEndCap, Cap(cap)); }
bool Pen::SetDashCap(int cap) {
  return CallOn(*this, flat::GdipSetPenDashCap197819, static_cast<Gdiplus::DashCap>(cap));
}
int Pen::GetStartCap() const { return ReadValue<int>(*this, flat::GdipGetPenStartCap); }
int Pen::GetEndCap() const { return ReadValue<int>(*this, flat::GdipGetPenEndCap); }
int Pen::GetDashCap() const { return ReadValue<int>(*this, flat::GdipGetPenDashCap197819); }

bool Pen::SetLineJoin(int join) {
  return CallOn(*this, flat::GdipSetPenLineJoin, static_cast<Gdiplus::LineJoin>(join));
}
int Pen::GetLineJoin() const { return ReadValue<int>(*this, flat::GdipGetPenLineJoin); }
bool Pen::SetMiterLimit(float limit) { return CallOn(*this, flat::GdipSetPenMiterLimit, limit); }
float Pen::GetMiterLimit() const { return ReadValue<float>(*this, flat::GdipGetPenMiterLimit); }

bool Pen::SetMode(int alignment) {
  return CallOn(*this, flat::GdipSetPenMode, static_cast<Gdiplus::PenAlignment>(alignment));
}
int Pen::GetMode() const { return ReadValue<int>(*this, flat::GdipGetPenMode); }

const TransformCalls Pen::kTransformCalls =
    TransformCallsOf<Gdiplus::GpPen, flat::GdipResetPenTransform, flat::GdipTranslatePenTransform,
                     flat::GdipScalePenTransform, flat::GdipRotatePenTransform>();

Argb Pen::GetColor() const { return ReadValue<Argb>(*this, flat::GdipGetPenColor); }
bool Pen::SetColor(Argb colour) { return CallOn(*this, flat::GdipSetPenColor, colour); }
bool Pen::SetBrushFill(const Brush& brush) { return CallOn(*this, flat::GdipSetPenBrushFill, B(brush)); }
int Pen::GetFillType() const { return ReadValue<int>(*this, flat::GdipGetPenFillType); }

bool Pen::SetDashStyle(int style) {
  return CallOn(*this, flat::GdipSetPenDashStyle, static_cast<Gdiplus::DashStyle>(style));
}
int Pen::GetDashStyle() const { return ReadValue<int>(*this, flat::GdipGetPenDashStyle); }
float Pen::GetDashOffset() const { return ReadValue<float>(*this, flat::GdipGetPenDashOffset); }
bool Pen::SetDashOffset(float offset) { return CallOn(*this, flat::GdipSetPenDashOffset, offset); }

std::vector<float> Pen::GetDashArray() const {
  return ReadArray(*this, flat::GdipGetPenDashCount, flat::GdipGetPenDashArray);
}

bool Pen::SetDashArray(const std::vector<float>& dashes) {
  return CallOn(*this, flat::GdipSetPenDashArray, dashes.data(), CountOf(dashes.size()));
}

std::vector<float> Pen::GetCompoundArray() const {
  return ReadArray(*this, flat::GdipGetPenCompoundCount, flat::GdipGetPenCompoundArray);
}

bool Pen::SetCompoundArray(const std::vector<float>& bands) {
  return CallOn(*this, flat::GdipSetPenCompoundArray, bands.data(), CountOf(bands.size()));
}
