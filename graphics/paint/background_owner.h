// Which skinned window, and which of its containers, lies behind a window:
// the lookups the background composition rests on, and the page area of a
// tab control.
#pragma once

#include <windows.h>

#include "app/text_ops.h"
#include "win32/window_helpers.h"

enum class BackgroundOwnerKind {
  None,       // no registered window above
  Top,        // the window itself, or the first registered window above it, is a record's window
  Container,  // the first registered window above it is a container
};

struct BackgroundOwner {
  BackgroundOwnerKind kind = BackgroundOwnerKind::None;
  int recordIndex = 0;     // window record, 1-based; 0 = none
  int containerIndex = 0;  // entry in that record's containers (kind Container), else 0
};

// When window is a record's window: (Top, that record, 0). Otherwise the
// ancestors are walked up with GetParent; at each one the records are tried
// in order, the record's window before its containers, and the first match
// is the result. (None, 0, 0) when nothing matches. The window itself is
// compared only with the records' windows, never with containers.
BackgroundOwner FindBackgroundOwner(HWND window);

// Walks up from window with GetParent (window itself is not tried). Stops
// with 0 on reaching stopWindow (0 = none) or a window without a parent; at
// the first ancestor that is a container of record recordIndex with
// drawFrame set, returns its container index.
int FindFramedAncestorContainer(int recordIndex, HWND window, HWND stopWindow);

// The page area of a tab control, in its client coordinates, without the
// rows of tabs (taken as rows x the first tab's size, plus one pixel).
RECT TabPageRect(HWND tab);
