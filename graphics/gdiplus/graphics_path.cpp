#include "graphics/gdiplus/graphics_path.h"

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/font.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/pen.h"
#include "graphics/gdiplus/string_format.h"
#include "graphics/gdiplus/wide_text.h"

using Gdiplus::GpPath;

namespace {
GpPath* Pth(const GraphicsPath& p) { return As<GpPath>(p); }
Gdiplus::GpPen* Pn(const Pen& p) { return As<Gdiplus::GpPen>(p); }
Gdiplus::GpGraphics* G(const Graphics* g) { return AsOrNull<Gdiplus::GpGraphics>(g); }
Gdiplus::FillMode Fill(int mode) { return static_cast<Gdiplus::FillMode>(mode); }

// The bounds GDI+ reads with the out rectangle before the matrix and pen
// (none: the world transform; pen: widened by its stroke).
template <class Result, class Out, class Matrix, class PenNative>
Result ReadBounds(const GraphicsPath& path,
                  Gdiplus::GpStatus(WINGDIPAPI* call)(GpPath*, Out*, Matrix*, PenNative*), const Pen* pen) {
  if (RecordIfEmpty(path)) return Result{};
  Out bounds{};
  if (!CallOn(path, call, &bounds, nullptr, AsOrNull<Gdiplus::GpPen>(pen))) return Result{};
  return FromGp(bounds);
}

}  // namespace

GdipStatus GraphicsPath::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeletePath(static_cast<Gdiplus::GpPath*>(handle)));
}

bool GraphicsPath::Create(int fillMode) { return CreateInto(*this, flat::GdipCreatePath, Fill(fillMode)); }

bool GraphicsPath::Create2(const std::vector<PointF>& points, const std::vector<std::uint8_t>& types, int fillMode) {
  Delete();
  if (points.size() != types.size()) return RecordStatus(InvalidParameter);
  auto gp = ToGpArray(points);
  return CreateInto(*this, flat::GdipCreatePath2, gp.data(), types.data(), CountOf(gp.size()), Fill(fillMode));
}

bool GraphicsPath::Create2I(const std::vector<PointI>& points, const std::vector<std::uint8_t>& types, int fillMode) {
  Delete();
  if (points.size() != types.size()) return RecordStatus(InvalidParameter);
  auto gp = ToGpArray(points);
  return CreateInto(*this, flat::GdipCreatePath2I, gp.data(), types.data(), CountOf(gp.size()), Fill(fillMode));
}

bool GraphicsPath::Clone(GraphicsPath& target) const { return CloneInto(*this, target, flat::GdipClonePath); }

bool GraphicsPath::Reset() {
  return CallOn(*this, flat::GdipResetPath);
}

int GraphicsPath::GetFillMode() const { return ReadValue<int>(*this, flat::GdipGetPathFillMode); }

bool GraphicsPath::SetFillMode(int fillMode) {
  return CallOn(*this, flat::GdipSetPathFillMode, Fill(fillMode));
}

int GraphicsPath::GetPointCount() const { return ReadValue<int>(*this, flat::GdipGetPointCount); }

bool GraphicsPath::GetPathData(std::vector<PointF>& points, std::vector<std::uint8_t>& types) const {
  points.clear();
  types.clear();
  int count = GetPointCount();
  if (count <= 0) return LastStatus == Ok;
  // GDI+ fills blocks of its own allocator (mingw declares the record as an
  // opaque GpPathData); the program keeps copies.
  Gdiplus::PathData data;
  data.Count = count;
  data.Points = static_cast<Gdiplus::PointF*>(Alloc(sizeof(Gdiplus::PointF) * static_cast<size_t>(count)));
  data.Types = static_cast<BYTE*>(Alloc(static_cast<size_t>(count)));
  bool ok = data.Points && data.Types
                ? CallOn(*this, flat::GdipGetPathData, reinterpret_cast<Gdiplus::GpPathData*>(&data))
                : RecordStatus(OutOfMemory);
  if (ok) {
    for (INT i = 0; i < data.Count; ++i) {
      points.push_back(FromGp(data.Points[i]));
      types.push_back(data.Types[i]);
    }
  }
  if (data.Points) Free(data.Points);
  if (data.Types) Free(data.Types);
  // PathData's own destructor would free with delete[]: it must see nothing.
  data.Points = nullptr;
  data.Types = nullptr;
  return ok;
}

std::vector<std::uint8_t> GraphicsPath::GetPathTypes() const {
  return ReadArray(*this, flat::GdipGetPointCount, flat::GdipGetPathTypes);
}

std::vector<PointF> GraphicsPath::GetPathPoints() const {
  return FromGpArray(ReadArray(*this, flat::GdipGetPointCount, flat::GdipGetPathPoints));
}

std::vector<PointI> GraphicsPath::GetPathPointsI() const {
  return FromGpArray(ReadArray(*this, flat::GdipGetPointCount, flat::GdipGetPathPointsI));
}

bool GraphicsPath::StartFigure() {
  return CallOn(*this, flat::GdipStartPathFigure);
}

bool GraphicsPath::CloseFigure() {
  return CallOn(*this, flat::GdipClosePathFigure);
}

bool GraphicsPath::CloseFigures() {
  return CallOn(*this, flat::GdipClosePathFigures);
}

bool GraphicsPath::SetMarker() {
  return CallOn(*this, flat::GdipSetPathMarker);
}

bool GraphicsPath::ClearMarkers() {
  return CallOn(*this, flat::GdipClearPathMarkers);
}

bool GraphicsPath::Reverse() {
  return CallOn(*this, flat::GdipReversePath);
}

PointF GraphicsPath::GetLastPoint() const { return ReadValue<PointF>(*this, flat::GdipGetPathLastPoint); }

bool GraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
  return CallOn(*this, flat::GdipAddPathLine, x1, y1, x2, y2);
}

bool GraphicsPath::AddLineI(int x1, int y1, int x2, int y2) {
  return CallOn(*this, flat::GdipAddPathLineI, x1, y1, x2, y2);
}

bool GraphicsPath::AddLines(const std::vector<PointF>& points) {
  auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipAddPathLine2, gp.data(), CountOf(gp.size()));
}

bool GraphicsPath::AddLinesI(const std::vector<PointI>& points) {
  auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipAddPathLine2I, gp.data(), CountOf(gp.size()));
}

bool GraphicsPath::AddArc(float x, float y, float w, float h, float start, float sweep) {
  return CallOn(*this, flat::GdipAddPathArc, x, y, w, h, start, sweep);
}

bool GraphicsPath::AddArcI(int x, int y, int w, int h, float start, float sweep) {
  return CallOn(*this, flat::GdipAddPathArcI, x, y, w, h, start, sweep);
}

bool GraphicsPath::AddBezier(PointF p1, PointF p2, PointF p3, PointF p4) {
  return CallOn(*this, flat::GdipAddPathBezier, p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y);
}

bool GraphicsPath::AddBeziers(const std::vector<PointF>& points) {
  auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipAddPathBeziers, gp.data(), CountOf(gp.size()));
}

bool GraphicsPath::AddCurve(const std::vector<PointF>& points) {
  auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipAddPathCurve, gp.data(), CountOf(gp.size()));
}

bool GraphicsPath::AddCurve2(const std::vector<PointF>& points, float tension) {
  auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipAddPathCurve2, gp.data(), CountOf(gp.size()), tension);
}

bool GraphicsPath::AddClosedCurve(const std::vector<PointF>& points) {
  auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipAddPathClosedCurve, gp.data(), CountOf(gp.size()));
}

bool GraphicsPath::AddClosedCurve2(const std::vector<PointF>& points, float tension) {
  auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipAddPathClosedCurve2, gp.data(), CountOf(gp.size()), tension);
}

bool GraphicsPath::AddRectangle(float x, float y, float w, float h) {
  return CallOn(*this, flat::GdipAddPathRectangle, x, y, w, h);
}

bool GraphicsPath::AddRoundRectPercent(float x, float y, float w, float h, int percent) {
  if (percent < 1) percent = 1;
  if (percent > 100) percent = 100;
  // Whole units, truncated toward zero.
  const float rx = static_cast<float>(static_cast<int>(double(w) * percent / 100.0));
  const float ry = static_cast<float>(static_cast<int>(double(h) * percent / 100.0));
  bool ok = AddArc(x + w - rx, y, rx, ry, 270, 90);
  ok = AddArc(x + w - rx, y + h - ry, rx, ry, 0, 90) && ok;
  ok = AddArc(x, y + h - ry, rx, ry, 90, 90) && ok;
  ok = AddArc(x, y, rx, ry, 180, 90) && ok;
  return CloseFigure() && ok;
}

bool GraphicsPath::AddRectangles(const std::vector<RectF>& rects) {
  auto gp = ToGpArray(rects);
  return CallOn(*this, flat::GdipAddPathRectangles, gp.data(), CountOf(gp.size()));
}

bool GraphicsPath::AddRectangleI(int x, int y, int w, int h) {
  return CallOn(*this, flat::GdipAddPathRectangleI, x, y, w, h);
}

bool GraphicsPath::AddRectanglesI(const std::vector<RectI>& rects) {
  auto gp = ToGpArray(rects);
  return CallOn(*this, flat::GdipAddPathRectanglesI, gp.data(), CountOf(gp.size()));
}

bool GraphicsPath::AddEllipse(float x, float y, float w, float h) {
  return CallOn(*this, flat::GdipAddPathEllipse, x, y, w, h);
}

bool GraphicsPath::AddEllipseI(int x, int y, int w, int h) {
  return CallOn(*this, flat::GdipAddPathEllipseI, x, y, w, h);
}

bool GraphicsPath::AddPie(float x, float y, float w, float h, float start, float sweep) {
  return CallOn(*this, flat::GdipAddPathPie, x, y, w, h, start, sweep);
}

bool GraphicsPath::AddPieI(int x, int y, int w, int h, float start, float sweep) {
  return CallOn(*this, flat::GdipAddPathPieI, x, y, w, h, start, sweep);
}

bool GraphicsPath::AddPolygon(const std::vector<PointF>& points) {
  auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipAddPathPolygon, gp.data(), CountOf(gp.size()));
}

bool GraphicsPath::AddPolygonI(const std::vector<PointI>& points) {
  auto gp = ToGpArray(points);
  return CallOn(*this, flat::GdipAddPathPolygonI, gp.data(), CountOf(gp.size()));
}

bool GraphicsPath::AddPath(const GraphicsPath& other, bool connect) {
  return CallOn(*this, flat::GdipAddPathPath, Pth(other), connect ? TRUE : FALSE);
}

bool GraphicsPath::AddString(const Text& text, const FontFamily& family, int style, float emSize,
                             const RectF& layoutRect, const StringFormat* format) {
  return AddStringW(ToWideText(text).c_str(), family, style, emSize, layoutRect, format);
}

bool GraphicsPath::AddStringW(const wchar_t* text, const FontFamily& family, int style, float emSize,
                              const RectF& layoutRect, const StringFormat* format) {
  const Gdiplus::RectF rect = ToGp(layoutRect);
  return CallOn(*this, flat::GdipAddPathString, text, text ? lstrlenW(text) : 0, As<Gdiplus::GpFontFamily>(family),
                style, emSize, &rect, AsOrNull<Gdiplus::GpStringFormat>(format));
}

bool GraphicsPath::Flatten(float flatness) { return CallOn(*this, flat::GdipFlattenPath, nullptr, flatness); }

bool GraphicsPath::Widen(const Pen& pen, float flatness) {
  return CallOn(*this, flat::GdipWidenPath, Pn(pen), nullptr, flatness);
}

bool GraphicsPath::WindingModeOutline(float flatness) {
  return CallOn(*this, flat::GdipWindingModeOutline, nullptr, flatness);
}

RectF GraphicsPath::GetWorldBounds(const Pen* pen) const {
  return ReadBounds<RectF>(*this, flat::GdipGetPathWorldBounds, pen);
}

RectI GraphicsPath::GetWorldBoundsI(const Pen* pen) const {
  return ReadBounds<RectI>(*this, flat::GdipGetPathWorldBoundsI, pen);
}

bool GraphicsPath::IsVisiblePoint(float x, float y, const Graphics* graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsVisiblePathPoint, x, y, G(graphics));
}

bool GraphicsPath::IsVisiblePointI(int x, int y, const Graphics* graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsVisiblePathPointI, x, y, G(graphics));
}

bool GraphicsPath::IsOutlineVisiblePoint(float x, float y, const Pen& pen, const Graphics* graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsOutlineVisiblePathPoint, x, y, Pn(pen), G(graphics));
}

bool GraphicsPath::IsOutlineVisiblePointI(int x, int y, const Pen& pen, const Graphics* graphics) const {
  return ReadValue<bool>(*this, flat::GdipIsOutlineVisiblePathPointI, x, y, Pn(pen), G(graphics));
}
