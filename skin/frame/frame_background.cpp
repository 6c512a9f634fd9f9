// The frame's background (clear colour, picture by mode, fill, title gloss)
// and its rounded outline.
#include <cmath>

#include "graphics/gdiplus/image.h"
#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/graphics_path.h"
#include "graphics/gdiplus/pen.h"
#include "graphics/paint/round_shapes.h"
#include "skin/frame/frame_render.h"
#include "skin/state/skin_state.h"

namespace {

constexpr int kOuterCorner = 7;
constexpr int kInnerCorner = 6;
constexpr int kOutlineAlpha = 180;
constexpr int kGlossAlpha = 150;

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

const Bytes& PictureBytesOf(const WindowRecord& rec) {
  return rec.backgroundImage.empty() ? DefaultBackgroundImage : rec.backgroundImage;
}

}  // namespace

BackgroundMode EffectiveBackgroundMode(int index) {
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return DefaultBackgroundMode;
  return rec->backgroundImage.empty() ? DefaultBackgroundMode : rec->backgroundMode;
}

bool BackgroundPicture(int index, Bitmap& picture) {
  picture.Dispose();
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return false;
  const Bytes& bytes = PictureBytesOf(*rec);
  if (bytes.empty()) return false;
  if (EffectiveBackgroundMode(index) != kBackgroundRepeated) return picture.CreateFromBytes(bytes);

  Bitmap decoded;
  if (!decoded.CreateFromBytes(bytes)) return false;
  const int width = ClientSize(rec->hwnd).cx;
  const int height = static_cast<int>(decoded.Height());
  if (!picture.CreateFromScan0(width, height)) return false;
  Graphics g;
  TextureBrush tiles;
  if (!g.FromImage(picture) || !tiles.Create(decoded, WrapModeTile)) {
    picture.Dispose();
    return false;
  }
  g.FillRectangle(tiles, 0, 0, static_cast<float>(width), static_cast<float>(height));
  return true;
}

void PaintBackground(Graphics& graphics, int index) {
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return;
  const SIZE size = ClientSize(rec->hwnd);
  const float w = static_cast<float>(size.cx);
  const float h = static_cast<float>(size.cy);
  const float title = static_cast<float>(rec->titleHeight);

  const bool ownPicture = !rec->backgroundImage.empty();
  graphics.Clear(ownPicture ? Colour(static_cast<ColourRef>(rec->backgroundAverage), 255)
                            : Colour(static_cast<ColourRef>(DefaultBackgroundColour), 255));

  Bitmap picture;
  if ((ownPicture || !DefaultBackgroundImage.empty()) && BackgroundPicture(index, picture)) {
    // Natural size is the picture's pixel size, whatever resolution the
    // file claims.
    const int pw = static_cast<int>(picture.Width());
    const int ph = static_cast<int>(picture.Height());
    const float fpw = static_cast<float>(pw);
    const float fph = static_cast<float>(ph);
    switch (EffectiveBackgroundMode(index)) {
      case kBackgroundTopLeft:
      case kBackgroundRepeated:
        graphics.DrawImageRect(picture, 0, 0, fpw, fph);
        break;
      case kBackgroundTopRight:
        graphics.DrawImageRect(picture, static_cast<float>(size.cx - pw), 0, fpw, fph);
        break;
      case kBackgroundCentred:
        graphics.DrawImageRect(picture, static_cast<float>((size.cx - pw) / 2),
                               static_cast<float>((size.cy - ph) / 2), fpw, fph);
        break;
      case kBackgroundStretched:
        graphics.DrawImageRect(picture, 0, 0, w, h);
        break;
      default:
        break;
    }
  }

  if (rec->fillColour >= 0) {
    SolidBrush fill;
    if (fill.Create(Colour(static_cast<ColourRef>(rec->fillColour), rec->fillAlpha))) {
      if (rec->titleGloss) {
        graphics.FillRectangle(fill, 0, title, w, h - title);
      } else {
        graphics.FillRectangle(fill, 0, 0, w, h);
      }
    }
  }

  if (rec->titleGloss) {
    LinearGradientBrush gloss;
    bool made = false;
    if (rec->fillColour < 1) {
      made = gloss.Create({0, 0}, {0, title}, Colour(kWhite, kGlossAlpha), Colour(kWhite, kTransparent));
    } else {
      const ColourRef tint = static_cast<ColourRef>(rec->fillColour);
      made = gloss.Create({0, 0}, {0, title},
                          Colour(tint, static_cast<int>(std::floor(rec->fillAlpha * 0.2))),
                          Colour(tint, rec->fillAlpha));
    }
    if (made) graphics.FillRectangle(gloss, 0, 0, w, title);
  }
}

void PaintFrameBorder(int index, Graphics& graphics) {
  const WindowRecord* rec = WindowRecordAt(index);
  if (rec == nullptr) return;
  const SIZE size = ClientSize(rec->hwnd);
  const float w = static_cast<float>(size.cx);
  const float h = static_cast<float>(size.cy);

  GraphicsPath outer;
  Pen dark;
  if (outer.Create() && AddRoundRect(outer, 0, 0, w - 1, h - 1, kOuterCorner) &&
      dark.Create1(Colour(kBlack, kOutlineAlpha), 2)) {
    graphics.DrawPath(dark, outer);
  }
  GraphicsPath inner;
  Pen light;
  if (inner.Create() && AddRoundRect(inner, 1, 1, w - 3, h - 3, kInnerCorner) &&
      light.Create1(Colour(kWhite, kOutlineAlpha), 1)) {
    graphics.DrawPath(light, inner);
  }
}
