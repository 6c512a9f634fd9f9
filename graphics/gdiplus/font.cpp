#include "graphics/gdiplus/font.h"

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/graphics.h"

using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;

namespace {
GpFont* F(const Font& f) { return As<GpFont>(f); }
GpFontFamily* FF(const FontFamily& f) { return As<GpFontFamily>(f); }
Gdiplus::GpGraphics* G(const Graphics& g) { return As<Gdiplus::GpGraphics>(g); }
}  // namespace

// ---- FontFamily ------------------------------------------------------------

GdipStatus FontFamily::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteFontFamily(static_cast<Gdiplus::GpFontFamily*>(handle)));
}

bool FontFamily::CreateFromName(const Text& name) { return CreateFromNameW(ToWideText(name).c_str()); }

bool FontFamily::CreateFromNameW(const wchar_t* name) {
  return CreateInto(*this, flat::GdipCreateFontFamilyFromName, name, nullptr);
}

bool FontFamily::GenericSansSerif() { return CreateInto(*this, flat::GdipGetGenericFontFamilySansSerif); }
bool FontFamily::GenericSerif() { return CreateInto(*this, flat::GdipGetGenericFontFamilySerif); }
bool FontFamily::GenericMonospace() { return CreateInto(*this, flat::GdipGetGenericFontFamilyMonospace); }
bool FontFamily::Clone(FontFamily& target) const { return CloneInto(*this, target, flat::GdipCloneFontFamily); }

Text FontFamily::GetFamilyName(int language) const { return FromWideText(GetFamilyNameW(language).c_str()); }

WideText FontFamily::GetFamilyNameW(int language) const {
  WCHAR name[LF_FACESIZE] = {};
  if (!CallOn(*this, flat::GdipGetFamilyName, name, static_cast<LANGID>(language))) return WideText();
  name[LF_FACESIZE - 1] = 0;
  return WideText(name);
}

bool FontFamily::IsStyleAvailable(int style) const {
  return ReadValue<bool>(*this, flat::GdipIsStyleAvailable, style);
}

int FontFamily::GetEmHeight(int style) const { return ReadValue<int>(*this, flat::GdipGetEmHeight, style); }
int FontFamily::GetCellAscent(int style) const { return ReadValue<int>(*this, flat::GdipGetCellAscent, style); }
int FontFamily::GetCellDescent(int style) const { return ReadValue<int>(*this, flat::GdipGetCellDescent, style); }
int FontFamily::GetLineSpacing(int style) const { return ReadValue<int>(*this, flat::GdipGetLineSpacing, style); }

// ---- Font ------------------------------------------------------------------

GdipStatus Font::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteFont(static_cast<Gdiplus::GpFont*>(handle)));
}

bool Font::CreateFromFamily(const FontFamily& family, float size, int style, int unit) {
  return CreateInto(*this, flat::GdipCreateFont, FF(family), size, style, static_cast<Gdiplus::Unit>(unit));
}

bool Font::CreateDefault() {
  Delete();
  LOGFONTA logFont = {};
  if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont) == 0) return RecordStatus(Win32Error);
  HDC screen = ::GetDC(nullptr);
  const bool ok = CreateInto(*this, flat::GdipCreateFontFromLogfontA, screen, &logFont);
  ::ReleaseDC(nullptr, screen);
  return ok;
}

bool Font::Create(const Text& familyName, float size, int style, int unit) {
  return CreateW(ToWideText(familyName).c_str(), size, style, unit);
}

bool Font::CreateW(const wchar_t* familyName, float size, int style, int unit) {
  Delete();
  FontFamily family;
  if (!family.CreateFromNameW(familyName)) return false;
  bool ok = CreateFromFamily(family, size, style, unit);
  // The temporary family goes again; the status left is the font's own.
  GdipStatus status = LastStatus;
  family.Delete();
  LastStatus = status;
  return ok;
}

bool Font::CreateFromDC(HDC hdc) { return CreateInto(*this, flat::GdipCreateFontFromDC, hdc); }

bool Font::CreateFromDCAndFont(HDC hdc, HFONT hfont) {
  if (hfont) {
    LOGFONTA logFont = {};
    if (GetObjectA(hfont, sizeof logFont, &logFont) != 0) return CreateFromLogFontA(hdc, logFont);
  }
  return CreateFromDC(hdc);
}

bool Font::CreateFromLogFontA(HDC hdc, const LOGFONTA& logFont) {
  LOGFONTA copy = logFont;
  return CreateInto(*this, flat::GdipCreateFontFromLogfontA, hdc, &copy);
}

bool Font::CreateFromLogFontW(HDC hdc, const LOGFONTW& logFont) {
  LOGFONTW copy = logFont;
  return CreateInto(*this, flat::GdipCreateFontFromLogfontW, hdc, &copy);
}

bool Font::Clone(Font& target) const { return CloneInto(*this, target, flat::GdipCloneFont); }

bool Font::GetLogFontA(const Graphics& graphics, LOGFONTA& logFont) const {
  logFont = LOGFONTA{};
  return CallOn(*this, flat::GdipGetLogFontA, G(graphics), &logFont);
}

bool Font::GetLogFontW(const Graphics& graphics, LOGFONTW& logFont) const {
  logFont = LOGFONTW{};
  return CallOn(*this, flat::GdipGetLogFontW, G(graphics), &logFont);
}

bool Font::GetFamily(FontFamily& family) const {
  family.Delete();
  if (RecordIfEmpty(*this)) return false;
  return CreateInto(family, flat::GdipGetFamily, F(*this));
}

int Font::GetStyle() const { return ReadValue<int>(*this, flat::GdipGetFontStyle); }
float Font::GetSize() const { return ReadValue<float>(*this, flat::GdipGetFontSize); }
int Font::GetUnit() const { return ReadValue<int>(*this, flat::GdipGetFontUnit); }
float Font::GetHeight(const Graphics& graphics) const {
  return ReadValue<float>(*this, flat::GdipGetFontHeight, G(graphics));
}
float Font::GetHeightGivenDpi(float dpi) const { return ReadValue<float>(*this, flat::GdipGetFontHeightGivenDPI, dpi); }
