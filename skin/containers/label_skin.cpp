// Label skin: installer, subclass procedure and painter.
#include "skin/containers/label_skin.h"

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/clipping.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/glow_text.h"
#include "graphics/paint/memory_dc_table.h"
#include "win32/handle_owners.h"
#include "skin/state/skin_state.h"

namespace {

// The text rectangle starts left of the client area and reaches past it.
constexpr float kTextLeft = -2.0f;
constexpr float kTextExtraWidth = 8.0f;

LabelRecord* LabelRecordOf(HWND label) { return ControlRecordOf(label, &WindowRecord::labels); }

void DrawLabelText(HDC dc, const LabelRecord& record, const Text& text, int width, int height) {
  Graphics g;
  if (!g.CreateFromHDC(dc)) return;
  const RectF box{kTextLeft, 0.0f, static_cast<float>(width) + kTextExtraWidth,
                  static_cast<float>(height)};
  const auto fontSize = static_cast<float>(record.fontSize);
  if (record.glowOn) {
    DrawGlowText(g, text, box, static_cast<ColourRef>(record.textColour),
                 static_cast<ColourRef>(record.glowColour), kDefaultBlurDivisor, record.fontFace,
                 record.fontStyle, fontSize, record.alignment, record.lineAlignment,
                 record.wrap);
    return;
  }
  Font font;
  StringFormat format;
  SolidBrush brush;
  if (!font.Create(record.fontFace, fontSize, record.fontStyle) ||
      !format.Create(StringFormatFlagsLineLimit) ||
      !brush.Create(ColorrefToArgb(static_cast<ColourRef>(record.textColour), 0, false))) {
    return;
  }
  if (!record.wrap) format.SetFlags(StringFormatFlagsLineLimit | StringFormatFlagsNoWrap);
  format.SetAlign(record.alignment);
  format.SetLineAlign(record.lineAlignment);
  g.DrawString(text, font, brush, box, &format);
}

LRESULT OnMove(HWND label, WPARAM wParam, LPARAM lParam) {
  if (LabelRecord* record = LabelRecordOf(label)) record->redraw = true;
  InvalidateRect(label, nullptr, FALSE);
  return PassOn(label, WM_MOVE, wParam, lParam);
}

LRESULT OnSize(HWND label, WPARAM wParam, LPARAM lParam) {
  if (LabelRecord* record = LabelRecordOf(label)) record->redraw = true;
  return PassOn(label, WM_SIZE, wParam, lParam);
}

// The new text is painted at once, before the control stores it. The static
// control then draws its own look straight onto the screen when it takes
// the text, so the skin's picture is copied back from the composite.
LRESULT OnSetText(HWND label, WPARAM wParam, LPARAM lParam) {
  const char* text = reinterpret_cast<const char*>(lParam);
  const bool skinned = LabelRecordOf(label) != nullptr;
  if (skinned) PaintLabel(label, Text(text != nullptr ? text : ""));
  const LRESULT result = PassOn(label, WM_SETTEXT, wParam, lParam);
  if (skinned && IsWindowVisible(label)) RepaintFromComposite(label, false, false);
  return result;
}

LRESULT OnPaint(HWND label, WPARAM wParam, LPARAM lParam) {
  const LabelRecord* record = LabelRecordOf(label);
  if (record == nullptr) return PassOn(label, WM_PAINT, wParam, lParam);
  {
    PaintDc paint(label);
    if (record->redraw) {
      PaintLabel(label);
    } else {
      // Releases the paint DC itself; no EndPaint on this path.
      RepaintFromComposite(label, false, false, paint.HandOver());
    }
  }
  return DefWindowProcA(label, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(HWND label, HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  LabelRecord* record = LabelRecordOf(label);
  if (record != nullptr && !record->redraw) record->redraw = RedrawOnErase(label, false);
  return 1;
}

LRESULT OnShowWindow(HWND label, WPARAM wParam, LPARAM lParam) {
  if (wParam == 1) {
    if (LabelRecord* record = LabelRecordOf(label)) record->redraw = true;
  }
  return PassOn(label, WM_SHOWWINDOW, wParam, lParam);
}

}  // namespace

Text DefaultLabelFontFace() { return "宋体"; }

int InstallLabelSkin(HWND label, const LabelSkinOptions& options) {
  const int w = FindOwningWindowRecord(label);
  WindowRecord* owner = WindowRecordAt(w);
  if (owner == nullptr) return 0;
  const int n = TakeControlRecord(owner->labels);
  LabelRecord& record = *RecordAt(owner->labels, n);
  record.hwnd = label;
  record.alignment = options.alignment.value_or(0);
  record.lineAlignment = options.lineAlignment.value_or(kDefaultLabelLineAlignment);
  record.wrap = options.wrap.value_or(false);
  record.textColour = options.textColour.value_or(0);
  record.glowOn = options.glowColour.has_value();
  record.glowColour = options.glowColour.value_or(-1);
  record.fontFace = options.fontFace.value_or(DefaultLabelFontFace());
  record.fontSize = options.fontSize.value_or(kDefaultLabelFontSize);
  record.fontStyle = options.fontStyle.value_or(0);
  record.redraw = true;

  ReplaceWindowProc(label, &LabelSkinProc);
  SetPropInt(label, Hw_FuID, w);
  SetPropInt(label, Hw_lbID, n);
  return 1;
}

LRESULT CALLBACK LabelSkinProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOVE:
      return OnMove(label, wParam, lParam);
    case WM_SIZE:
      return OnSize(label, wParam, lParam);
    case WM_SETTEXT:
      return OnSetText(label, wParam, lParam);
    case WM_PAINT:
      return OnPaint(label, wParam, lParam);
    case WM_ERASEBKGND:
      return OnEraseBackground(label, reinterpret_cast<HDC>(wParam));
    case WM_SHOWWINDOW:
      return OnShowWindow(label, wParam, lParam);
    default:
      return PassOnControlMessage(label, message, wParam, lParam);
  }
}

void PaintLabel(HWND label, const std::optional<Text>& text) {
  const LabelRecord* found = LabelRecordOf(label);
  if (found == nullptr) return;
  const LabelRecord record = *found;  // painting keeps no reference into the lists
  const Text s = text ? *text : WindowTextOf(label);
  RECT rc{};
  GetClientRect(label, &rc);
  const int width = rc.right;
  const int height = rc.bottom;
  const bool painted = PaintClientOverBackground(
      label, rc, [&](HDC dc) { DrawLabelText(dc, record, s, width, height); });
  if (!painted) return;
  if (LabelRecord* done = LabelRecordOf(label)) done->redraw = false;
}

bool RedrawOnErase(HWND window, bool useToolbarProperties) {
  const WindowRecord* record =
      WindowRecordAt(GetPropInt(window, useToolbarProperties ? Kj_FuID : Hw_FuID));
  if (record == nullptr) return false;
  if (record->moving) return record->sizing;
  return record->active;
}
