#include "graphics/gdiplus/brushes.h"

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/graphics_path.h"
#include "graphics/gdiplus/image.h"

namespace {

Gdiplus::WrapMode Wrap(int wrap) { return static_cast<Gdiplus::WrapMode>(wrap); }
Gdiplus::LinearGradientMode GradientMode(int mode) { return static_cast<Gdiplus::LinearGradientMode>(mode); }
Gdiplus::GpImage* I(const Image& image) { return As<Gdiplus::GpImage>(image); }

bool SameCounts(size_t a, size_t b) { return a == b ? true : (RecordStatus(InvalidParameter), false); }

// SetBlend and SetPresetBlend of both gradients: values at positions 0..1,
// the same number of each.
template <class Value, class Native, class GpValue>
bool SetValuesAt(const Brush& brush,
                 Gdiplus::GpStatus(WINGDIPAPI* call)(Native*, const GpValue*, const Gdiplus::REAL*, INT),
                 const std::vector<Value>& values, const std::vector<float>& positions) {
  if (RecordIfEmpty(brush)) return false;
  if (!SameCounts(values.size(), positions.size())) return false;
  const std::vector<GpValue> gp(values.begin(), values.end());
  return CallOn(brush, call, gp.data(), positions.data(), CountOf(gp.size()));
}

}  // namespace

// ---- Brush -----------------------------------------------------------------

GdipStatus Brush::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteBrush(static_cast<Gdiplus::GpBrush*>(handle)));
}

bool Brush::CloneInto(Brush& target) const { return ::CloneInto(*this, target, flat::GdipCloneBrush); }

int Brush::GetType() const { return ReadValue<int>(*this, flat::GdipGetBrushType); }

// ---- SolidBrush ------------------------------------------------------------

bool SolidBrush::Create(Argb colour) { return CreateInto(*this, flat::GdipCreateSolidFill, colour); }
bool SolidBrush::SetColor(Argb colour) { return CallOn(*this, flat::GdipSetSolidFillColor, colour); }
Argb SolidBrush::GetColor() const { return ReadValue<Argb>(*this, flat::GdipGetSolidFillColor); }

// ---- LinearGradientBrush ---------------------------------------------------

bool LinearGradientBrush::Create(PointF p1, PointF p2, Argb c1, Argb c2, int wrapMode) {
  const Gdiplus::PointF a = ToGp(p1), b = ToGp(p2);
  return CreateInto(*this, flat::GdipCreateLineBrush, &a, &b, c1, c2, Wrap(wrapMode));
}

bool LinearGradientBrush::CreateI(PointI p1, PointI p2, Argb c1, Argb c2, int wrapMode) {
  const Gdiplus::Point a = ToGp(p1), b = ToGp(p2);
  return CreateInto(*this, flat::GdipCreateLineBrushI, &a, &b, c1, c2, Wrap(wrapMode));
}

bool LinearGradientBrush::CreateFromRect(const RectF& rect, Argb c1, Argb c2, int mode, int wrapMode) {
  const Gdiplus::RectF r = ToGp(rect);
  return CreateInto(*this, flat::GdipCreateLineBrushFromRect, &r, c1, c2, GradientMode(mode), Wrap(wrapMode));
}

bool LinearGradientBrush::CreateFromRectI(const RectI& rect, Argb c1, Argb c2, int mode, int wrapMode) {
  const Gdiplus::Rect r = ToGp(rect);
  return CreateInto(*this, flat::GdipCreateLineBrushFromRectI, &r, c1, c2, GradientMode(mode), Wrap(wrapMode));
}

bool LinearGradientBrush::CreateFromRectWithAngle(const RectF& rect, Argb c1, Argb c2, float angle,
                                                  bool isAngleScalable, int wrapMode) {
  const Gdiplus::RectF r = ToGp(rect);
  return CreateInto(*this, flat::GdipCreateLineBrushFromRectWithAngle, &r, c1, c2, angle,
                    isAngleScalable ? TRUE : FALSE, Wrap(wrapMode));
}

bool LinearGradientBrush::GetLineColors(Argb& c1, Argb& c2) const {
  Gdiplus::ARGB colours[2] = {0, 0};
  c1 = c2 = 0;
  if (!CallOn(*this, flat::GdipGetLineColors, colours)) return false;
  c1 = colours[0];
  c2 = colours[1];
  return true;
}

bool LinearGradientBrush::SetLineColors(Argb c1, Argb c2) { return CallOn(*this, flat::GdipSetLineColors, c1, c2); }
RectF LinearGradientBrush::GetLineRect() const { return ReadValue<RectF>(*this, flat::GdipGetLineRect); }

bool LinearGradientBrush::SetGammaCorrection(bool on) {
  return CallOn(*this, flat::GdipSetLineGammaCorrection, on ? TRUE : FALSE);
}

bool LinearGradientBrush::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
  return SetValuesAt(*this, flat::GdipSetLineBlend, factors, positions);
}

int LinearGradientBrush::GetBlendCount() const { return ReadValue<int>(*this, flat::GdipGetLineBlendCount); }

bool LinearGradientBrush::SetPresetBlend(const std::vector<Argb>& colours, const std::vector<float>& positions) {
  return SetValuesAt(*this, flat::GdipSetLinePresetBlend, colours, positions);
}

bool LinearGradientBrush::SetSigmaBlend(float focus, float scale) {
  return CallOn(*this, flat::GdipSetLineSigmaBlend, focus, scale);
}

bool LinearGradientBrush::SetLinearBlend(float focus, float scale) {
  return CallOn(*this, flat::GdipSetLineLinearBlend, focus, scale);
}

int LinearGradientBrush::GetWrapMode() const { return ReadValue<int>(*this, flat::GdipGetLineWrapMode); }
bool LinearGradientBrush::SetWrapMode(int wrapMode) { return CallOn(*this, flat::GdipSetLineWrapMode, Wrap(wrapMode)); }

const TransformCalls LinearGradientBrush::kTransformCalls =
    TransformCallsOf<Gdiplus::GpLineGradient, flat::GdipResetLineTransform, flat::GdipTranslateLineTransform,
                     flat::GdipScaleLineTransform, flat::GdipRotateLineTransform>();

// ---- PathGradientBrush -----------------------------------------------------

bool PathGradientBrush::Create(const std::vector<PointF>& points, int wrapMode) {
  const auto gp = ToGpArray(points);
  return CreateInto(*this, flat::GdipCreatePathGradient, gp.data(), CountOf(gp.size()), Wrap(wrapMode));
}

bool PathGradientBrush::CreateI(const std::vector<PointI>& points, int wrapMode) {
  const auto gp = ToGpArray(points);
  return CreateInto(*this, flat::GdipCreatePathGradientI, gp.data(), CountOf(gp.size()), Wrap(wrapMode));
}

bool PathGradientBrush::CreateFromPath(const GraphicsPath& path) {
  return CreateInto(*this, flat::GdipCreatePathGradientFromPath, As<Gdiplus::GpPath>(path));
}

Argb PathGradientBrush::GetCenterColor() const { return ReadValue<Argb>(*this, flat::GdipGetPathGradientCenterColor); }

bool PathGradientBrush::SetCenterColor(Argb colour) {
  return CallOn(*this, flat::GdipSetPathGradientCenterColor, colour);
}

int PathGradientBrush::GetPointCount() const { return ReadValue<int>(*this, flat::GdipGetPathGradientPointCount); }

int PathGradientBrush::GetSurroundColorCount() const {
  return ReadValue<int>(*this, flat::GdipGetPathGradientSurroundColorCount);
}

std::vector<Argb> PathGradientBrush::GetSurroundColors() const {
  const int count = GetSurroundColorCount();
  if (count <= 0) return {};
  std::vector<Gdiplus::ARGB> gp(static_cast<size_t>(count), 0);
  INT n = count;
  if (!CallOn(*this, flat::GdipGetPathGradientSurroundColorsWithCount, gp.data(), &n)) return {};
  gp.resize(static_cast<size_t>(n < 0 ? 0 : n));
  return std::vector<Argb>(gp.begin(), gp.end());
}

bool PathGradientBrush::SetSurroundColors(const std::vector<Argb>& colours, int* count) {
  INT n = CountOf(colours.size());
  if (count) *count = 0;
  const auto gp = ToGpColours(colours);
  const bool ok = CallOn(*this, flat::GdipSetPathGradientSurroundColorsWithCount, gp.data(), &n);
  if (count) *count = ok ? n : 0;
  return ok;
}

PointF PathGradientBrush::GetCenterPoint() const {
  return ReadValue<PointF>(*this, flat::GdipGetPathGradientCenterPoint);
}

bool PathGradientBrush::SetCenterPoint(PointF centre) {
  const Gdiplus::PointF p = ToGp(centre);
  return CallOn(*this, flat::GdipSetPathGradientCenterPoint, &p);
}

RectF PathGradientBrush::GetRect() const { return ReadValue<RectF>(*this, flat::GdipGetPathGradientRect); }

bool PathGradientBrush::SetGammaCorrection(bool on) {
  return CallOn(*this, flat::GdipSetPathGradientGammaCorrection, on ? TRUE : FALSE);
}

bool PathGradientBrush::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
  return SetValuesAt(*this, flat::GdipSetPathGradientBlend, factors, positions);
}

int PathGradientBrush::GetBlendCount() const { return ReadValue<int>(*this, flat::GdipGetPathGradientBlendCount); }

bool PathGradientBrush::GetFocusScales(float& x, float& y) const {
  Gdiplus::REAL fx = 0, fy = 0;
  x = y = 0;
  if (!CallOn(*this, flat::GdipGetPathGradientFocusScales, &fx, &fy)) return false;
  x = fx;
  y = fy;
  return true;
}

bool PathGradientBrush::SetFocusScales(float x, float y) {
  return CallOn(*this, flat::GdipSetPathGradientFocusScales, x, y);
}

bool PathGradientBrush::SetPresetBlend(const std::vector<Argb>& colours, const std::vector<float>& positions) {
  return SetValuesAt(*this, flat::GdipSetPathGradientPresetBlend, colours, positions);
}

bool PathGradientBrush::SetSigmaBlend(float focus, float scale) {
  return CallOn(*this, flat::GdipSetPathGradientSigmaBlend, focus, scale);
}

bool PathGradientBrush::SetLinearBlend(float focus, float scale) {
  return CallOn(*this, flat::GdipSetPathGradientLinearBlend, focus, scale);
}

int PathGradientBrush::GetWrapMode() const { return ReadValue<int>(*this, flat::GdipGetPathGradientWrapMode); }

bool PathGradientBrush::SetWrapMode(int wrapMode) {
  return CallOn(*this, flat::GdipSetPathGradientWrapMode, Wrap(wrapMode));
}

const TransformCalls PathGradientBrush::kTransformCalls =
    TransformCallsOf<Gdiplus::GpPathGradient, flat::GdipResetPathGradientTransform,
                     flat::GdipTranslatePathGradientTransform, flat::GdipScalePathGradientTransform,
                     flat::GdipRotatePathGradientTransform>();

// ---- TextureBrush ----------------------------------------------------------

bool TextureBrush::Create(const Image& image, int wrapMode) {
  return CreateInto(*this, flat::GdipCreateTexture, I(image), Wrap(wrapMode));
}

bool TextureBrush::Create2(const Image& image, int wrapMode, float x, float y, float w, float h) {
  return CreateInto(*this, flat::GdipCreateTexture2, I(image), Wrap(wrapMode), x, y, w, h);
}

bool TextureBrush::Create2I(const Image& image, int wrapMode, int x, int y, int w, int h) {
  return CreateInto(*this, flat::GdipCreateTexture2I, I(image), Wrap(wrapMode), x, y, w, h);
}

const TransformCalls TextureBrush::kTransformCalls =
    TransformCallsOf<Gdiplus::GpTexture, flat::GdipResetTextureTransform, flat::GdipTranslateTextureTransform,
                     flat::GdipScaleTextureTransform, flat::GdipRotateTextureTransform>();

int TextureBrush::GetWrapMode() const { return ReadValue<int>(*this, flat::GdipGetTextureWrapMode); }
bool TextureBrush::SetWrapMode(int wrapMode) { return CallOn(*this, flat::GdipSetTextureWrapMode, Wrap(wrapMode)); }
