// The timed runner's wait: time-outs, abandoned workers, messages meanwhile.
#include <gtest/gtest.h>

#include <thread>

#include "tests/web/demo_service.h"

namespace {

constexpr UINT kProbeMessage = WM_APP + 7;

struct ProbeLog {
  int probes = 0;
  DWORD probeTime = 0;
};
ProbeLog g_log;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kProbeMessage) return DefWindowProcA(window, message, wParam, lParam);
  ++g_log.probes;
  g_log.probeTime = GetTickCount();
  return 0;
}

struct ProbeWindow {
  HWND window;
  ProbeWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PxFetchProbe";
    RegisterClassA(&wc);
    window = CreateWindowExA(0, "PxFetchProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             wc.hInstance, nullptr);
    g_log = ProbeLog();
  }
  ~ProbeWindow() { DestroyWindow(window); }
};

// Posts the probe message to window after delay milliseconds, from another thread.
std::thread PostLater(HWND window, DWORD delay) {
  return std::thread([=] {
    Sleep(delay);
    PostMessageA(window, kProbeMessage, 0, 0);
  });
}

TEST(FetchTimeout, StalledServerTimesOutLeavingNoThreadOrHandle) {
  // One fetch first, so that what the network library keeps per process exists.
  FetchText(DemoUrl("/slow?ms=0"));
  ASSERT_TRUE(SettlesTo(ProcessThreadCount(), ProcessHandleCount(), 0));
  const int threads = ProcessThreadCount();
  const DWORD handles = ProcessHandleCount();
  Text headers = "untouched";
  Text cookies = "untouched";
  FetchOptions options;
  options.timeoutSeconds = 1;
  options.responseHeaders = &headers;
  options.receivedCookies = &cookies;
  for (int i = 0; i < 3; ++i) {
    const DWORD start = GetTickCount();
    EXPECT_EQ(FetchText(DemoUrl("/stall"), options), Text(TimeoutText));
    EXPECT_GE(GetTickCount() - start, 950u);
    EXPECT_LT(GetTickCount() - start, 4000u);
  }
  EXPECT_EQ(headers, "untouched");
  EXPECT_EQ(cookies, "untouched");
  EXPECT_TRUE(SettlesTo(threads, handles, 5000))
      << "threads " << threads << " -> " << ProcessThreadCount() << ", handles " << handles
      << " -> " << ProcessHandleCount();
}

TEST(FetchTimeout, MessageShortlyBeforeTheLimitDoesNotExtendTheWait) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.window);
  // Waiting the full limit again after this message would end near 3.7 s.
  std::thread poster = PostLater(probe.window, 1700);
  FetchOptions options;
  options.timeoutSeconds = 2;
  const DWORD start = GetTickCount();
  const Text page = FetchText(DemoUrl("/stall"), options);
  const DWORD took = GetTickCount() - start;
  poster.join();
  EXPECT_EQ(page, Text(TimeoutText));
  EXPECT_EQ(g_log.probes, 1);
  EXPECT_GE(took, 1950u);
  EXPECT_LT(took, 2900u);
}

TEST(FetchTimeout, LateWorkerResultsReachNobody) {
  // The answer (with its cookie) comes after the caller has given up.
  const Text name = UniqueName("late");
  Text cookies = "untouched";
  FetchOptions options;
  options.timeoutSeconds = 1;
  options.receivedCookies = &cookies;
  EXPECT_EQ(FetchText(DemoUrl("/setcookie?ms=1500&c=" + name + "%3D1"), options), Text(TimeoutText));
  Sleep(2000);
  EXPECT_EQ(cookies, "untouched");
  EXPECT_EQ(FetchText(DemoUrl("/needcookie")).find(name), Text::npos);
}

TEST(FetchWait, MessagesAreDispatchedWhileWaiting) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.window);
  std::thread poster = PostLater(probe.window, 300);
  FetchOptions options;
  options.timeoutSeconds = 30;  // ends when the worker does, not at the limit
  const DWORD start = GetTickCount();
  const Text page = FetchText(DemoUrl("/slow?ms=1500"), options);
  const DWORD end = GetTickCount();
  poster.join();
  EXPECT_EQ(page, "slow 1500");
  ASSERT_EQ(g_log.probes, 1);
  // Handled soon after it arrived, not when the fetch was over.
  EXPECT_GT(end - g_log.probeTime, 700u);
  EXPECT_LT(end - start, 4000u);
}

TEST(FetchWait, QueuedWmQuitGivesUpAtOnceAndStaysQueued) {
  PostQuitMessage(3);
  FetchOptions options;
  options.timeoutSeconds = 30;
  const DWORD start = GetTickCount();
  EXPECT_EQ(FetchText(DemoUrl("/slow?ms=1500"), options), "");
  EXPECT_LT(GetTickCount() - start, 500u);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
}

}  // namespace
