// The header control skin: installer, subclass procedure and painter.
#include "skin/controls/bars/header_skin.h"

#include <commctrl.h>
#include <windowsx.h>

#include "graphics/paint/composite_present.h"
#include "skin/controls/bars/bar_skin_support.h"
#include "graphics/paint/control_background.h"
#include "win32/handle_owners.h"
#include "skin/controls/font/control_font.h"

using namespace bar_skin;

namespace {

constexpr char kHeaderClass[] = "SysHeader32";
constexpr char kListViewClass[] = "SysListView32";
constexpr int kDividerZone = 5;  // pixels at each item edge that belong to no item
constexpr int kItemTextBytes = 260;
// The alphas at the two ends of a gradient down an item.
struct GradientAlphas {
  int from = 0, to = 0;
};
// White to accent down a clickable item, accent to accent down an item of a
// plain header; over the hot item accent to black, over the pressed one
// black to white; down the divider black to white.
constexpr GradientAlphas kClickable{80, 120}, kPlain{60, 10}, kHotItem{60, 30},
    kPressedItem{30, 120}, kDivider{60, 50};

HeaderRecord* RegisterHeader(int windowIndex, HWND header) {
  HeaderRecord* record =
      RegisterSubclassedControl(windowIndex, &WindowRecord::headers, header, &HeaderSkinProc);
  if (record != nullptr) record->clickable = (StyleOf(header) & HDS_BUTTONS) != 0;
  return record;
}

// The font the painter uses: the one read at registration (headers of list
// views), else the header's own font or the default control font.
ControlFont HeaderFont(HWND header, const HeaderRecord& record) {
  if (!record.fontFace.empty())
    return ControlFont{record.fontFace, record.fontSize, record.fontStyle};
  return ReadCaptionFont(header);
}

// What the painter needs of one item.
struct HeaderItem {
  RECT rect{};
  int format = 0;
  int image = 0;
  Text text;
};

HeaderItem ReadHeaderItem(HWND header, int item) {
  HeaderItem result;
  SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(item),
               reinterpret_cast<LPARAM>(&result.rect));
  char text[kItemTextBytes] = {};
  HDITEMA hd{};
  hd.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;
  hd.pszText = text;
  hd.cchTextMax = kItemTextBytes;
  if (SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(item),
                   reinterpret_cast<LPARAM>(&hd)) != 0) {
    result.format = hd.fmt;
    result.image = hd.iImage;
    text[kItemTextBytes - 1] = '\0';
    result.text = hd.pszText != nullptr ? Text(hd.pszText) : Text();
  }
  return result;
}

// The face of item i (1-based) of w x h: base, gradient, hot or pressed
// look of a clickable header, and the divider at its right edge.
void PaintItemFace(Graphics& g, const HeaderRecord& record, int i, float w, float h) {
  SolidBrush base;
  const int baseAlpha = ControlBackdropSet == 1 ? ControlOverlayAlpha : kOpaque;
  if (base.Create(Colour(kWhite, baseAlpha))) g.FillRectangle(base, 0, 0, w, h);
  auto gradient = [&](Argb top, Argb bottom) {
    LinearGradientBrush brush;
    if (brush.Create(PointF{0, 0}, PointF{0, h}, top, bottom)) g.FillRectangle(brush, 0, 0, w, h);
  };
  const bool clickable = record.clickable;
  if (clickable) {
    gradient(Colour(kWhite, kClickable.from), AccentAt(kClickable.to));
  } else {
    gradient(AccentAt(kPlain.from), AccentAt(kPlain.to));
  }
  if (clickable && record.hot && record.hotItem == i) {
    gradient(AccentAt(kHotItem.from), Colour(kBlack, kHotItem.to));
  }
  if (clickable && record.pressedItem == i)
    gradient(Colour(kBlack, kPressedItem.from), Colour(kWhite, kPressedItem.to));

  LinearGradientBrush dividerBrush;
  Pen divider;
  if (dividerBrush.Create(PointF{0, 0}, PointF{0, h}, Colour(kBlack, kDivider.from),
                          Colour(kWhite, kDivider.to)) &&
      divider.Create2(dividerBrush, 1.0f)) {
    g.DrawLine(divider, w - 1, 0, w - 1, h);
  }
}

// Where the icon (and after it the text) starts in an item w wide.
int ContentStart(int format, int w, int iconWidth, int margin, int textWidth) {
  if ((format & (HDF_RIGHT | HDF_CENTER)) == 0) return margin;
  if (iconWidth + margin + textWidth >= w) return margin;
  if ((format & HDF_RIGHT) != 0) return w - iconWidth - textWidth;
  const int free = w - iconWidth - margin - textWidth;
  return free >= 0 ? free / 2 : (free - 1) / 2;  // rounded down
}

// Paints item i (1-based) into target; returns the right edge it painted to.
int PaintItem(HWND header, HDC target, const HeaderRecord& record, const ControlFont& font,
              HIMAGELIST images, int margin, int i, int count) {
  HeaderItem item = ReadHeaderItem(header, i - 1);
  Bitmap icon;
  int iw = 0, ih = 0;
  if ((item.format & HDF_IMAGE) != 0 && images != nullptr) {
    const IconOwner handle(ImageList_GetIcon(images, item.image, ILD_TRANSPARENT));
    if (handle.get() != nullptr && icon.CreateFromHICON(handle.get())) {
      iw = static_cast<int>(icon.Width());
      ih = static_cast<int>(icon.Height());
    }
  }
  HWND parent = GetParent(header);
  if (i == count && IsWindowClass(parent, kListViewClass)) {
    // The last item reaches the right edge of the list view.
    RECT client{};
    GetClientRect(parent, &client);
    if (item.rect.right < client.right) item.rect.right = client.right;
  }
  const int w = item.rect.right - item.rect.left;
  const int h = item.rect.bottom - item.rect.top;
  const RegisteredDcOwner background(ComposeControlBackground(header, item.rect));
  HDC memory = background.get();
  if (memory == nullptr) return item.rect.right;
  {
    Graphics g;
    if (g.CreateFromHDC(memory)) {
      PaintItemFace(g, record, i, static_cast<float>(w), static_cast<float>(h));
      const int tw = MeasureTextWidth(item.text, font.face, font.size, font.style);
      const int x = ContentStart(item.format, w, iw, margin, tw);
      if (iw > 0) g.DrawImageI(icon, x, (h - ih) / 2);
      Font textFont;
      StringFormat format;
      SolidBrush black;
      if (textFont.Create(font.face, static_cast<float>(font.size), font.style) &&
          format.Create(0) && black.Create(Colour(kBlack, kOpaque))) {
        format.SetTrimming(StringTrimmingEllipsisCharacter);
        g.DrawString(item.text, textFont, black,
                     RectF{static_cast<float>(x + iw), 0, static_cast<float>(w - iw - 2 * margin),
                           static_cast<float>(h)},
                     &format);
      }
      g.Flush(true);
    }
  }
  BitBlt(target, item.rect.left, item.rect.top, w, h, memory, 0, 0, SRCCOPY);
  return item.rect.right;
}

// The part of the header right of its items shows the background behind
// it, so that nothing the header showed before stays there.
void PaintBeyondItems(HWND header, HDC target, int right) {
  RECT client{};
  GetClientRect(header, &client);
  if (right >= client.right) return;
  const RECT rest{right, 0, client.right, client.bottom};
  const RegisteredDcOwner background(ComposeControlBackground(header, rest));
  if (background.get() != nullptr) {
    BitBlt(target, rest.left, rest.top, rest.right - rest.left, rest.bottom - rest.top,
           background.get(), 0, 0, SRCCOPY);
  }
}

constexpr PaintSelfRoutine PaintSelf = &PaintByIndices<PaintHeader>;

LRESULT OnMouseMove(HWND window, UINT, WPARAM wParam, LPARAM lParam) {
  const int windowIndex = GetPropInt(window, Hw_FuID);
  const int index = GetPropInt(window, Hw_lbID);
  if (WindowRecord* owner = MouseEntersControl(window, &WindowRecord::headers)) {
    HeaderRecord* record = owner->headers[index - 1].get();
    // The header lights up one item at a time: it compares the item under
    // the mouse with the one it painted itself, on every move.
    TakeHotControl(
        window, owner, kHotClassHeader,
        [=] {
          record->hot = true;
          record->hotItem = HeaderItemAt(windowIndex, index, lParam);
          if (record->hotItem != record->paintedItem && record->hotItem >= 1 && !record->buttonDown) {
            PaintHeader(windowIndex, index);
            record->paintedItem = record->hotItem;
          } else if (record->hotItem == 0) {
            record->paintedItem = 0;
            record->hot = false;
            PaintHeader(windowIndex, index);
          }
        },
        std::nullopt, true);
  }
  return PassOn(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (HeaderRecord* record = ControlRecordOf(window, &WindowRecord::headers)) {
    const bool down = message == WM_LBUTTONDOWN;
    record->buttonDown = down;
    record->pressedItem = down ? record->hotItem : 0;
  }
  return PassOn(window, message, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, UINT, WPARAM wParam, LPARAM lParam) {
  if (HeaderRecord* record = MouseLeavesControl(window, &WindowRecord::headers)) {
    record->paintedItem = 0;
    record->hotItem = 0;
    record->hot = false;
    PaintSelf(window);
  }
  return PassOn(window, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

void InstallHeaderSkins(int windowIndex, HWND parent) {
  InstallOnChildren(parent, kHeaderClass,
                    [windowIndex](HWND child) { RegisterHeader(windowIndex, child); });
  InstallOnChildren(parent, kListViewClass, [windowIndex](HWND list) {
    HWND header = FindWindowExA(list, nullptr, kHeaderClass, nullptr);
    if (header == nullptr) return;
    HeaderRecord* record = RegisterHeader(windowIndex, header);
    if (record == nullptr) return;
    const ControlFont font = ReadControlFont(header);
    record->fontFace = font.face;
    record->fontStyle = font.style;
    record->fontSize = font.size;
  });
}

int HeaderItemAt(int windowIndex, int controlIndex, LPARAM lParam) {
  const HeaderRecord* record = ControlRecordAt(windowIndex, &WindowRecord::headers, controlIndex);
  if (record == nullptr) return 0;
  const int x = GET_X_LPARAM(lParam);
  const int count = static_cast<int>(SendMessageA(record->window, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    SendMessageA(record->window, HDM_GETITEMRECT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&r));
    if (r.left + kDividerZone <= x && x <= r.right - kDividerZone) return i + 1;
  }
  return 0;
}

int MeasureTextWidth(const Text& text, const Text& face, int size, int style) {
  const CompatibleDc measuring(WindowDc::Client(nullptr).get());
  Graphics g;
  Font font;
  RectF box;
  if (g.CreateFromHDC(measuring.get()) && font.Create(face, static_cast<float>(size), style)) {
    box = g.MeasureString(text, font, RectF{});
  }
  return static_cast<int>(box.width) + 1;
}

LRESULT CALLBACK HeaderSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The image list belongs to the application (or the list view), which
  // destroys it; the skin leaves it alone when the header goes.
  static constexpr BarSkinAnswers kHeader{PaintSelf, OnMouseMove, OnMouseLeave, OnButton, false, true};
  return AnswerBarMessage(window, message, wParam, lParam, kHeader);
}

void PaintHeader(int windowIndex, int controlIndex) {
  const HeaderRecord* record = ControlRecordAt(windowIndex, &WindowRecord::headers, controlIndex);
  if (record == nullptr) return;
  HWND header = record->window;
  const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
  HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
  const ControlFont font = HeaderFont(header, *record);
  const WindowDc screen = WindowDc::Client(header);
  int right = 0;
  for (int i = 1; i <= count; ++i) {
    right = PaintItem(header, screen.get(), *record, font, images, margin, i, count);
  }
  PaintBeyondItems(header, screen.get(), right);
  PresentToComposite(header, screen.get(), false, false);
}
