// Registration of button controls in the button list of a window record,
// shared by the push button installer and the radio/check box installer.
#pragma once

#include <windows.h>

#include "app/text_ops.h"
#include "skin/state/skin_state.h"
#include "skin/state/window_helpers.h"

// The button record of a registered control through its Hw_FuID and
// Hw_lbID, or nullptr.
ButtonRecord* ButtonRecordOf(HWND window);

// True when window already runs ButtonSkinProc: subclassing it again would
// make the skin procedure its own saved procedure.
bool HasButtonSkinProc(HWND window);

// Takes a record in the button list of window record windowIndex (the
// single empty record, else a new one), fills window, kind, caption,
// glowColour -1 and the font, sets Hw_lbID and Hw_FuID, subclasses the
// control with ButtonSkinProc and keeps the replaced procedure in the
// record and in Hw_hProc. Returns the control index (0 when windowIndex is
// not valid).
int RegisterButton(int windowIndex, HWND window, ButtonKind kind);
