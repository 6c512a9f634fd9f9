// What the trackbar, progress bar, up-down and header skins share beyond
// the skin-wide helpers: their hover classes and the answer to
// WM_ERASEBKGND.
#pragma once

#include <windows.h>

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/colour_convert.h"
#include "graphics/paint/fill_steps.h"
#include "skin/state/skin_state.h"
#include "skin/state/window_helpers.h"

namespace bar_skin {

// hotControlClass values of these skins (progress bars take no part in hover).
inline constexpr int kHotClassTrackbar = 2;
inline constexpr int kHotClassUpDown = 8;
inline constexpr int kHotClassHeader = 9;

// WM_ERASEBKGND of the drawn controls: the background stays as it is.
LRESULT KeepBackground(HDC dc);

}  // namespace bar_skin
