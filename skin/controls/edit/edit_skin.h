// Edit box skin. A skinned edit box looks transparent: its client area
// shows the piece of the window's skin behind it, its text is drawn
// transparently in the colour of its Kj_Ztys property, its non-client
// frame shows the background too with a thin drawn outline (black, accent
// while focused, a double accent line while the mouse is over a 3D-edged
// box), and its standard scroll bars are covered by drawn ones.
//
// An edit record lives in the edit list of the window record; the box
// carries Hw_lbID (its index there), Hw_FuID (the window record), Hw_hProc
// and Kj_Ztys. The window that contains the box answers WM_CTLCOLOREDIT and
// WM_CTLCOLORSTATIC with a pattern brush of EditBackgroundBitmap and keeps
// brush and bitmap in Kj_dxjb and Kj_wtjb, which the box deletes on
// WM_DESTROY.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/state/skin_state.h"

// Registers and skins the "Edit" children of parent into the edit list of
// window record windowIndex: drawn scroll-bar windows for WS_VSCROLL and
// WS_HSCROLL, subclassing with EditSkinProc, properties. Boxes already
// registered there are left alone. Does nothing while SkinChildControls is 0.
void InstallEditSkins(int windowIndex, HWND parent);

// 1-based index of window's record in the edit list of window record
// windowIndex, or 0.
int FindEditRecord(int windowIndex, HWND window);

// The registration of one edit box in the edit list of window record
// windowIndex: drawn scroll-bar windows for WS_VSCROLL and WS_HSCROLL (when
// drawnBars), subclassing with EditSkinProc, Hw_lbID, Hw_FuID, Hw_hProc and
// Kj_Ztys = 0. nullptr when the index is not valid or the box is registered
// or subclassed already.
EditRecord* RegisterEditBox(int windowIndex, HWND box, bool drawnBars);

// Subclass procedure of every skinned edit box.
LRESULT CALLBACK EditSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the non-client frame of box now: the background behind the ring
// outside the client area and the outline. focus and hot that are not given
// are taken from the box's record.
void PaintEditFrame(HWND box, std::optional<bool> focus = std::nullopt,
                    std::optional<bool> hot = std::nullopt);

// Fills the client area of dc (client coordinates) with the background
// behind the box.
void PaintEditBackground(HWND box, HDC dc);

// A bitmap of the client size holding the background behind the client
// area; the caller owns it. 0 when box has no skinned window above it.
HBITMAP EditBackgroundBitmap(HWND box);

// The style has WS_VSCROLL or WS_HSCROLL.
bool HasScrollBarStyle(HWND window);

// Where the client area lies in box's window rectangle, assuming equal
// borders and 17-pixel standard scroll bars.
RECT EditClientBox(HWND box);

// 0 none, 1 WS_BORDER, 2 a 3D edge.
int EditBorderKind(HWND box);
