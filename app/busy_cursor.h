// The "working in background" cursor (IDC_APPSTARTING) over the main window
// while a fetch or the filling of the shown list runs, as Windows programs
// show it; the normal cursors return when the work is done.
#pragma once

#include <windows.h>

// Each piece of work that starts calls BeginBusy and, when it ends, EndBusy
// once; the window is busy while any runs. The cursor under the mouse
// changes at once.
void BeginBusy(HWND mainWindow);
void EndBusy(HWND mainWindow);
bool IsBusy(HWND mainWindow);

// Forgets the window's work (the window is going away).
void ClearBusy(HWND mainWindow);

// The main window's WM_SETCURSOR (which its controls hand up to it): sets
// the busy cursor and returns true while busy, else false (the window then
// passes the message on).
bool SetBusyCursor(HWND mainWindow);
