// ExecuteRequest on its own: slots, failures, cancelling from another thread.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include "tests/web/demo_service.h"
#include "web/http_exchange.h"

namespace {

RequestSlots Request(const Text& url, const Text& method = "GET") {
  RequestSlots slots;
  SetSlotText(slots, kSlotUrl, url);
  SetSlotText(slots, kSlotMethod, method);
  SetSlotText(slots, kSlotFollowRedirects, "真");
  return slots;
}

TEST(ExecuteRequest, WritesBodyCookiesAndHeadersKeepsTheInputs) {
  const Text name = UniqueName("ex");
  RequestSlots slots = Request(DemoUrl("/setcookie?c=" + name + "%3D3%3B%20path%3D%2F"));
  SetSlotText(slots, kSlotExtraHeaders, "X-A: 1\r\n");
  SetSlotText(slots, kSlotCookies, "own=1");
  const RequestSlots before = slots;
  ExecuteRequest(slots);
  EXPECT_EQ(SlotText(slots, kSlotResponseBody), "ok");
  EXPECT_EQ(SlotText(slots, kSlotReceivedCookies), name + "=3;");
  EXPECT_NE(SlotText(slots, kSlotResponseHeaders).find("Set-Cookie: " + name + "=3; path=/"),
            Text::npos);
  for (int i : {kSlotProxy, kSlotExtraHeaders, kSlotBody, kSlotFollowRedirects})
    EXPECT_EQ(slots.slot[i], before.slot[i]) << "slot " << i;
}

TEST(ExecuteRequest, FailuresGiveNoBodyCookiesOrResponse) {
  for (const Text& url : {Text("http://127.0.0.1:1/refused"), Text("not a url at all")}) {
    RequestSlots slots = Request(url);
    SetSlotText(slots, kSlotCookies, "c=1");
    ExecuteRequest(slots);
    EXPECT_TRUE(slots.slot[kSlotResponseBody].empty()) << url;
    EXPECT_TRUE(slots.slot[kSlotReceivedCookies].empty()) << url;
    EXPECT_EQ(SlotText(slots, kSlotResponseHeaders).find("HTTP/"), Text::npos) << url;
  }
}

TEST(ExecuteRequest, PortBeyondRangeIsNotWrappedToAnother) {
  // 65536 + the demo service's port would wrap around to the service.
  const Text host = DemoHost();
  const int port = std::atoi(host.substr(host.find(':') + 1).c_str());
  RequestSlots slots = Request("http://127.0.0.1:" + ValueToText(65536 + port) + "/zero");
  ExecuteRequest(slots);
  for (int i : {kSlotResponseBody, kSlotReceivedCookies, kSlotResponseHeaders})
    EXPECT_TRUE(slots.slot[i].empty()) << "slot " << i;
}

// Runs an exchange on another thread, cancels it after 500 ms and returns the
// milliseconds it took to end after that.
DWORD CancelAfterHalfASecond(RequestCancel& cancel, RequestSlots& slots) {
  DWORD ended = 0;
  std::thread worker([&] {
    ExecuteRequest(slots, &cancel);
    ended = GetTickCount();
  });
  Sleep(500);
  const DWORD cancelledAt = GetTickCount();
  CancelRequest(cancel);
  worker.join();
  return ended - cancelledAt;
}

TEST(RequestCancel, StopsReadingABodyStillArriving) {
  // 40 pieces 250 ms apart: ten seconds unless the cancel ends it.
  RequestCancel cancel;
  RequestSlots slots = Request(DemoUrl("/drip?pieces=40&ms=250"));
  EXPECT_LT(CancelAfterHalfASecond(cancel, slots), 1500u);
  // A cancelled exchange reports nothing.
  for (int i : {kSlotResponseBody, kSlotReceivedCookies, kSlotResponseHeaders})
    EXPECT_TRUE(slots.slot[i].empty()) << "slot " << i;
  EXPECT_TRUE(cancel.open.empty());
}

TEST(RequestCancel, EndsACallBlockedOnTheServerWithoutACallLimit) {
  // Silence, and bytes that trickle in: the cancel ends the call at once.
  for (const char* path : {"/stall", "/trickle?ms=30"}) {
    SCOPED_TRACE(path);
    RequestCancel cancel;
    RequestSlots slots = Request(DemoUrl(path));
    EXPECT_LT(CancelAfterHalfASecond(cancel, slots), 500u);
    EXPECT_TRUE(slots.slot[kSlotResponseBody].empty());
    EXPECT_TRUE(cancel.open.empty());
    EXPECT_TRUE(cancel.sockets.empty());
  }
}

TEST(RequestCancel, EndsAnExchangeWhoseConnectionWasNeverFoundAtTheNextByte) {
  // Another connect holds the process's connect lock for longer than an
  // exchange waits for it, so this exchange never finds its socket and the
  // cancel cannot end its connection. Its reads must still return as bytes
  // arrive, instead of waiting for a whole piece of a body that trickles.
  ConnectWatch other;
  BeginConnect(other);
  ASSERT_TRUE(other.holdsLock);
  RequestCancel cancel;
  RequestSlots slots = Request(DemoUrl("/trickle?ms=20"));
  std::atomic<bool> ended{false};
  std::thread worker([&] {
    ExecuteRequest(slots, &cancel);
    ended = true;
  });
  Sleep(5000);  // the exchange gives up waiting for the lock, connects and reads
  std::vector<ClaimedSocket> seen;
  EndConnect(other, seen);
  EXPECT_FALSE(seen.empty()) << "the exchange did not connect while the lock was held";
  {
    HeldLock hold(cancel.lock);
    EXPECT_TRUE(cancel.sockets.empty()) << "the exchange found its socket after all";
  }
  CancelRequest(cancel);
  const DWORD cancelledAt = GetTickCount();
  while (!ended && GetTickCount() - cancelledAt < 2000) Sleep(10);
  const bool endedByItself = ended;
  if (!endedByItself) ShutDownClaimed(seen);  // so that the test itself can end
  worker.join();
  EXPECT_TRUE(endedByItself) << "a read waited for more bytes after the cancel";
  EXPECT_TRUE(slots.slot[kSlotResponseBody].empty());
  EXPECT_TRUE(cancel.open.empty());
}

TEST(RequestCancel, CallLimitEndsACallBlockedOnASilentServer) {
  RequestCancel cancel;
  cancel.callLimitMs = 1500;
  RequestSlots slots = Request(DemoUrl("/stall"));
  EXPECT_LT(CancelAfterHalfASecond(cancel, slots), 3500u);
  EXPECT_TRUE(slots.slot[kSlotResponseBody].empty());
  EXPECT_TRUE(cancel.open.empty());
}

}  // namespace
