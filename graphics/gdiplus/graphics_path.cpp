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
Gdiplus::FillMode Fill(int mode) { return static_cast<Gdiplus::FillMode>(mode); }
}  // namespace

GdipStatus GraphicsPath::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeletePath(static_cast<Gdiplus::GpPath*>(handle)));
}

bool GraphicsPath::Create(int fillMode) {
  Delete();
  GpPath* path = nullptr;
  if (!Record(flat::GdipCreatePath(Fill(fillMode), &path))) return false;
  SetHandle(path);
  return true;
}

bool GraphicsPath::Create2(const std::vector<PointF>& points, const std::vector<std::uint8_t>& types, int fillMode) {
  Delete();
  if (points.size() != types.size()) return RecordStatus(InvalidParameter);
  GpPath* path = nullptr;
  auto gp = ToGpArray(points);
  if (!Record(flat::GdipCreatePath2(gp.data(), types.data(), CountOf(gp.size()), Fill(fillMode), &path))) return false;
  SetHandle(path);
  return true;
}

bool GraphicsPath::Create2I(const std::vector<PointI>& points, const std::vector<std::uint8_t>& types, int fillMode) {
  Delete();
  if (points.size() != types.size()) return RecordStatus(InvalidParameter);
  GpPath* path = nullptr;
  auto gp = ToGpArray(points);
  if (!Record(flat::GdipCreatePath2I(gp.data(), types.data(), CountOf(gp.size()), Fill(fillMode), &path)))
    return false;
  SetHandle(path);
  return true;
}

bool GraphicsPath::Clone(GraphicsPath& target) const {
  if (&target == this) return false;
  target.Delete();
  PX_NEED_OBJECT(false);
  GpPath* copy = nullptr;
  if (!Record(flat::GdipClonePath(Pth(*this), &copy))) return false;
  target.SetHandle(copy);
  return true;
}

bool GraphicsPath::Reset() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipResetPath(Pth(*this)));
}

int GraphicsPath::GetFillMode() const {
  Gdiplus::FillMode mode = Gdiplus::FillModeAlternate;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPathFillMode(Pth(*this), &mode))) return 0;
  return mode;
}

bool GraphicsPath::SetFillMode(int fillMode) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPathFillMode(Pth(*this), Fill(fillMode)));
}

int GraphicsPath::GetPointCount() const {
  INT count = 0;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetPointCount(Pth(*this), &count))) return 0;
  return count;
}

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
  bool ok = data.Points && data.Types ? Record(flat::GdipGetPathData(Pth(*this), reinterpret_cast<Gdiplus::GpPathData*>(&data))) : RecordStatus(OutOfMemory);
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
  std::vector<std::uint8_t> types;
  int count = GetPointCount();
  if (count <= 0) return types;
  types.assign(static_cast<size_t>(count), 0);
  if (!Record(flat::GdipGetPathTypes(Pth(*this), types.data(), count))) return {};
  return types;
}

std::vector<PointF> GraphicsPath::GetPathPoints() const {
  int count = GetPointCount();
  if (count <= 0) return {};
  std::vector<Gdiplus::PointF> gp(static_cast<size_t>(count));
  if (!Record(flat::GdipGetPathPoints(Pth(*this), gp.data(), count))) return {};
  std::vector<PointF> points;
  for (const auto& p : gp) points.push_back(FromGp(p));
  return points;
}

std::vector<PointI> GraphicsPath::GetPathPointsI() const {
  int count = GetPointCount();
  if (count <= 0) return {};
  std::vector<Gdiplus::Point> gp(static_cast<size_t>(count));
  if (!Record(flat::GdipGetPathPointsI(Pth(*this), gp.data(), count))) return {};
  std::vector<PointI> points;
  for (const auto& p : gp) points.push_back(PointI{p.X, p.Y});
  return points;
}

bool GraphicsPath::StartFigure() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipStartPathFigure(Pth(*this)));
}

bool GraphicsPath::CloseFigure() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipClosePathFigure(Pth(*this)));
}

bool GraphicsPath::CloseFigures() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipClosePathFigures(Pth(*this)));
}

bool GraphicsPath::SetMarker() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetPathMarker(Pth(*this)));
}

bool GraphicsPath::ClearMarkers() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipClearPathMarkers(Pth(*this)));
}

bool GraphicsPath::Reverse() {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipReversePath(Pth(*this)));
}

PointF GraphicsPath::GetLastPoint() const {
  Gdiplus::PointF p(0, 0);
  PX_NEED_OBJECT(PointF{});
  if (!Record(flat::GdipGetPathLastPoint(Pth(*this), &p))) return PointF{};
  return FromGp(p);
}

bool GraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathLine(Pth(*this), x1, y1, x2, y2));
}

bool GraphicsPath::AddLineI(int x1, int y1, int x2, int y2) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathLineI(Pth(*this), x1, y1, x2, y2));
}

bool GraphicsPath::AddLines(const std::vector<PointF>& points) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipAddPathLine2(Pth(*this), gp.data(), CountOf(gp.size())));
}

bool GraphicsPath::AddLinesI(const std::vector<PointI>& points) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipAddPathLine2I(Pth(*this), gp.data(), CountOf(gp.size())));
}

bool GraphicsPath::AddArc(float x, float y, float w, float h, float start, float sweep) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathArc(Pth(*this), x, y, w, h, start, sweep));
}

bool GraphicsPath::AddArcI(int x, int y, int w, int h, float start, float sweep) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathArcI(Pth(*this), x, y, w, h, start, sweep));
}

bool GraphicsPath::AddBezier(PointF p1, PointF p2, PointF p3, PointF p4) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathBezier(Pth(*this), p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y));
}

bool GraphicsPath::AddBeziers(const std::vector<PointF>& points) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipAddPathBeziers(Pth(*this), gp.data(), CountOf(gp.size())));
}

bool GraphicsPath::AddCurve(const std::vector<PointF>& points) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipAddPathCurve(Pth(*this), gp.data(), CountOf(gp.size())));
}

bool GraphicsPath::AddCurve2(const std::vector<PointF>& points, float tension) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipAddPathCurve2(Pth(*this), gp.data(), CountOf(gp.size()), tension));
}

bool GraphicsPath::AddClosedCurve(const std::vector<PointF>& points) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipAddPathClosedCurve(Pth(*this), gp.data(), CountOf(gp.size())));
}

bool GraphicsPath::AddClosedCurve2(const std::vector<PointF>& points, float tension) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipAddPathClosedCurve2(Pth(*this), gp.data(), CountOf(gp.size()), tension));
}

bool GraphicsPath::AddRectangle(float x, float y, float w, float h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathRectangle(Pth(*this), x, y, w, h));
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
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(rects);
  return Record(flat::GdipAddPathRectangles(Pth(*this), gp.data(), CountOf(gp.size())));
}

bool GraphicsPath::AddRectangleI(int x, int y, int w, int h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathRectangleI(Pth(*this), x, y, w, h));
}

bool GraphicsPath::AddRectanglesI(const std::vector<RectI>& rects) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(rects);
  return Record(flat::GdipAddPathRectanglesI(Pth(*this), gp.data(), CountOf(gp.size())));
}

bool GraphicsPath::AddEllipse(float x, float y, float w, float h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathEllipse(Pth(*this), x, y, w, h));
}

bool GraphicsPath::AddEllipseI(int x, int y, int w, int h) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathEllipseI(Pth(*this), x, y, w, h));
}

bool GraphicsPath::AddPie(float x, float y, float w, float h, float start, float sweep) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathPie(Pth(*this), x, y, w, h, start, sweep));
}

bool GraphicsPath::AddPieI(int x, int y, int w, int h, float start, float sweep) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathPieI(Pth(*this), x, y, w, h, start, sweep));
}

bool GraphicsPath::AddPolygon(const std::vector<PointF>& points) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipAddPathPolygon(Pth(*this), gp.data(), CountOf(gp.size())));
}

bool GraphicsPath::AddPolygonI(const std::vector<PointI>& points) {
  PX_NEED_OBJECT(false);
  auto gp = ToGpArray(points);
  return Record(flat::GdipAddPathPolygonI(Pth(*this), gp.data(), CountOf(gp.size())));
}

bool GraphicsPath::AddPath(const GraphicsPath& other, bool connect) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipAddPathPath(Pth(*this), Pth(other), connect ? TRUE : FALSE));
}

bool GraphicsPath::AddString(const Text& text, const FontFamily& family, int style, float emSize,
                             const RectF& layoutRect, const StringFormat* format) {
  return AddStringW(ToWideText(text).c_str(), family, style, emSize, layoutRect, format);
}

bool GraphicsPath::AddStringW(const wchar_t* text, const FontFamily& family, int style, float emSize,
                              const RectF& layoutRect, const StringFormat* format) {
  PX_NEED_OBJECT(false);
  Gdiplus::RectF rect = ToGp(layoutRect);
  return Record(flat::GdipAddPathString(Pth(*this), text, text ? lstrlenW(text) : 0,
                                        As<Gdiplus::GpFontFamily>(family), style, emSize, &rect,
                                        AsOrNull<Gdiplus::GpStringFormat>(format)));
}

bool GraphicsPath::Flatten(float flatness) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipFlattenPath(Pth(*this), nullptr, flatness));
}

bool GraphicsPath::Widen(const Pen& pen, float flatness) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipWidenPath(Pth(*this), As<Gdiplus::GpPen>(pen), nullptr, flatness));
}

bool GraphicsPath::WindingModeOutline(float flatness) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipWindingModeOutline(Pth(*this), nullptr, flatness));
}

RectF GraphicsPath::GetWorldBounds(const Pen* pen) const {
  Gdiplus::RectF r(0, 0, 0, 0);
  PX_NEED_OBJECT(RectF{});
  if (!Record(flat::GdipGetPathWorldBounds(Pth(*this), &r, nullptr, AsOrNull<Gdiplus::GpPen>(pen)))) return RectF{};
  return FromGp(r);
}

RectI GraphicsPath::GetWorldBoundsI(const Pen* pen) const {
  Gdiplus::Rect r(0, 0, 0, 0);
  PX_NEED_OBJECT(RectI{});
  if (!Record(flat::GdipGetPathWorldBoundsI(Pth(*this), &r, nullptr, AsOrNull<Gdiplus::GpPen>(pen)))) return RectI{};
  return FromGp(r);
}

bool GraphicsPath::IsVisiblePoint(float x, float y, const Graphics* graphics) const {
  BOOL visible = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsVisiblePathPoint(Pth(*this), x, y, AsOrNull<Gdiplus::GpGraphics>(graphics), &visible)))
    return false;
  return visible != FALSE;
}

bool GraphicsPath::IsVisiblePointI(int x, int y, const Graphics* graphics) const {
  BOOL visible = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsVisiblePathPointI(Pth(*this), x, y, AsOrNull<Gdiplus::GpGraphics>(graphics), &visible)))
    return false;
  return visible != FALSE;
}

bool GraphicsPath::IsOutlineVisiblePoint(float x, float y, const Pen& pen, const Graphics* graphics) const {
  BOOL visible = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsOutlineVisiblePathPoint(Pth(*this), x, y, As<Gdiplus::GpPen>(pen),
                                                   AsOrNull<Gdiplus::GpGraphics>(graphics), &visible)))
    return false;
  return visible != FALSE;
}

bool GraphicsPath::IsOutlineVisiblePointI(int x, int y, const Pen& pen, const Graphics* graphics) const {
  BOOL visible = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsOutlineVisiblePathPointI(Pth(*this), x, y, As<Gdiplus::GpPen>(pen),
                                                    AsOrNull<Gdiplus::GpGraphics>(graphics), &visible)))
    return false;
  return visible != FALSE;
}
