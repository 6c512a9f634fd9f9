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
  return CallOn(*this, flat::GdipFlush, sync ? Gdiplus::FlushIntentionSync : Gdiplus::FlushIntentionFlush);
}

bool Graphics::CreateFromHWND(HWND hwnd, bool useIcm) {
  return useIcm ? CreateInto(*this, flat::GdipCreateFromHWNDICM, hwnd)
                : CreateInto(*this, flat::GdipCreateFromHWND, hwnd);
}

bool Graphics::CreateFromHDC(HDC hdc, std::optional<HANDLE> device) {
  return device ? CreateInto(*this, flat::GdipCreateFromHDC2, hdc, *device)
                : CreateInto(*this, flat::GdipCreateFromHDC, hdc);
}

bool Graphics::FromImage(const Image& image) {
  Delete();
  if (RecordIfEmpty(image)) return false;
  return CreateInto(*this, flat::GdipGetImageGraphicsContext, I(image));
}

HDC Graphics::GetDC() { return ReadValue<HDC>(*this, flat::GdipGetDC); }

bool Graphics::ReleaseDC(HDC hdc) {
  return CallOn(*this, flat::GdipReleaseDC, hdc);
}

int Graphics::GetCompositingMode() const { return ReadValue<int>(*this, flat::GdipGetCompositingMode); }
bool Graphics::SetCompositingMode(int mode) {
  return CallOn(*this, flat::GdipSetCompositingMode, static_cast<Gdiplus::CompositingMode>(mode));
}
int Graphics::GetCompositingQuality() const { return ReadValue<int>(*this, flat::GdipGetCompositingQuality); }
bool Graphics::SetCompositingQuality(int quality) {
  return CallOn(*this, flat::GdipSetCompositingQuality, static_cast<Gdiplus::CompositingQuality>(quality));
}
int Graphics::GetSmoothingMode() const { return ReadValue<int>(*this, flat::GdipGetSmoothingMode); }
bool Graphics::SetSmoothingMode(int mode) {
  return CallOn(*this, flat::GdipSetSmoothingMode, static_cast<Gdiplus::SmoothingMode>(mode));
}
int Graphics::GetTextRenderingHint() const { return ReadValue<int>(*this, flat::GdipGetTextRenderingHint); }
bool Graphics::SetTextRenderingHint(int hint) {
  return CallOn(*this, flat::GdipSetTextRenderingHint, static_cast<Gdiplus::TextRenderingHint>(hint));
}
int Graphics::GetInterpolationMode() const { return ReadValue<int>(*this, flat::GdipGetInterpolationMode); }
bool Graphics::SetInterpolationMode(int mode) {
  return CallOn(*this, flat::GdipSetInterpolationMode, static_cast<Gdiplus::InterpolationMode>(mode));
}
int Graphics::GetPixelOffsetMode() const { return ReadValue<int>(*this, flat::GdipGetPixelOffsetMode); }
bool Graphics::SetPixelOffsetMode(int mode) {
  return CallOn(*this, flat::GdipSetPixelOffsetMode, static_cast<Gdiplus::PixelOffsetMode>(mode));
}
int Graphics::GetPageUnit() const { return ReadValue<int>(*this, flat::GdipGetPageUnit); }
bool Graphics::SetPageUnit(int unit) { return CallOn(*this, flat::GdipSetPageUnit, static_cast<Gdiplus::Unit>(unit)); }

bool Graphics::SetRenderingOrigin(int x, int y) {
  return CallOn(*this, flat::GdipSetRenderingOrigin, x, y);
}

bool Graphics::ResetWorldTransform() {
  return CallOn(*this, flat::GdipResetWorldTransform);
}

bool Graphics::TranslateWorldTransform(float dx, float dy, int order) {
  return CallOn(*this, flat::GdipTranslateWorldTransform, dx, dy, Order(order));
}

bool Graphics::ScaleWorldTransform(float sx, float sy, int order) {
  return CallOn(*this, flat::GdipScaleWorldTransform, sx, sy, Order(order));
}

bool Graphics::RotateWorldTransform(float angle, int order) {
  return CallOn(*this, flat::GdipRotateWorldTransform, angle, Order(order));
}

bool Graphics::ScaleAt(float sx, float sy, PointF centre, int order) {
  return TransformAbout(*this, &Graphics::TranslateWorldTransform, centre, order,
                        [&](int o) { return ScaleWorldTransform(sx, sy, o); });
}

bool Graphics::RotateAt(float angle, PointF centre, int order) {
  return TransformAbout(*this, &Graphics::TranslateWorldTransform, centre, order,
                        [&](int o) { return RotateWorldTransform(angle, o); });
}

bool Graphics::GetWorldTransform(float elements[6]) const {
  for (int i = 0; i < 6; ++i) elements[i] = 0;
  if (RecordIfEmpty(*this)) return false;
  const ScratchMatrix matrix;
  if (!matrix) return false;
  return CallOn(*this, flat::GdipGetWorldTransform, matrix.get()) &&
         CallFlat(flat::GdipGetMatrixElements, matrix.get(), elements);
}

bool Graphics::SetPageScale(float scale) {
  return CallOn(*this, flat::GdipSetPageScale, scale);
}

float Graphics::GetPageScale() const { return ReadValue<float>(*this, flat::GdipGetPageScale); }
float Graphics::GetDpiX() const { return ReadValue<float>(*this, flat::GdipGetDpiX); }
float Graphics::GetDpiY() const { return ReadValue<float>(*this, flat::GdipGetDpiY); }

// ---- lines and outlines ---------------------------------------------------

bool Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
  return CallOn(*this, flat::GdipDrawLine, P(pen), x1, y1, x2, y2);
}

bool Graphics::DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2) {
  return CallOn(*this, flat::GdipDrawLineI, P(pen), x1, y1, x2, y2);
}

bool Graphics::DrawLines(const Pen& pen, const std::vector<PointF>& points) {
  const auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipDrawLines, P(pen), gp.data(), CountOf(gp.size()));
}

bool Graphics::DrawArc(const Pen& pen, float x, float y, float w, float h, float start, float sweep) {
  return CallOn(*this, flat::GdipDrawArc, P(pen), x, y, w, h, start, sweep);
}

bool Graphics::DrawBezier(const Pen& pen, PointF p1, PointF p2, PointF p3, PointF p4) {
  return CallOn(*this, flat::GdipDrawBezier, P(pen), p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y);
}

bool Graphics::DrawRectangle(const Pen& pen, float x, float y, float w, float h) {
  return CallOn(*this, flat::GdipDrawRectangle, P(pen), x, y, w, h);
}

bool Graphics::DrawRectangleI(const Pen& pen, int x, int y, int w, int h) {
  return CallOn(*this, flat::GdipDrawRectangleI, P(pen), x, y, w, h);
}

bool Graphics::DrawEllipse(const Pen& pen, float x, float y, float w, float h) {
  return CallOn(*this, flat::GdipDrawEllipse, P(pen), x, y, w, h);
}

bool Graphics::DrawEllipseI(const Pen& pen, int x, int y, int w, int h) {
  return CallOn(*this, flat::GdipDrawEllipseI, P(pen), x, y, w, h);
}

bool Graphics::DrawPie(const Pen& pen, float x, float y, float w, float h, float start, float sweep) {
  return CallOn(*this, flat::GdipDrawPie, P(pen), x, y, w, h, start, sweep);
}

bool Graphics::DrawPolygon(const Pen& pen, const std::vector<PointF>& points) {
  const auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipDrawPolygon, P(pen), gp.data(), CountOf(gp.size()));
}

bool Graphics::DrawPath(const Pen& pen, const GraphicsPath& path) {
  return CallOn(*this, flat::GdipDrawPath, P(pen), Path(path));
}

bool Graphics::DrawCurve(const Pen& pen, const std::vector<PointF>& points) {
  const auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipDrawCurve, P(pen), gp.data(), CountOf(gp.size()));
}

// ---- fills -----------------------------------------------------------------

bool Graphics::Clear(Argb colour) {
  return CallOn(*this, flat::GdipGraphicsClear, colour);
}

bool Graphics::FillRectangle(const Brush& brush, float x, float y, float w, float h) {
  return CallOn(*this, flat::GdipFillRectangle, B(brush), x, y, w, h);
}

bool Graphics::FillRectangleRect(const Brush& brush, const RectF& rect) {
  return FillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

bool Graphics::FillRectangleI(const Brush& brush, int x, int y, int w, int h) {
  return CallOn(*this, flat::GdipFillRectangleI, B(brush), x, y, w, h);
}

bool Graphics::FillRectangles(const Brush& brush, const std::vector<RectF>& rects) {
  const auto gp = ToGpArray(rects);
  return CallOn(*this, flat::GdipFillRectangles, B(brush), gp.data(), CountOf(gp.size()));
}

bool Graphics::FillPolygon(const Brush& brush, const std::vector<PointF>& points, int fillMode) {
  const auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipFillPolygon, B(brush), gp.data(), CountOf(gp.size()),
                static_cast<Gdiplus::FillMode>(fillMode));
}

bool Graphics::FillEllipse(const Brush& brush, float x, float y, float w, float h) {
  return CallOn(*this, flat::GdipFillEllipse, B(brush), x, y, w, h);
}

bool Graphics::FillEllipseI(const Brush& brush, int x, int y, int w, int h) {
  return CallOn(*this, flat::GdipFillEllipseI, B(brush), x, y, w, h);
}

bool Graphics::FillPie(const Brush& brush, float x, float y, float w, float h, float start, float sweep) {
  return CallOn(*this, flat::GdipFillPie, B(brush), x, y, w, h, start, sweep);
}

bool Graphics::FillPath(const Brush& brush, const GraphicsPath& path) {
  return CallOn(*this, flat::GdipFillPath, B(brush), Path(path));
}

bool Graphics::FillRegion(const Brush& brush, const Region& region) {
  return CallOn(*this, flat::GdipFillRegion, B(brush), As<Gdiplus::GpRegion>(region));
}

// ---- text ------------------------------------------------------------------

bool Graphics::DrawString(const Text& text, const Font& font, const Brush& brush, const RectF& layoutRect,
                          const StringFormat* format) {
  return DrawStringW(ToWideText(text).c_str(), font, brush, layoutRect, format);
}

bool Graphics::DrawStringW(const wchar_t* text, const Font& font, const Brush& brush, const RectF& layoutRect,
                           const StringFormat* format) {
  if (RecordIfEmpty(*this)) return false;
  Gdiplus::RectF rect = ToGp(layoutRect);
  return CallOn(*this, flat::GdipDrawString, text, text ? lstrlenW(text) : 0, As<Gdiplus::GpFont>(font), &rect,
                AsOrNull<Gdiplus::GpStringFormat>(format), B(brush));
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
  if (RecordIfEmpty(*this)) return RectF{};
  Gdiplus::RectF rect = ToGp(layoutRect);
  if (!CallOn(*this, flat::GdipMeasureString, text, text ? lstrlenW(text) : 0, As<Gdiplus::GpFont>(font), &rect,
              AsOrNull<Gdiplus::GpStringFormat>(format), &box, &fitted, &lines)) {
    return RectF{};
  }
  if (codepointsFitted) *codepointsFitted = fitted;
  if (linesFilled) *linesFilled = lines;
  return FromGp(box);
}

// ---- pictures --------------------------------------------------------------

bool Graphics::DrawImage(const Image& image, float x, float y) {
  return CallOn(*this, flat::GdipDrawImage, I(image), x, y);
}

bool Graphics::DrawImageI(const Image& image, int x, int y) {
  return CallOn(*this, flat::GdipDrawImageI, I(image), x, y);
}

bool Graphics::DrawImageRect(const Image& image, float x, float y, float w, float h, std::optional<int> unit) {
  if (RecordIfEmpty(*this)) return false;
  // The whole picture is the source, whatever its resolution.
  const float sw = static_cast<float>(image.Width()), sh = static_cast<float>(image.Height());
  return CallOn(*this, flat::GdipDrawImageRectRect, I(image), x, y, w, h, 0, 0, sw, sh,
                static_cast<Gdiplus::Unit>(unit.value_or(UnitPixel)), nullptr, nullptr, nullptr);
}

bool Graphics::DrawImageRectI(const Image& image, int x, int y, int w, int h) {
  return DrawImageRect(image, static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                       static_cast<float>(h));
}

bool Graphics::DrawImageRectRect(const Image& image, const RectF& d, const RectF& s, int unit) {
  return CallOn(*this, flat::GdipDrawImageRectRect, I(image), d.x, d.y, d.width, d.height, s.x, s.y, s.width,
                s.height, static_cast<Gdiplus::Unit>(unit), nullptr, nullptr, nullptr);
}

// ---- clipping --------------------------------------------------------------

bool Graphics::SetClipGraphics(const Graphics& other, int mode) {
  return CallOn(*this, flat::GdipSetClipGraphics, G(other), Mode(mode));
}

bool Graphics::SetClipPath(const GraphicsPath& path, int mode) {
  return CallOn(*this, flat::GdipSetClipPath, Path(path), Mode(mode));
}

bool Graphics::SetClipRect(float x, float y, float w, float h, int mode) {
  return CallOn(*this, flat::GdipSetClipRect, x, y, w, h, Mode(mode));
}

bool Graphics::SetClipRectI(int x, int y, int w, int h, int mode) {
  return CallOn(*this, flat::GdipSetClipRectI, x, y, w, h, Mode(mode));
}

bool Graphics::SetClipRegion(const Region& region, int mode) {
  return CallOn(*this, flat::GdipSetClipRegion, As<Gdiplus::GpRegion>(region), Mode(mode));
}

bool Graphics::SetClipHrgn(HRGN region, int mode) {
  return CallOn(*this, flat::GdipSetClipHrgn, region, Mode(mode));
}

bool Graphics::ResetClip() {
  return CallOn(*this, flat::GdipResetClip);
}

bool Graphics::TranslateClip(float dx, float dy) {
  return CallOn(*this, flat::GdipTranslateClip, dx, dy);
}

RectF Graphics::GetClipBounds() const { return ReadValue<RectF>(*this, flat::GdipGetClipBounds); }
bool Graphics::IsClipEmpty() const { return ReadValue<bool>(*this, flat::GdipIsClipEmpty); }

bool Graphics::IsVisiblePoint(float x, float y) const {
  return ReadValue<bool>(*this, flat::GdipIsVisiblePoint, x, y);
}

unsigned Graphics::Save() { return ReadValue<unsigned>(*this, flat::GdipSaveGraphics); }

bool Graphics::Restore(unsigned state) {
  return CallOn(*this, flat::GdipRestoreGraphics, state);
}
