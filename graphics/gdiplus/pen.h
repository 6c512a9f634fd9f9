// A GDI+ pen: a colour or a brush with a width, caps, joins and dashes.
#pragma once

#include <utility>
#include <vector>

#include "graphics/gdiplus/gdiplus_object.h"

class Brush;

class Pen : public WithTransform<OwnedGdiPlusObject<Pen>, Pen> {
 public:
  static const TransformCalls kTransformCalls;
  static GdipStatus DeleteNative(void* handle);

  // A pen of one colour, width in unit (world units when not given).
  bool Create1(Argb colour, float width, int unit = UnitWorld);
  // A pen that paints its stroke with brush.
  bool Create2(const Brush& brush, float width, int unit = UnitWorld);
  bool Clone(Pen& target) const;

  float GetWidth() const;
  bool SetWidth(float width);
  int GetUnit() const;
  bool SetUnit(int unit);
  bool SetLineCap(int startCap, int endCap, int dashCap);
  bool SetStartCap(int cap);
  bool SetEndCap(int cap);
  bool SetDashCap(int cap);
  int GetStartCap() const;
  int GetEndCap() const;
  int GetDashCap() const;
  bool SetLineJoin(int join);
  int GetLineJoin() const;
  bool SetMiterLimit(float limit);
  float GetMiterLimit() const;
  // PenAlignment*.
  bool SetMode(int alignment);
  int GetMode() const;
  Argb GetColor() const;
  bool SetColor(Argb colour);
  bool SetBrushFill(const Brush& brush);
  int GetFillType() const;
  bool SetDashStyle(int style);
  int GetDashStyle() const;
  float GetDashOffset() const;
  bool SetDashOffset(float offset);
  std::vector<float> GetDashArray() const;
  bool SetDashArray(const std::vector<float>& dashes);
  std::vector<float> GetCompoundArray() const;
  bool SetCompoundArray(const std::vector<float>& bands);
};
