// The window procedure of a skinned frame. The window has no system caption
// or border: the procedure makes the drawn title band and the edges behave
// like a frame (drag, resize, minimise, maximise, restore, a maximum size
// that leaves the taskbar free), paints from the cached back buffer, drives
// the title-bar buttons, colours the controls that lie on the window and
// releases everything when the window goes.
//
// Every routine finds the window record through the window's Hw_lbID; an
// invalid index means the message is passed on untouched.
#pragma once

#include <windows.h>

#include "skin/frame/frame_geometry.h"
#include "skin/state/skin_state.h"

// The subclass procedure the frame installer puts in front of the window's
// own procedure.
LRESULT CALLBACK FrameSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Releases what the record of window holds (the brushes of its edit boxes,
// the back buffer, the caches, the composite), restores the saved window
// procedure and removes the record, renumbering the others. Nothing
// happens for a window without a record. Run on WM_NCDESTROY.
void TearDownFrameSkin(HWND window);

// Empties the working set of this process (run when the application is
// deactivated). Nothing is written to disk and nothing is started.
void FlushWorkingSet();

// WM_MOUSEMOVE: sets the sizing cursor of the edge zone under the point
// (lParam, client coordinates) when the frame is resizable.
void SetEdgeCursor(int index, LPARAM lParam, const RECT& clientRect);

// WM_LBUTTONDOWN: starts the system's move loop in the title band or, on a
// resizable frame, its size loop on an edge or corner. Nothing happens in
// the title-button strip or while the title bar is not live.
void BeginDragOrSize(int index, LPARAM lParam, const RECT& clientRect);

// Moves the windows of stretchList over the client area.
void StretchChildren(int index);

// The screen without the taskbar, for WM_GETMINMAXINFO or
// WM_WINDOWPOSCHANGED.
AreaSize CurrentWorkArea(WorkAreaUse use);

// The resize zone's cursor (IDC_SIZEWE ...) and sizing command
// (SC_SIZE | WMSZ_LEFT ...); 0 for EdgeZone::None.
LPCSTR EdgeZoneCursor(EdgeZone zone);
WPARAM EdgeZoneCommand(EdgeZone zone);

// Signed client coordinates packed in a mouse message's lParam.
POINT MousePoint(LPARAM lParam);
