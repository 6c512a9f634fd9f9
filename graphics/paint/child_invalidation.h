// Repainting the children of a window after the window itself was redrawn.
#pragma once

#include <windows.h>

// InvalidateRect(child, NULL, TRUE) for every visible direct child.
void InvalidateVisibleChildren(HWND window);
