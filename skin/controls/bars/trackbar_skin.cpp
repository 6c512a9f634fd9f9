// The trackbar skin: installer, subclass procedure and painter.
#include "skin/controls/bars/trackbar_skin.h"

#include <commctrl.h>

#include "graphics/paint/composite_present.h"
#include "skin/controls/bars/bar_skin_support.h"
#include "graphics/paint/control_background.h"
#include "win32/handle_owners.h"

using namespace bar_skin;

namespace {

constexpr char kTrackbarClass[] = "msctls_trackbar32";
constexpr float kSelectionChannel = 4.0f;  // channel thickness with a selection range
constexpr int kChannelCorner = 1;
constexpr float kHotKnob = 11.0f;
constexpr float kPlainKnob = 6.0f;
// Where the knob lies across the channel: this far before it (hot: plus 1
// with ticks on both sides, plus 2 with ticks on top); at the maximum the
// small knob lies this far past the thumb's leading edge and the accent line
// is this much longer.
constexpr float kHotKnobLead = 4.0f, kPlainKnobLead = 1.5f;
constexpr float kHotBothTicksShift = 1.0f, kHotTopTicksShift = 2.0f;
constexpr float kKnobAtMaximum = 8.0f, kAccentAtMaximum = 10.0f;
// The trough's outline alpha and inner corner; the alphas of the black
// across the channel, the knob's white middle and black edge, and the
// selection mark and accent line.
constexpr int kTroughOutlineAlpha = 30, kTroughCorner = 3;
constexpr int kChannelStartAlpha = 50, kChannelEndAlpha = 40;
constexpr int kKnobCentreAlpha = 32, kKnobEdgeAlpha = 60;
constexpr int kMarkAlpha = 200;

// Everything the painter draws, in the trackbar's window coordinates.
struct TrackbarLayout {
  RectF channel;
  float across = 0;  // the channel's coordinate across its thickness
  bool hasMark = false;
  RectF mark;    // selection mark
  RectF accent;  // accent line from the channel start to the thumb
  RectF knob;    // square around the knob
};

// The channel rectangle as a horizontal trackbar has it: left and right
// along the channel, top and bottom across it. Windows reports a vertical
// trackbar's channel that way too, but not every implementation does (Wine
// reports it as it lies); a rectangle taller than wide is turned.
RECT ChannelAsIfHorizontal(HWND window, bool vertical) {
  RECT c{};
  SendMessageA(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
  if (vertical && c.bottom - c.top > c.right - c.left) c = RECT{c.top, c.left, c.bottom, c.right};
  return c;
}

TrackbarLayout LayOutTrackbar(HWND window, const TrackbarRecord& record) {
  TrackbarLayout layout;
  const bool vertical = record.vertical;
  const bool selection = record.selectionRange;
  const int pos = static_cast<int>(SendMessageA(window, TBM_GETPOS, 0, 0));
  const int max = static_cast<int>(SendMessageA(window, TBM_GETRANGEMAX, 0, 0));
  const RECT c = ChannelAsIfHorizontal(window, vertical);
  RECT t{};
  SendMessageA(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
  const float cl = static_cast<float>(c.left), ct = static_cast<float>(c.top);
  const float cw = static_cast<float>(c.right - c.left), ch = static_cast<float>(c.bottom - c.top);

  // The channel of a vertical trackbar is drawn with the axes exchanged.
  const float along = cl;  // where the channel starts along the control
  float across = ct;
  float thickness = ch;
  if (selection) {
    across = ct + (ch - kSelectionChannel) / 2;
    thickness = kSelectionChannel;
  }
  layout.across = across;
  layout.channel =
      vertical ? RectF{across, along, thickness, cw} : RectF{along, across, cw, thickness};

  // Pixels per unit of the range, counted from its lower end (the range
  // need not start at 0).
  const int min = static_cast<int>(SendMessageA(window, TBM_GETRANGEMIN, 0, 0));
  if (selection && max > min) {
    const float s = static_cast<float>(SendMessageA(window, TBM_GETSELSTART, 0, 0) - min);
    const float e = static_cast<float>(SendMessageA(window, TBM_GETSELEND, 0, 0) - min);
    const float scale = cw / static_cast<float>(max - min);
    const float start = along + s * scale + 1;
    const float length = (e - s) * scale - 3;
    layout.hasMark = true;
    layout.mark =
        vertical ? RectF{across + 1, start, 1, length} : RectF{start, across + 1, length, 1};
  }

  const float extra = pos == max ? kAccentAtMaximum : 0.0f;
  if (vertical) {
    layout.accent = RectF{across + 2, along, 0, static_cast<float>(t.top) - along - 1 + extra};
  } else {
    layout.accent =
        RectF{along + 1, across + 1, static_cast<float>(t.left) - along - 2 + extra, 1};
  }

  const bool hot = record.hot;
  const float size = hot ? kHotKnob : kPlainKnob;
  float lead = static_cast<float>(vertical ? t.top : t.left);
  float side = hot ? across - kHotKnobLead : across - kPlainKnobLead;
  if (hot && record.tickPlacement == kTicksBoth) side += kHotBothTicksShift;
  if (hot && record.tickPlacement == kTicksTop) side += kHotTopTicksShift;
  if (!hot && pos == max) lead += kKnobAtMaximum;
  layout.knob = vertical ? RectF{side, lead, size, size} : RectF{lead, side, size, size};
  return layout;
}

void PaintChannel(Graphics& g, const RectF& c, bool vertical) {
  const GraphicsPath channel = RoundRectPath(c.x, c.y, c.width, c.height, kChannelCorner);
  // Across the thickness, from one edge of the channel to the other.
  const PointF from{c.x, c.y};
  const PointF to = vertical ? PointF{c.x + c.width, c.y} : PointF{c.x, c.y + c.height};
  FillGradient(g, channel, from, to, Colour(kBlack, kChannelStartAlpha),
               Colour(kBlack, kChannelEndAlpha));
}

void PaintKnob(Graphics& g, const RectF& k) {
  SolidBrush white;
  if (white.Create(Colour(kWhite, kOpaque))) g.FillEllipse(white, k.x, k.y, k.width, k.height);
  GraphicsPath ellipse;
  if (!ellipse.Create() || !ellipse.AddEllipse(k.x, k.y, k.width, k.height)) return;
  PathGradientBrush glass;
  if (glass.CreateFromPath(ellipse)) {
    glass.SetCenterColor(Colour(kWhite, kKnobCentreAlpha));
    glass.SetSurroundColors({Colour(kBlack, kKnobEdgeAlpha)});
    g.FillPath(glass, ellipse);
  }
  OutlinePath(g, ellipse, Colour(kBlack, kKnobEdgeAlpha));
}

constexpr PaintSelfRoutine PaintSelf = &PaintByIndices<PaintTrackbar>;

LRESULT OnMouseMove(HWND window, UINT, WPARAM wParam, LPARAM lParam) {
  if (WindowRecord* owner = MouseEntersControl(window, &WindowRecord::trackbars)) {
    TakeHotControl(window, owner, kHotClassTrackbar, [window] {
      if (TrackbarRecord* record = ControlRecordOf(window, &WindowRecord::trackbars)) {
        record->hot = true;
      }
      PaintSelf(window);
    });
  }
  return PassOn(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, UINT, WPARAM wParam, LPARAM lParam) {
  if (TrackbarRecord* record = MouseLeavesControl(window, &WindowRecord::trackbars)) {
    record->hot = false;
    PaintSelf(window);
  }
  return PassOn(window, WM_MOUSELEAVE, wParam, lParam);
}

}  // namespace

TickPlacement TrackbarTickPlacement(DWORD style) {
  if ((style & TBS_NOTICKS) != 0) return kTicksNone;
  if ((style & TBS_TOP) != 0) return kTicksTop;
  if ((style & TBS_BOTH) != 0) return kTicksBoth;
  return kTicksBottom;
}

void InstallTrackbarSkins(int windowIndex, HWND parent) {
  InstallOnChildren(parent, kTrackbarClass, [windowIndex](HWND child) {
    TrackbarRecord* record =
        RegisterSubclassedControl(windowIndex, &WindowRecord::trackbars, child, &TrackbarSkinProc);
    if (record == nullptr) return;
    const DWORD style = StyleOf(child);
    record->vertical = (style & TBS_VERT) != 0;
    record->tickPlacement = TrackbarTickPlacement(style);
    record->selectionRange = (style & TBS_ENABLESELRANGE) != 0;
  });
}

LRESULT CALLBACK TrackbarSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static constexpr BarSkinAnswers kTrackbar{PaintSelf, OnMouseMove, OnMouseLeave};
  return AnswerBarMessage(window, message, wParam, lParam, kTrackbar);
}

void PaintTrackbar(int windowIndex, int controlIndex) {
  const TrackbarRecord* record = ControlRecordAt(windowIndex, &WindowRecord::trackbars, controlIndex);
  if (record == nullptr) return;
  HWND window = record->window;
  const bool vertical = record->vertical;
  const TrackbarLayout layout = LayOutTrackbar(window, *record);
  PaintOverBackground(window, false, [&](Graphics& g, int w, int h) {
    if (TrackbarFrameShown == 1) {
      PaintBarTrough(g, w, h, vertical, kTroughOutlineAlpha, kTroughCorner);
    }
    PaintChannel(g, layout.channel, vertical);
    if (layout.hasMark) {
      OutlineRectangle(g, layout.mark.x, layout.mark.y, layout.mark.width, layout.mark.height,
                       Colour(kWhite, kMarkAlpha));
    }
    OutlineRectangle(g, layout.accent.x, layout.accent.y, layout.accent.width, layout.accent.height,
                     AccentAt(kMarkAlpha));
    PaintKnob(g, layout.knob);
  });
}
