// GDI+ fonts and font families. Names cross into GDI+ as UTF-16: the plain
// operations take ANSI text, the W twins ready UTF-16 text.
#pragma once

#include <windows.h>

#include <utility>

#include "app/text_ops.h"
#include "graphics/gdiplus/wide_text.h"
#include "graphics/gdiplus/gdiplus_object.h"

class Graphics;

class FontFamily : public OwnedGdiPlusObject<FontFamily> {
 public:
  static GdipStatus DeleteNative(void* handle);

  // The installed family of that name (no private collection).
  bool CreateFromName(const Text& name);
  bool CreateFromNameW(const wchar_t* name);
  bool GenericSansSerif();
  bool GenericSerif();
  bool GenericMonospace();
  bool Clone(FontFamily& target) const;
  // The family's name in language (0 = neutral); empty on failure.
  Text GetFamilyName(int language = 0) const;
  WideText GetFamilyNameW(int language = 0) const;
  bool IsStyleAvailable(int style) const;
  int GetEmHeight(int style = FontStyleRegular) const;
  int GetCellAscent(int style = FontStyleRegular) const;
  int GetCellDescent(int style = FontStyleRegular) const;
  int GetLineSpacing(int style = FontStyleRegular) const;
};

class Font : public OwnedGdiPlusObject<Font> {
 public:
  static GdipStatus DeleteNative(void* handle);

  bool CreateFromFamily(const FontFamily& family, float size, int style = FontStyleRegular,
                        int unit = UnitWorld);
  // The stock DEFAULT_GUI_FONT as seen on the screen DC.
  bool CreateDefault();
  // A font of the named family (a temporary family is made and deleted).
  bool Create(const Text& familyName, float size, int style = FontStyleRegular, int unit = UnitWorld);
  bool CreateW(const wchar_t* familyName, float size, int style = FontStyleRegular, int unit = UnitWorld);
  // The font selected into hdc.
  bool CreateFromDC(HDC hdc);
  // The GDI font hfont as GDI+ sees it on hdc; the font selected into hdc
  // when hfont is 0 or cannot be read.
  bool CreateFromDCAndFont(HDC hdc, HFONT hfont);
  bool CreateFromLogFontA(HDC hdc, const LOGFONTA& logFont);
  bool CreateFromLogFontW(HDC hdc, const LOGFONTW& logFont);
  bool Clone(Font& target) const;

  // The font as a LOGFONTA for graphics; false on failure.
  bool GetLogFontA(const Graphics& graphics, LOGFONTA& logFont) const;
  bool GetLogFontW(const Graphics& graphics, LOGFONTW& logFont) const;
  bool GetFamily(FontFamily& family) const;
  int GetStyle() const;
  float GetSize() const;
  int GetUnit() const;
  float GetHeight(const Graphics& graphics) const;
  float GetHeightGivenDpi(float dpi) const;
};
