// The drop shadow of a skinned frame: a layered top-level window of the
// class "duvaZedado" that lies behind the frame and exceeds it by the
// record's shadowSpread on every side. Its picture is a soft shadow drawn
// with GDI+ into a 32-bit bitmap and handed to the system with
// UpdateLayeredWindow, so the desktop shows through its transparent parts.
//
// The frame procedure shows, hides, moves and destroys it with the frame.
#pragma once

#include <windows.h>

#include <optional>

// Moves the frame's shadow window around the frame: to (x, y, cx, cy) grown
// by the spread when all four are given, else around the frame's window
// rectangle. Nothing happens when the frame has no record, no shadow window
// or a hidden one. With render set the shadow is drawn again afterwards.
void PlaceShadow(HWND frame, bool render, std::optional<int> x = std::nullopt,
                 std::optional<int> y = std::nullopt, std::optional<int> cx = std::nullopt,
                 std::optional<int> cy = std::nullopt);

// Draws the shadow window's picture from its Yyck_* properties (and the
// owning record's shadow picture) and makes it the layered window's content.
// The routine ShadowWindowProc runs on WM_SIZE.
void RenderShadow(HWND shadow);

// One UpdateLayeredWindow call for window. Defaults: position and size of
// its window rectangle, alpha 255, source origin 0, 0, and the frameDC of
// the window's record as the source. False when the system refuses or there
// is no source DC.
bool UpdateLayered(HWND window, std::optional<HDC> sourceDC = std::nullopt,
                   std::optional<int> alpha = std::nullopt, std::optional<int> x = std::nullopt,
                   std::optional<int> y = std::nullopt, std::optional<int> width = std::nullopt,
                   std::optional<int> height = std::nullopt,
                   std::optional<int> sourceX = std::nullopt,
                   std::optional<int> sourceY = std::nullopt);

// Defaults of the shadow drawn when the frame's record leaves a value 0.
inline constexpr int kDefaultShadowAlpha = 90;
inline constexpr int kDefaultShadowColour = 0x000000;

// Creates the shadow window of a skinned frame (once: an existing one is
// returned), spread pixels larger than the frame on every side: sets the
// record's shadowWindow and shadowSpread and the shadow's Yyck_* properties
// (offset, depth, colour and alpha from the record; depth spread and alpha
// kDefaultShadowAlpha where the record holds 0), installs RenderShadow as
// the class's render routine and draws it. The shadow is shown at once when
// the frame is visible and not minimised or maximised. 0 when frame is not
// a skinned frame or the window cannot be made.
HWND CreateFrameShadow(HWND frame, int spread);

class Graphics;

// The soft shadow over a width x height picture: depth rounded rectangles,
// each one pixel further in, laid over each other in colour (COLORREF) so
// that the edge fades out towards the outside and the inside reaches about
// alpha. offset moves the shadow right and down (left and up when
// negative) inside the picture.
void DrawSoftShadow(Graphics& g, int width, int height, int offset, int depth, int colour,
                    int alpha);

// Alpha of each of layers equal shadow layers drawn over each other so
// that together they cover about alpha (0-255): 1 - (1 - a)^(1 / layers).
// Always at least 1 for a non-zero alpha.
int ShadowLayerAlpha(int alpha, int layers);
