// Brushes: solid colour, linear gradient, path gradient and texture. They
// share Brush's release step; Graphics fill operations take any of them.
#pragma once

#include <utility>
#include <vector>

#include "graphics/gdiplus/gdiplus_object.h"

class GraphicsPath;
class Image;

class Brush : public GdiPlusObject {
 public:
  ~Brush() override { Delete(); }
  // Releases the native brush; false (and no call) when empty.
  bool Delete();
  // A copy of the native brush into target (a brush of the same class).
  bool Clone(Brush& target) const;
  // BrushType of the native brush, 0 on failure.
  int GetType() const;

 protected:
  Brush() = default;
  Brush(Brush&& other) noexcept : GdiPlusObject(std::move(other)) {}
  void MoveFrom(Brush& other);
};

class SolidBrush : public Brush {
 public:
  SolidBrush() = default;
  SolidBrush(SolidBrush&& other) noexcept : Brush(std::move(other)) {}
  SolidBrush& operator=(SolidBrush&& other) noexcept { MoveFrom(other); return *this; }

  bool Create(Argb colour);
  bool SetColor(Argb colour);
  Argb GetColor() const;
};

class LinearGradientBrush : public Brush {
 public:
  LinearGradientBrush() = default;
  LinearGradientBrush(LinearGradientBrush&& other) noexcept : Brush(std::move(other)) {}
  LinearGradientBrush& operator=(LinearGradientBrush&& other) noexcept { MoveFrom(other); return *this; }

  // From colour1 at point1 to colour2 at point2.
  bool Create(PointF point1, PointF point2, Argb colour1, Argb colour2, int wrapMode = WrapModeTile);
  bool CreateI(PointI point1, PointI point2, Argb colour1, Argb colour2, int wrapMode = WrapModeTile);
  // Across rect in the direction of mode (LinearGradientMode*).
  bool CreateFromRect(const RectF& rect, Argb colour1, Argb colour2,
                      int mode = LinearGradientModeHorizontal, int wrapMode = WrapModeTile);
  bool CreateFromRectI(const RectI& rect, Argb colour1, Argb colour2,
                       int mode = LinearGradientModeHorizontal, int wrapMode = WrapModeTile);
  bool CreateFromRectWithAngle(const RectF& rect, Argb colour1, Argb colour2, float angle,
                               bool isAngleScalable = false, int wrapMode = WrapModeTile);

  bool GetLineColors(Argb& colour1, Argb& colour2) const;
  bool SetLineColors(Argb colour1, Argb colour2);
  RectF GetLineRect() const;
  bool SetGammaCorrection(bool on);
  // Blend factors at positions 0..1 (same count).
  bool SetBlend(const std::vector<float>& factors, const std::vector<float>& positions);
  int GetBlendCount() const;
  // Colours at positions 0..1; count = number of colours.
  bool SetPresetBlend(const std::vector<Argb>& colours, const std::vector<float>& positions);
  bool SetSigmaBlend(float focus, float scale = 1.0f);
  bool SetLinearBlend(float focus, float scale = 1.0f);
  int GetWrapMode() const;
  bool SetWrapMode(int wrapMode);
  bool ResetTransform();
  bool TranslateTransform(float dx, float dy, int order = MatrixOrderPrepend);
  bool ScaleTransform(float sx, float sy, int order = MatrixOrderPrepend);
  bool RotateTransform(float angle, int order = MatrixOrderPrepend);
  bool ScaleAt(float sx, float sy, PointF centre, int order = MatrixOrderPrepend);
  bool RotateAt(float angle, PointF centre, int order = MatrixOrderPrepend);
};

class PathGradientBrush : public Brush {
 public:
  PathGradientBrush() = default;
  PathGradientBrush(PathGradientBrush&& other) noexcept : Brush(std::move(other)) {}
  PathGradientBrush& operator=(PathGradientBrush&& other) noexcept { MoveFrom(other); return *this; }

  bool Create(const std::vector<PointF>& points, int wrapMode = WrapModeClamp);
  bool CreateI(const std::vector<PointI>& points, int wrapMode = WrapModeClamp);
  bool CreateFromPath(const GraphicsPath& path);

  Argb GetCenterColor() const;
  bool SetCenterColor(Argb colour);
  int GetPointCount() const;
  int GetSurroundColorCount() const;
  std::vector<Argb> GetSurroundColors() const;
  // Sets the surround colours; count holds the number GDI+ accepted (it
  // refuses more colours than the boundary has points).
  bool SetSurroundColors(const std::vector<Argb>& colours, int* count = nullptr);
  PointF GetCenterPoint() const;
  bool SetCenterPoint(PointF centre);
  RectF GetRect() const;
  bool SetGammaCorrection(bool on);
  bool SetBlend(const std::vector<float>& factors, const std::vector<float>& positions);
  int GetBlendCount() const;
  bool GetFocusScales(float& x, float& y) const;
  bool SetFocusScales(float x, float y);
  bool SetPresetBlend(const std::vector<Argb>& colours, const std::vector<float>& positions);
  bool SetSigmaBlend(float focus, float scale = 1.0f);
  bool SetLinearBlend(float focus, float scale = 1.0f);
  int GetWrapMode() const;
  bool SetWrapMode(int wrapMode);
  bool ResetTransform();
  bool TranslateTransform(float dx, float dy, int order = MatrixOrderPrepend);
  bool ScaleTransform(float sx, float sy, int order = MatrixOrderPrepend);
  bool RotateTransform(float angle, int order = MatrixOrderPrepend);
  bool ScaleAt(float sx, float sy, PointF centre, int order = MatrixOrderPrepend);
  bool RotateAt(float angle, PointF centre, int order = MatrixOrderPrepend);
};

class TextureBrush : public Brush {
 public:
  TextureBrush() = default;
  TextureBrush(TextureBrush&& other) noexcept : Brush(std::move(other)) {}
  TextureBrush& operator=(TextureBrush&& other) noexcept { MoveFrom(other); return *this; }

  // The whole picture repeated by wrapMode. The brush keeps its own copy.
  bool Create(const Image& image, int wrapMode = WrapModeTile);
  // A part of the picture (x, y, w, h in pixels) repeated by wrapMode.
  bool Create2(const Image& image, int wrapMode, float x, float y, float w, float h);
  bool Create2I(const Image& image, int wrapMode, int x, int y, int w, int h);

  bool ResetTransform();
  bool TranslateTransform(float dx, float dy, int order = MatrixOrderPrepend);
  bool ScaleTransform(float sx, float sy, int order = MatrixOrderPrepend);
  bool RotateTransform(float angle, int order = MatrixOrderPrepend);
  bool ScaleAt(float sx, float sy, PointF centre, int order = MatrixOrderPrepend);
  bool RotateAt(float angle, PointF centre, int order = MatrixOrderPrepend);
  int GetWrapMode() const;
  bool SetWrapMode(int wrapMode);
};
