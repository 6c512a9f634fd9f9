// The drop-shadow window of a skinned frame: creation, placement and its
// layered picture.
#include "skin/frame/shadow_window.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/graphics_path.h"
#include "graphics/gdiplus/image.h"
#include "graphics/gdiplus/shadow_window_class.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/round_shapes.h"
#include "skin/state/skin_state.h"

namespace {

bool IsVisible(HWND window) {
  return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

void DrawSoftShadow(Graphics& g, int width, int height, int offset, int depth, int colour,
                    int alpha) {
  const int layers = std::max(1, depth);
  const int layerAlpha = ShadowLayerAlpha(alpha, layers);
  if (layerAlpha == 0) return;
  SolidBrush brush;
  if (!brush.Create(ColorrefToArgb(static_cast<ColourRef>(colour), layerAlpha, true))) return;
  const int shift = std::abs(offset);
  const int origin = offset > 0 ? offset : 0;
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  for (int k = 0; k < layers; ++k) {
    const int w = width - 2 * k - shift;
    const int h = height - 2 * k - shift;
    if (w <= 0 || h <= 0) break;
    GraphicsPath path;
    if (!path.Create()) return;
    // The outer layers have the widest corners, the inner ones end square.
    AddRoundRect(path, static_cast<float>(origin + k), static_cast<float>(origin + k),
                 static_cast<float>(w), static_cast<float>(h), ClampCornerSize(2 * (layers - k)));
    g.FillPath(brush, path);
  }
}

namespace {

// The record's picture over the shadow at its placement; with the clip flag
// only the ring around the frame shows it.
void DrawShadowPicture(Graphics& g, const WindowRecord& record, int width, int height,
                       int depth) {
  Bitmap picture;
  if (!picture.CreateFromBytes(record.shadowPicture)) return;
  if (record.shadowPictureClip) {
    const int inset = depth + 3;
    g.SetClipRectI(inset, inset, std::max(0, width - 6 - inset), std::max(0, height - 6 - inset),
                   CombineModeExclude);
  }
  g.DrawImageI(picture, record.shadowPictureX, record.shadowPictureY);
  g.ResetClip();
}

}  // namespace

int ShadowLayerAlpha(int alpha, int layers) {
  alpha = std::clamp(alpha, 0, 255);
  if (alpha == 0) return 0;
  if (layers <= 1) return alpha;
  const double single = 1.0 - std::pow(1.0 - alpha / 255.0, 1.0 / layers);
  return std::max(1, static_cast<int>(single * 255.0 + 0.5));
}

void PlaceShadow(HWND frame, bool render, std::optional<int> x, std::optional<int> y,
                 std::optional<int> cx, std::optional<int> cy) {
  WindowRecord* record = WindowRecordAt(GetPropInt(frame, Hw_lbID));
  if (record == nullptr) return;
  HWND shadow = record->shadowWindow;
  if (shadow == nullptr || !IsVisible(shadow)) return;
  const int d = record->shadowSpread;
  if (x && y && cx && cy) {
    MoveWindow(shadow, *x - d, *y - d, *cx + 2 * d, *cy + 2 * d, FALSE);
  } else {
    RECT r{};
    if (!GetWindowRect(frame, &r)) return;
    MoveWindow(shadow, r.left - d, r.top - d, (r.right - r.left) + 2 * d,
               (r.bottom - r.top) + 2 * d, FALSE);
  }
  if (render) RenderShadow(shadow);
}

void RenderShadow(HWND shadow) {
  HWND frame = GetPropHandle<HWND>(shadow, Yyck_Glck);
  const WindowRecord* record = WindowRecordAt(GetPropInt(frame, Hw_lbID));
  RECT rc{};
  GetClientRect(shadow, &rc);
  const int width = rc.right;
  const int height = rc.bottom;
  if (width <= 0 || height <= 0) return;
  // The four drawing properties, in this order.
  const int offset = GetPropInt(shadow, Yyck_yyWz);
  const int depth = GetPropInt(shadow, Yyck_yysd);
  const int colour = GetPropInt(shadow, Yyck_yyys);
  const int alpha = GetPropInt(shadow, Yyck_Tmd);

  // Drawn on the ARGB bitmap itself, so that its alpha survives; the
  // HBITMAP made from it afterwards carries the finished picture.
  Bitmap picture;
  if (!picture.CreateFromScan0(width, height, PixelFormat32bppARGB)) return;
  {
    Graphics g;
    if (!g.FromImage(picture)) return;
    if (record == nullptr || !record->shadowSuppressed) {
      DrawSoftShadow(g, width, height, offset, depth, colour, alpha);
    }
    if (record != nullptr && !record->shadowPicture.empty()) {
      DrawShadowPicture(g, *record, width, height, depth);
    }
  }
  BitmapOwner bitmap(picture.GetHBITMAP(0));
  if (!bitmap) return;
  RegisteredDcOwner dc(CreateCompatibleDC(nullptr));
  if (!dc) return;
  // From here the memory-DC table owns the bitmap with the DC.
  HGDIOBJ displaced = SelectObject(dc.get(), bitmap.get());
  RememberMemoryDc(dc.get(), bitmap.release(), displaced);
  UpdateLayered(shadow, dc.get(), 255);
}

bool UpdateLayered(HWND window, std::optional<HDC> sourceDC, std::optional<int> alpha,
                   std::optional<int> x, std::optional<int> y, std::optional<int> width,
                   std::optional<int> height, std::optional<int> sourceX,
                   std::optional<int> sourceY) {
  RECT r{};
  GetWindowRect(window, &r);
  HDC source = nullptr;
  if (sourceDC) {
    source = *sourceDC;
  } else if (WindowRecord* record = WindowRecordAt(GetPropInt(window, Hw_lbID))) {
    source = record->frameDC.get();
  }
  if (source == nullptr) return false;
  POINT position{x.value_or(r.left), y.value_or(r.top)};
  SIZE size{width.value_or(r.right - r.left), height.value_or(r.bottom - r.top)};
  POINT sourcePoint{sourceX.value_or(0), sourceY.value_or(0)};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(alpha.value_or(255), 0, 255)),
                      AC_SRC_ALPHA};
  return UpdateLayeredWindow(window, nullptr, &position, &size, source, &sourcePoint, 0, &blend,
                             ULW_ALPHA) != FALSE;
}

HWND CreateFrameShadow(HWND frame, int spread) {
  WindowRecord* record = FrameRecordOf(frame);
  if (record == nullptr) return nullptr;
  if (record->shadowWindow != nullptr && IsWindow(record->shadowWindow)) {
    return record->shadowWindow;
  }
  if (!RegisterShadowWindowClass()) return nullptr;
  SetShadowRenderRoutine(RenderShadow);
  // No owner: an owned window would always lie above the frame. A tool
  // window stays off the taskbar and is never activated by a click.
  HWND shadow = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                kShadowWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  if (shadow == nullptr) return nullptr;
  // Creating the window may have run code that moved records: look again.
  record = FrameRecordOf(frame);
  if (record == nullptr) {
    DestroyWindow(shadow);
    return nullptr;
  }
  record->shadowWindow = shadow;
  record->shadowSpread = spread;
  SetPropHandle(shadow, Yyck_Glck, frame);
  SetPropInt(shadow, Yyck_yyWz, record->shadowOffset);
  SetPropInt(shadow, Yyck_yysd, record->shadowDepth != 0 ? record->shadowDepth : spread);
  SetPropInt(shadow, Yyck_yyys,
             record->shadowColour != 0 ? record->shadowColour : kDefaultShadowColour);
  SetPropInt(shadow, Yyck_Tmd, record->shadowAlpha != 0 ? record->shadowAlpha : kDefaultShadowAlpha);

  RECT r{};
  GetWindowRect(frame, &r);
  // Sized while still hidden; WM_SIZE draws the first picture.
  SetWindowPos(shadow, frame, r.left - spread, r.top - spread, (r.right - r.left) + 2 * spread,
               (r.bottom - r.top) + 2 * spread, SWP_NOACTIVATE);
  const LONG style = GetWindowLongA(frame, GWL_STYLE);
  if ((style & WS_VISIBLE) != 0 && (style & (WS_MINIMIZE | WS_MAXIMIZE)) == 0 &&
      !record->maximized && !record->minimized) {
    ShowWindow(shadow, SW_SHOWNA);
    SetWindowPos(shadow, frame, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return shadow;
}
