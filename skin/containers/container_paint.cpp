// Painting of containers: the full paint, the group-box look, the generic
// border, and the background restored behind a caption.
#include <windows.h>

#include <commctrl.h>

#include <cmath>

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/background_owner.h"
#include "graphics/paint/clipping.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/fill_steps.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/round_shapes.h"
#include "graphics/paint/window_geometry.h"
#include "skin/containers/child_control_answers.h"
#include "skin/containers/container_skin.h"
#include "win32/handle_owners.h"
#include "skin/state/skin_state.h"

namespace {

// Caption offset from the side it is aligned to.
constexpr int kCaptionInset = 10;
// The group box's frame starts this far below the top edge.
constexpr int kGroupFrameTop = 5;
// The two rounded outlines of a container: black outside, white inside
// (alpha 100 round a generic container, 90 round a group box).
constexpr int kOuterCorner = 5, kInnerCorner = 3;
constexpr int kOuterAlpha = 40, kInnerAlpha = 100, kGroupInnerAlpha = 90;

// The two-line rounded border of a container that is neither a group box
// nor a tab control.
void PaintGenericBorder(HDC dc, int width, int height) {
  Graphics g;
  if (!g.CreateFromHDC(dc)) return;
  const auto w = static_cast<float>(width);
  const auto h = static_cast<float>(height);
  OutlineRoundRect(g, 0, 0, w - 1, h - 1, kOuterCorner, ColorrefToArgb(kBlack, kOuterAlpha, true));
  OutlineRoundRect(g, 1, 1, w - 3, h - 3, kInnerCorner, ColorrefToArgb(kWhite, kInnerAlpha, true));
}

// Width of text in font on a screen-compatible DC, rounded down, plus 1.
int CaptionWidth(const Text& text, const Font& font) {
  CompatibleDc screen;
  Graphics g;
  if (screen.get() == nullptr || !g.CreateFromHDC(screen.get())) return 1;
  const RectF box = g.MeasureString(text, font, RectF{});
  return static_cast<int>(std::floor(box.width)) + 1;
}

}  // namespace

int GroupCaptionLeft(DWORD style, int clientWidth, int captionWidth) {
  const DWORD alignment = style & BS_CENTER;
  if (alignment == BS_CENTER) return (clientWidth - captionWidth) / 2;
  if (alignment == BS_LEFT) return kCaptionInset;
  return clientWidth - captionWidth - kCaptionInset;
}

void PaintContainer(int windowIndex, int containerIndex) {
  const ContainerRecord* record =
      ControlRecordAt(windowIndex, &WindowRecord::containers, containerIndex);
  if (record == nullptr) return;
  HWND container = record->hwnd;
  RECT rc{};
  GetClientRect(container, &rc);
  const int width = rc.right;
  const int height = rc.bottom;
  const bool painted = PaintClientOverBackground(container, rc, [&](HDC dc) {
    if (record->frameStyle == kFrameStyleGroupBox) {
      PaintGroupBox(windowIndex, containerIndex, dc);
    } else if (IsWindowClass(container, WC_TABCONTROLA)) {
      PaintTabControl(container, dc);
    } else if (record->drawBorder) {
      PaintGenericBorder(dc, width, height);
    }
  });
  // Nothing behind it to paint over (no skinned window above it now): the
  // flags stay, so that the next paint tries again instead of copying a
  // composite that never received this container.
  if (!painted) return;
  // Painting runs no messages, but take the record afresh all the same.
  ContainerRecord* done = ControlRecordAt(windowIndex, &WindowRecord::containers, containerIndex);
  if (done == nullptr || done->hwnd != container) return;
  done->redraw = false;
  done->backgroundStale = false;
  done->width = width;
  done->height = height;
}

void PaintGroupBox(int windowIndex, int containerIndex, HDC dc) {
  const ContainerRecord* record =
      ControlRecordAt(windowIndex, &WindowRecord::containers, containerIndex);
  if (record == nullptr) return;
  HWND container = record->hwnd;
  RECT client{};
  GetClientRect(container, &client);
  const auto w = static_cast<float>(client.right);
  const auto h = static_cast<float>(client.bottom);
  {
    Graphics g;
    if (g.CreateFromHDC(dc)) {
      const auto top = static_cast<float>(kGroupFrameTop);
      OutlineRoundRect(g, 0, top, w - 1, h - 6, kOuterCorner, ColorrefToArgb(kBlack, kOuterAlpha, true));
      OutlineRoundRect(g, 1, top + 1, w - 3, h - 8, kInnerCorner,
                       ColorrefToArgb(kWhite, kGroupInnerAlpha, true));
    }
  }

  const Text caption = WindowTextOf(container);
  Font font;
  font.Create(record->fontFace, static_cast<float>(record->fontSize), record->fontStyle);
  const int captionWidth = CaptionWidth(caption, font);
  const DWORD style = static_cast<DWORD>(GetWindowLongA(container, GWL_STYLE));
  const int x = GroupCaptionLeft(style, client.right, captionWidth);
  const RectF box{static_cast<float>(x), 1.0f, static_cast<float>(captionWidth),
                  static_cast<float>(record->fontSize + 3)};
  RestoreCaptionBackground(container, dc, TruncatedRect(box));

  Graphics g;
  SolidBrush brush;
  StringFormat format;
  if (g.CreateFromHDC(dc) &&
      brush.Create(ColorrefToArgb(static_cast<ColourRef>(GetPropInt(container, Kj_Ztys)), 0, false)) &&
      format.Create()) {
    format.SetAlign(StringAlignmentCenter);
    g.DrawString(caption, font, brush, box, &format);
  }
}

void RestoreCaptionBackground(HWND container, HDC dc, const RECT& r) {
  const BackgroundOwner found = FindBackgroundOwner(container);
  const int recordIndex =
      found.recordIndex != 0 ? found.recordIndex : FindOwningWindowRecord(container);
  const WindowRecord* owner = WindowRecordAt(recordIndex);
  if (owner == nullptr || !owner->frameDC) return;
  const RECT offset = WindowRectRelativeTo(owner->hwnd, container);
  BitBlt(dc, r.left, r.top, RectWidth(r), RectHeight(r), owner->frameDC.get(),
         offset.left + r.left, offset.top + r.top, SRCCOPY);

  const ContainerRecord* record =
      RecordAt(owner->containers, FindContainerRecord(recordIndex, container));
  if (record == nullptr || record->fillColour == 0) return;
  const int top = record->frameStyle == kFrameStyleGroupBox ? r.top + 4 : r.top;
  if (r.bottom <= top) return;
  Graphics g;
  SolidBrush brush;
  if (g.CreateFromHDC(dc) &&
      brush.Create(ColorrefToArgb(static_cast<ColourRef>(record->fillColour), record->fillAlpha, true))) {
    g.FillRectangleI(brush, r.left, top, RectWidth(r), r.bottom - top);
  }
}

void LayoutContainerParts(int windowIndex, int containerIndex, int width, int height) {
  const ContainerRecord* record =
      ControlRecordAt(windowIndex, &WindowRecord::containers, containerIndex);
  if (record == nullptr) return;
  // MoveWindow sends messages that may change the lists: work on a copy.
  const std::vector<LayoutPart> parts = record->parts;
  for (const LayoutPart& part : parts) {
    if (part.window == nullptr) continue;
    if (part.fullWidth != 0) {
      MoveWindow(part.window, 2, part.top, width - 4, height - part.top, TRUE);
    } else {
      MoveWindow(part.window, part.left, part.top, width - part.left - 2, height - part.top - 2, TRUE);
    }
  }
}
