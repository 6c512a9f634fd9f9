// Toolbar skin: installer, subclass procedure, the toolbar painter with its
// per-button painter, and the colour-key path for other classes.
#include "skin/containers/toolbar_skin.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/font.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/graphics_path.h"
#include "graphics/gdiplus/pen.h"
#include "graphics/gdiplus/string_format.h"
#include "graphics/paint/child_invalidation.h"
#include "graphics/paint/clipping.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/control_background.h"
#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/round_shapes.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/label_skin.h"
#include "skin/controls/lists/list_skin.h"
#include "skin/controls/font/control_font.h"
#include "skin/state/skin_state.h"

namespace {

constexpr char kToolbarClass[] = "ToolbarWindow32";
constexpr int kButtonCorner = 5;
constexpr int kDisabledTextColour = 0x808080;
constexpr int kPanelOutlineAlpha = 120;
constexpr int kSeparatorDarkAlpha = 60;    // black line, then white 120 beside it
constexpr int kSeparatorLightAlpha = 120;

bool IsToolbar(HWND window) { return IsWindowClass(window, kToolbarClass); }

LRESULT PassOnToolbar(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto saved = GetPropHandle<WNDPROC>(window, Kj_hProc);
  if (saved == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(saved, window, message, wParam, lParam);
}

// --- the per-button painter ------------------------------------------------

void DrawButtonFace(Graphics& g, const RECT& r, const ToolbarFaceLook& look) {
  const float x = static_cast<float>(r.left);
  const float y = static_cast<float>(r.top);
  const float w = static_cast<float>(r.right - r.left - 1);
  const float h = static_cast<float>(r.bottom - r.top - 1);
  if (w <= 0 || h <= 0) return;
  GraphicsPath path;
  if (!path.Create() || !AddRoundRect(path, x, y, w, h, kButtonCorner)) return;
  LinearGradientBrush fill;
  const Argb top = Colour(kWhite, look.topAlpha);
  const Argb bottom =
      look.accentBottom ? Colour(AccentColour, look.bottomAlpha) : Colour(kWhite, look.bottomAlpha);
  if (fill.Create(PointF{0, y}, PointF{0, y + h + 1}, top, bottom)) g.FillPath(fill, path);
  Pen outline;
  if (outline.Create1(Colour(look.accentOutline ? AccentColour : kBlack, look.outlineAlpha), 1)) {
    g.DrawPath(outline, path);
  }
}

void DrawSeparator(Graphics& g, const RECT& r) {
  Pen dark, light;
  const float x = static_cast<float>((r.left + r.right) / 2);
  if (dark.Create1(Colour(kBlack, kSeparatorDarkAlpha), 1)) {
    g.DrawLine(dark, x, static_cast<float>(r.top + 3), x, static_cast<float>(r.bottom - 3));
  }
  if (light.Create1(Colour(kWhite, kSeparatorLightAlpha), 1)) {
    g.DrawLine(light, x + 1, static_cast<float>(r.top + 3), x + 1,
               static_cast<float>(r.bottom - 3));
  }
}

Text ButtonText(HWND toolbar, int command) {
  const LRESULT length = SendMessageA(toolbar, TB_GETBUTTONTEXTA, command, 0);
  if (length <= 0) return Text();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(toolbar, TB_GETBUTTONTEXTA, command, reinterpret_cast<LPARAM>(buffer.data()));
  return Text(buffer.data());
}

// Draws image iBitmap of the toolbar's image list at (x, y); the icon made
// for it is destroyed again. Returns the image size drawn (0 x 0: none).
SIZE DrawButtonIcon(HWND toolbar, int image, HDC dc, int x, int y, bool measureOnly) {
  SIZE size{0, 0};
  auto list = GetPropHandle<HIMAGELIST>(toolbar, Kj_wtjb);
  if (list == nullptr || image < 0 || image >= ImageList_GetImageCount(list)) return size;
  int cx = 0, cy = 0;
  if (!ImageList_GetIconSize(list, &cx, &cy)) return size;
  size.cx = cx;
  size.cy = cy;
  if (measureOnly) return size;
  const IconOwner icon(ImageList_GetIcon(list, image, ILD_NORMAL));
  if (!icon) return size;
  DrawIconEx(dc, x, y, icon.get(), cx, cy, 0, nullptr, DI_NORMAL);
  return size;
}

void DrawButtonText(Graphics& g, const ToolbarRecord& record, const Text& text, const RectF& box,
                    int colour, bool nearAligned) {
  Font font;
  StringFormat format;
  SolidBrush brush;
  const Text face = record.fontFace.empty() ? DefaultControlFontFace() : record.fontFace;
  const int size = record.fontSize != 0 ? record.fontSize : kDefaultControlFontSize;
  if (!font.Create(face, static_cast<float>(size), record.fontStyle) ||
      !format.Create(StringFormatFlagsNoWrap) || !brush.Create(Colour(colour, kOpaque))) {
    return;
  }
  format.SetAlign(nearAligned ? StringAlignmentNear : StringAlignmentCenter);
  format.SetLineAlign(StringAlignmentCenter);
  g.SetTextRenderingHint(TextRenderingHintAntiAlias);
  g.DrawString(text, font, brush, box, &format);
}

// --- the colour-key path ---------------------------------------------------

// A white panel with a thin dark outline (the white-panel variant).
void DrawWhitePanel(HDC dc, int width, int height) {
  Graphics g;
  if (!g.CreateFromHDC(dc)) return;
  SolidBrush white;
  if (white.Create(Colour(kWhite, kOpaque))) g.FillRectangleI(white, 0, 0, width, height);
  Pen outline;
  if (outline.Create1(Colour(kBlack, kPanelOutlineAlpha), 1)) {
    g.DrawRectangleI(outline, 0, 0, width - 1, height - 1);
  }
}

LRESULT PaintColourKeyed(HWND window, const ToolbarRecord& record, WPARAM wParam,
                         LPARAM lParam) {
  RECT rc{};
  GetClientRect(window, &rc);
  const int w = rc.right;
  const int h = rc.bottom;
  const RegisteredDcOwner own(ComposeControlBackground(window, rc));
  if (!own) return PassOnToolbar(window, WM_PAINT, wParam, lParam);
  {
    PaintDc screen(window);
    // The control paints itself into the memory DC.
    PassOnToolbar(window, WM_PAINT, reinterpret_cast<WPARAM>(own.get()), 0);
    const RegisteredDcOwner behind(ListClientBackground(window));
    if (!behind) {
      BitBlt(screen.get(), 0, 0, w, h, own.get(), 0, 0, SRCCOPY);
    } else {
      UINT key = static_cast<UINT>(record.backgroundColour);
      // The white-panel variant: the control's white is keyed out and the
      // panel shows under its drawing instead.
      if (record.extra) {
        DrawWhitePanel(behind.get(), w, h);
        key = kWhite;
      }
      TransparentBlt(behind.get(), 0, 0, w, h, own.get(), 0, 0, w, h, key);
      BitBlt(screen.get(), 0, 0, w, h, behind.get(), 0, 0, SRCCOPY);
      PresentToComposite(window, behind.get(), true, true);
    }
  }
  if (!IsColourKeyedClass(window)) InvalidateVisibleChildren(window);
  return 0;
}

// --- message handlers ------------------------------------------------------

LRESULT OnPaint(HWND window, ToolbarRecord& record, WPARAM wParam, LPARAM lParam) {
  if (SkinChildControls == 0) return PassOnToolbar(window, WM_PAINT, wParam, lParam);
  if (!IsToolbar(window)) return PaintColourKeyed(window, record, wParam, lParam);
  {
    PaintDc paint(window);
    if (record.redraw) {
      if (!PaintToolbar(window)) {
        // Nothing skinned behind it: the toolbar paints itself.
        PassOnToolbar(window, WM_PAINT, reinterpret_cast<WPARAM>(paint.get()), 0);
      }
    } else {
      // Releases the paint DC itself.
      RepaintFromComposite(window, true, false, paint.HandOver());
    }
  }
  return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(HWND window, ToolbarRecord& record, WPARAM wParam, LPARAM lParam) {
  if (ControlBackdropSet == 0) return PassOnToolbar(window, WM_ERASEBKGND, wParam, lParam);
  if (IsToolbar(window) && !record.redraw) record.redraw = RedrawOnErase(window, true);
  SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
  return 1;
}

LRESULT OnMouseMove(HWND window, ToolbarRecord& record, WPARAM wParam, LPARAM lParam) {
  record.redraw = true;
  if (!record.mouseTracking) {
    record.mouseTracking = true;
    TrackMouseLeave(window);
  }
  return PassOnToolbar(window, WM_MOUSEMOVE, wParam, lParam);
}

}  // namespace

ToolbarFaceLook ToolbarButtonLook(bool flat, bool hot, bool pressed, bool enabled) {
  ToolbarFaceLook look;
  if (pressed && enabled) {
    look = {true, 40, 150, true, 150, true};
  } else if (hot && enabled) {
    look = {true, 120, 30, false, 130, true};
  } else if (!flat) {
    look = {true, 70, 10, false, 50, false};
  }
  return look;
}

bool IsColourKeyedClass(HWND window) {
  return IsWindowClass(window, "SysMonthCal32") || IsWindowClass(window, "SysTabControl32") ||
         IsWindowClass(window, "msctls_statusbar32") || IsWindowClass(window, "Button") ||
         IsWindowClass(window, "msctls_trackbar32");
}

void InstallToolbarSkins(int /*windowIndex*/, HWND parent) {
  // Toolbars are skinned whatever SkinChildControls says.
  ForEachChildOfClass(parent, kToolbarClass, [](HWND toolbar) {
    const ToolbarRecord* known = ToolbarRecordOf(toolbar);
    if (known != nullptr && known->hwnd == toolbar) return;  // skinned already
    SetPropHandle(toolbar, Kj_wtjb,
                  reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)));
    InstallToolbarSkin(toolbar);
  });
}

int InstallToolbarSkin(HWND window, const ToolbarSkinOptions& options) {
  if (ToolbarRecord* existing = ToolbarRecordOf(window); existing && existing->hwnd == window) {
    return GetPropInt(window, Kj_lbID);
  }
  const int w = FindOwningWindowRecord(window);
  WindowRecord* owner = WindowRecordAt(w);
  if (owner == nullptr) return 0;
  const int index = TakeControlRecord(owner->toolbars);
  {
    ToolbarRecord& record = *RecordAt(owner->toolbars, index);
    record = ToolbarRecord{};
    record.redraw = IsToolbar(window);
    const ControlFont font = ReadCaptionFont(window);
    record.fontFace = font.face;
    record.fontSize = font.size;
    record.fontStyle = font.style;
    record.extra = options.whitePanel.value_or(false);
    record.hwnd = window;
    record.backgroundColour =
        options.backgroundColour.value_or(static_cast<int>(GetSysColor(COLOR_BTNFACE)));
  }
  SetPropInt(window, Kj_lbID, index);
  SetPropInt(window, Kj_FuID, w);
  // A toolbar holding windows is also their container. It is registered
  // before the toolbar procedure goes on top, so that the toolbar painter,
  // not the container's, answers WM_PAINT; everything the toolbar procedure
  // passes on still reaches the container procedure.
  if (FindWindowExA(window, nullptr, nullptr, nullptr) != nullptr) {
    RegisterContainer(window, false, options.fillColour.value_or(0), options.fillAlpha.value_or(0), false);
  }
  const WNDPROC saved = ReplaceWindowProc(window, &ToolbarSkinProc, Kj_hProc);
  // Registering the container may have run installers: take the record afresh.
  if (ToolbarRecord* record = RecordAt(WindowRecordAt(w)->toolbars, index)) {
    record->savedProc = saved;
  }
  return index;
}

LRESULT CALLBACK ToolbarSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ToolbarRecord* record = ToolbarRecordOf(window);
  if (record == nullptr) return PassOnToolbar(window, message, wParam, lParam);
  switch (message) {
    case WM_MOVE:
      if (ControlBackdropSet == 1) InvalidateRect(window, nullptr, FALSE);
      break;
    case WM_SIZE:
      if (IsToolbar(window)) record->redraw = true;
      break;
    case WM_PAINT:
      return OnPaint(window, *record, wParam, lParam);
    case WM_ERASEBKGND:
      return OnEraseBackground(window, *record, wParam, lParam);
    case WM_WINDOWPOSCHANGING:
      MarkParentContainerStale(window);
      break;
    case WM_MOUSEMOVE:
      return OnMouseMove(window, *record, wParam, lParam);
    case WM_LBUTTONDOWN:
      record->redraw = true;
      break;
    case WM_MOUSELEAVE:
      record->mouseTracking = false;
      record->redraw = true;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (IsWindowClass(window, "RichEdit20A")) InvalidateRect(window, nullptr, FALSE);
      break;
    default:
      break;
  }
  return PassOnToolbar(window, message, wParam, lParam);
}

bool PaintToolbar(HWND toolbar) {
  const int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
  const int hot = static_cast<int>(SendMessageA(toolbar, TB_GETHOTITEM, 0, 0));
  RECT rc{};
  GetClientRect(toolbar, &rc);
  const bool painted = PaintClientOverBackground(
      toolbar, rc, [&](HDC dc) {
        for (int i = 0; i < count; ++i) PaintToolbarButton(toolbar, i, dc, i == hot);
      },
      true, true);
  if (!painted) return false;
  if (ToolbarRecord* record = ToolbarRecordOf(toolbar)) record->redraw = false;
  return true;
}

void PaintToolbarButton(HWND toolbar, int index, HDC dc, bool hot) {
  TBBUTTON button{};
  if (!SendMessageA(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button))) return;
  if ((button.fsState & TBSTATE_HIDDEN) != 0) return;
  RECT r{};
  if (!SendMessageA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r))) return;
  const ToolbarRecord* record = ToolbarRecordOf(toolbar);
  if (record == nullptr) return;
  const LRESULT style = SendMessageA(toolbar, TB_GETSTYLE, 0, 0);
  const bool flat = (style & TBSTYLE_FLAT) != 0;
  const bool list = (style & TBSTYLE_LIST) != 0;
  const bool enabled = (button.fsState & TBSTATE_ENABLED) != 0;
  const bool pressed = (button.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;

  {
    Graphics g;
    if (!g.CreateFromHDC(dc)) return;
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    if ((button.fsStyle & BTNS_SEP) != 0) {
      DrawSeparator(g, r);
      return;
    }
    DrawButtonFace(g, r, ToolbarButtonLook(flat, hot, pressed, enabled));
  }

  // Icon above the text, or left of it in a list-style toolbar; pressed
  // buttons shift by one pixel.
  const int shift = pressed ? 1 : 0;
  const Text text = ButtonText(toolbar, button.idCommand);
  const SIZE icon = DrawButtonIcon(toolbar, button.iBitmap, dc, 0, 0, true);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  int iconX = r.left + (width - icon.cx) / 2;
  int iconY = r.top + 3;
  if (text.empty()) iconY = r.top + (height - icon.cy) / 2;
  if (list) {
    iconX = r.left + 4;
    iconY = r.top + (height - icon.cy) / 2;
  }
  if (icon.cx > 0) DrawButtonIcon(toolbar, button.iBitmap, dc, iconX + shift, iconY + shift, false);
  if (text.empty()) return;

  RectF box;
  if (list) {
    const float left = static_cast<float>(r.left + (icon.cx > 0 ? icon.cx + 6 : 4));
    box = {left, static_cast<float>(r.top), static_cast<float>(r.right) - left,
           static_cast<float>(height)};
  } else {
    const float top = static_cast<float>(icon.cy > 0 ? iconY + icon.cy : r.top);
    box = {static_cast<float>(r.left), top, static_cast<float>(width),
           static_cast<float>(r.bottom) - top};
  }
  box.x += static_cast<float>(shift);
  box.y += static_cast<float>(shift);
  const int colour = enabled ? GetPropInt(toolbar, Kj_Ztys) : kDisabledTextColour;
  Graphics g;
  if (g.CreateFromHDC(dc)) DrawButtonText(g, *record, text, box, colour, list);
}
