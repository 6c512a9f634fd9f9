// The two close effects: the window's picture shrinks while it fades out
// (effect 1) or pulses while it fades out (effect 2), drawn through
// UpdateLayered. Blocks the GUI thread for the effect's duration.
//
// The frame procedure plays the effect only after the close callback (when
// there is one) has agreed to the close: a close the callback declines
// never fades. Should the window still exist after the effect (the saved
// procedure kept it open), EndCloseEffect brings it back whole.
#pragma once

#include <windows.h>

#include "skin/frame/close_effect_steps.h"

// Plays effect 1 (shrink) or 2 (pulse) on window; any other effect does
// nothing. Leaves the window layered, faded out and moved to the last
// frame's place, ready to be destroyed. The window rectangle it had before
// is written to originalBounds when given. Returns false (window untouched)
// when the effect is unknown or the window's picture cannot be captured.
bool PlayCloseEffect(HWND window, int effect, RECT* originalBounds = nullptr);

// Undoes a played effect on a window that was not destroyed after all:
// removes WS_EX_LAYERED, puts the window back at originalBounds (screen
// coordinates, as PlayCloseEffect reported them) and redraws it with its
// children.
void EndCloseEffect(HWND window, const RECT& originalBounds);
