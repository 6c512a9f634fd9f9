// Trackbar skin: an optional rounded trough, a thin dark channel, an accent
// line from the start of the channel to the thumb, a white selection mark
// and a round glassy knob that grows while the mouse is over the control.
// The trackbar's own painting never reaches the screen; its keyboard and
// mouse handling stay as they are.
#pragma once

#include <windows.h>

#include "skin/state/skin_codes.h"

// The tick placement code of a trackbar style: kTicksNone with TBS_NOTICKS,
// else kTicksTop with TBS_TOP, else kTicksBoth with TBS_BOTH, else
// kTicksBottom.
TickPlacement TrackbarTickPlacement(DWORD style);

// Registers and skins the "msctls_trackbar32" children of parent in the
// trackbar list of window record windowIndex. Trackbars registered there
// already are left alone. Does nothing while SkinChildControls is 0.
void InstallTrackbarSkins(int windowIndex, HWND parent);

// The subclass procedure of every skinned trackbar.
LRESULT CALLBACK TrackbarSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints trackbar controlIndex of window record windowIndex over the
// background behind it, on screen and into the window's composite.
void PaintTrackbar(int windowIndex, int controlIndex);
