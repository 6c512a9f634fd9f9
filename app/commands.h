// The click handlers of the main window's command buttons.
#pragma once

#include <windows.h>

// Queries the extraction service with the window's settings and stores the
// cut list as the full list (编辑框1). The page is cut on a worker thread
// and stored from the message loop, after this returns. When the service
// does not answer in time, cannot be reached or answers without a list,
// the full list is emptied and a box says why. False when a newer
// retrieval, started while this one waited, has overtaken it: its page is
// then dropped and nothing is said.
bool FetchProxyList(HWND mainWindow);

// Fetches, then shows in 编辑框20 the lines of the full list whose key
// equals the prefix in 编辑框30. Returns once the page is in; the cut, the
// store and the fill of 编辑框20 (in slices) follow from the message loop.
// A newer retrieval stops what is left of it. A failure empties both lists
// and says why, as FetchProxyList does.
void ExtractAndFilter(HWND mainWindow);

// Writes the full list (as stored, also while the shown list still fills)
// and the contact line to ip.txt and confirms. Without a list (nothing but
// white space and tags) ip.txt stays as it was and the box says so.
void SaveList(HWND mainWindow);

// Puts the full list on the clipboard and confirms. Without a list the
// clipboard stays as it was and the box says so.
void CopyList(HWND mainWindow);
