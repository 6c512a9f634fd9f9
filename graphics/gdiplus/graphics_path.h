// A GDI+ path: figures of lines, arcs, curves and shapes used to fill, to
// outline and to clip.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "app/text_ops.h"
#include "graphics/gdiplus/gdiplus_object.h"

class FontFamily;
class Graphics;
class Pen;
class StringFormat;

class GraphicsPath : public OwnedGdiPlusObject<GraphicsPath> {
 public:
  static GdipStatus DeleteNative(void* handle);

  bool Create(int fillMode = FillModeAlternate);
  // A path from points and their PathPointType bytes (same count).
  bool Create2(const std::vector<PointF>& points, const std::vector<std::uint8_t>& types,
               int fillMode = FillModeAlternate);
  bool Create2I(const std::vector<PointI>& points, const std::vector<std::uint8_t>& types,
                int fillMode = FillModeAlternate);
  bool Clone(GraphicsPath& target) const;
  bool Reset();
  int GetFillMode() const;
  bool SetFillMode(int fillMode);
  // The path's points and point types; false (and empty arrays) on failure.
  bool GetPathData(std::vector<PointF>& points, std::vector<std::uint8_t>& types) const;
  std::vector<std::uint8_t> GetPathTypes() const;
  std::vector<PointF> GetPathPoints() const;
  std::vector<PointI> GetPathPointsI() const;
  bool StartFigure();
  bool CloseFigure();
  bool CloseFigures();
  bool SetMarker();
  bool ClearMarkers();
  bool Reverse();
  PointF GetLastPoint() const;

  bool AddLine(float x1, float y1, float x2, float y2);
  bool AddLineI(int x1, int y1, int x2, int y2);
  bool AddLines(const std::vector<PointF>& points);
  bool AddLinesI(const std::vector<PointI>& points);
  bool AddArc(float x, float y, float w, float h, float start, float sweep);
  bool AddArcI(int x, int y, int w, int h, float start, float sweep);
  bool AddBezier(PointF p1, PointF p2, PointF p3, PointF p4);
  bool AddBeziers(const std::vector<PointF>& points);
  bool AddCurve(const std::vector<PointF>& points);
  bool AddCurve2(const std::vector<PointF>& points, float tension);
  bool AddClosedCurve(const std::vector<PointF>& points);
  bool AddClosedCurve2(const std::vector<PointF>& points, float tension);
  bool AddRectangle(float x, float y, float w, float h);
  // A closed rounded rectangle: the corner arcs' bounding boxes are
  // percent % (clamped to 1..100, truncated to whole units) of w and h.
  bool AddRoundRectPercent(float x, float y, float w, float h, int percent);
  bool AddRectangles(const std::vector<RectF>& rects);
  bool AddRectangleI(int x, int y, int w, int h);
  bool AddRectanglesI(const std::vector<RectI>& rects);
  bool AddEllipse(float x, float y, float w, float h);
  bool AddEllipseI(int x, int y, int w, int h);
  bool AddPie(float x, float y, float w, float h, float start, float sweep);
  bool AddPieI(int x, int y, int w, int h, float start, float sweep);
  bool AddPolygon(const std::vector<PointF>& points);
  bool AddPolygonI(const std::vector<PointI>& points);
  bool AddPath(const GraphicsPath& other, bool connect);
  // Outlines of text in family at emSize world units laid out in layoutRect.
  bool AddString(const Text& text, const FontFamily& family, int style, float emSize,
                 const RectF& layoutRect, const StringFormat* format = nullptr);
  bool AddStringW(const wchar_t* text, const FontFamily& family, int style, float emSize,
                  const RectF& layoutRect, const StringFormat* format = nullptr);
  bool Flatten(float flatness = 0.25f);
  bool Widen(const Pen& pen, float flatness = 0.25f);
  bool WindingModeOutline(float flatness = 0.25f);

  int GetPointCount() const;
  // Bounds of the path (of its outline with pen when given).
  RectF GetWorldBounds(const Pen* pen = nullptr) const;
  RectI GetWorldBoundsI(const Pen* pen = nullptr) const;
  bool IsVisiblePoint(float x, float y, const Graphics* graphics = nullptr) const;
  bool IsVisiblePointI(int x, int y, const Graphics* graphics = nullptr) const;
  bool IsOutlineVisiblePoint(float x, float y, const Pen& pen, const Graphics* graphics = nullptr) const;
  bool IsOutlineVisiblePointI(int x, int y, const Pen& pen, const Graphics* graphics = nullptr) const;
};
