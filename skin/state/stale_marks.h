// Marking what must compose its picture afresh because the background
// behind it changed: the children of a frame after it moved or resized, the
// container behind a control that moves.
#pragma once

#include <windows.h>

// Marks every container of the window's record for a full repaint with a
// fresh background; unless containersOnly, also the list-type controls,
// toolbars and labels of the record and the object-list members that
// belong to it. Returns the number of containers (0 without a record).
int MarkChildrenStale(HWND window, bool containersOnly);

// Sets backgroundStale of the container record of control's parent, when
// the parent is a registered container (and not marked with Wxk_LBID): the
// container captures its background again before its next paint.
void MarkParentContainerStale(HWND control);

// The default of every skinned child control's procedure: on
// WM_WINDOWPOSCHANGING the container behind the control goes stale
// (MarkParentContainerStale); every message then passes on (PassOn).
LRESULT PassOnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
