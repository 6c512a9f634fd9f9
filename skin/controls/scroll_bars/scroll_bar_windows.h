// Drawn scroll bars. Edit boxes and list-type controls keep their standard
// scroll bars, which do the scrolling; the skin lays a disabled "Static"
// window of its own over each standard bar (so the mouse still reaches the
// bar underneath) and paints a drawn bar into it: a gradient track, a
// glassy thumb where the standard bar reports it, and two arrow buttons.
//
// The host's record holds the bar windows and the part rectangles of the
// last paint: an "Edit" host's edit record, any other host's list record,
// both found through the host's Hw_FuID and Hw_lbID. A bar window carries
// Mngd_zct (its host), Hw_FuID (its window record) and Hw_hProc.
#pragma once

#include <windows.h>

#include "skin/controls/scroll_bars/scroll_bar_layout.h"
#include "skin/state/skin_state.h"

enum class ScrollBarOrientation { Vertical, Horizontal };

// Creates the bar window for host's standard bar of that orientation, as a
// child of host's parent. shown: placed over the standard bar and visible;
// otherwise hidden at (0, 0), 10 x 10, until SyncScrollBarWindows places it.
// Returns the bar window (0 when it cannot be made).
HWND CreateScrollBarWindow(HWND host, ScrollBarOrientation orientation, bool shown);

// Subclass procedure of the bar windows: paints the drawn bar on WM_PAINT.
LRESULT CALLBACK ScrollBarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows or hides host's bar windows by host's style and visibility and
// moves them over the standard bars.
void SyncScrollBarWindows(HWND host);

// Paint host's drawn bar now, with part highlighted. Nothing
// happens when host has no record or no bar window of that orientation.
void PaintVerticalScrollBar(HWND host, ScrollBarPart part);
void PaintHorizontalScrollBar(HWND host, ScrollBarPart part);

// Paints host's drawn bar of that orientation now, with part highlighted,
// while host still has the standard bar's style (WS_VSCROLL, WS_HSCROLL).
void RepaintScrollBar(HWND host, ScrollBarOrientation orientation, ScrollBarPart part);
// Both drawn bars, nothing highlighted: they show the standard bars' state
// again after the standard control may have drawn over them.
void RepaintScrollBars(HWND host);

// The part of host's drawn bar under the screen point packed in lParam (as
// in WM_NCMOUSEMOVE), by the part rectangles of the last paint.
ScrollBarPart HitTestVerticalBar(HWND host, LPARAM lParam);
ScrollBarPart HitTestHorizontalBar(HWND host, LPARAM lParam);

// The bar window and the part rectangles of host's record for an
// orientation; bar 0 and parts nullptr when host has no record. The parts
// pointer is valid until the record lists change.
struct ScrollBarSlot {
  HWND bar = nullptr;
  ScrollBarParts* parts = nullptr;
};
ScrollBarSlot FindScrollBarSlot(HWND host, ScrollBarOrientation orientation);

// host's standard bar of that orientation (GetScrollBarInfo); all fields 0
// when the call fails.
SCROLLBARINFO ReadStandardBar(HWND host, ScrollBarOrientation orientation);
