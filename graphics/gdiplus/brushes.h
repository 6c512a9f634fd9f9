// Brushes: solid colour, linear gradient, path gradient and texture. They
// share Brush's release step; Graphics fill operations take any of them.
#pragma once

#include <utility>
#include <vector>

#include "graphics/gdiplus/gdiplus_object.h"

class GraphicsPath;
class Image;

class Brush : public OwnedGdiPlusObject<Brush> {
 public:
  static GdipStatus DeleteNative(void* handle);
  // BrushType of the native brush, 0 on failure.
  int GetType() const;

 protected:
  Brush() = default;
  // A copy of the native brush into target; the classes below offer it
  // only into a brush of their own class.
  bool CloneInto(Brush& target) const;
};

// The copy of a brush class: only into a brush of the same class, so that
// a wrapper always holds the kind of brush its class makes.
template <class Self>
class BrushOf : public Brush {
 public:
  bool Clone(Self& target) const { return CloneInto(target); }
};

class SolidBrush : public BrushOf<SolidBrush> {
 public:
  bool Create(Argb colour);
  bool SetColor(Argb colour);
  Argb GetColor() const;
};

class LinearGradientBrush : public WithTransform<BrushOf<LinearGradientBrush>, LinearGradientBrush> {
 public:
  static const TransformCalls kTransformCalls;

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
};

class PathGradientBrush : public WithTransform<BrushOf<PathGradientBrush>, PathGradientBrush> {
 public:
  static const TransformCalls kTransformCalls;

  bool Create(const std::vector<PointF>& points, int wrapMode = WrapModeTile);
  bool CreateI(const std::vector<PointI>& points, int wrapMode = WrapModeTile);
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
};

class TextureBrush : public WithTransform<BrushOf<TextureBrush>, TextureBrush> {
 public:
  static const TransformCalls kTransformCalls;

  // The whole picture repeated by wrapMode. The brush keeps its own copy.
  bool Create(const Image& image, int wrapMode = WrapModeTile);
  // A part of the picture (x, y, w, h in pixels) repeated by wrapMode.
  bool Create2(const Image& image, int wrapMode, float x, float y, float w, float h);
  bool Create2I(const Image& image, int wrapMode, int x, int y, int w, int h);

  int GetWrapMode() const;
  bool SetWrapMode(int wrapMode);
};
