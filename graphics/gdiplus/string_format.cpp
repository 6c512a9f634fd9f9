#include "graphics/gdiplus/string_format.h"

#include "graphics/gdiplus/flat_api.h"

namespace {

Gdiplus::StringAlignment Alignment(int alignment) { return static_cast<Gdiplus::StringAlignment>(alignment); }

// The generic formats are copies this object owns, so Delete is always right.
template <class Generic>
bool CopyGeneric(StringFormat& format, Generic generic) {
  format.Delete();
  Gdiplus::GpStringFormat* shared = nullptr;
  if (!CallFlat(generic, &shared)) return false;
  return CreateInto(format, flat::GdipCloneStringFormat, shared);
}

}  // namespace

GdipStatus StringFormat::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteStringFormat(static_cast<Gdiplus::GpStringFormat*>(handle)));
}

bool StringFormat::Create(int flags, int language) {
  return CreateInto(*this, flat::GdipCreateStringFormat, flags, static_cast<LANGID>(language));
}

bool StringFormat::GenericDefault() { return CopyGeneric(*this, flat::GdipStringFormatGetGenericDefault); }
bool StringFormat::GenericTypographic() { return CopyGeneric(*this, flat::GdipStringFormatGetGenericTypographic); }

bool StringFormat::Clone(StringFormat& target) const { return CloneInto(*this, target, flat::GdipCloneStringFormat); }

bool StringFormat::SetFlags(int flags) { return CallOn(*this, flat::GdipSetStringFormatFlags, flags); }
int StringFormat::GetFlags() const { return ReadValue<int>(*this, flat::GdipGetStringFormatFlags); }

bool StringFormat::SetAlign(int alignment) {
  return CallOn(*this, flat::GdipSetStringFormatAlign, Alignment(alignment));
}
int StringFormat::GetAlign() const { return ReadValue<int>(*this, flat::GdipGetStringFormatAlign); }

bool StringFormat::SetLineAlign(int alignment) {
  return CallOn(*this, flat::GdipSetStringFormatLineAlign, Alignment(alignment));
}
int StringFormat::GetLineAlign() const { return ReadValue<int>(*this, flat::GdipGetStringFormatLineAlign); }

bool StringFormat::SetTrimming(int trimming) {
  return CallOn(*this, flat::GdipSetStringFormatTrimming, static_cast<Gdiplus::StringTrimming>(trimming));
}
int StringFormat::GetTrimming() const { return ReadValue<int>(*this, flat::GdipGetStringFormatTrimming); }

bool StringFormat::SetHotkeyPrefix(int prefix) { return CallOn(*this, flat::GdipSetStringFormatHotkeyPrefix, prefix); }
int StringFormat::GetHotkeyPrefix() const { return ReadValue<int>(*this, flat::GdipGetStringFormatHotkeyPrefix); }

bool StringFormat::SetTabStops(float firstOffset, const std::vector<float>& stops) {
  return CallOn(*this, flat::GdipSetStringFormatTabStops, firstOffset, CountOf(stops.size()), stops.data());
}

// GDI+ hands the first offset and the stops back together, after the count.
std::vector<float> StringFormat::GetTabStops(float* firstOffset) const {
  if (firstOffset) *firstOffset = 0;
  const int count = ReadValue<int>(*this, flat::GdipGetStringFormatTabStopCount);
  if (count <= 0) return {};
  std::vector<float> stops(static_cast<size_t>(count), 0.0f);
  Gdiplus::REAL first = 0;
  if (!CallOn(*this, flat::GdipGetStringFormatTabStops, count, &first, stops.data())) return {};
  if (firstOffset) *firstOffset = first;
  return stops;
}

bool StringFormat::SetDigitSubstitution(int language, int substitute) {
  return CallOn(*this, flat::GdipSetStringFormatDigitSubstitution, static_cast<LANGID>(language),
                static_cast<Gdiplus::StringDigitSubstitute>(substitute));
}

int StringFormat::GetDigitSubstitution(int* language) const {
  LANGID lang = 0;
  Gdiplus::StringDigitSubstitute substitute = Gdiplus::StringDigitSubstituteUser;
  if (language) *language = 0;
  if (!CallOn(*this, flat::GdipGetStringFormatDigitSubstitution, &lang, &substitute)) return 0;
  if (language) *language = lang;
  return substitute;
}
