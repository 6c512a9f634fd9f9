// Skin of the list-type controls: list boxes, the list of a simple combo
// box ("ComboLBox"), list views, tree views, IP address controls and
// date-time pickers.
//
// Their non-client frame is drawn like an edit box's; list boxes, list views
// and tree views get drawn scroll bars; the client area of list boxes, list
// views, tree views and date-time pickers is composed over the skin
// background: the control's own procedure paints into a memory DC that
// already holds the background, and the result goes to the screen and into
// the composite image. A stale flag per control decides between composing
// afresh and copying back from the composite.
//
// A list record lives in the list-type list of the window record; the
// control carries Hw_lbID (its index there), Hw_FuID and Hw_hProc.
#pragma once

#include <windows.h>

#include <optional>

// Registers and skins the list-type children of parent into the list-type
// list of window record windowIndex, class by class: list boxes, the lists
// of parent's simple combo boxes, list views, tree views, IP address
// controls, date-time pickers. Controls already registered there are left
// alone. Does nothing while SkinChildControls is 0.
void InstallListSkins(int windowIndex, HWND parent);

// 1-based index of window's record in the list-type list of window record
// windowIndex, or 0.
int FindListRecord(int windowIndex, HWND window);

// Subclass procedure of skinned list-type controls.
LRESULT CALLBACK ListSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the non-client frame of list control controlIndex of window record
// windowIndex now; hot and focus not given are taken from the record.
void PaintListFrame(int windowIndex, int controlIndex, std::optional<bool> hot = std::nullopt,
                    std::optional<bool> focus = std::nullopt);

// A memory DC of the control's client size holding the background behind
// its client area under the white overlay; release it with ReleaseMemoryDc.
// 0 when nothing skinned lies behind the control.
HDC ListClientBackground(HWND control);

// A "ListBox" with LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE.
bool IsOwnerDrawListBox(HWND control);

// window's screen rectangle less the left and top of its parent's window
// rectangle; (0, 0, 0, 0) for the window of a window record.
RECT WindowRectInParent(HWND window);
