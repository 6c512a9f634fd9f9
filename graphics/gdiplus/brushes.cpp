#include "graphics/gdiplus/brushes.h"

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/graphics_path.h"
#include "graphics/gdiplus/image.h"

using Gdiplus::GpLineGradient;
using Gdiplus::GpPathGradient;
using Gdiplus::GpTexture;

namespace {

Gdiplus::WrapMode Wrap(int wrap) { return static_cast<Gdiplus::WrapMode>(wrap); }

bool SameCounts(size_t a, size_t b) { return a == b ? true : (RecordStatus(InvalidParameter), false); }

}  // namespace

// ---- Brush -----------------------------------------------------------------

GdipStatus Brush::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteBrush(static_cast<Gdiplus::GpBrush*>(handle)));
}

bool Brush::CloneInto(Brush& target) const {
  if (&target == this) return false;
  target.Delete();
  PX_NEED_OBJECT(false);
  Gdiplus::GpBrush* copy = nullptr;
  if (!Record(flat::GdipCloneBrush(As<Gdiplus::GpBrush>(*this), &copy))) return false;
  target.SetHandle(copy);
  return true;
}

int Brush::GetType() const {
  Gdiplus::BrushType type = Gdiplus::BrushTypeSolidColor;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetBrushType(As<Gdiplus::GpBrush>(*this), &type))) return 0;
  return type;
}

// ---- SolidBrush ------------------------------------------------------------

bool SolidBrush::Create(Argb colour) {
  Delete();
  Gdiplus::GpSolidFill* brush = nullptr;
  if (!Record(flat::GdipCreateSolidFill(colour, &brush))) return false;
  SetHandle(brush);
  return true;
}

bool SolidBrush::SetColor(Argb colour) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetSolidFillColor(As<Gdiplus::GpSolidFill>(*this), colour));
}

Argb SolidBrush::GetColor() const {
  Gdiplus::ARGB colour = 0;
  PX_NEED_OBJECT(0u);
  if (!Record(flat::GdipGetSolidFillColor(As<Gdiplus::GpSolidFill>(*this), &colour))) return 0;
  return colour;
}

// ---- LinearGradientBrush ---------------------------------------------------

namespace {
GpLineGradient* L(const Brush& b) { return As<GpLineGradient>(b); }
}  // namespace

bool LinearGradientBrush::Create(PointF p1, PointF p2, Argb c1, Argb c2, int wrapMode) {
  Delete();
  GpLineGradient* brush = nullptr;
  Gdiplus::PointF a = ToGp(p1), b = ToGp(p2);
  if (!Record(flat::GdipCreateLineBrush(&a, &b, c1, c2, Wrap(wrapMode), &brush))) return false;
  SetHandle(brush);
  return true;
}

bool LinearGradientBrush::CreateI(PointI p1, PointI p2, Argb c1, Argb c2, int wrapMode) {
  Delete();
  GpLineGradient* brush = nullptr;
  Gdiplus::Point a = ToGp(p1), b = ToGp(p2);
  if (!Record(flat::GdipCreateLineBrushI(&a, &b, c1, c2, Wrap(wrapMode), &brush))) return false;
  SetHandle(brush);
  return true;
}

bool LinearGradientBrush::CreateFromRect(const RectF& rect, Argb c1, Argb c2, int mode, int wrapMode) {
  Delete();
  GpLineGradient* brush = nullptr;
  Gdiplus::RectF r = ToGp(rect);
  if (!Record(flat::GdipCreateLineBrushFromRect(&r, c1, c2, static_cast<Gdiplus::LinearGradientMode>(mode),
                                                Wrap(wrapMode), &brush)))
    return false;
  SetHandle(brush);
  return true;
}

bool LinearGradientBrush::CreateFromRectI(const RectI& rect, Argb c1, Argb c2, int mode, int wrapMode) {
  Delete();
  GpLineGradient* brush = nullptr;
  Gdiplus::Rect r = ToGp(rect);
  if (!Record(flat::GdipCreateLineBrushFromRectI(&r, c1, c2, static_cast<Gdiplus::LinearGradientMode>(mode),
                                                 Wrap(wrapMode), &brush)))
    return false;
  SetHandle(brush);
  return true;
}

bool LinearGradientBrush::CreateFromRectWithAngle(const RectF& rect, Argb c1, Argb c2, float angle,
                                                  bool isAngleScalable, int wrapMode) {
  Delete();
  GpLineGradient* brush = nullptr;
  Gdiplus::RectF r = ToGp(rect);
  if (!Record(flat::GdipCreateLineBrushFromRectWithAngle(&r, c1, c2, angle, isAngleScalable ? TRUE : FALSE,
                                                         Wrap(wrapMode), &brush)))
    return false;
  SetHandle(brush);
  return true;
}

bool LinearGradientBrush::GetLineColors(Argb& c1, Argb& c2) const {
  Gdiplus::ARGB colours[2] = {0, 0};
  c1 = c2 = 0;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipGetLineColors(L(*this), colours))) return false;
  c1 = colours[0];
  c2 = colours[1];
  return true;
}

bool LinearGradientBrush::SetLineColors(Argb c1, Argb c2) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetLineColors(L(*this), c1, c2));
}

RectF LinearGradientBrush::GetLineRect() const {
  Gdiplus::RectF r(0, 0, 0, 0);
  PX_NEED_OBJECT(RectF{});
  if (!Record(flat::GdipGetLineRect(L(*this), &r))) return RectF{};
  return FromGp(r);
}

bool LinearGradientBrush::SetGammaCorrection(bool on) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetLineGammaCorrection(L(*this), on ? TRUE : FALSE));
}

bool LinearGradientBrush::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
  PX_NEED_OBJECT(false);
  if (!SameCounts(factors.size(), positions.size())) return false;
  return Record(flat::GdipSetLineBlend(L(*this), factors.data(), positions.data(), CountOf(factors.size())));
}

int LinearGradientBrush::GetBlendCount() const {
  INT count = 0;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetLineBlendCount(L(*this), &count))) return 0;
  return count;
}

bool LinearGradientBrush::SetPresetBlend(const std::vector<Argb>& colours, const std::vector<float>& positions) {
  PX_NEED_OBJECT(false);
  if (!SameCounts(colours.size(), positions.size())) return false;
  auto gp = ToGpColours(colours);
  return Record(flat::GdipSetLinePresetBlend(L(*this), gp.data(), positions.data(), CountOf(gp.size())));
}

bool LinearGradientBrush::SetSigmaBlend(float focus, float scale) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetLineSigmaBlend(L(*this), focus, scale));
}

bool LinearGradientBrush::SetLinearBlend(float focus, float scale) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetLineLinearBlend(L(*this), focus, scale));
}

int LinearGradientBrush::GetWrapMode() const {
  Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetLineWrapMode(L(*this), &wrap))) return 0;
  return wrap;
}

bool LinearGradientBrush::SetWrapMode(int wrapMode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetLineWrapMode(L(*this), Wrap(wrapMode)));
}

const TransformCalls LinearGradientBrush::kTransformCalls = TransformCallsOf<Gdiplus::GpLineGradient, flat::GdipResetLineTransform, flat::GdipTranslateLineTransform,
                                                       flat::GdipScaleLineTransform, flat::GdipRotateLineTransform>();

// ---- PathGradientBrush -----------------------------------------------------

namespace {
GpPathGradient* PG(const Brush& b) { return As<GpPathGradient>(b); }
}  // namespace

bool PathGradientBrush::Create(const std::vector<PointF>& points, int wrapMode) {
  Delete();
  GpPathGradient* brush = nullptr;
  auto gp = ToGpArray(points);
  if (!Record(flat::GdipCreatePathGradient(gp.data(), CountOf(gp.size()), Wrap(wrapMode), &brush))) return false;
  SetHandle(brush);
  return true;
}

bool PathGradientBrush::CreateI(const std::vector<PointI>& points, int wrapMode) {
  Delete();
  GpPathGradient* brush = nullptr;
  auto gp = ToGpArray(points);
  if (!Record(flat::GdipCreatePathGradientI(gp.data(), CountOf(gp.size()), Wrap(wrapMode), &brush))) return false;
  SetHandle(brush);
  return true;
}

bool PathGradientBrush::CreateFromPath(const GraphicsPath& path) {
  Delete();
  GpPathGradient* brush = nullptr;
  if (!Record(flat::GdipCreatePathGradientFromPath(As<Gdiplus::GpPath>(path), &brush))) return false;
  SetHandle(brush);
  return true;
}

Argb PathGradientBrush::GetCenterColor() const {
  Gdiplus::ARGB colour = 0;
  PX_NEED_OBJECT(0u);
  if (!Record(flat::GdipGetPathGradientCenterColor(PG(*this), &colour))) return 0;
  return colour;
}

bool PathGradientBrush::SetCenterColor(Argb colour) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPathGradientCenterColor(PG(*this), colour));
}

int PathGradientBrush::GetPointCount() const {
  INT count = 0;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPathGradientPointCount(PG(*this), &count))) return 0;
  return count;
}

int PathGradientBrush::GetSurroundColorCount() const {
  INT count = 0;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPathGradientSurroundColorCount(PG(*this), &count))) return 0;
  return count;
}

std::vector<Argb> PathGradientBrush::GetSurroundColors() const {
  std::vector<Argb> colours;
  int count = GetSurroundColorCount();
  if (count <= 0) return colours;
  std::vector<Gdiplus::ARGB> gp(static_cast<size_t>(count), 0);
  INT n = count;
  if (!Record(flat::GdipGetPathGradientSurroundColorsWithCount(PG(*this), gp.data(), &n))) return {};
  gp.resize(static_cast<size_t>(n < 0 ? 0 : n));
  return std::vector<Argb>(gp.begin(), gp.end());
}

bool PathGradientBrush::SetSurroundColors(const std::vector<Argb>& colours, int* count) {
  INT n = CountOf(colours.size());
  if (count) *count = 0;
  PX_NEED_OBJECT(false);
  auto gp = ToGpColours(colours);
  bool ok = Record(flat::GdipSetPathGradientSurroundColorsWithCount(PG(*this), gp.data(), &n));
  if (count) *count = ok ? n : 0;
  return ok;
}

PointF PathGradientBrush::GetCenterPoint() const {
  Gdiplus::PointF p(0, 0);
  PX_NEED_OBJECT(PointF{});
  if (!Record(flat::GdipGetPathGradientCenterPoint(PG(*this), &p))) return PointF{};
  return FromGp(p);
}

bool PathGradientBrush::SetCenterPoint(PointF centre) {
  PX_NEED_OBJECT(false);
  Gdiplus::PointF p = ToGp(centre);
  return Record(flat::GdipSetPathGradientCenterPoint(PG(*this), &p));
}

RectF PathGradientBrush::GetRect() const {
  Gdiplus::RectF r(0, 0, 0, 0);
  PX_NEED_OBJECT(RectF{});
  if (!Record(flat::GdipGetPathGradientRect(PG(*this), &r))) return RectF{};
  return FromGp(r);
}

bool PathGradientBrush::SetGammaCorrection(bool on) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPathGradientGammaCorrection(PG(*this), on ? TRUE : FALSE));
}

bool PathGradientBrush::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
  PX_NEED_OBJECT(false);
  if (!SameCounts(factors.size(), positions.size())) return false;
  return Record(flat::GdipSetPathGradientBlend(PG(*this), factors.data(), positions.data(), CountOf(factors.size())));
}

int PathGradientBrush::GetBlendCount() const {
  INT count = 0;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPathGradientBlendCount(PG(*this), &count))) return 0;
  return count;
}

bool PathGradientBrush::GetFocusScales(float& x, float& y) const {
  Gdiplus::REAL fx = 0, fy = 0;
  x = y = 0;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipGetPathGradientFocusScales(PG(*this), &fx, &fy))) return false;
  x = fx;
  y = fy;
  return true;
}

bool PathGradientBrush::SetFocusScales(float x, float y) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPathGradientFocusScales(PG(*this), x, y));
}

bool PathGradientBrush::SetPresetBlend(const std::vector<Argb>& colours, const std::vector<float>& positions) {
  PX_NEED_OBJECT(false);
  if (!SameCounts(colours.size(), positions.size())) return false;
  auto gp = ToGpColours(colours);
  return Record(flat::GdipSetPathGradientPresetBlend(PG(*this), gp.data(), positions.data(), CountOf(gp.size())));
}

bool PathGradientBrush::SetSigmaBlend(float focus, float scale) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPathGradientSigmaBlend(PG(*this), focus, scale));
}

bool PathGradientBrush::SetLinearBlend(float focus, float scale) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPathGradientLinearBlend(PG(*this), focus, scale));
}

int PathGradientBrush::GetWrapMode() const {
  Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPathGradientWrapMode(PG(*this), &wrap))) return 0;
  return wrap;
}

bool PathGradientBrush::SetWrapMode(int wrapMode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPathGradientWrapMode(PG(*this), Wrap(wrapMode)));
}

const TransformCalls PathGradientBrush::kTransformCalls = TransformCallsOf<Gdiplus::GpPathGradient, flat::GdipResetPathGradientTransform, flat::GdipTranslatePathGradientTransform,
                                                       flat::GdipScalePathGradientTransform, flat::GdipRotatePathGradientTransform>();

// ---- TextureBrush ----------------------------------------------------------

namespace {
GpTexture* T(const Brush& b) { return As<GpTexture>(b); }
}  // namespace

bool TextureBrush::Create(const Image& image, int wrapMode) {
  Delete();
  GpTexture* brush = nullptr;
  if (!Record(flat::GdipCreateTexture(As<Gdiplus::GpImage>(image), Wrap(wrapMode), &brush))) return false;
  SetHandle(brush);
  return true;
}

bool TextureBrush::Create2(const Image& image, int wrapMode, float x, float y, float w, float h) {
  Delete();
  GpTexture* brush = nullptr;
  if (!Record(flat::GdipCreateTexture2(As<Gdiplus::GpImage>(image), Wrap(wrapMode), x, y, w, h, &brush)))
    return false;
  SetHandle(brush);
  return true;
}

bool TextureBrush::Create2I(const Image& image, int wrapMode, int x, int y, int w, int h) {
  Delete();
  GpTexture* brush = nullptr;
  if (!Record(flat::GdipCreateTexture2I(As<Gdiplus::GpImage>(image), Wrap(wrapMode), x, y, w, h, &brush)))
    return false;
  SetHandle(brush);
  return true;
}

const TransformCalls TextureBrush::kTransformCalls = TransformCallsOf<Gdiplus::GpTexture, flat::GdipResetTextureTransform, flat::GdipTranslateTextureTransform,
                                                       flat::GdipScaleTextureTransform, flat::GdipRotateTextureTransform>();

int TextureBrush::GetWrapMode() const {
  Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetTextureWrapMode(T(*this), &wrap))) return 0;
  return wrap;
}

bool TextureBrush::SetWrapMode(int wrapMode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetTextureWrapMode(T(*this), Wrap(wrapMode)));
}
