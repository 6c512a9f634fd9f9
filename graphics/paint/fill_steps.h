// The few GDI+ fill and outline steps every control painter repeats, each
// with its brush or pen made and released inside: a step whose object GDI+
// refuses draws nothing.
#pragma once

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/colour_convert.h"

// The skin's accent colour (AccentColour) at alpha.
Argb AccentAt(int alpha);

// A rounded rectangle path (AddRoundRect); empty when GDI+ refuses it.
GraphicsPath RoundRectPath(float x, float y, float w, float h, int r);
// An ellipse path; empty when GDI+ refuses it.
GraphicsPath EllipsePath(float x, float y, float w, float h);

void FillSolid(Graphics& g, const GraphicsPath& path, Argb colour);
void FillSolidRectangle(Graphics& g, float x, float y, float w, float h, Argb colour);
// A linear gradient from colour1 at from to colour2 at to.
void FillGradient(Graphics& g, const GraphicsPath& path, PointF from, PointF to, Argb colour1,
                  Argb colour2);
// A 1-unit outline.
void OutlinePath(Graphics& g, const GraphicsPath& path, Argb colour);
void OutlineRectangle(Graphics& g, float x, float y, float w, float h, Argb colour);
// A 1-unit outline of a rounded rectangle (AddRoundRect); nothing is drawn
// when the shape cannot be made.
void OutlineRoundRect(Graphics& g, float x, float y, float w, float h, int r, Argb colour);
