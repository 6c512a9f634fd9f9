// Dispatches the calling thread's pending window messages until the queue is
// empty or holds WM_QUIT (which stays queued for the real message loop).
#pragma once

void ProcessPendingMessages();
