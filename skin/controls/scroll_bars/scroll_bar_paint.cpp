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
#include "win32/handle_owners.h"
#include "skin/controls/pictures/decoded_arrows.h"
#include "skin/controls/scroll_bars/scroll_bar_windows.h"

namespace {

// rgstate[0] of a disabled standard bar (STATE_SYSTEM_UNAVAILABLE).
constexpr int kBarUnavailable = STATE_SYSTEM_UNAVAILABLE;

constexpr int kButtonCorner = 5, kInnerCorner = 3, kThumbCorner = 5;
// The drawn face of an arrow button, one pixel inside its part rectangle
// (kArrowButtonLength) along the bar, and the white outline inside it.
constexpr int kArrowFaceLength = 15, kArrowInnerLength = 12;

// Alphas of the bar; the two ends of a gradient stand on one line.
constexpr int kTrackAccentAlpha = 40;  // accent across to opaque white
constexpr int kHotThumbAlpha = 180;    // white under the hot thumb
// The thumb: white to accent, then white over it, and its outline.
constexpr int kThumbGlassAlpha = 150, kThumbOutlineAlpha = 100;
constexpr int kHotButtonWhiteAlpha = 100, kHotButtonAccentAlpha = 150;
// An arrow button's black outline and the white one inside it.
constexpr int kButtonOutlineAlpha = 60, kButtonInnerAlpha = 150;

struct ArrowButton {
  RectF outer;            // rounded with kButtonCorner
  PointF hotFrom, hotTo;  // gradient of the highlighted button
  RectF inner;            // white inner outline, rounded with kInnerCorner
  ArrowPicture picture = ArrowPicture::Up;
};

// Everything the shared painter needs to know about one bar.
struct BarLook {
  PointF trackFrom, trackTo;
  RectF thumb;  // rounded with kThumbCorner
  PointF thumbFrom, thumbTo;
  ArrowButton first, second;
  ScrollBarParts parts;
};

// The look of a bar across pixels thick and along pixels long, laid out as
// a vertical bar has it: x across the bar, y along it.
BarLook LookAlong(int across, int along, const StandardBarState& s) {
  const float b = static_cast<float>(s.button);
  const float start = static_cast<float>(s.thumbStart);
  const float length = static_cast<float>(s.thumbEnd - s.thumbStart);
  const float end = static_cast<float>(along);
  const float face = kArrowFaceLength, inner = kArrowInnerLength;
  BarLook look;
  look.trackFrom = {0, 0};
  look.trackTo = {static_cast<float>(across), 0};
  look.thumb = {(across - b) / 2 + 1, start, b - 3, length - 1};
  look.thumbFrom = {1, start};
  look.thumbTo = {b - 2, start};
  look.first = {{1, 1, b - 3, face}, {1, 1}, {b - 2, 1}, {2, 2, b - 5, inner}, ArrowPicture::Up};
  look.second = {{1, end - kArrowButtonLength, b - 3, face},
                 {1, end - kArrowButtonLength},
                 {b - 2, end - kArrowButtonLength},
                 {2, end - kArrowFaceLength, b - 5, inner},
                 ArrowPicture::Down};
  return look;
}

PointF Transposed(PointF p) { return PointF{p.y, p.x}; }
RectF Transposed(const RectF& r) { return RectF{r.y, r.x, r.height, r.width}; }
ArrowButton Transposed(const ArrowButton& button, ArrowPicture picture) {
  return ArrowButton{Transposed(button.outer), Transposed(button.hotFrom), Transposed(button.hotTo),
                     Transposed(button.inner), picture};
}

BarLook VerticalLook(int w, int h, const StandardBarState& s) {
  BarLook look = LookAlong(w, h, s);
  look.parts = VerticalBarParts(w, h, s);
  return look;
}

// The vertical look of a bar h thick and w long, with x and y exchanged.
BarLook HorizontalLook(int w, int h, const StandardBarState& s) {
  const BarLook along = LookAlong(h, w, s);
  BarLook look;
  look.trackFrom = Transposed(along.trackFrom);
  look.trackTo = Transposed(along.trackTo);
  look.thumb = Transposed(along.thumb);
  look.thumbFrom = Transposed(along.thumbFrom);
  look.thumbTo = Transposed(along.thumbTo);
  look.first = Transposed(along.first, ArrowPicture::Left);
  look.second = Transposed(along.second, ArrowPicture::Right);
  look.parts = HorizontalBarParts(w, h, s);
  return look;
}

// Where an arrow picture of pw x ph goes: centred on the button across the
// bar, and in the button's face along it.
PointI ArrowPosition(bool vertical, bool first, int w, int h, int b, int pw, int ph) {
  PointI p;
  if (vertical) {
    p.x = static_cast<int>(std::trunc((b - pw) / 2.0));
    p.y = first ? static_cast<int>(std::trunc((kArrowFaceLength - ph) / 2.0 + 2))
                : static_cast<int>(std::trunc(h - kArrowFaceLength + (kArrowFaceLength - ph) / 2.0));
  } else {
    p.x = first ? static_cast<int>(std::trunc((kArrowFaceLength - pw) / 2.0 + 2))
                : static_cast<int>(std::trunc(w - kArrowButtonLength + (kArrowFaceLength - pw) / 2.0));
    p.y = static_cast<int>(std::trunc((b - ph) / 2.0));
  }
  return p;
}

bool MakeRoundPath(GraphicsPath& path, const RectF& box, int corner) {
  return path.Create() && AddRoundRect(path, box.x, box.y, box.width, box.height, corner);
}

void DrawArrowButton(Graphics& graphics, const ArrowButton& button, bool hot, bool vertical,
                     bool first, int w, int h, int b) {
  GraphicsPath outer;
  if (MakeRoundPath(outer, button.outer, kButtonCorner)) {
    if (hot) {
      FillGradient(graphics, outer, button.hotFrom, button.hotTo, Colour(kWhite, kHotButtonWhiteAlpha),
                   AccentAt(kHotButtonAccentAlpha));
    }
    OutlinePath(graphics, outer, Colour(kBlack, kButtonOutlineAlpha));
  }
  GraphicsPath inner;
  if (MakeRoundPath(inner, button.inner, kInnerCorner)) OutlinePath(graphics, inner, Colour(kWhite, kButtonInnerAlpha));

  if (const Image* arrow = DecodedArrow(button.picture)) {
    const PointI at = ArrowPosition(vertical, first, w, h, b, static_cast<int>(arrow->Width()),
                                    static_cast<int>(arrow->Height()));
    graphics.DrawImage(*arrow, static_cast<float>(at.x), static_cast<float>(at.y));
  }
}

void DrawThumb(Graphics& graphics, const BarLook& look, bool hot) {
  GraphicsPath thumb;
  if (!MakeRoundPath(thumb, look.thumb, kThumbCorner)) return;
  if (hot) FillSolid(graphics, thumb, Colour(kWhite, kHotThumbAlpha));
  FillGradient(graphics, thumb, look.thumbFrom, look.thumbTo, Colour(kWhite, kThumbGlassAlpha),
               AccentAt(kThumbGlassAlpha));
  FillGradient(graphics, thumb, look.thumbFrom, look.thumbTo, Colour(kWhite, kTransparent),
               Colour(kWhite, kThumbGlassAlpha));
  OutlinePath(graphics, thumb, Colour(kBlack, kThumbOutlineAlpha));
}

void PaintScrollBar(HWND host, ScrollBarPart part, ScrollBarOrientation orientation) {
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
  *slot.parts = look.parts;

  const RegisteredDcOwner background(ComposeControlBackground(slot.bar, {0, 0, w, h}));
  HDC dc = background.get();
  if (dc == nullptr) return;
  {
    Graphics graphics;
    if (graphics.CreateFromHDC(dc)) {
      LinearGradientBrush track;
      if (track.Create(look.trackFrom, look.trackTo, AccentAt(kTrackAccentAlpha), Colour(kWhite, kOpaque))) {
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

void PaintVerticalScrollBar(HWND host, ScrollBarPart part) {
  PaintScrollBar(host, part, ScrollBarOrientation::Vertical);
}

void PaintHorizontalScrollBar(HWND host, ScrollBarPart part) {
  PaintScrollBar(host, part, ScrollBarOrientation::Horizontal);
}
