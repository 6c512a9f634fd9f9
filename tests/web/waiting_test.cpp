// The timed runner's wait: time-outs, what an abandoned worker leaves
// behind, and the window messages it keeps dispatching meanwhile.
#include <gtest/gtest.h>

#include <thread>

#include "tests/web/demo_service.h"

namespace {

constexpr UINT kProbeMessage = WM_APP + 7;
constexpr UINT kNestedFetchMessage = WM_APP + 8;

struct ProbeLog {
  int probes = 0;
  DWORD probeTime = 0;
  Text nestedPage;
  DWORD nestedEnd = 0;
};
ProbeLog g_log;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kProbeMessage:
      ++g_log.probes;
      g_log.probeTime = GetTickCount();
      return 0;
    case kNestedFetchMessage:
      g_log.nestedPage = FetchText(DemoUrl("/slow?ms=200"));
      g_log.nestedEnd = GetTickCount();
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
    wc.lpszClassName = "PxFetchProbe";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, "PxFetchProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
    g_log = ProbeLog();
  }
  ~ProbeWindow() {
    if (window_) DestroyWindow(window_);
  }
  HWND get() const { return window_; }

 private:
  HWND window_;
};

// Posts message to window after delay milliseconds, from another thread.
std::thread PostLater(HWND window, UINT message, DWORD delay) {
  return std::thread([=] {
    Sleep(delay);
    PostMessageA(window, message, 0, 0);
  });
}

Text TimeoutPage() { return TimeoutText; }

TEST(FetchTimeout, StalledServerGivesTimeoutTextAfterTheLimit) {
  Text headers = "untouched";
  Text cookies = "untouched";
  FetchOptions options;
  options.timeoutSeconds = 1;
  options.responseHeaders = &headers;
  options.receivedCookies = &cookies;
  const DWORD start = GetTickCount();
  const Text page = FetchText(DemoUrl("/stall"), options);
  const DWORD took = GetTickCount() - start;
  EXPECT_EQ(page, TimeoutPage());
  EXPECT_GE(took, 950u);
  EXPECT_LT(took, 4000u);
  EXPECT_EQ(headers, "untouched");
  EXPECT_EQ(cookies, "untouched");
}

TEST(FetchTimeout, NoThreadOrHandleLeftBehind) {
  // One fetch first, so that whatever the network library keeps for the
  // process exists already.
  FetchText(DemoUrl("/slow?ms=0"));
  ASSERT_TRUE(SettlesTo(ProcessThreadCount(), ProcessHandleCount(), 0));
  const int threads = ProcessThreadCount();
  const DWORD handles = ProcessHandleCount();
  FetchOptions options;
  options.timeoutSeconds = 1;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(FetchText(DemoUrl("/stall"), options), TimeoutPage());
  EXPECT_TRUE(SettlesTo(threads, handles, 5000))
      << "threads " << threads << " -> " << ProcessThreadCount() << ", handles " << handles
      << " -> " << ProcessHandleCount();
}

TEST(FetchTimeout, MessageShortlyBeforeTheLimitDoesNotExtendTheWait) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.get());
  // Waiting the full limit again after this message would end near 3.7 s.
  std::thread poster = PostLater(probe.get(), kProbeMessage, 1700);
  FetchOptions options;
  options.timeoutSeconds = 2;
  const DWORD start = GetTickCount();
  const Text page = FetchText(DemoUrl("/stall"), options);
  const DWORD took = GetTickCount() - start;
  poster.join();
  EXPECT_EQ(page, TimeoutPage());
  EXPECT_EQ(g_log.probes, 1);
  EXPECT_GE(took, 1950u);
  EXPECT_LT(took, 2900u);
}

TEST(FetchTimeout, ZeroOrNegativeTimeoutTimesOutAtFirstReturn) {
  for (int seconds : {0, -5}) {
    FetchOptions options;
    options.timeoutSeconds = seconds;
    const DWORD start = GetTickCount();
    EXPECT_EQ(FetchText(DemoUrl("/slow?ms=0"), options), TimeoutPage());
    EXPECT_LT(GetTickCount() - start, 1000u);
  }
}

TEST(FetchTimeout, LateWorkerResultsReachNobody) {
  // The answer (with its cookie) comes after the caller has given up.
  const Text name = UniqueName("late");
  Text cookies = "untouched";
  FetchOptions options;
  options.timeoutSeconds = 1;
  options.receivedCookies = &cookies;
  EXPECT_EQ(FetchText(DemoUrl("/setcookie?ms=1500&c=" + name + "%3D1"), options), TimeoutPage());
  Sleep(2000);
  EXPECT_EQ(cookies, "untouched");
  EXPECT_EQ(FetchText(DemoUrl("/needcookie")).find(name), Text::npos);
}

TEST(FetchTimeout, FinishesEarlyWhenTheWorkerDoes) {
  FetchOptions options;
  options.timeoutSeconds = 30;
  const DWORD start = GetTickCount();
  EXPECT_EQ(FetchText(DemoUrl("/slow?ms=300"), options), "slow 300");
  EXPECT_LT(GetTickCount() - start, 3000u);
}

TEST(FetchWait, MessagesAreDispatchedWhileWaiting) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.get());
  std::thread poster = PostLater(probe.get(), kProbeMessage, 300);
  const Text page = FetchText(DemoUrl("/slow?ms=1500"));
  const DWORD end = GetTickCount();
  poster.join();
  EXPECT_EQ(page, "slow 1500");
  ASSERT_EQ(g_log.probes, 1);
  // Handled soon after it arrived, not when the fetch was over.
  EXPECT_GT(end - g_log.probeTime, 700u);
}

TEST(FetchWait, NestedFetchFromAHandlerFinishesFirst) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.get());
  std::thread poster = PostLater(probe.get(), kNestedFetchMessage, 200);
  const Text page = FetchText(DemoUrl("/slow?ms=1200"));
  const DWORD end = GetTickCount();
  poster.join();
  EXPECT_EQ(page, "slow 1200");
  EXPECT_EQ(g_log.nestedPage, "slow 200");
  ASSERT_NE(g_log.nestedEnd, 0u);
  EXPECT_GE(end, g_log.nestedEnd);
}

TEST(FetchWait, QuitMessageStaysQueuedForTheMessageLoop) {
  PostQuitMessage(3);
  EXPECT_EQ(FetchText(DemoUrl("/slow?ms=300")), "slow 300");
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
}

}  // namespace
