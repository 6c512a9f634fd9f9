// The look of a tab control registered as a container: the page outlines,
// the tabs and the gap where the selected tab joins the page.
#include <windows.h>

#include <commctrl.h>

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/fill_steps.h"
#include "graphics/paint/control_background.h"
#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/round_shapes.h"
#include "graphics/paint/window_geometry.h"
#include "skin/containers/container_skin.h"
#include "skin/controls/font/control_font.h"
#include "skin/state/skin_state.h"

namespace {

// How far the selected tab reaches towards the page, over the page outline.
constexpr int kSelectedReach = 2;
constexpr int kCorner = 5;
// Alphas of a tab (selected or not) and of the page outlines.
constexpr int kSelectedWhiteAlpha = 230, kTabWhiteAlpha = 170;    // white outside
constexpr int kSelectedAccentAlpha = 200, kTabAccentAlpha = 70;   // accent towards the page
constexpr int kSelectedOutlineAlpha = 220, kTabOutlineAlpha = 80;  // accent, or black
constexpr int kPageOuterAlpha = 80;   // black
constexpr int kPageInnerAlpha = 120;  // white

RECT TabItemRect(HWND tab, int index) {
  RECT item{};
  SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return item;
}

Text TabText(HWND tab, int index) {
  char buffer[256] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = sizeof(buffer);
  if (SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == 0) {
    return Text();
  }
  return Text(item.pszText != nullptr ? item.pszText : "");
}

// The gradient runs from the tab's outer edge (white) to its page edge
// (accent).
void GradientEnds(const RectF& box, TabSide side, PointF& outer, PointF& inner) {
  const float left = box.x, top = box.y, right = box.x + box.width, bottom = box.y + box.height;
  switch (side) {
    case kTabsLeft:
      outer = PointF{left, top};
      inner = PointF{right, top};
      break;
    case kTabsRight:
      outer = PointF{right, top};
      inner = PointF{left, top};
      break;
    case kTabsBottom:
      outer = PointF{left, bottom};
      inner = PointF{left, top};
      break;
    default:
      outer = PointF{left, top};
      inner = PointF{left, bottom};
      break;
  }
}

// The tab's box, grown towards the page when it is selected.
RectF TabBox(const RECT& item, bool selected, TabSide side) {
  RectF box{static_cast<float>(item.left), static_cast<float>(item.top),
            static_cast<float>(item.right - item.left - 1),
            static_cast<float>(item.bottom - item.top - 1)};
  if (!selected) return box;
  const auto reach = static_cast<float>(kSelectedReach);
  switch (side) {
    case kTabsLeft:
      box.width += reach;
      break;
    case kTabsRight:
      box.x -= reach;
      box.width += reach;
      break;
    case kTabsBottom:
      box.y -= reach;
      box.height += reach;
      break;
    default:
      box.height += reach;
      break;
  }
  return box;
}

}  // namespace

TabSide TabSideOfStyle(DWORD style) {
  const bool vertical = (style & TCS_VERTICAL) != 0;
  const bool second = (style & TCS_BOTTOM) != 0;  // TCS_RIGHT has the same bit
  if (vertical && second) return kTabsRight;
  if (second) return kTabsBottom;
  if (vertical) return kTabsLeft;
  return kTabsTop;
}

void PaintTab(HWND tab, HDC dc, int index, bool selected, TabSide side) {
  const RECT item = TabItemRect(tab, index);
  if (item.right <= item.left || item.bottom <= item.top) return;
  Graphics g;
  if (!g.CreateFromHDC(dc)) return;
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  const RectF box = TabBox(item, selected, side);
  GraphicsPath path;
  if (!path.Create() || !AddRoundRect(path, box.x, box.y, box.width, box.height, kCorner)) return;

  PointF outer, inner;
  GradientEnds(box, side, outer, inner);
  const auto accent = static_cast<ColourRef>(AccentColour);
  LinearGradientBrush fill;
  if (fill.Create(outer, inner, ColorrefToArgb(kWhite, selected ? kSelectedWhiteAlpha : kTabWhiteAlpha, true),
                  ColorrefToArgb(accent, selected ? kSelectedAccentAlpha : kTabAccentAlpha, true),
                  WrapModeTileFlipXY)) {
    g.FillPath(fill, path);
  }
  Pen outline;
  if (outline.Create1(
          ColorrefToArgb(selected ? accent : kBlack, selected ? kSelectedOutlineAlpha : kTabOutlineAlpha, true),
          1.0f)) {
    g.DrawPath(outline, path);
  }

  const Text text = TabText(tab, index);
  if (text.empty()) return;
  const ControlFont controlFont = ReadControlFont(tab);
  Font font;
  SolidBrush brush;
  StringFormat format;
  if (font.Create(controlFont.face, static_cast<float>(controlFont.size), controlFont.style) &&
      brush.Create(ColorrefToArgb(static_cast<ColourRef>(GetPropInt(tab, Kj_Ztys)), 0, false)) &&
      format.Create(StringFormatFlagsNoWrap)) {
    format.SetAlign(StringAlignmentCenter);
    format.SetLineAlign(StringAlignmentCenter);
    const RectF textBox{static_cast<float>(item.left), static_cast<float>(item.top),
                        static_cast<float>(item.right - item.left),
                        static_cast<float>(item.bottom - item.top)};
    g.DrawString(text, font, brush, textBox, &format);
  }
}

void PaintTabControl(HWND tab, HDC dc) {
  RECT rc{};
  GetClientRect(tab, &rc);
  const int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
  const int selected = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
  const int rows = static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
  const RECT item = TabItemRect(tab, selected);
  const TabSide side = TabSideOfStyle(static_cast<DWORD>(GetWindowLongA(tab, GWL_STYLE)));
  const int iw = item.right - item.left;
  const int ih = item.bottom - item.top;

  RECT page{};
  RECT gap{};
  switch (side) {
    case kTabsLeft:
      page = MakeRect(iw * rows + 1, 0, rc.right, rc.bottom);
      gap = MakeRect(item.right - 1, item.top + 1, item.right + 2, item.bottom - 1);
      break;
    case kTabsRight:
      page = MakeRect(0, 0, rc.right - iw * rows - 1, rc.bottom);
      gap = MakeRect(item.left - 1, item.top + 1, item.left + 2, item.bottom - 1);
      break;
    case kTabsBottom:
      page = MakeRect(0, 0, rc.right, rc.bottom - ih * rows - 1);
      gap = MakeRect(item.left + 1, item.top - 1, item.right - 1, item.top + 1);
      break;
    default:
      page = MakeRect(0, ih * rows + 1, rc.right, rc.bottom);
      gap = MakeRect(item.left + 1, item.bottom - 1, item.right - 1, item.bottom + 2);
      break;
  }

  {
    Graphics g;
    if (g.CreateFromHDC(dc)) {
      const auto pw = static_cast<float>(RectWidth(page));
      const auto ph = static_cast<float>(RectHeight(page));
      const auto px = static_cast<float>(page.left);
      const auto py = static_cast<float>(page.top);
      OutlineRoundRect(g, px, py, pw - 1, ph - 1, kCorner, ColorrefToArgb(kBlack, kPageOuterAlpha, true));
      OutlineRoundRect(g, px + 1, py + 1, pw - 3, ph - 3, kCorner,
                       ColorrefToArgb(kWhite, kPageInnerAlpha, true));
    }
  }
  for (int index = 0; index < count; ++index) PaintTab(tab, dc, index, index == selected, side);

  if (selected < 0 || RectWidth(gap) <= 0 || RectHeight(gap) <= 0) return;
  HDC background = ComposeControlBackground(tab, gap);
  if (background == nullptr) return;
  const WindowRecord* owner = WindowRecordAt(GetPropInt(tab, Hw_FuID));
  const ContainerRecord* own =
      owner != nullptr ? RecordAt(owner->containers, GetPropInt(tab, Hw_lbID)) : nullptr;
  HWND parent = GetParent(tab);
  const bool parentIsContainer =
      FindContainerRecord(FindOwningWindowRecord(parent), parent) >= 1;
  if (own != nullptr && own->fillColour != 0 && (side == kTabsTop || side == kTabsLeft) &&
      !parentIsContainer) {
    Graphics g;
    SolidBrush brush;
    if (g.CreateFromHDC(background) &&
        brush.Create(ColorrefToArgb(static_cast<ColourRef>(own->fillColour), own->fillAlpha, true))) {
      g.FillRectangleI(brush, 0, 0, RectWidth(gap), RectHeight(gap));
    }
  }
  BitBlt(dc, gap.left, gap.top, RectWidth(gap), RectHeight(gap), background, 0, 0, SRCCOPY);
  ReleaseMemoryDc(background);
}
