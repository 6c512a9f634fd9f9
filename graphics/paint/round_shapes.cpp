// Rounded rectangle and rounded-top outline paths.
#include "graphics/paint/round_shapes.h"

#include <algorithm>

int ClampCornerSize(int r) { return std::clamp(r, kMinCornerSize, kMaxCornerSize); }

bool AddRoundRect(GraphicsPath& path, float x, float y, float w, float h, int r) {
  const float s = static_cast<float>(ClampCornerSize(r));
  bool ok = path.AddArc(x + w - s, y, s, s, 270, 90);
  ok = path.AddArc(x + w - s - 1, y + h - s - 1, s + 1, s + 1, 0, 90) && ok;
  ok = path.AddArc(x, y + h - s, s, s, 90, 90) && ok;
  ok = path.AddArc(x, y, s, s, 180, 90) && ok;
  return path.CloseFigure() && ok;
}

bool AddRoundTopOutline(GraphicsPath& path, int x, int y, int w, int h, int r) {
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  const float fw = static_cast<float>(w), fh = static_cast<float>(h);
  const float fr = static_cast<float>(r);
  bool ok = path.AddLine(fx, fy + fh, fx, fy + fr);
  ok = path.AddArc(fx, fy, fr, fr, 180, 90) && ok;
  ok = path.AddLine(fx + fr, fy, fx + fw - fr, fy) && ok;
  ok = path.AddArc(fx + fw - fr, fy, fr, fr, 270, 90) && ok;
  ok = path.AddLine(fx + fw, fy + fr, fx + fw, fy + fh) && ok;
  return ok;
}
