// Combo box skin. The whole combo box is redrawn over the skin background:
// a thin outline that turns to the accent colour on hover or focus, a
// glassy drop-down button with the down-arrow picture and, for a drop-down
// list, the current text. Child windows (the edit field, the list of a
// simple combo box) are keyed out of that picture and paint themselves.
//
// The edit field of a drop-down combo box is skinned as an edit box while
// ControlBackdropSet is 1, and the combo box answers its WM_CTLCOLOREDIT
// with a pattern brush of the background behind it (kept in the field's
// Kj_dxjb and Kj_wtjb), so that its text lies transparently over the skin.
//
// A combo record lives in the combo list of the window record; the combo
// box carries Hw_lbID (its index there), Hw_FuID and Hw_hProc.
#pragma once

#include <windows.h>

#include <optional>

// Registers and skins the "ComboBox" children of parent into the combo list
// of window record windowIndex; the edit field of each (when
// ControlBackdropSet is 1) goes into the edit list without drawn scroll bars.
// Runs right after the edit boxes of the same parent. Combo boxes already
// registered there are left alone. Does nothing while SkinChildControls is 0.
void InstallComboSkins(int windowIndex, HWND parent);

// 1-based index of window's record in the combo list of window record
// windowIndex, or 0.
int FindComboRecord(int windowIndex, HWND window);

// Subclass procedure of skinned combo boxes.
LRESULT CALLBACK ComboSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints combo box controlIndex of window record windowIndex now, into its
// window DC and the composite image. focus not given: the record's hasFocus.
void PaintComboBox(int windowIndex, int controlIndex, bool hot,
                   std::optional<bool> focus = std::nullopt);
