// Misbehaving services and fetches given up: each fetch ends with the right
// result, and what a cancelled one held (worker thread, socket, handles) is
// gone within 2 s of the cancel, whatever the server goes on doing.
#include <gtest/gtest.h>

#include "tests/web/demo_service.h"
#include "web/message_pump.h"

namespace {

constexpr DWORD kSettleMs = 2000;

// The holdings once a first fetch has created what the network library keeps
// per process and its worker has gone.
Holdings Baseline() {
  // GoogleTest starts a watcher thread of its own when a trace or failure is
  // first recorded on a thread: have it counted in the baseline.
  { SCOPED_TRACE("baseline"); }
  FetchText(DemoUrl("/slow?ms=0"));
  Holdings last = CurrentHoldings();
  for (int i = 0; i < 40; ++i) {
    Sleep(50);
    const Holdings now = CurrentHoldings();
    if (now.threads == last.threads && now.handles == last.handles && now.sockets == last.sockets)
      break;
    last = now;
  }
  return CurrentHoldings();
}

FetchOptions WithTimeout(int seconds) {
  FetchOptions options;
  options.timeoutSeconds = seconds;
  return options;
}

TEST(HostileService, TimedOutFetchesEndTheirWorkersWhateverTheServerSends) {
  const Holdings before = Baseline();
  // Silence, a byte every 50 ms, and a reply so slow that its reads never fill.
  for (const char* path : {"/stall", "/trickle?ms=50", "/trickle?ms=5", "/drip?pieces=100&ms=400"}) {
    SCOPED_TRACE(path);
    for (int round = 0; round < 2; ++round) {
      const DWORD start = GetTickCount();
      EXPECT_EQ(FetchText(DemoUrl(path), WithTimeout(1)), Text(TimeoutText));
      const DWORD took = GetTickCount() - start;
      EXPECT_GE(took, 950u);
      EXPECT_LT(took, 2000u);
    }
    EXPECT_TRUE(SettlesTo(before, kSettleMs)) << HoldingsChange(before);
  }
}

TEST(HostileService, RedirectLoopEndsWithAnEmptyResult) {
  const Holdings before = Baseline();
  for (const char* path : {"/loop", "/loop?code=307", "/loop?code=301"}) {
    SCOPED_TRACE(path);
    Text headers = "untouched";
    FetchOptions options = WithTimeout(20);
    options.method = 1;
    options.body = TextToBytes("x=1");
    options.responseHeaders = &headers;
    const DWORD start = GetTickCount();
    EXPECT_EQ(FetchText(DemoUrl(path), options), "");
    EXPECT_LT(GetTickCount() - start, 5000u) << "ends at the limit, not at the time-out";
    EXPECT_EQ(headers, "");
    EXPECT_TRUE(SettlesTo(before, kSettleMs)) << HoldingsChange(before);
  }
}

TEST(HostileService, BrokenAnswersEndPromptlyWithWhatArrived) {
  const Holdings before = Baseline();
  // Half the page, then a reset: never more than was sent.
  DWORD start = GetTickCount();
  const Text reset = FetchText(DemoUrl("/reset"), WithTimeout(20));
  EXPECT_LT(GetTickCount() - start, 3000u);
  EXPECT_EQ(reset.find("</html>"), Text::npos) << reset;

  // Not HTTP at all: no time-out, no page marker, nothing left behind.
  start = GetTickCount();
  const Text notHttp = FetchText(DemoUrl("/nothttp"), WithTimeout(20));
  EXPECT_LT(GetTickCount() - start, 3000u);
  EXPECT_NE(notHttp, Text(TimeoutText));
  EXPECT_EQ(notHttp.find("</h4>"), Text::npos);

  // One header line of 100,000 bytes: the page arrives whole, and so do the
  // header lines after it (the network library may shorten the long one).
  Text headers;
  FetchOptions options = WithTimeout(20);
  options.responseHeaders = &headers;
  const Text page = FetchText(DemoUrl("/hugeheader?bytes=100000"), options);
  ASSERT_GT(page.size(), 8u);
  EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");
  EXPECT_NE(headers.find("X-Huge: hhhh"), Text::npos);
  EXPECT_NE(headers.find("\r\nContent-Length: " + ValueToText(static_cast<long long>(page.size())) +
                         "\r\n"),
            Text::npos);
  EXPECT_TRUE(SettlesTo(before, kSettleMs)) << HoldingsChange(before);
}

TEST(Redirects, TenAreFollowedAndTheEleventhEndsTheFetch) {
  EXPECT_EQ(FetchText(DemoUrl("/hops?n=10")), "arrived GET ");
  Text headers = "untouched";
  FetchOptions options;
  options.responseHeaders = &headers;
  EXPECT_EQ(FetchText(DemoUrl("/hops?n=11"), options), "");
  EXPECT_EQ(headers, "");
}

TEST(Redirects, SeeOtherTurnsPostIntoGetTemporaryAndPermanentKeepIt) {
  FetchOptions post;
  post.method = 1;
  post.body = TextToBytes("ab");
  EXPECT_EQ(FetchText(DemoUrl("/hops?n=2&code=302"), post), "arrived GET ");
  EXPECT_EQ(FetchText(DemoUrl("/hops?n=2&code=303"), post), "arrived GET ");
  EXPECT_EQ(FetchText(DemoUrl("/hops?n=2&code=307"), post), "arrived POST ab");
  EXPECT_EQ(FetchText(DemoUrl("/hops?n=2&code=308"), post), "arrived POST ab");
}

FetchAbort* g_abortLater = nullptr;
DWORD g_actedAt = 0;

void CALLBACK AbortNow(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_actedAt = GetTickCount();
  AbortFetch(*g_abortLater);
}

void CALLBACK QuitNow(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_actedAt = GetTickCount();
  PostQuitMessage(5);
}

TEST(GivingUp, AbortEndsTheWaitingFetchAndItsWorkerAtOnce) {
  const Holdings before = Baseline();
  for (const char* path : {"/stall", "/trickle?ms=20"}) {
    SCOPED_TRACE(path);
    FetchAbort abort;
    g_abortLater = &abort;
    FetchOptions options;  // the default time-out: 60 s
    options.abort = &abort;
    SetTimer(nullptr, 0, 300, AbortNow);
    EXPECT_EQ(FetchText(DemoUrl(path), options), "");
    EXPECT_LT(GetTickCount() - g_actedAt, 500u);
    EXPECT_TRUE(SettlesTo(before, kSettleMs)) << HoldingsChange(before);
  }
  // Given up before it starts: no worker at all.
  FetchAbort early;
  AbortFetch(early);
  FetchOptions options;
  options.abort = &early;
  const int threads = ProcessThreadCount();
  EXPECT_EQ(FetchText(DemoUrl("/slow?ms=0"), options), "");
  EXPECT_EQ(ProcessThreadCount(), threads);
}

TEST(GivingUp, WmQuitWhileWaitingEndsTheFetchAndItsWorkerAndStaysQueued) {
  const Holdings before = Baseline();
  SetTimer(nullptr, 0, 300, QuitNow);
  EXPECT_EQ(FetchText(DemoUrl("/trickle?ms=20")), "");
  EXPECT_LT(GetTickCount() - g_actedAt, 500u);
  EXPECT_TRUE(QuitRequested());
  EXPECT_TRUE(SettlesTo(before, kSettleMs)) << HoldingsChange(before);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 5u);
}

TEST(FetchTimeout, ZeroOrLessTimesOutAtTheFirstReturnFromTheWait) {
  const Holdings before = Baseline();
  for (int seconds : {0, -3}) {
    SCOPED_TRACE(seconds);
    Text headers = "untouched";
    FetchOptions options = WithTimeout(seconds);
    options.responseHeaders = &headers;
    const DWORD start = GetTickCount();
    EXPECT_EQ(FetchText(DemoUrl("/slow?ms=0"), options), Text(TimeoutText));
    EXPECT_LT(GetTickCount() - start, 500u);
    EXPECT_EQ(headers, "untouched");
  }
  EXPECT_TRUE(SettlesTo(before, kSettleMs)) << HoldingsChange(before);
}

}  // namespace
