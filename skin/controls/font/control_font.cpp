// Reading a control's font.
#include "skin/controls/font/control_font.h"

#include "graphics/gdiplus/font.h"
#include "win32/handle_owners.h"

Text DefaultControlFontFace() { return "宋体"; }

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
    if (size <= 1e-7f && size >= -1e-7f) size = static_cast<float>(kDefaultControlFontSize);
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

ControlFont ReadCaptionFont(HWND window) {
  ControlFont font = ReadControlFont(window);
  if (font.size == 0) font.size = kDefaultControlFontSize;
  return font;
}
