// The drawn title-bar buttons of a skinned frame: layout, hit tests, the
// hover fade on the 20 ms window timer (identifier = the frame's window
// handle), the pressed look, the painting of one button and what a click
// does. The frame procedure calls the message-level routines below; the
// window index is always the 1-based position of the frame's window record.
//
// Every routine does nothing for an invalid index or button. Painting needs
// the back buffer and the title cache of a first render (frame_render.h);
// before that a direct paint does nothing.
#pragma once

#include <windows.h>

#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/graphics_path.h"
#include "skin/frame/title_button_logic.h"

// Places the strip at the client area's right edge (stripX = client right -
// stripWidth + 1, stripHeight = 22) when the record has a window, computes
// every button's rectangle and moves tooltip tool i to button i's
// rectangle with the button's name as its text. Run at install and on every
// WM_WINDOWPOSCHANGED.
void LayoutTitleButtons(int index);

// lParam holds signed client coordinates (low and high word).
bool PointInStrip(int index, LPARAM lParam);

// 1-based button under (x, y) in client coordinates, or 0. A point on a
// button's rectangle edge belongs to no button.
int TitleButtonAt(int index, int x, int y);

// ---------------------------------------------------------------------------
// Message steps for the frame procedure. Each returns what it painted (the
// button and alpha of every not-pressed paint, in order), which the
// procedure may ignore.

// WM_MOUSEMOVE while titleBarLive is set (does nothing otherwise): starts
// the fade timer when the point is in the strip, sets HotTitleButton to the
// button under the point and updates hotButton and the fade states.
FadeActions TitleButtonsMouseMove(int index, LPARAM lParam);

// WM_MOUSELEAVE: sets mouseTracking = 0, then, when titleBarLive is set and
// a button is hot, starts its fade-out.
FadeActions TitleButtonsMouseLeave(int index);

// WM_TIMER whose identifier is the window handle: one fade step; kills the
// timer (KillTimer(window, window)) when the fade has ended.
FadeActions TitleButtonsFadeStep(int index);

// The title-button part of WM_LBUTTONDOWN (call it after fadeIn.button = 0
// and the drag/size check): HotTitleButton = the button under the point;
// when there is one it is painted pressed. Returns HotTitleButton.
int TitleButtonsPress(int index, LPARAM lParam);

// What a click on button b does (the action routine the installer stores in
// TitleButtonAction): close, maximise/restore, minimise through
// WM_SYSCOMMAND, or the help, menu or button callback. Only for
// 1 <= b <= number of buttons.
void RunTitleButtonAction(int index, int button);

// ---------------------------------------------------------------------------
// Painting.

// Paints button b. With intoBackBuffer (the full render) it draws on the
// given graphics of frameDC only. Otherwise graphics is not used (pass
// nullptr): the routine draws on frameDC itself, starting from the title
// cache, and copies the button's area to the window. pressed gives the
// pressed look (alpha is then not used); otherwise alpha 0 is the plain
// look and up to 240 the hot look.
void PaintTitleButton(int index, int button, Graphics* graphics, bool intoBackBuffer, bool pressed,
                      int alpha);

// The hover glow of button b at alpha (also restores the button's area
// from the title cache first).
void PaintButtonGlow(Graphics& graphics, int index, int button, int alpha);

// The separator lines at the left of button b and, when b is not the last
// button, at the left of the next one.
void PaintButtonSeparators(int index, int button, Graphics& graphics);

// The close button's outline over (x, y, w, h): a rectangle whose top-right
// corner is a quarter arc of radius r, following the window's rounded
// corner. Added to path as one closed figure.
bool AddCloseShape(GraphicsPath& path, float x, float y, float w, float h, float r);
