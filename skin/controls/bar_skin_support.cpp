// Registration, hover and drawing steps shared by the trackbar, progress
// bar, up-down and header skins.
#include "skin/controls/bar_skin_support.h"

#include "graphics/paint/round_shapes.h"

namespace bar_skin {

bool IsSubclassedWith(HWND window, WNDPROC proc) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == proc;
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

void TrackMouseLeave(HWND window) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window;
  TrackMouseEvent(&track);
}

LRESULT KeepBackground(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return 1;
}

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

GraphicsPath RoundRectPath(float x, float y, float w, float h, int r) {
  GraphicsPath path;
  if (path.Create()) AddRoundRect(path, x, y, w, h, r);
  return path;
}

void FillSolid(Graphics& g, const GraphicsPath& path, Argb colour) {
  SolidBrush brush;
  if (brush.Create(colour)) g.FillPath(brush, path);
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

}  // namespace bar_skin
