#include "graphics/gdiplus/graphics.h"

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/font.h"
#include "graphics/gdiplus/graphics_path.h"
#include "graphics/gdiplus/image.h"
#include "graphics/gdiplus/pen.h"
#include "graphics/gdiplus/region.h"
#include "graphics/gdiplus/string_format.h"
#include "graphics/gdiplus/wide_text.h"

using Gdiplus::GpGraphics;

namespace {

GpGraphics* G(const Graphics& g) { return As<GpGraphics>(g); }
Gdiplus::GpPen* P(const Pen& p) { return As<Gdiplus::GpPen>(p); }
Gdiplus::GpBrush* B(const Brush& b) { return As<Gdiplus::GpBrush>(b); }
Gdiplus::GpImage* I(const Image& i) { return As<Gdiplus::GpImage>(i); }
Gdiplus::GpPath* Path(const GraphicsPath& p) { return As<Gdiplus::GpPath>(p); }
Gdiplus::MatrixOrder Order(int order) { return static_cast<Gdiplus::MatrixOrder>(order); }
Gdiplus::CombineMode Mode(int mode) { return static_cast<Gdiplus::CombineMode>(mode); }

}  // namespace

// Every operation on an empty Graphics records InvalidParameter, as GDI+
// does for a null graphics, without calling it.
GdipStatus Graphics::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteGraphics(static_cast<Gdiplus::GpGraphics*>(handle)));
}

bool Graphics::Flush(bool sync) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipFlush(G(*this), sync ? Gdiplus::FlushIntentionSync : Gdiplus::FlushIntentionFlush));
}

bool Graphics::CreateFromHWND(HWND hwnd, bool useIcm) {
  Delete();
  GpGraphics* g = nullptr;
  Gdiplus::GpStatus s = useIcm ? flat::GdipCreateFromHWNDICM(hwnd, &g) : flat::GdipCreateFromHWND(hwnd, &g);
  if (!Record(s)) return false;
  SetHandle(g);
  return true;
}

bool Graphics::CreateFromHDC(HDC hdc, std::optional<HANDLE> device) {
  Delete();
  GpGraphics* g = nullptr;
  Gdiplus::GpStatus s = device ? flat::GdipCreateFromHDC2(hdc, *device, &g) : flat::GdipCreateFromHDC(hdc, &g);
  if (!Record(s)) return false;
  SetHandle(g);
  return true;
}

bool Graphics::FromImage(const Image& image) {
  Delete();
  GpGraphics* g = nullptr;
  if (image.IsEmpty()) return RecordEmpty();
  if (!Record(flat::GdipGetImageGraphicsContext(I(image), &g))) return false;
  SetHandle(g);
  return true;
}

HDC Graphics::GetDC() {
  HDC dc = nullptr;
  PX_NEED_OBJECT(nullptr);
  if (!Record(flat::GdipGetDC(G(*this), &dc))) return nullptr;
  return dc;
}

bool Graphics::ReleaseDC(HDC hdc) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipReleaseDC(G(*this), hdc));
}

// Getters of one enumeration value: 0 on failure.
#define PX_GET_ENUM(Method, Function, Type)      \
  int Graphics::Method() const {                 \
    Type value = static_cast<Type>(0);           \
    PX_NEED_OBJECT(0);                         \
    if (!Record(flat::Function(G(*this), &value))) return 0; \
    return static_cast<int>(value);              \
  }
#define PX_SET_ENUM(Method, Function, Type)      \
  bool Graphics::Method(int value) {             \
    PX_NEED_OBJECT(false);                     \
    return Record(flat::Function(G(*this), static_cast<Type>(value))); \
  }

PX_GET_ENUM(GetCompositingMode, GdipGetCompositingMode, Gdiplus::CompositingMode)
PX_SET_ENUM(SetCompositingMode, GdipSetCompositingMode, Gdiplus::CompositingMode)
PX_GET_ENUM(GetCompositingQuality, GdipGetCompositingQuality, Gdiplus::CompositingQuality)
PX_SET_ENUM(SetCompositingQuality, GdipSetCompositingQuality, Gdiplus::CompositingQuality)
PX_GET_ENUM(GetSmoothingMode, GdipGetSmoothingMode, Gdiplus::SmoothingMode)
PX_SET_ENUM(SetSmoothingMode, GdipSetSmoothingMode, Gdiplus::SmoothingMode)
PX_GET_ENUM(GetTextRenderingHint, GdipGetTextRenderingHint, Gdiplus::TextRenderingHint)
PX_SET_ENUM(SetTextRenderingHint, GdipSetTextRenderingHint, Gdiplus::TextRenderingHint)
PX_GET_ENUM(GetInterpolationMode, GdipGetInterpolationMode, Gdiplus::InterpolationMode)
PX_SET_ENUM(SetInterpolationMode, GdipSetInterpolationMode, Gdiplus::InterpolationMode)
PX_GET_ENUM(GetPixelOffsetMode, GdipGetPixelOffsetMode, Gdiplus::PixelOffsetMode)
PX_SET_ENUM(SetPixelOffsetMode, GdipSetPixelOffsetMode, Gdiplus::PixelOffsetMode)
PX_GET_ENUM(GetPageUnit, GdipGetPageUnit, Gdiplus::Unit)
PX_SET_ENUM(SetPageUnit, GdipSetPageUnit, Gdiplus::Unit)

#undef PX_GET_ENUM
#undef PX_SET_ENUM

bool Graphics::SetRenderingOrigin(int x, int y) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetRenderingOrigin(G(*this), x, y));
}

bool Graphics::ResetWorldTransform() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipResetWorldTransform(G(*this)));
}

bool Graphics::TranslateWorldTransform(float dx, float dy, int order) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipTranslateWorldTransform(G(*this), dx, dy, Order(order)));
}

bool Graphics::ScaleWorldTransform(float sx, float sy, int order) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipScaleWorldTransform(G(*this), sx, sy, Order(order)));
}

bool Graphics::RotateWorldTransform(float angle, int order) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipRotateWorldTransform(G(*this), angle, Order(order)));
}

// About a centre: appended, the centre is moved to the origin first and
// back last; prepended, the same steps apply in the reverse order.
bool Graphics::ScaleAt(float sx, float sy, PointF centre, int order) {
  float s = order != MatrixOrderPrepend ? -1.0f : 1.0f;
  return TranslateWorldTransform(s * centre.x, s * centre.y, order) && ScaleWorldTransform(sx, sy, order) &&
         TranslateWorldTransform(-s * centre.x, -s * centre.y, order);
}

bool Graphics::RotateAt(float angle, PointF centre, int order) {
  float s = order != MatrixOrderPrepend ? -1.0f : 1.0f;
  return TranslateWorldTransform(s * centre.x, s * centre.y, order) && RotateWorldTransform(angle, order) &&
         TranslateWorldTransform(-s * centre.x, -s * centre.y, order);
}

bool Graphics::GetWorldTransform(float elements[6]) const {
  for (int i = 0; i < 6; ++i) elements[i] = 0;
  PX_NEED_OBJECT(false);
  Gdiplus::GpMatrix* matrix = nullptr;
  if (!Record(flat::GdipCreateMatrix(&matrix))) return false;
  bool ok = Record(flat::GdipGetWorldTransform(G(*this), matrix)) &&
            Record(flat::GdipGetMatrixElements(matrix, elements));
  flat::GdipDeleteMatrix(matrix);
  return ok;
}

bool Graphics::SetPageScale(float scale) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPageScale(G(*this), scale));
}

float Graphics::GetPageScale() const {
  Gdiplus::REAL scale = 0;
  PX_NEED_OBJECT(0.0f);
  if (!Record(flat::GdipGetPageScale(G(*this), &scale))) return 0;
  return scale;
}

float Graphics::GetDpiX() const {
  Gdiplus::REAL dpi = 0;
  PX_NEED_OBJECT(0.0f);
  if (!Record(flat::GdipGetDpiX(G(*this), &dpi))) return 0;
  return dpi;
}

float Graphics::GetDpiY() const {
  Gdiplus::REAL dpi = 0;
  PX_NEED_OBJECT(0.0f);
  if (!Record(flat::GdipGetDpiY(G(*this), &dpi))) return 0;
  return dpi;
}

// ---- lines and outlines ---------------------------------------------------

bool Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawLine(G(*this), P(pen), x1, y1, x2, y2));
}

bool Graphics::DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawLineI(G(*this), P(pen), x1, y1, x2, y2));
}

bool Graphics::DrawLines(const Pen& pen, const std::vector<PointF>& points) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipDrawLines(G(*this), P(pen), gp.data(), CountOf(gp.size())));
}

bool Graphics::DrawArc(const Pen& pen, float x, float y, float w, float h, float start, float sweep) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawArc(G(*this), P(pen), x, y, w, h, start, sweep));
}

bool Graphics::DrawBezier(const Pen& pen, PointF p1, PointF p2, PointF p3, PointF p4) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawBezier(G(*this), P(pen), p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y));
}

bool Graphics::DrawRectangle(const Pen& pen, float x, float y, float w, float h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawRectangle(G(*this), P(pen), x, y, w, h));
}

bool Graphics::DrawRectangleI(const Pen& pen, int x, int y, int w, int h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawRectangleI(G(*this), P(pen), x, y, w, h));
}

bool Graphics::DrawEllipse(const Pen& pen, float x, float y, float w, float h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawEllipse(G(*this), P(pen), x, y, w, h));
}

bool Graphics::DrawEllipseI(const Pen& pen, int x, int y, int w, int h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawEllipseI(G(*this), P(pen), x, y, w, h));
}

bool Graphics::DrawPie(const Pen& pen, float x, float y, float w, float h, float start, float sweep) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawPie(G(*this), P(pen), x, y, w, h, start, sweep));
}

bool Graphics::DrawPolygon(const Pen& pen, const std::vector<PointF>& points) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipDrawPolygon(G(*this), P(pen), gp.data(), CountOf(gp.size())));
}

bool Graphics::DrawPath(const Pen& pen, const GraphicsPath& path) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawPath(G(*this), P(pen), Path(path)));
}

bool Graphics::DrawCurve(const Pen& pen, const std::vector<PointF>& points) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipDrawCurve(G(*this), P(pen), gp.data(), CountOf(gp.size())));
}

// ---- fills -----------------------------------------------------------------

bool Graphics::Clear(Argb colour) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipGraphicsClear(G(*this), colour));
}

bool Graphics::FillRectangle(const Brush& brush, float x, float y, float w, float h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipFillRectangle(G(*this), B(brush), x, y, w, h));
}

bool Graphics::FillRectangleRect(const Brush& brush, const RectF& rect) {
  return FillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

bool Graphics::FillRectangleI(const Brush& brush, int x, int y, int w, int h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipFillRectangleI(G(*this), B(brush), x, y, w, h));
}

bool Graphics::FillRectangles(const Brush& brush, const std::vector<RectF>& rects) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(rects);
  return Record(flat::GdipFillRectangles(G(*this), B(brush), gp.data(), CountOf(gp.size())));
}

bool Graphics::FillPolygon(const Brush& brush, const std::vector<PointF>& points, int fillMode) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipFillPolygon(G(*this), B(brush), gp.data(), CountOf(gp.size()),
                                      static_cast<Gdiplus::FillMode>(fillMode)));
}

bool Graphics::FillEllipse(const Brush& brush, float x, float y, float w, float h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipFillEllipse(G(*this), B(brush), x, y, w, h));
}

bool Graphics::FillEllipseI(const Brush& brush, int x, int y, int w, int h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipFillEllipseI(G(*this), B(brush), x, y, w, h));
}

bool Graphics::FillPie(const Brush& brush, float x, float y, float w, float h, float start, float sweep) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipFillPie(G(*this), B(brush), x, y, w, h, start, sweep));
}

bool Graphics::FillPath(const Brush& brush, const GraphicsPath& path) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipFillPath(G(*this), B(brush), Path(path)));
}

bool Graphics::FillRegion(const Brush& brush, const Region& region) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipFillRegion(G(*this), B(brush), As<Gdiplus::GpRegion>(region)));
}

// ---- text ------------------------------------------------------------------

bool Graphics::DrawString(const Text& text, const Font& font, const Brush& brush, const RectF& layoutRect,
                          const StringFormat* format) {
  return DrawStringW(ToWideText(text).c_str(), font, brush, layoutRect, format);
}

bool Graphics::DrawStringW(const wchar_t* text, const Font& font, const Brush& brush, const RectF& layoutRect,
                           const StringFormat* format) {
  PX_NEED_OBJECT(false);
  Gdiplus::RectF rect = ToGp(layoutRect);
  return Record(flat::GdipDrawString(G(*this), text, text ? lstrlenW(text) : 0, As<Gdiplus::GpFont>(font), &rect,
                                     AsOrNull<Gdiplus::GpStringFormat>(format), B(brush)));
}

RectF Graphics::MeasureString(const Text& text, const Font& font, const RectF& layoutRect,
                              const StringFormat* format, int* codepointsFitted, int* linesFilled) const {
  return MeasureStringW(ToWideText(text).c_str(), font, layoutRect, format, codepointsFitted, linesFilled);
}

RectF Graphics::MeasureStringW(const wchar_t* text, const Font& font, const RectF& layoutRect,
                               const StringFormat* format, int* codepointsFitted, int* linesFilled) const {
  INT fitted = 0, lines = 0;
  Gdiplus::RectF box(0, 0, 0, 0);
  if (codepointsFitted) *codepointsFitted = 0;
  if (linesFilled) *linesFilled = 0;
  PX_NEED_OBJECT(RectF{});
  Gdiplus::RectF rect = ToGp(layoutRect);
  if (!Record(flat::GdipMeasureString(G(*this), text, text ? lstrlenW(text) : 0, As<Gdiplus::GpFont>(font), &rect,
                                      AsOrNull<Gdiplus::GpStringFormat>(format), &box, &fitted, &lines)))
    return RectF{};
  if (codepointsFitted) *codepointsFitted = fitted;
  if (linesFilled) *linesFilled = lines;
  return FromGp(box);
}

// ---- pictures --------------------------------------------------------------

bool Graphics::DrawImage(const Image& image, float x, float y) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawImage(G(*this), I(image), x, y));
}

bool Graphics::DrawImageI(const Image& image, int x, int y) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawImageI(G(*this), I(image), x, y));
}

bool Graphics::DrawImageRect(const Image& image, float x, float y, float w, float h, std::optional<int> unit) {
  PX_NEED_OBJECT(false);
  // The whole picture is the source, whatever its resolution.
  const float sw = static_cast<float>(image.Width()), sh = static_cast<float>(image.Height());
  return Record(flat::GdipDrawImageRectRect(G(*this), I(image), x, y, w, h, 0, 0, sw, sh,
                                            static_cast<Gdiplus::Unit>(unit.value_or(UnitPixel)), nullptr,
                                            nullptr, nullptr));
}

bool Graphics::DrawImageRectI(const Image& image, int x, int y, int w, int h) {
  return DrawImageRect(image, static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                       static_cast<float>(h));
}

bool Graphics::DrawImageRectRect(const Image& image, const RectF& d, const RectF& s, int unit) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipDrawImageRectRect(G(*this), I(image), d.x, d.y, d.width, d.height, s.x, s.y, s.width,
                                            s.height, static_cast<Gdiplus::Unit>(unit), nullptr, nullptr,
                                            nullptr));
}

// ---- clipping --------------------------------------------------------------

bool Graphics::SetClipGraphics(const Graphics& other, int mode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetClipGraphics(G(*this), G(other), Mode(mode)));
}

bool Graphics::SetClipPath(const GraphicsPath& path, int mode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetClipPath(G(*this), Path(path), Mode(mode)));
}

bool Graphics::SetClipRect(float x, float y, float w, float h, int mode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetClipRect(G(*this), x, y, w, h, Mode(mode)));
}

bool Graphics::SetClipRectI(int x, int y, int w, int h, int mode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetClipRectI(G(*this), x, y, w, h, Mode(mode)));
}

bool Graphics::SetClipRegion(const Region& region, int mode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetClipRegion(G(*this), As<Gdiplus::GpRegion>(region), Mode(mode)));
}

bool Graphics::SetClipHrgn(HRGN region, int mode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetClipHrgn(G(*this), region, Mode(mode)));
}

bool Graphics::ResetClip() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipResetClip(G(*this)));
}

bool Graphics::TranslateClip(float dx, float dy) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipTranslateClip(G(*this), dx, dy));
}

RectF Graphics::GetClipBounds() const {
  Gdiplus::RectF r(0, 0, 0, 0);
  PX_NEED_OBJECT(RectF{});
  if (!Record(flat::GdipGetClipBounds(G(*this), &r))) return RectF{};
  return FromGp(r);
}

bool Graphics::IsClipEmpty() const {
  BOOL empty = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsClipEmpty(G(*this), &empty))) return false;
  return empty != FALSE;
}

bool Graphics::IsVisiblePoint(float x, float y) const {
  BOOL visible = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsVisiblePoint(G(*this), x, y, &visible))) return false;
  return visible != FALSE;
}

unsigned Graphics::Save() {
  Gdiplus::GraphicsState state = 0;
  PX_NEED_OBJECT(0u);
  if (!Record(flat::GdipSaveGraphics(G(*this), &state))) return 0;
  return state;
}

bool Graphics::Restore(unsigned state) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipRestoreGraphics(G(*this), state));
}
