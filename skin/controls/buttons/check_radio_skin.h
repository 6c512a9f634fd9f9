// Radio button and check box skin: the installer for the automatic radio
// buttons and check boxes of a skinned window or container, and their two
// painters. The controls keep their own behaviour (click, keyboard, the
// radio group's checking) and paint themselves through ButtonSkinProc.
#pragma once

#include <windows.h>

// Registers and subclasses the automatic radio buttons and check boxes that
// are direct children of parent into the button list of window record
// windowIndex. Does nothing while SkinChildControls is 0; owner-drawn
// controls and controls already registered there are left alone.
void InstallCheckAndRadioSkins(int windowIndex, HWND parent);

// Paint the control into its own window (they take its DC themselves, so
// they may be called from any message). Only kPaintHot of state changes
// the look; the check state is asked of the control.
void PaintRadioButton(HWND window, int state);
void PaintCheckBox(HWND window, int state);
