// Which button styles each skin takes. Pure arithmetic over the window
// style of a child of class "BUTTON".
#pragma once

#include <windows.h>

#include <cstdint>

constexpr bool HasAllBits(std::uint32_t style, std::uint32_t bits) { return (style & bits) == bits; }

// The owner-draw type: all bits of BS_OWNERDRAW.
constexpr bool IsOwnerDrawStyle(std::uint32_t style) { return HasAllBits(style, BS_OWNERDRAW); }

// BS_PUSHBUTTON, BS_DEFPUSHBUTTON and BS_USERBUTTON: not owner-drawn, and
// none of the bit groups of BS_CHECKBOX, BS_AUTORADIOBUTTON and
// BS_RADIOBUTTON fully set.
constexpr bool IsPushButtonStyle(std::uint32_t style) {
  return !IsOwnerDrawStyle(style) && !HasAllBits(style, BS_CHECKBOX) &&
         !HasAllBits(style, BS_AUTORADIOBUTTON) && !HasAllBits(style, BS_RADIOBUTTON);
}

// BS_CHECKBOX, BS_AUTOCHECKBOX and BS_PUSHBOX: the BS_CHECKBOX bit without
// the BS_RADIOBUTTON bit.
constexpr bool IsCheckBoxStyle(std::uint32_t style) {
  return HasAllBits(style, BS_CHECKBOX) && !HasAllBits(style, BS_RADIOBUTTON);
}

// BS_AUTORADIOBUTTON only.
constexpr bool IsRadioStyle(std::uint32_t style) {
  return !HasAllBits(style, BS_CHECKBOX) && HasAllBits(style, BS_AUTORADIOBUTTON) &&
         !HasAllBits(style, BS_RADIOBUTTON);
}
