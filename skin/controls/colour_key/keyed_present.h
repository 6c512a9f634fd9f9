// Presenting a control's non-client picture into the composite image of
// its skinned window with a colour key, for frames that may leave pixels
// of the composite as they are (edit boxes, combo boxes, lists).
#pragma once

#include <windows.h>

// Colour key of colour-keyed copies: pixels of this colour are not copied.
inline constexpr COLORREF kCompositeColourKey = RGB(0xFF, 0x00, 0xFF);

// Copies sourceDC (from 0, 0, the size of window's window rectangle) into
// the composite DC at window's window rectangle, keeping window's visible
// children out and leaving the composite unchanged where the source is
// magenta. False (nothing done) when window carries no valid record index.
bool PresentKeyedToComposite(HWND window, HDC sourceDC);
