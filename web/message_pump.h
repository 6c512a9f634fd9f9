// Dispatching the calling thread's window messages: the one routine that
// both the program's message loop and the waits inside long work use, so
// that keyboard navigation (Tab, Esc) works the same in either.
#pragma once

#include <windows.h>

// Sees every message before it is translated and dispatched; true when it
// consumed the message. The main window installs its keyboard navigation.
using MessageFilter = bool (*)(MSG& msg);
void SetMessageFilter(MessageFilter filter);

// Filters, translates and dispatches one message taken from the queue.
void DispatchQueuedMessage(MSG& msg);

// Dispatches pending messages until the queue is empty or holds WM_QUIT
// (which stays queued for the real message loop).
void ProcessPendingMessages();

// True when WM_QUIT is queued: the program is ending, and work that waits
// while it dispatches messages should give up and return.
bool QuitRequested();
