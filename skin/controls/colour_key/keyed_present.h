// Presenting a control's non-client picture into the composite image of
// its skinned window with a colour key, for frames that may leave pixels
// of the composite as they are (edit boxes, combo boxes, lists).
#pragma once

#include <windows.h>

#include <functional>

class Graphics;

// Colour key of colour-keyed copies: pixels of this colour are not copied.
inline constexpr COLORREF kCompositeColourKey = RGB(0xFF, 0x00, 0xFF);

// Copies sourceDC (from 0, 0, the size of window's window rectangle) into
// the composite DC at window's window rectangle, keeping window's visible
// children out and leaving the composite unchanged where the source is
// magenta. False (nothing done) when window carries no valid record index.
bool PresentKeyedToComposite(HWND window, HDC sourceDC);

// The frame painters of the edit box and of the list-type controls: composes
// the background behind control (its whole window rectangle), lets draw
// paint over it (with the control's width and height), then copies the
// picture to the screen outside client (the client box in window
// coordinates) and into the composite. keyed: the picture's key-coloured
// pixels are made exact and left out of the screen copy as well.
void PaintNonClientPicture(HWND control, const RECT& client, bool keyed,
                           const std::function<void(Graphics&, int, int)>& draw);
