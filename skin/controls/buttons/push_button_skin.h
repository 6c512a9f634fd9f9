// Push button skin: the installer that registers, subclasses and
// owner-draws the push buttons of a skinned window or container, the
// subclass procedure shared by push buttons, radio buttons and check boxes,
// the owner-draw dispatch of the windows that contain them, and the push
// button painter with its five looks (plain, hot, focus, pressed, disabled).
#pragma once

#include <windows.h>


// Paint state bits, as the owner-draw item state gives them.
inline constexpr int kPaintPressed = ODS_SELECTED;   // 0x1
inline constexpr int kPaintDisabled = ODS_DISABLED;  // 0x4
inline constexpr int kPaintFocus = ODS_FOCUS;        // 0x10
inline constexpr int kPaintHot = ODS_HOTLIGHT;       // 0x40


// Registers and skins the push buttons (BS_PUSHBUTTON, BS_DEFPUSHBUTTON,
// BS_USERBUTTON) that are direct children of parent into the button list of
// window record windowIndex. Owner-drawn buttons and buttons already
// registered there are left alone. Does nothing while SkinChildControls is 0.
void InstallPushButtonSkins(int windowIndex, HWND parent);

// 1-based index of window's record in the button list of window record
// windowIndex, or 0.
int FindButtonRecord(int windowIndex, HWND window);

// The subclass procedure of every registered button.
LRESULT CALLBACK ButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the registered button now into its own DC; hot adds kPaintHot.
void RepaintButton(HWND window, int state, bool hot);

// WM_DRAWITEM of a skinned frame or container: paints a registered push
// button with the item's state and rectangle; radio buttons and check boxes
// paint themselves, other items are not drawn here.
void DispatchOwnerDraw(int windowIndex, const DRAWITEMSTRUCT& drawItem);

// Paints push button window into dc (not taken over) in state over the
// background behind it; rect is the button's rectangle in dc's coordinates.
void PaintPushButton(HWND window, HDC dc, int state, const RECT& rect);
