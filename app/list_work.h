// What a retrieval does with its page once it has arrived: the list is cut
// out of the page on a worker thread, so that a page of a million entries
// does not hold up the window; back on the window thread it becomes the
// full list (编辑框1) and, for an extract, the kept lines fill the shown
// list (编辑框20) in slices. The window is busy until that is done. A
// retrieval that failed empties the lists and says why.
#pragma once

#include <windows.h>

#include "app/extract_failure.h"
#include "app/text_ops.h"
#include "web/timed_fetch.h"

// Posted to the main window when a cut is ready; wParam is its ticket.
constexpr UINT kListCutDoneMessage = WM_APP + 1;

// Starts the list work of page, which came as report says. With
// fillShownList, 编辑框20 is emptied and filled with the lines whose key
// equals the prefix in 编辑框30 when the list is stored. An answer without
// the list marker ends as FailRetrieval with the reason NoList. A list
// work still running for the window is cancelled first.
void StartListWork(HWND mainWindow, Bytes&& page, bool fillShownList, const FetchReport& report);

// A retrieval that failed: the full list is emptied, and with
// fillShownList 编辑框20 too; then the box says why.
void FailRetrieval(HWND mainWindow, bool fillShownList, const ExtractFailure& failure);

// The main window's kListCutDoneMessage: stores the cut list and starts the
// fill, unless the work has been cancelled since.
void OnListCutDone(HWND mainWindow, WPARAM ticket);

// Stops the window's list work: a cut still running is dropped when it
// ends, a fill stops where it is. For a newer retrieval and for the
// window's end.
void CancelListWork(HWND mainWindow);

// A list work of the window has not finished yet.
bool ListWorkPending(HWND mainWindow);

// Where the time of the latest list work went, for the benchmark. Moments
// are CounterMs() readings, 0 until reached.
struct ListWorkTimes {
  double pageIn = 0;    // the fetch had returned the page
  double cutTaken = 0;  // the window thread took the list cut on the worker
  double stored = 0;    // it was the full list
  double filterMs = 0;  // the fill spent filtering
  double filled = 0;    // the fill had ended
};
ListWorkTimes LatestListWorkTimes();
