// Text layout settings for DrawString, MeasureString and AddString.
#pragma once

#include <utility>
#include <vector>

#include "graphics/gdiplus/gdiplus_object.h"

class StringFormat : public OwnedGdiPlusObject<StringFormat> {
 public:
  static GdipStatus DeleteNative(void* handle);

  // StringFormatFlags* and a language id (0 = neutral).
  bool Create(int flags = 0, int language = 0);
  bool GenericDefault();
  bool GenericTypographic();
  bool Clone(StringFormat& target) const;
  bool SetFlags(int flags);
  int GetFlags() const;
  // StringAlignment* across the line.
  bool SetAlign(int alignment);
  int GetAlign() const;
  // StringAlignment* across the lines.
  bool SetLineAlign(int alignment);
  int GetLineAlign() const;
  // StringTrimming*.
  bool SetTrimming(int trimming);
  int GetTrimming() const;
  // HotkeyPrefix*.
  bool SetHotkeyPrefix(int prefix);
  int GetHotkeyPrefix() const;
  bool SetTabStops(float firstOffset, const std::vector<float>& stops);
  std::vector<float> GetTabStops(float* firstOffset = nullptr) const;
  bool SetDigitSubstitution(int language, int substitute);
  int GetDigitSubstitution(int* language = nullptr) const;
};
