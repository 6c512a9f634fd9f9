// The two painters of the drawn scroll bars. Both share one routine over a
// description of the bar's shapes; only the geometry differs between the
// vertical and the horizontal bar.
#include <cmath>

#include "graphics/gdiplus/brushes.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/graphics_path.h"
#include "graphics/gdiplus/image.h"
#include "graphics/gdiplus/pen.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/fill_steps.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/round_shapes.h"
#include "graphics/paint/control_background.h"
#include "skin/state/gdi_owners.h"
#include "skin/controls/pictures/decoded_arrows.h"
#include "skin/controls/scroll_bars/scroll_bar_windows.h"

namespace {

// rgstate[0] of a disabled standard bar (STATE_SYSTEM_UNAVAILABLE).
constexpr int kBarUnavailable = STATE_SYSTEM_UNAVAILABLE;

constexpr int kButtonCorner = 5;
constexpr int kInnerCorner = 3;
constexpr int kThumbCorner = 5;

struct RoundBox {
  float x = 0, y = 0, w = 0, h = 0;
  int corner = 0;
};

struct ArrowButton {
  RoundBox outer;
  PointF hotFrom, hotTo;  // gradient of the highlighted button
  RoundBox inner;         // white inner outline
  ArrowPicture picture = ArrowPicture::Up;
};

// Everything the shared painter needs to know about one bar.
struct BarLook {
  PointF trackFrom, trackTo;
  RoundBox thumb;
  PointF thumbFrom, thumbTo;
  ArrowButton first, second;
  BarParts parts;
};

BarLook VerticalLook(int w, int h, const StandardBarState& s) {
  const float b = static_cast<float>(s.button);
  const float top = static_cast<float>(s.thumbStart);
  const float length = static_cast<float>(s.thumbEnd - s.thumbStart);
  const float fh = static_cast<float>(h);
  BarLook look;
  look.trackFrom = {0, 0};
  look.trackTo = {static_cast<float>(w), 0};
  look.thumb = {(w - b) / 2 + 1, top, b - 3, length - 1, kThumbCorner};
  look.thumbFrom = {1, top};
  look.thumbTo = {b - 2, top};
  look.first = {{1, 1, b - 3, 15, kButtonCorner}, {1, 1}, {b - 2, 1},
                {2, 2, b - 5, 12, kInnerCorner}, ArrowPicture::Up};
  look.second = {{1, fh - 17, b - 3, 15, kButtonCorner}, {1, fh - 17}, {b - 2, fh - 17},
                 {2, fh - 15, b - 5, 12, kInnerCorner}, ArrowPicture::Down};
  look.parts = VerticalBarParts(w, h, s);
  return look;
}

BarLook HorizontalLook(int w, int h, const StandardBarState& s) {
  const float b = static_cast<float>(s.button);
  const float left = static_cast<float>(s.thumbStart);
  const float length = static_cast<float>(s.thumbEnd - s.thumbStart);
  const float fw = static_cast<float>(w);
  BarLook look;
  look.trackFrom = {0, 0};
  look.trackTo = {0, static_cast<float>(h)};
  look.thumb = {left, (h - b) / 2 + 1, length - 1, b - 3, kThumbCorner};
  look.thumbFrom = {left, 1};
  look.thumbTo = {left, b - 2};
  look.first = {{1, 1, 15, b - 3, kButtonCorner}, {1, 1}, {1, b - 2},
                {2, 2, 12, b - 5, kInnerCorner}, ArrowPicture::Left};
  look.second = {{fw - 17, 1, 15, b - 3, kButtonCorner}, {fw - 17, 1}, {fw - 17, b - 2},
                 {fw - 15, 2, 12, b - 5, kInnerCorner}, ArrowPicture::Right};
  look.parts = HorizontalBarParts(w, h, s);
  return look;
}

// Where an arrow picture of pw x ph goes: centred on the button across the
// bar, and in the 15-pixel button along it.
PointI ArrowPosition(bool vertical, bool first, int w, int h, int b, int pw, int ph) {
  PointI p;
  if (vertical) {
    p.x = static_cast<int>(std::trunc((b - pw) / 2.0));
    p.y = first ? static_cast<int>(std::trunc((15 - ph) / 2.0 + 2))
                : static_cast<int>(std::trunc(h - 15 + (15 - ph) / 2.0));
  } else {
    p.x = first ? static_cast<int>(std::trunc((15 - pw) / 2.0 + 2))
                : static_cast<int>(std::trunc(w - 17 + (15 - pw) / 2.0));
    p.y = static_cast<int>(std::trunc((b - ph) / 2.0));
  }
  return p;
}

bool MakeRoundPath(GraphicsPath& path, const RoundBox& box) {
  return path.Create() && AddRoundRect(path, box.x, box.y, box.w, box.h, box.corner);
}

void DrawArrowButton(Graphics& graphics, const ArrowButton& button, bool hot, bool vertical,
                     bool first, int w, int h, int b) {
  GraphicsPath outer;
  if (MakeRoundPath(outer, button.outer)) {
    if (hot) FillGradient(graphics, outer, button.hotFrom, button.hotTo, Colour(kWhite, 100), AccentAt(150));
    OutlinePath(graphics, outer, Colour(kBlack, 60));
  }
  GraphicsPath inner;
  if (MakeRoundPath(inner, button.inner)) OutlinePath(graphics, inner, Colour(kWhite, 150));

  if (const Image* arrow = DecodedArrow(button.picture)) {
    const PointI at = ArrowPosition(vertical, first, w, h, b, static_cast<int>(arrow->Width()),
                                    static_cast<int>(arrow->Height()));
    graphics.DrawImage(*arrow, static_cast<float>(at.x), static_cast<float>(at.y));
  }
}

void DrawThumb(Graphics& graphics, const BarLook& look, bool hot) {
  GraphicsPath thumb;
  if (!MakeRoundPath(thumb, look.thumb)) return;
  if (hot) FillSolid(graphics, thumb, Colour(kWhite, 180));
  FillGradient(graphics, thumb, look.thumbFrom, look.thumbTo, Colour(kWhite, 150), AccentAt(150));
  FillGradient(graphics, thumb, look.thumbFrom, look.thumbTo, Colour(kWhite, 0), Colour(kWhite, 150));
  OutlinePath(graphics, thumb, Colour(kBlack, 100));
}

void StoreParts(ScrollBarParts& target, const BarParts& parts) {
  for (int i = 0; i < 3; ++i) {
    const BarBox& box = parts.box[i];
    target[i] = {box.left, box.top, box.right, box.bottom};
  }
}

void PaintScrollBar(HWND host, int part, ScrollBarOrientation orientation) {
  const ScrollBarSlot slot = FindScrollBarSlot(host, orientation);
  if (slot.bar == nullptr) return;
  const bool vertical = orientation == ScrollBarOrientation::Vertical;

  RECT r = {};
  GetWindowRect(slot.bar, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const SCROLLBARINFO info = ReadStandardBar(host, orientation);
  StandardBarState state;
  state.thumbStart = info.xyThumbTop;
  state.thumbEnd = info.xyThumbBottom;
  // The arrow buttons are as thick as the bar across. That is what the
  // standard bar's dxyLineButton gives on Windows, but not everywhere (Wine
  // reports the thumb length there), so the bar window's own thickness is
  // used: it was laid exactly over the standard bar.
  state.button = vertical ? w : h;
  state.state = static_cast<int>(info.rgstate[0]);
  const bool available = state.state != kBarUnavailable;

  const BarLook look = vertical ? VerticalLook(w, h, state) : HorizontalLook(w, h, state);
  StoreParts(*slot.parts, look.parts);

  const RegisteredDcOwner background(ComposeControlBackground(slot.bar, {0, 0, w, h}));
  HDC dc = background.get();
  if (dc == nullptr) return;
  {
    Graphics graphics;
    if (graphics.CreateFromHDC(dc)) {
      LinearGradientBrush track;
      if (track.Create(look.trackFrom, look.trackTo, AccentAt(40), Colour(kWhite, 255))) {
        graphics.FillRectangle(track, 0, 0, static_cast<float>(w), static_cast<float>(h));
      }
      if (available) DrawThumb(graphics, look, part == kScrollPartThumb);
      DrawArrowButton(graphics, look.first, available && part == kScrollPartFirstArrow, vertical,
                      true, w, h, state.button);
      DrawArrowButton(graphics, look.second, available && part == kScrollPartSecondArrow, vertical,
                      false, w, h, state.button);
    }
  }
  PresentToComposite(slot.bar, dc, false, false);
  const WindowDc screen = WindowDc::Client(slot.bar);
  BitBlt(screen.get(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
}

}  // namespace

void PaintVerticalScrollBar(HWND host, int part) {
  PaintScrollBar(host, part, ScrollBarOrientation::Vertical);
}

void PaintHorizontalScrollBar(HWND host, int part) {
  PaintScrollBar(host, part, ScrollBarOrientation::Horizontal);
}
