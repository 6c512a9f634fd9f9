// Filling the shown list (编辑框20) with the kept lines of the full list in
// slices, driven by the message loop. A multi-line edit box lays out every
// line it is given, which makes a hundred thousand lines take seconds; in
// slices the window answers, moves, repaints and closes between them. The
// slices run back to back while nothing else waits for the window thread,
// and let whatever waits go first (list_fill.cpp tells how); each is sized
// to take a few tens of milliseconds.
//
// While the fill runs the box keeps showing the lines the user looks at
// (the first ones, unless the user scrolls); the end state is that of one
// append of all kept lines: every kept line in order, each followed by
// "\r\n", the caret at the end and scrolled into view.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/text_ops.h"

// Kept lines of the first slice; the later ones take as many as fit into
// the time a slice may take (app/fill_pace.h).
constexpr int kFillSliceLines = 1000;

// Starts filling box with the lines of fullList whose key equals prefix
// (the rules of FilterByPrefix), appended after the box's current text; a
// fill running for box is cancelled first. done runs once the last slice is
// in, or once the system has no message left to go on with (not when the
// fill is cancelled). Returns at once; the slices follow
// from the message loop. False, with nothing started, when the system has
// neither a posted message nor a timer to give. With filterMs, the milliseconds the fill spends
// filtering are added to it as it goes.
bool StartListFill(HWND box, std::shared_ptr<const Text> fullList, const Text& prefix,
                   std::function<void()> done, double* filterMs = nullptr);

// Stops the fill of box where it is; nothing when none runs.
void CancelListFill(HWND box);

bool ListFillRunning(HWND box);
