// The font of a control as the skins draw its text: read from the control,
// with the skin's default where the control has none.
#pragma once

#include <windows.h>

#include "app/text_ops.h"

// Used when a control has no font of its own.
Text DefaultControlFontFace();  // "宋体"
inline constexpr int kDefaultControlFontSize = 12;

// The font of a control as the painters use it: face, em size in pixels
// (truncated) and GDI+ style bits.
struct ControlFont {
  Text face;
  int size = kDefaultControlFontSize;
  int style = 0;
};

// The control's font (WM_GETFONT); "宋体", 12, regular when it has none.
// An em size of (nearly) 0 reads as 12; the face is never empty.
ControlFont ReadControlFont(HWND window);

// ReadControlFont, and also a size that truncates to 0 (an em size below
// one pixel) taken as kDefaultControlFontSize: the font the button and
// toolbar skins draw their captions in.
ControlFont ReadCaptionFont(HWND window);
