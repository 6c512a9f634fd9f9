// Progress bar skin: a rounded trough with a glassy accent bar whose length
// follows the position. The bar's own painting never reaches the screen.
#pragma once

#include <windows.h>

// Registers and skins the "msctls_progress32" children of parent in the
// progress bar list of window record windowIndex. Bars registered there
// already are left alone. Does nothing while SkinChildControls is 0.
void InstallProgressSkins(int windowIndex, HWND parent);

// The subclass procedure of every skinned progress bar.
LRESULT CALLBACK ProgressSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints progress bar controlIndex of window record windowIndex over the
// background behind it, on screen and into the window's composite.
void PaintProgressBar(int windowIndex, int controlIndex);

// Length in pixels of the filled part of a bar extent pixels long for
// position pos in the range low..high: trunc(extent / (high - low) * (pos -
// low)), 0 for an empty or inverted range.
int ProgressFillLength(int extent, int low, int high, int pos);
