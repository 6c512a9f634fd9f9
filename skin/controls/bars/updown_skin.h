// Up-down control skin: two rounded glassy buttons with arrow pictures; the
// half under the mouse is highlighted and, while pressed, inverted. The
// control's own painting never reaches the screen; it still changes its
// value and its buddy.
#pragma once

#include <windows.h>

#include <optional>

// Registers and skins the "msctls_updown32" children of parent in the
// up-down list of window record windowIndex. Controls registered there
// already are left alone. Does nothing while SkinChildControls is 0.
void InstallUpDownSkins(int windowIndex, HWND parent);

// The subclass procedure of every skinned up-down control.
LRESULT CALLBACK UpDownSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints up-down control controlIndex of window record windowIndex. Values
// not given come from the record: hot from hot, pressed from buttonDown,
// mouse (a mouse message's lParam) from lastMouse, which holds the last
// press or release and, while no button is held, the last mouse move.
void PaintUpDown(int windowIndex, int controlIndex, std::optional<bool> hot = std::nullopt,
                 std::optional<bool> pressed = std::nullopt,
                 std::optional<LPARAM> mouse = std::nullopt);

// The half of the control at the mouse position in lParam: 1 for the second
// half (right or bottom), when the coordinate along the control is past
// half the window's extent; otherwise 0.
int UpDownHalfAt(int windowIndex, int controlIndex, LPARAM lParam);
