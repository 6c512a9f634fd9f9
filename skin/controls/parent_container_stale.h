// A control that moves changes what the container it lies in shows behind
// its children: the container then captures its background again before
// its next paint.
#pragma once

#include <windows.h>

// Sets backgroundStale of the container record of control's parent, when
// the parent is a registered container (and not marked with Wxk_LBID).
void MarkParentContainerStale(HWND control);
