// What a window that holds skinned controls does for them, the one copy the
// frame procedure and the container procedure both call: the per-class
// control skins
// run on its children, the colours it hands to them on WM_CTLCOLOR*, and the
// repaints it triggers on their commands and notifications.
#pragma once

#include <windows.h>

// Runs the per-class control installers on the direct children of parent,
// registering them in window record windowIndex, in their fixed order: push
// buttons, radio buttons and check boxes, edit and combo boxes, trackbars,
// progress bars, list-type controls, up-down controls, headers, toolbars.
void InstallChildControlSkins(int windowIndex, HWND parent);

// WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN and WM_CTLCOLORSTATIC
// for control drawing on dc: true with the brush in result when the skin
// answers (a pattern brush of the background behind an edit or static
// control, the hollow brush for buttons and plain list boxes; see
// ctl_colour_brushes.h); false when the message is to be passed on, also
// when no background brush can be made.
bool AnswerChildControlColour(UINT message, HDC dc, HWND control, LRESULT& result);

// WM_COMMAND from a child: while SkinChildControls and ControlBackdropSet
// are both 1, the edit, list box and combo box notifications that change
// what the control shows invalidate it (and repaint an edit box's drawn
// scroll bars on EN_CHANGE).
void RepaintOnChildCommand(WPARAM wParam, LPARAM lParam);

// WM_NOTIFY from a child: tree-view expansion invalidates the tree view; a
// tab change (TCN_SELCHANGING, or UDN_DELTAPOS of the up-down inside a tab
// control) makes that tab control's container record paint completely.
void RepaintOnChildNotify(LPARAM lParam);

// Deletes the objects held in Kj_dxjb and Kj_wtjb of every direct child of
// parent (those the skin handed out on WM_CTLCOLOR*).
void DeleteChildCtlColorObjects(HWND parent);
