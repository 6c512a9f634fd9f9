// Installing the push button skin, and reading a control's font.
#include "graphics/paint/control_background.h"
#include "skin/state/gdi_owners.h"
#include "skin/controls/buttons/button_records.h"
#include "skin/controls/buttons/button_styles.h"
#include "skin/controls/buttons/push_button_skin.h"

#include "graphics/gdiplus/font.h"

Text DefaultControlFontFace() { return "宋体"; }

int FindButtonRecord(int windowIndex, HWND window) {
  return FindControlRecord(windowIndex, &WindowRecord::buttons, window);
}

ControlFont ReadControlFont(HWND window) {
  ControlFont font;
  font.face = DefaultControlFontFace();
  HFONT handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (handle == nullptr) return font;

  LOGFONTA logFont{};
  const WindowDc dc = WindowDc::Client(window);
  Font gdipFont;
  if (GetObjectA(handle, sizeof(logFont), &logFont) != 0 &&
      gdipFont.CreateFromLogFontA(dc.get(), logFont)) {
    float size = gdipFont.GetSize();
    if (size <= 1e-7f && size >= -1e-7f) size = 12.0f;
    font.size = static_cast<int>(size);
    font.style = gdipFont.GetStyle();
    FontFamily family;
    if (gdipFont.GetFamily(family)) {
      Text face = family.GetFamilyName();
      if (!face.empty()) font.face = face;
    }
  }
  return font;
}

void InstallPushButtonSkins(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  for (HWND child = FindWindowExA(parent, nullptr, "BUTTON", nullptr); child != nullptr;
       child = FindWindowExA(parent, child, "BUTTON", nullptr)) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
    if (!IsPushButtonStyle(style)) continue;
    if (FindButtonRecord(windowIndex, child) != 0 || HasButtonSkinProc(child)) continue;
    const int index = RegisterButton(windowIndex, child, kButtonKindPush);
    if (index == 0) return;
    // Owner-drawn from now on: the containing window paints it on WM_DRAWITEM.
    SetWindowLongA(child, GWL_STYLE, static_cast<LONG>(style | BS_OWNERDRAW));
    const ControlFont font = ReadControlFont(child);
    ButtonRecord* record = ButtonRecordOf(child);
    if (record == nullptr) continue;
    record->fontFace = font.face.empty() ? DefaultControlFontFace() : font.face;
    record->fontSize = font.size == 0 ? kDefaultControlFontSize : font.size;
    record->fontStyle = font.style;
  }
}
