// Shared pieces of the list-type skin: the record of a registered control,
// its kind, and the two ways its client area is composed afresh.
#pragma once

#include <windows.h>

#include "skin/controls/lists/list_combo_rules.h"
#include "skin/state/skin_state.h"

// The list record of a registered control through its Hw_FuID and Hw_lbID,
// or nullptr.
ListRecord* ListRecordOf(HWND control);

// The list-type kind of control's window class.
ListKind ListKindOf(HWND control);

// Tree view: the control paints into the background (its own background
// being the key colour), the key colour is dropped onto the overlaid
// background, and the result goes to the screen and the composite.
// False (nothing done, the control has not painted) when nothing skinned
// lies behind the control.
bool ComposeTreeViewClient(HWND control, LPARAM lParam);

// List box, list view, date-time picker: the control paints over the
// overlaid background inside a BeginPaint of its own window; the result goes
// to the screen and the composite, and the visible children are invalidated.
// False (nothing done) when nothing skinned lies behind the control.
bool ComposeListClient(HWND control, LPARAM lParam);
