// Rendering of a skinned frame: the whole frame (background picture, fill,
// gloss, border, caption, title-bar buttons, status bar) drawn into the
// record's back buffer frameDC, the caches of the title band and the status
// bar taken along the way, the composite copy frameCopy for the control
// skins, and the presentation of the back buffer with one blit.
//
// DCs: a DC handed in by the caller stays the caller's (a paint DC from
// BeginPaint is ended by the caller with EndPaint); a DC a routine gets for
// itself with GetDC it releases itself.
#pragma once

#include <windows.h>

#include <optional>

#include "app/text_ops.h"
#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/image.h"
#include "graphics/paint/colour_convert.h"
#include "skin/state/skin_codes.h"

// Renders the whole frame of window record index into frameDC (a new
// 32-bpp back buffer of the client size every time), re-creates the title
// and status caches and frameCopy. With present set it also sets the
// window region (when titleBarLive), copies the frame to dc (the window's
// own DC when dc is 0) with the visible children clipped out, and
// invalidates the children. needsFullRedraw = 0 and the last client size
// is stored either way.
void RenderFrame(int index, HDC dc, bool present);

// The rounded window region: CreateRoundRectRgn(0, 0, right + 1, bottom + 1,
// 5, 5) of the client rectangle; the system owns it from then on.
void SetFrameRegion(HWND window);

// Clears graphics with the picture's average colour (or the default
// background colour) and draws the background picture by its mode, then
// the fill colour and the title gloss.
void PaintBackground(Graphics& graphics, int index);

// The background picture to draw: the record's own picture or else the
// default one, decoded into picture. In mode 4 a picture as wide as the
// client area, the decoded picture repeated to the right. False (picture
// empty) when there is no picture or it does not decode.
bool BackgroundPicture(int index, Bitmap& picture);

// The background mode that applies: the record's own when it has a picture
// of its own, else DefaultBackgroundMode.
BackgroundMode EffectiveBackgroundMode(int index);

// The two rounded outlines: black (alpha 180, 2 px) outside, white (alpha
// 180, 1 px) inside.
void PaintFrameBorder(int index, Graphics& graphics);

// Caption: the class icon and the text (the given text, else the window
// text) at (9, 4), plain, outlined or with a halo by the record's caption
// settings. With intoBackBuffer it draws on the given graphics of frameDC
// only; otherwise graphics is not used (pass nullptr): it draws on frameDC
// itself over the title cache and copies the caption area to the window.
void PaintCaption(int index, Graphics* graphics, bool intoBackBuffer,
                  const std::optional<Text>& text = std::nullopt);

// Copies rect (left, top, right, bottom in client coordinates) from the
// title cache into frameDC at the same place.
void RestoreFromTitleCache(int index, const RECT& rect);

// Text drawn four times in the outline colour at outlineAlpha, shifted one
// pixel left, right, up and down, then once in the text colour. The format
// limits lines, trims with an ellipsis, and does not wrap unless wrap.
bool DrawOutlinedText(Graphics& graphics, const Text& text, const RectF& rect,
                      ColourRef textColour, ColourRef outlineColour, int outlineAlpha,
                      const Text& fontName, float fontSize, bool bold,
                      int alignment = StringAlignmentNear, int lineAlignment = StringAlignmentNear,
                      bool wrap = false);

// Status item (1-based): gloss, picture at the left, text after it. With
// intoBackBuffer on the given graphics; otherwise (graphics nullptr) over
// the status cache on frameDC and copied to the window.
void PaintStatusItem(int index, Graphics* graphics, bool intoBackBuffer, int item);

// Invalidates the record's controls that lie directly on the frame: with
// erase for list-type controls (and their visible children), combo and
// edit boxes; without erase for buttons, trackbars, progress bars and
// up-down controls.
void InvalidateFrameChildren(int index);

struct WindowRecord;
// Copies the area (x, y, w, h) of frameDC to the same place of the window.
void ShowFrameArea(const WindowRecord& rec, int x, int y, int w, int h);

// Copies frameDC (the window rectangle's size, from 0, 0) to dc (the
// window's own DC when dcGiven is false) with the visible children clipped
// out. A given dc stays the caller's; a DC got here is released here.
void BlitFrame(int index, HDC dc, bool dcGiven);
