// The caption (icon and text) in the title band, outlined text, and the
// status-bar items.
#include <vector>

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/font.h"
#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "graphics/gdiplus/string_format.h"
#include "graphics/paint/glow_text.h"
#include "skin/frame/frame_render.h"
#include "skin/state/skin_state.h"

namespace {

constexpr int kCaptionHeight = 42;
constexpr int kIconSize = 17;
constexpr int kTextIndent = 20;
constexpr int kDefaultOutlineAlpha = 150;
// The gloss down a status item: white 60 to white 10.
constexpr int kStatusGlossTopAlpha = 60, kStatusGlossBottomAlpha = 10;

bool MakeFormat(StringFormat& format, bool wrap, int alignment, int lineAlignment) {
  int flags = StringFormatFlagsLineLimit;
  if (!wrap) flags |= StringFormatFlagsNoWrap;
  if (!format.Create(flags)) return false;
  format.SetTrimming(StringTrimmingEllipsisCharacter);
  format.SetAlign(alignment);
  format.SetLineAlign(lineAlignment);
  return true;
}

// The caption area: (x0, y0, width, 42) with x0 = E + 6, y0 = E + 1.
RectI CaptionAreaOf(const WindowRecord& rec) {
  RECT client{};
  GetClientRect(rec.hwnd, &client);
  return {FrameEdge + 6, FrameEdge + 1, client.right - rec.stripWidth - 10 - 2 * FrameEdge,
          kCaptionHeight};
}

void DrawCaptionText(Graphics& g, const WindowRecord& rec, const Text& text, const RectF& rect) {
  const int style = rec.captionBold ? FontStyleBold : FontStyleRegular;
  const float size = static_cast<float>(rec.captionSize);
  const ColourRef colour = static_cast<ColourRef>(rec.captionColour);
  if (rec.captionGlowColour == -1) {
    SolidBrush brush;
    Font font;
    StringFormat format;
    if (brush.Create(Colour(colour, kOpaque)) && font.Create(rec.captionFont, size, style) &&
        MakeFormat(format, false, StringAlignmentNear, StringAlignmentNear)) {
      g.DrawString(text, font, brush, rect, &format);
    }
  } else if (rec.captionGlow) {
    DrawGlowText(g, text, rect, colour, static_cast<ColourRef>(rec.captionGlowColour), 4,
                 rec.captionFont, style, size);
  } else {
    DrawOutlinedText(g, text, rect, colour, static_cast<ColourRef>(rec.captionGlowColour),
                     kDefaultOutlineAlpha, rec.captionFont, size, rec.captionBold);
  }
}

}  // namespace

bool DrawOutlinedText(Graphics& graphics, const Text& text, const RectF& rect,
                      ColourRef textColour, ColourRef outlineColour, int outlineAlpha,
                      const Text& fontName, float fontSize, bool bold, int alignment,
                      int lineAlignment, bool wrap) {
  Font font;
  StringFormat format;
  SolidBrush outline;
  SolidBrush face;
  if (!font.Create(fontName, fontSize, bold ? FontStyleBold : FontStyleRegular) ||
      !MakeFormat(format, wrap, alignment, lineAlignment) ||
      !outline.Create(Colour(outlineColour, outlineAlpha)) || !face.Create(Colour(textColour, kOpaque))) {
    return false;
  }
  const float shifts[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (const auto& s : shifts) {
    const RectF moved{rect.x + s[0], rect.y + s[1], rect.width, rect.height};
    graphics.DrawString(text, font, outline, moved, &format);
  }
  return graphics.DrawString(text, font, face, rect, &format);
}

void PaintCaption(int index, Graphics* graphics, bool intoBackBuffer,
                  const std::optional<Text>& text) {
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr || !rec->frameDC) return;
  if (intoBackBuffer && graphics == nullptr) return;
  const RectI area = CaptionAreaOf(*rec);
  if (area.width <= 0) return;

  Graphics own;
  Graphics* g = graphics;
  if (!intoBackBuffer) {
    if (!rec->titleCacheDC) return;
    RestoreFromTitleCache(index, {area.x, area.y, area.x + area.width, area.y + area.height});
    if (!own.CreateFromHDC(rec->frameDC.get())) return;
    g = &own;
  }

  g->Flush(true);
  if (ClassIcon != nullptr) {
    DrawIconEx(rec->frameDC.get(), area.x, area.y, ClassIcon, kIconSize, kIconSize, 0, nullptr,
               DI_NORMAL);
  }
  const Text caption = text ? *text : WindowTextOf(rec->hwnd);
  const RectF rect{static_cast<float>(area.x + kTextIndent), static_cast<float>(area.y + 2),
                   static_cast<float>(area.width), static_cast<float>(kCaptionHeight)};
  // The text stays inside the caption area: a long caption must not run
  // into the title-bar buttons (which a caption repaint does not restore).
  const unsigned state = g->Save();
  g->SetClipRectI(area.x, area.y, area.width, kCaptionHeight, CombineModeIntersect);
  DrawCaptionText(*g, *rec, caption, rect);
  g->Restore(state);

  if (!intoBackBuffer) {
    own.Delete();
    ShowFrameArea(*rec, area.x, FrameEdge, area.width, area.y + kCaptionHeight - FrameEdge);
  }
}

void PaintStatusItem(int index, Graphics* graphics, bool intoBackBuffer, int item) {
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr || !rec->frameDC) return;
  const RectI* r = RecordAt(rec->statusItemRects, item);
  const StatusItem* entry = RecordAt(rec->statusItems, item);
  if (r == nullptr || entry == nullptr) return;
  if (intoBackBuffer && graphics == nullptr) return;

  Graphics own;
  Graphics* g = graphics;
  if (!intoBackBuffer) {
    if (!rec->statusCacheDC) return;
    BitBlt(rec->frameDC.get(), r->x, r->y, r->width, r->height, rec->statusCacheDC.get(),
           r->x - rec->statusRect.x, r->y - rec->statusRect.y, SRCCOPY);
    if (!own.CreateFromHDC(rec->frameDC.get())) return;
    g = &own;
  }

  const float x = static_cast<float>(r->x);
  const float y = static_cast<float>(r->y);
  const float w = static_cast<float>(r->width);
  const float h = static_cast<float>(r->height);
  LinearGradientBrush gloss;
  if (gloss.Create({x, y}, {x, y + h}, Colour(kWhite, kStatusGlossTopAlpha), Colour(kWhite, kStatusGlossBottomAlpha))) {
    g->FillRectangle(gloss, x, y, w, h);
  }

  // Picture at the left, vertically centred; the text after it.
  float textLeft = x + 2;
  if (!entry->image.empty()) {
    Image picture;
    if (picture.LoadFromBytes(entry->image)) {
      const float pw = static_cast<float>(picture.Width());
      const float ph = static_cast<float>(picture.Height());
      g->DrawImageRect(picture, x + 2, y + static_cast<int>((h - ph) / 2), pw, ph);
      textLeft = x + 2 + pw + 2;
    }
  }
  const StatusTextStyle& style = rec->statusTextStyle;
  const ColourRef colour = !style.customColour
                               ? (~static_cast<ColourRef>(DefaultBackgroundColour)) & 0xFFFFFF
                               : static_cast<ColourRef>(style.colour);
  const RectF textRect{textLeft, y, x + w - textLeft, h};
  const float size = static_cast<float>(style.fontSize > 0 ? style.fontSize : 12);
  const ColourRef glow =
      style.glowColour >= 0 ? static_cast<ColourRef>(style.glowColour) : (~colour) & 0xFFFFFF;
  DrawGlowText(*g, entry->text, textRect, colour, glow, std::nullopt,
               style.fontFace.empty() ? std::nullopt : std::optional<Text>(style.fontFace),
               FontStyleRegular, size, StringAlignmentNear, StringAlignmentCenter, false, true);

  if (!intoBackBuffer) {
    own.Delete();
    ShowFrameArea(*rec, r->x, r->y, r->width, r->height);
  }
}
