// Header control skin, for headers standing alone and those of list views:
// each item gets a gradient face (hot and pressed looks for clickable
// headers), a divider, its icon and its text. The header keeps its own
// clicking, resizing and notifications.
#pragma once

#include <windows.h>

#include "app/text_ops.h"

// Registers and skins the "SysHeader32" children of parent, then the first
// "SysHeader32" child of every "SysListView32" child of parent (with the
// header's font read for the painter), in the header list of window record
// windowIndex. Headers registered there already are left alone. Does
// nothing while SkinChildControls is 0.
void InstallHeaderSkins(int windowIndex, HWND parent);

// The subclass procedure of every skinned header.
LRESULT CALLBACK HeaderSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints every item of header controlIndex of window record windowIndex on
// screen and into the window's composite.
void PaintHeader(int windowIndex, int controlIndex);

// The 1-based index of the first item whose rectangle holds the x of lParam
// at least 5 pixels away from both of its edges; 0 when none does (the
// zones at the dividers belong to no item).
int HeaderItemAt(int windowIndex, int controlIndex, LPARAM lParam);

// Width of text laid out in the font (face, size in pixels, GDI+ style),
// rounded down, plus 1.
int MeasureTextWidth(const Text& text, const Text& face, int size, int style);
