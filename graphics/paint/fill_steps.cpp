// Fill and outline steps of the control painters.
#include "graphics/paint/fill_steps.h"

#include "graphics/paint/round_shapes.h"
#include "skin/state/skin_state.h"

Argb AccentAt(int alpha) { return Colour(static_cast<ColourRef>(AccentColour), alpha); }

GraphicsPath RoundRectPath(float x, float y, float w, float h, int r) {
  GraphicsPath path;
  if (path.Create()) AddRoundRect(path, x, y, w, h, r);
  return path;
}

GraphicsPath EllipsePath(float x, float y, float w, float h) {
  GraphicsPath path;
  if (path.Create()) path.AddEllipse(x, y, w, h);
  return path;
}

void FillSolid(Graphics& g, const GraphicsPath& path, Argb colour) {
  SolidBrush brush;
  if (brush.Create(colour)) g.FillPath(brush, path);
}

void FillSolidRectangle(Graphics& g, float x, float y, float w, float h, Argb colour) {
  SolidBrush brush;
  if (brush.Create(colour)) g.FillRectangle(brush, x, y, w, h);
}

void FillGradient(Graphics& g, const GraphicsPath& path, PointF from, PointF to, Argb colour1,
                  Argb colour2) {
  LinearGradientBrush brush;
  if (brush.Create(from, to, colour1, colour2)) g.FillPath(brush, path);
}

void OutlinePath(Graphics& g, const GraphicsPath& path, Argb colour) {
  Pen pen;
  if (pen.Create1(colour, 1.0f)) g.DrawPath(pen, path);
}

void OutlineRectangle(Graphics& g, float x, float y, float w, float h, Argb colour) {
  Pen pen;
  if (pen.Create1(colour, 1.0f)) g.DrawRectangle(pen, x, y, w, h);
}

void OutlineRoundRect(Graphics& g, float x, float y, float w, float h, int r, Argb colour) {
  GraphicsPath path;
  Pen pen;
  if (path.Create() && AddRoundRect(path, x, y, w, h, r) && pen.Create1(colour, 1.0f)) {
    g.DrawPath(pen, path);
  }
}
