// A GDI+ drawing surface on a device context, a window or an image.
// Coordinates are floats unless the operation ends in I.
#pragma once

#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "app/text_ops.h"
#include "graphics/gdiplus/gdiplus_object.h"

class Image;
class Brush;
class Pen;
class Font;
class GraphicsPath;
class StringFormat;
class Region;

class Graphics : public OwnedGdiPlusObject<Graphics> {
 public:
  static GdipStatus DeleteNative(void* handle);

  bool Flush(bool sync = false);
  bool CreateFromHWND(HWND hwnd, bool useIcm = false);
  // With device given, the graphics draws on hdc for that device.
  bool CreateFromHDC(HDC hdc, std::optional<HANDLE> device = std::nullopt);
  // Draws into image (a Bitmap).
  bool FromImage(const Image& image);
  HDC GetDC();
  bool ReleaseDC(HDC hdc);

  int GetCompositingMode() const;
  bool SetCompositingMode(int mode);
  int GetCompositingQuality() const;
  bool SetCompositingQuality(int quality);
  int GetSmoothingMode() const;
  bool SetSmoothingMode(int mode);
  int GetTextRenderingHint() const;
  bool SetTextRenderingHint(int hint);
  int GetInterpolationMode() const;
  bool SetInterpolationMode(int mode);
  int GetPixelOffsetMode() const;
  bool SetPixelOffsetMode(int mode);
  bool SetRenderingOrigin(int x, int y);

  bool ResetWorldTransform();
  bool TranslateWorldTransform(float dx, float dy, int order = MatrixOrderPrepend);
  bool ScaleWorldTransform(float sx, float sy, int order = MatrixOrderPrepend);
  bool RotateWorldTransform(float angle, int order = MatrixOrderPrepend);
  bool ScaleAt(float sx, float sy, PointF centre, int order = MatrixOrderPrepend);
  bool RotateAt(float angle, PointF centre, int order = MatrixOrderPrepend);
  // The six elements m11 m12 m21 m22 dx dy of the world transform.
  bool GetWorldTransform(float elements[6]) const;
  bool SetPageUnit(int unit);
  int GetPageUnit() const;
  bool SetPageScale(float scale);
  float GetPageScale() const;
  float GetDpiX() const;
  float GetDpiY() const;

  bool DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
  bool DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2);
  bool DrawLines(const Pen& pen, const std::vector<PointF>& points);
  bool DrawArc(const Pen& pen, float x, float y, float w, float h, float start, float sweep);
  bool DrawBezier(const Pen& pen, PointF p1, PointF p2, PointF p3, PointF p4);
  bool DrawRectangle(const Pen& pen, float x, float y, float w, float h);
  bool DrawRectangleI(const Pen& pen, int x, int y, int w, int h);
  bool DrawEllipse(const Pen& pen, float x, float y, float w, float h);
  bool DrawEllipseI(const Pen& pen, int x, int y, int w, int h);
  bool DrawPie(const Pen& pen, float x, float y, float w, float h, float start, float sweep);
  bool DrawPolygon(const Pen& pen, const std::vector<PointF>& points);
  bool DrawPath(const Pen& pen, const GraphicsPath& path);
  bool DrawCurve(const Pen& pen, const std::vector<PointF>& points);

  bool Clear(Argb colour);
  bool FillRectangle(const Brush& brush, float x, float y, float w, float h);
  bool FillRectangleRect(const Brush& brush, const RectF& rect);
  bool FillRectangleI(const Brush& brush, int x, int y, int w, int h);
  bool FillRectangles(const Brush& brush, const std::vector<RectF>& rects);
  bool FillPolygon(const Brush& brush, const std::vector<PointF>& points, int fillMode = FillModeAlternate);
  bool FillEllipse(const Brush& brush, float x, float y, float w, float h);
  bool FillEllipseI(const Brush& brush, int x, int y, int w, int h);
  bool FillPie(const Brush& brush, float x, float y, float w, float h, float start, float sweep);
  bool FillPath(const Brush& brush, const GraphicsPath& path);
  bool FillRegion(const Brush& brush, const Region& region);

  // ANSI text (converted with ToWideText) laid out in layoutRect. format
  // may be nullptr (GDI+ default layout).
  bool DrawString(const Text& text, const Font& font, const Brush& brush, const RectF& layoutRect,
                  const StringFormat* format = nullptr);
  bool DrawStringW(const wchar_t* text, const Font& font, const Brush& brush, const RectF& layoutRect,
                   const StringFormat* format = nullptr);
  // The bounding box of the text as DrawString would lay it out; the
  // number of characters fitted and lines filled when asked for.
  RectF MeasureString(const Text& text, const Font& font, const RectF& layoutRect,
                      const StringFormat* format = nullptr, int* codepointsFitted = nullptr,
                      int* linesFilled = nullptr) const;
  RectF MeasureStringW(const wchar_t* text, const Font& font, const RectF& layoutRect,
                       const StringFormat* format = nullptr, int* codepointsFitted = nullptr,
                       int* linesFilled = nullptr) const;

  // The whole picture at natural size with its top-left corner at (x, y).
  bool DrawImage(const Image& image, float x, float y);
  bool DrawImageI(const Image& image, int x, int y);
  // The whole picture (source 0, 0, Width, Height in unit, UnitPixel when
  // not given) stretched into the destination rectangle.
  bool DrawImageRect(const Image& image, float x, float y, float w, float h,
                     std::optional<int> unit = std::nullopt);
  bool DrawImageRectI(const Image& image, int x, int y, int w, int h);
  // A part of the picture (source rectangle in unit) into the destination.
  bool DrawImageRectRect(const Image& image, const RectF& destination, const RectF& source,
                         int unit = UnitPixel);

  bool SetClipGraphics(const Graphics& other, int mode = CombineModeReplace);
  bool SetClipPath(const GraphicsPath& path, int mode = CombineModeReplace);
  bool SetClipRect(float x, float y, float w, float h, int mode = CombineModeReplace);
  bool SetClipRectI(int x, int y, int w, int h, int mode = CombineModeReplace);
  bool SetClipRegion(const Region& region, int mode = CombineModeReplace);
  bool SetClipHrgn(HRGN region, int mode = CombineModeReplace);
  bool ResetClip();
  bool TranslateClip(float dx, float dy);
  RectF GetClipBounds() const;
  bool IsClipEmpty() const;
  bool IsVisiblePoint(float x, float y) const;

  // A saved graphics state (0 on failure) and its restoration.
  unsigned Save();
  bool Restore(unsigned state);
};
