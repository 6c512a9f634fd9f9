// One HTTP exchange run on a worker thread with a time limit, while the
// calling window thread keeps dispatching its messages.
#pragma once

#include <functional>
#include <optional>

#include "app/text_ops.h"

enum class DecodeMode { Raw = 0, Utf8 = 1, Big5 = 2 };

// Lets a handler that runs while a fetch waits (a newer click) give that
// fetch up: its request is cancelled at once, and the fetch returns an empty
// page as soon as its wait gets control back.
struct FetchAbort {
  bool aborted = false;
  std::function<void()> cancelWaiting;  // set by TimedFetch while it waits
};
// May be called before, while or after the fetch runs.
void AbortFetch(FetchAbort& abort);

// How a fetch ended.
enum class FetchEnd {
  NotSent,   // a blank URL: nothing was sent
  Answered,  // the service answered (whatever its status)
  NoAnswer,  // no answer came: no connection, or the exchange broke off
  TimedOut,  // the time-out passed first
  GivenUp,   // given up (FetchAbort, or the program is ending)
};

// What the caller learns of a fetch besides the page.
struct FetchReport {
  FetchEnd end = FetchEnd::NotSent;
  unsigned long httpStatus = 0;    // of the last answer; 0 when none came
  unsigned long networkError = 0;  // the system's code when the exchange failed
  int timeoutSeconds = 0;          // the limit in force
};

// The request options; an option that is not given takes its default.
struct FetchOptions {
  std::optional<int> method;          // 1 = POST, anything else GET (default GET)
  std::optional<Text> proxy;          // HTTP proxy, empty = direct
  std::optional<Text> extraHeaders;   // lines each ended by "\r\n"
  std::optional<Bytes> body;          // sent with POST only
  std::optional<Text> cookies;        // sent as a Cookie header
  std::optional<int> timeoutSeconds;  // default 60
  Text* responseHeaders = nullptr;    // receives the raw header block
  std::optional<int> decodeMode;      // 1 UTF-8, 2 Big5, else raw
  Text* receivedCookies = nullptr;    // receives "cookie;" per Set-Cookie
  std::optional<bool> followRedirects;  // default true
  FetchAbort* abort = nullptr;        // not part of the request: see FetchAbort
  FetchReport* report = nullptr;      // receives how the fetch ended
};

// The GBK text returned in place of the page on time-out.
extern const char* const TimeoutText;

// Fetches url (which gains "http://" when it has no http:// or https://
// scheme, written back to the caller) on a worker thread, dispatching the
// calling thread's messages while it waits, so handlers may nest further
// fetches. Returns the page, TimeoutText's bytes when the time-out passes
// first (the worker's request is then aborted and its results dropped; the
// outputs stay unwritten), or an empty buffer for a blank URL or a failed
// exchange. A time-out of 0 or less times out at the first return from the
// wait. A fetch given up (options.abort, or WM_QUIT queued because the
// program is ending) returns an empty page at once, its request cancelled;
// WM_QUIT stays queued. A cancelled request's worker, socket and handles
// end within moments, whatever the server does. options.report, when given,
// learns how the fetch ended; an answer that broke off after its status
// line is NoAnswer, with the status and the error code of the read.
Bytes TimedFetch(Text& url, const FetchOptions& options = FetchOptions());

// UTF-8 to GBK; characters GBK lacks become the code page's replacement.
Text Utf8ToGbk(const Text& text);
// Big5 to GBK, ending just before the first character GBK lacks.
Text Big5ToGbk(const Text& text);
// Traditional to simplified characters, same byte length; the text comes back
// unchanged where the system has no such mapping.
Text ToSimplified(const Text& text);
