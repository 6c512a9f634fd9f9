#include "web/message_pump.h"

namespace {

MessageFilter g_filter = nullptr;

}  // namespace

void SetMessageFilter(MessageFilter filter) { g_filter = filter; }

void DispatchQueuedMessage(MSG& msg) {
  if (g_filter && g_filter(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    // WM_QUIT belongs to the real message loop: leave it queued.
    if (msg.message == WM_QUIT) return;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return;
    if (msg.message == WM_QUIT) {
      // A quit posted between the two peeks: put it back.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    DispatchQueuedMessage(msg);
  }
}

bool QuitRequested() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}
