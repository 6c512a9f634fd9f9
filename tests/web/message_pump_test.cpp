#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "web/message_pump.h"

namespace {

constexpr UINT kProbeMessage = WM_APP + 1;
std::vector<WPARAM> g_seen;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbeMessage) {
    g_seen.push_back(wParam);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

class ProbeWindow {
 public:
  ProbeWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PxPumpProbe";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, "PxPumpProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
  }
  ~ProbeWindow() {
    if (window_) DestroyWindow(window_);
  }
  HWND get() const { return window_; }

 private:
  HWND window_;
};

// Drops whatever an earlier test left in the queue.
void DrainQueue() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

TEST(ProcessPendingMessages, DispatchesEveryPostedMessageInOrder) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.get());
  DrainQueue();
  g_seen.clear();
  for (WPARAM i = 1; i <= 5; ++i) PostMessageA(probe.get(), kProbeMessage, i, 0);
  ProcessPendingMessages();
  EXPECT_EQ(g_seen, (std::vector<WPARAM>{1, 2, 3, 4, 5}));
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST(ProcessPendingMessages, LeavesWmQuitForTheMessageLoop) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.get());
  DrainQueue();
  g_seen.clear();
  PostMessageA(probe.get(), kProbeMessage, 1, 0);
  PostQuitMessage(7);
  ProcessPendingMessages();
  ProcessPendingMessages();
  EXPECT_EQ(g_seen, (std::vector<WPARAM>{1}));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
