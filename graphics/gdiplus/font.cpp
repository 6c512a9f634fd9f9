#include "graphics/gdiplus/font.h"

#include "graphics/gdiplus/flat_api.h"
#include "graphics/gdiplus/graphics.h"

using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;

namespace {
GpFont* F(const Font& f) { return As<GpFont>(f); }
GpFontFamily* FF(const FontFamily& f) { return As<GpFontFamily>(f); }
}  // namespace

// ---- FontFamily ------------------------------------------------------------

GdipStatus FontFamily::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteFontFamily(static_cast<Gdiplus::GpFontFamily*>(handle)));
}

bool FontFamily::CreateFromName(const Text& name) { return CreateFromNameW(ToWideText(name).c_str()); }

bool FontFamily::CreateFromNameW(const wchar_t* name) {
  Delete();
  GpFontFamily* family = nullptr;
  if (!Record(flat::GdipCreateFontFamilyFromName(name, nullptr, &family))) return false;
  SetHandle(family);
  return true;
}

bool FontFamily::GenericSansSerif() {
  Delete();
  GpFontFamily* family = nullptr;
  if (!Record(flat::GdipGetGenericFontFamilySansSerif(&family))) return false;
  SetHandle(family);
  return true;
}

bool FontFamily::GenericSerif() {
  Delete();
  GpFontFamily* family = nullptr;
  if (!Record(flat::GdipGetGenericFontFamilySerif(&family))) return false;
  SetHandle(family);
  return true;
}

bool FontFamily::GenericMonospace() {
  Delete();
  GpFontFamily* family = nullptr;
  if (!Record(flat::GdipGetGenericFontFamilyMonospace(&family))) return false;
  SetHandle(family);
  return true;
}

bool FontFamily::Clone(FontFamily& target) const {
  if (&target == this) return false;
  target.Delete();
  PX_NEED_OBJECT(false);
  GpFontFamily* copy = nullptr;
  if (!Record(flat::GdipCloneFontFamily(FF(*this), &copy))) return false;
  target.SetHandle(copy);
  return true;
}

Text FontFamily::GetFamilyName(int language) const { return FromWideText(GetFamilyNameW(language).c_str()); }

WideText FontFamily::GetFamilyNameW(int language) const {
  WCHAR name[LF_FACESIZE] = {};
  PX_NEED_OBJECT(WideText());
  if (!Record(flat::GdipGetFamilyName(FF(*this), name, static_cast<LANGID>(language)))) return WideText();
  name[LF_FACESIZE - 1] = 0;
  return WideText(name);
}

bool FontFamily::IsStyleAvailable(int style) const {
  BOOL available = FALSE;
  PX_NEED_OBJECT(false);
  if (!Record(flat::GdipIsStyleAvailable(FF(*this), style, &available))) return false;
  return available != FALSE;
}

#define PX_FAMILY_METRIC(Method, Function)              \
  int FontFamily::Method(int style) const {             \
    UINT16 value = 0;                                   \
    PX_NEED_OBJECT(0);                                  \
    if (!Record(flat::Function(FF(*this), style, &value))) return 0; \
    return value;                                       \
  }
PX_FAMILY_METRIC(GetEmHeight, GdipGetEmHeight)
PX_FAMILY_METRIC(GetCellAscent, GdipGetCellAscent)
PX_FAMILY_METRIC(GetCellDescent, GdipGetCellDescent)
PX_FAMILY_METRIC(GetLineSpacing, GdipGetLineSpacing)
#undef PX_FAMILY_METRIC

// ---- Font ------------------------------------------------------------------

GdipStatus Font::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteFont(static_cast<Gdiplus::GpFont*>(handle)));
}

bool Font::CreateFromFamily(const FontFamily& family, float size, int style, int unit) {
  Delete();
  GpFont* font = nullptr;
  if (!Record(flat::GdipCreateFont(FF(family), size, style, static_cast<Gdiplus::Unit>(unit), &font))) return false;
  SetHandle(font);
  return true;
}

bool Font::CreateDefault() {
  Delete();
  LOGFONTA logFont = {};
  if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont) == 0) return RecordStatus(Win32Error);
  HDC screen = ::GetDC(nullptr);
  GpFont* font = nullptr;
  bool ok = Record(flat::GdipCreateFontFromLogfontA(screen, &logFont, &font));
  ::ReleaseDC(nullptr, screen);
  if (ok) SetHandle(font);
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

bool Font::CreateFromDC(HDC hdc) {
  Delete();
  GpFont* font = nullptr;
  if (!Record(flat::GdipCreateFontFromDC(hdc, &font))) return false;
  SetHandle(font);
  return true;
}

bool Font::CreateFromDCAndFont(HDC hdc, HFONT hfont) {
  if (hfont) {
    LOGFONTA logFont = {};
    if (GetObjectA(hfont, sizeof logFont, &logFont) != 0) return CreateFromLogFontA(hdc, logFont);
  }
  return CreateFromDC(hdc);
}

bool Font::CreateFromLogFontA(HDC hdc, const LOGFONTA& logFont) {
  Delete();
  GpFont* font = nullptr;
  LOGFONTA copy = logFont;
  if (!Record(flat::GdipCreateFontFromLogfontA(hdc, &copy, &font))) return false;
  SetHandle(font);
  return true;
}

bool Font::CreateFromLogFontW(HDC hdc, const LOGFONTW& logFont) {
  Delete();
  GpFont* font = nullptr;
  LOGFONTW copy = logFont;
  if (!Record(flat::GdipCreateFontFromLogfontW(hdc, &copy, &font))) return false;
  SetHandle(font);
  return true;
}

bool Font::Clone(Font& target) const {
  if (&target == this) return false;
  target.Delete();
  PX_NEED_OBJECT(false);
  GpFont* copy = nullptr;
  if (!Record(flat::GdipCloneFont(F(*this), &copy))) return false;
  target.SetHandle(copy);
  return true;
}

bool Font::GetLogFontA(const Graphics& graphics, LOGFONTA& logFont) const {
  logFont = LOGFONTA{};
  PX_NEED_OBJECT(false);
  return Record(flat::GdipGetLogFontA(F(*this), As<Gdiplus::GpGraphics>(graphics), &logFont));
}

bool Font::GetLogFontW(const Graphics& graphics, LOGFONTW& logFont) const {
  logFont = LOGFONTW{};
  PX_NEED_OBJECT(false);
  return Record(flat::GdipGetLogFontW(F(*this), As<Gdiplus::GpGraphics>(graphics), &logFont));
}

bool Font::GetFamily(FontFamily& family) const {
  family.Delete();
  PX_NEED_OBJECT(false);
  GpFontFamily* result = nullptr;
  if (!Record(flat::GdipGetFamily(F(*this), &result))) return false;
  family.SetHandle(result);
  return true;
}

int Font::GetStyle() const {
  INT style = 0;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetFontStyle(F(*this), &style))) return 0;
  return style;
}

float Font::GetSize() const {
  Gdiplus::REAL size = 0;
  PX_NEED_OBJECT(0.0f);
  if (!Record(flat::GdipGetFontSize(F(*this), &size))) return 0;
  return size;
}

int Font::GetUnit() const {
  Gdiplus::Unit unit = Gdiplus::UnitWorld;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetFontUnit(F(*this), &unit))) return 0;
  return unit;
}

float Font::GetHeight(const Graphics& graphics) const {
  Gdiplus::REAL height = 0;
  PX_NEED_OBJECT(0.0f);
  if (!Record(flat::GdipGetFontHeight(F(*this), As<Gdiplus::GpGraphics>(graphics), &height))) return 0;
  return height;
}

float Font::GetHeightGivenDpi(float dpi) const {
  Gdiplus::REAL height = 0;
  PX_NEED_OBJECT(0.0f);
  if (!Record(flat::GdipGetFontHeightGivenDPI(F(*this), dpi, &height))) return 0;
  return height;
}
