#include "graphics/gdiplus/string_format.h"

#include "graphics/gdiplus/flat_api.h"

using Gdiplus::GpStringFormat;

namespace {
GpStringFormat* SF(const StringFormat& f) { return As<GpStringFormat>(f); }
}  // namespace

GdipStatus StringFormat::DeleteNative(void* handle) {
  return static_cast<GdipStatus>(flat::GdipDeleteStringFormat(static_cast<Gdiplus::GpStringFormat*>(handle)));
}

bool StringFormat::Create(int flags, int language) {
  Delete();
  GpStringFormat* format = nullptr;
  if (!Record(flat::GdipCreateStringFormat(flags, static_cast<LANGID>(language), &format))) return false;
  SetHandle(format);
  return true;
}

// The generic formats are copies this object owns, so Delete is always right.
bool StringFormat::GenericDefault() {
  Delete();
  GpStringFormat* generic = nullptr;
  GpStringFormat* copy = nullptr;
  if (!Record(flat::GdipStringFormatGetGenericDefault(&generic))) return false;
  if (!Record(flat::GdipCloneStringFormat(generic, &copy))) return false;
  SetHandle(copy);
  return true;
}

bool StringFormat::GenericTypographic() {
  Delete();
  GpStringFormat* generic = nullptr;
  GpStringFormat* copy = nullptr;
  if (!Record(flat::GdipStringFormatGetGenericTypographic(&generic))) return false;
  if (!Record(flat::GdipCloneStringFormat(generic, &copy))) return false;
  SetHandle(copy);
  return true;
}

bool StringFormat::Clone(StringFormat& target) const {
  if (&target == this) return false;
  target.Delete();
  PX_NEED_OBJECT(false);
  GpStringFormat* copy = nullptr;
  if (!Record(flat::GdipCloneStringFormat(SF(*this), &copy))) return false;
  target.SetHandle(copy);
  return true;
}

bool StringFormat::SetFlags(int flags) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetStringFormatFlags(SF(*this), flags));
}

int StringFormat::GetFlags() const {
  INT flags = 0;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetStringFormatFlags(SF(*this), &flags))) return 0;
  return flags;
}

bool StringFormat::SetAlign(int alignment) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetStringFormatAlign(SF(*this), static_cast<Gdiplus::StringAlignment>(alignment)));
}

int StringFormat::GetAlign() const {
  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetStringFormatAlign(SF(*this), &alignment))) return 0;
  return alignment;
}

bool StringFormat::SetLineAlign(int alignment) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetStringFormatLineAlign(SF(*this), static_cast<Gdiplus::StringAlignment>(alignment)));
}

int StringFormat::GetLineAlign() const {
  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetStringFormatLineAlign(SF(*this), &alignment))) return 0;
  return alignment;
}

bool StringFormat::SetTrimming(int trimming) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetStringFormatTrimming(SF(*this), static_cast<Gdiplus::StringTrimming>(trimming)));
}

int StringFormat::GetTrimming() const {
  Gdiplus::StringTrimming trimming = Gdiplus::StringTrimmingNone;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetStringFormatTrimming(SF(*this), &trimming))) return 0;
  return trimming;
}

bool StringFormat::SetHotkeyPrefix(int prefix) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetStringFormatHotkeyPrefix(SF(*this), prefix));
}

int StringFormat::GetHotkeyPrefix() const {
  INT prefix = 0;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetStringFormatHotkeyPrefix(SF(*this), &prefix))) return 0;
  return prefix;
}

bool StringFormat::SetTabStops(float firstOffset, const std::vector<float>& stops) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetStringFormatTabStops(SF(*this), firstOffset, CountOf(stops.size()), stops.data()));
}

std::vector<float> StringFormat::GetTabStops(float* firstOffset) const {
  INT count = 0;
  if (firstOffset) *firstOffset = 0;
  PX_NEED_OBJECT(std::vector<float>{});
  if (!Record(flat::GdipGetStringFormatTabStopCount(SF(*this), &count)) || count <= 0) return {};
  std::vector<float> stops(static_cast<size_t>(count), 0.0f);
  Gdiplus::REAL first = 0;
  if (!Record(flat::GdipGetStringFormatTabStops(SF(*this), count, &first, stops.data()))) return {};
  if (firstOffset) *firstOffset = first;
  return stops;
}

bool StringFormat::SetDigitSubstitution(int language, int substitute) {
  PX_NEED_OBJECT(false);
  return Record(flat::GdipSetStringFormatDigitSubstitution(SF(*this), static_cast<LANGID>(language),
                                                           static_cast<Gdiplus::StringDigitSubstitute>(substitute)));
}

int StringFormat::GetDigitSubstitution(int* language) const {
  LANGID lang = 0;
  Gdiplus::StringDigitSubstitute substitute = Gdiplus::StringDigitSubstituteUser;
  if (language) *language = 0;
  PX_NEED_OBJECT(0);
  if (!Record(flat::GdipGetStringFormatDigitSubstitution(SF(*this), &lang, &substitute))) return 0;
  if (language) *language = lang;
  return substitute;
}
