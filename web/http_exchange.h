// One HTTP exchange over WinINet, run on a worker thread, and the means for
// another thread to abort it.
#pragma once

#include <vector>

#include "web/connection_sockets.h"
#include "web/request_slots.h"
#include "web/thread_lock.h"

// Redirects followed at most, as a browser does; the answer to one more
// ends the exchange with empty results.
constexpr int kRedirectLimit = 10;

// The open WinINet handles and the sockets of one exchange, shared with the
// thread that may abort it. Every handle is closed exactly once, by the
// exchange's own thread.
struct RequestCancel {
  ThreadLock lock;
  bool cancelled = false;
  std::vector<void*> open;  // HINTERNETs, in the order they were opened
  std::vector<ClaimedSocket> sockets;  // the connections the exchange opened
  ConnectWatch watch;  // the worker's own
  // When not 0, the request's connect, send and receive time-outs are
  // lowered to this many milliseconds, so that a call blocked on a silent
  // server ends soon after the exchange was given up even where closing its
  // handles does not interrupt it (Wine).
  unsigned long callLimitMs = 0;
};

// Aborts the exchange: ends its connections, which makes a WinINet call
// blocked on them return at once; the exchange makes no further calls and
// closes its handles as it returns. Handles and connections it opens
// afterwards are closed and ended at once.
void CancelRequest(RequestCancel& cancel);
bool RequestCancelled(RequestCancel& cancel);

// What the caller learns of an exchange besides its outputs.
struct ExchangeReport {
  // The status of the last answer (after the redirects followed); 0 when
  // no answer came.
  unsigned long httpStatus = 0;
  // The system's code of the call that failed (no connection, a send or a
  // read that broke off); 0 when none did.
  unsigned long networkError = 0;
};

// Performs the exchange the input slots describe (URL, method, proxy, extra
// headers, body, cookies, follow-redirects) and writes the outputs: slot 0
// the body, slot 1 the received cookies, slot 5 the raw response headers.
// Registers received cookies with the system store. Redirects are followed
// here (when the follow flag is set), kRedirectLimit at most; 301, 302 and
// 303 go on as a GET without body, 307 and 308 repeat the method and body.
// cancel and report may be null.
void ExecuteRequest(RequestSlots& slots, RequestCancel* cancel = nullptr,
                    ExchangeReport* report = nullptr);
