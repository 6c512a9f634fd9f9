// The click handlers of the main window's command buttons.
#pragma once

#include <windows.h>

// Queries the extraction service with the window's settings and stores the
// cut list as the full list (编辑框1). The page is cut on a worker thread
// and stored from the message loop, after this returns. False when a newer
// retrieval, started while this one waited, has overtaken it: its page is
// then dropped.
bool FetchProxyList(HWND mainWindow);

// Fetches, then shows in 编辑框20 the lines of the full list whose key
// equals the prefix in 编辑框30. Returns once the page is in; the cut, the
// store and the fill of 编辑框20 (in slices) follow from the message loop.
// A newer retrieval stops what is left of it.
void ExtractAndFilter(HWND mainWindow);

// Writes the full list (as stored, also while the shown list still fills)
// and the contact line to ip.txt and confirms.
void SaveList(HWND mainWindow);

// Puts the full list on the clipboard and confirms.
void CopyList(HWND mainWindow);

// Title of the confirmation boxes.
extern const char* const kConfirmTitle;  // "岚舟提示"
