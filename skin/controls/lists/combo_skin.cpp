// Registration of combo boxes and their subclass procedure.
#include "skin/controls/lists/combo_skin.h"

#include <vector>

#include "graphics/paint/background_owner.h"
#include "skin/controls/edit/ctl_colour_brushes.h"
#include "skin/controls/edit/edit_skin.h"
#include "skin/controls/lists/list_combo_rules.h"
#include "skin/state/skin_state.h"

namespace {

const char kComboBoxClass[] = "ComboBox";
const char kEditClass[] = "Edit";
ComboRecord* ComboRecordOf(HWND combo) { return RegisteredRecordOf(combo, &WindowRecord::combos); }

// The selected item's text becomes the combo box's window text.
void TakeSelectedText(HWND combo) {
  const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return;
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length < 0) return;
  std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
  if (SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                   reinterpret_cast<LPARAM>(text.data())) < 0) {
    return;
  }
  text.back() = '\0';
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
}

// A second subclassing would make the skin procedure its own saved one:
// a combo box registered or subclassed already is left alone. Its edit
// field becomes a skinned edit box without drawn scroll bars (the combo box
// has none to cover).
void RegisterCombo(int windowIndex, HWND combo) {
  const ComboRecord* record =
      RegisterSubclassedControl(windowIndex, &WindowRecord::combos, combo, &ComboSkinProc,
                                [combo](ComboRecord&) { TakeSelectedText(combo); });
  if (record == nullptr) return;
  HWND edit = FindWindowExA(combo, nullptr, kEditClass, nullptr);
  if (edit != nullptr && ControlBackdropSet == 1) RegisterEditBox(windowIndex, edit, false);
}

// Paints the combo box by its own record, with focus from the record.
void Repaint(HWND combo, bool hot, std::optional<bool> focus = std::nullopt) {
  if (ComboRecordOf(combo) == nullptr) return;
  PaintComboBox(GetPropInt(combo, Hw_FuID), GetPropInt(combo, Hw_lbID), hot, focus);
}

LRESULT OnMouseMove(HWND combo, WPARAM wParam, LPARAM lParam) {
  TrackMouseLeave(combo);

  WindowRecord* owner = OwnerRecordOf(combo);
  if (owner != nullptr && ComboRecordOf(combo) != nullptr) {
    TakeHotControl(combo, owner, kHotClassCombo, [combo] { Repaint(combo, true); });
  }
  return PassOn(combo, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND combo, WPARAM wParam, LPARAM lParam) {
  if (ComboRecordOf(combo) != nullptr) {
    Repaint(combo, false);
    if (WindowRecord* owner = OwnerRecordOf(combo)) owner->hotControlIndex = 0;
  }
  return PassOn(combo, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnSetFocus(HWND combo, WPARAM wParam, LPARAM lParam) {
  if (ComboRecord* record = ComboRecordOf(combo)) {
    record->hasFocus = true;
    Repaint(combo, false, true);
  }
  return PassOn(combo, WM_SETFOCUS, wParam, lParam);
}

LRESULT OnKillFocus(HWND combo, WPARAM wParam, LPARAM lParam) {
  if (ComboRecord* record = ComboRecordOf(combo)) record->hasFocus = false;
  return PassOn(combo, WM_KILLFOCUS, wParam, lParam);
}

LRESULT OnMove(HWND combo, WPARAM wParam, LPARAM lParam) {
  Repaint(combo, false);
  return PassOn(combo, WM_MOVE, wParam, lParam);
}

// The whole combo box is drawn by the skin; the standard procedure does not
// see the message.
LRESULT OnPaint(HWND combo, WPARAM wParam, LPARAM lParam) {
  {
    const PaintDc paint(combo);
    Repaint(combo, false);
  }
  return DefWindowProcA(combo, WM_PAINT, wParam, lParam);
}

LRESULT OnNcPaint(HWND combo, LPARAM lParam) {
  Repaint(combo, false);
  return DefWindowProcA(combo, WM_NCPAINT, kNoUpdateRegion, lParam);
}

LRESULT OnEraseBackground(WPARAM wParam) {
  SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
  return 1;
}

LRESULT OnSetText(HWND combo, WPARAM wParam, LPARAM lParam) {
  if (FindWindowExA(combo, nullptr, kEditClass, nullptr) != nullptr) {
    InvalidateRect(combo, nullptr, TRUE);
  }
  return PassOn(combo, WM_SETTEXT, wParam, lParam);
}

// The edit field's text moved over the background: it repaints all of it.
LRESULT OnCommand(HWND combo, WPARAM wParam, LPARAM lParam) {
  HWND field = reinterpret_cast<HWND>(lParam);
  if (ControlBackdropSet == 1 && SkinChildControls == 1 && field != nullptr &&
      IsWindowClass(field, kEditClass)) {
    const WORD code = HIWORD(wParam);
    if (code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE) {
      InvalidateRect(field, nullptr, TRUE);
    }
  }
  return PassOn(combo, WM_COMMAND, wParam, lParam);
}

// The edit field's text lies transparently over a brush of the background
// behind it. Each answer replaces the field's previous brush and bitmap.
LRESULT OnCtlColorEdit(HWND combo, WPARAM wParam, LPARAM lParam) {
  HWND field = reinterpret_cast<HWND>(lParam);
  HDC dc = reinterpret_cast<HDC>(wParam);
  if (ControlBackdropSet == 0 || field == nullptr) {
    return PassOn(combo, WM_CTLCOLOREDIT, wParam, lParam);
  }
  LRESULT brush = 0;
  // Nothing skinned behind the field: it keeps the standard colours.
  if (!AnswerBackgroundBrush(dc, field, brush)) return PassOn(combo, WM_CTLCOLOREDIT, wParam, lParam);
  return brush;
}

}  // namespace

int FindComboRecord(int windowIndex, HWND window) {
  return FindControlRecord(windowIndex, &WindowRecord::combos, window);
}

void InstallComboSkins(int windowIndex, HWND parent) {
  if (WindowRecordAt(windowIndex) == nullptr) return;
  InstallOnChildren(parent, kComboBoxClass,
                    [windowIndex](HWND child) { RegisterCombo(windowIndex, child); });
}

LRESULT CALLBACK ComboSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      return OnMouseMove(window, wParam, lParam);
    case WM_MOUSELEAVE:
      return OnMouseLeave(window, wParam, lParam);
    case WM_SETFOCUS:
      return OnSetFocus(window, wParam, lParam);
    case WM_KILLFOCUS:
      return OnKillFocus(window, wParam, lParam);
    case WM_MOVE:
      return OnMove(window, wParam, lParam);
    case WM_PAINT:
      return OnPaint(window, wParam, lParam);
    case WM_NCPAINT:
      return OnNcPaint(window, lParam);
    case WM_ERASEBKGND:
      return OnEraseBackground(wParam);
    case WM_SETTEXT:
      return OnSetText(window, wParam, lParam);
    case WM_COMMAND:
      return OnCommand(window, wParam, lParam);
    case WM_CTLCOLOREDIT:
      return OnCtlColorEdit(window, wParam, lParam);
    default:
      return PassOnControlMessage(window, message, wParam, lParam);
  }
}
