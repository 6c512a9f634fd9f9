#include "web/timed_fetch.h"

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "web/http_exchange.h"
#include "web/message_pump.h"
#include "web/request_slots.h"
#include "win32/handle_owners.h"

extern const char* const TimeoutText =
    "超时返回，指定网站不能访问，或者你的网络出现问题，"
    "你可以把参数中的＂超时返回＂的值设置长一些。";

namespace {

constexpr int kDefaultTimeoutSeconds = 60;
constexpr int kPostMethod = 1;
constexpr DWORD kShortestCallLimitMs = 1000;
const char kSchemeHttp[] = "http://";
const char kSchemeHttps[] = "https://";

// Owns a COM stream; released exactly once.
class StreamOwner {
 public:
  StreamOwner() = default;
  StreamOwner(const StreamOwner&) = delete;
  StreamOwner& operator=(const StreamOwner&) = delete;
  ~StreamOwner() {
    if (stream_) stream_->Release();
  }
  IStream* get() const { return stream_; }
  IStream** receive() { return &stream_; }

 private:
  IStream* stream_ = nullptr;
};

// What the runner shares with its worker. Each holds a reference; the record
// goes when the last of the two lets go, so a worker given up on time-out can
// still run out safely.
struct FetchExchange {
  StreamOwner stream;     // the request record going in, the results coming out
  RequestCancel cancel;   // the worker's open WinINet handles
  // Read by the runner only after the worker has ended.
  bool resultsWritten = false;
  ExchangeReport report;
};

bool WriteStreamBytes(IStream* stream, const Bytes& bytes) {
  LARGE_INTEGER zero = {};
  ULARGE_INTEGER size = {};
  size.QuadPart = bytes.size();
  if (FAILED(stream->Seek(zero, STREAM_SEEK_SET, nullptr))) return false;
  if (FAILED(stream->SetSize(size))) return false;
  ULONG written = 0;
  if (!bytes.empty() &&
      (FAILED(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written)) ||
       written != bytes.size()))
    return false;
  return true;
}

bool ReadStreamBytes(IStream* stream, Bytes& bytes) {
  STATSTG stat = {};
  if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return false;
  if (stat.cbSize.QuadPart > std::numeric_limits<ULONG>::max()) return false;
  LARGE_INTEGER zero = {};
  if (FAILED(stream->Seek(zero, STREAM_SEEK_SET, nullptr))) return false;
  bytes.assign(static_cast<size_t>(stat.cbSize.QuadPart), 0);
  ULONG read = 0;
  if (!bytes.empty() &&
      (FAILED(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) ||
       read != bytes.size()))
    return false;
  return true;
}

DWORD WINAPI FetchWorker(LPVOID parameter) {
  std::unique_ptr<std::shared_ptr<FetchExchange>> reference(
      static_cast<std::shared_ptr<FetchExchange>*>(parameter));
  FetchExchange& exchange = **reference;
  Bytes record;
  RequestSlots slots;
  if (!ReadStreamBytes(exchange.stream.get(), record) || !DecodeRequestSlots(record, slots))
    return 0;
  ExecuteRequest(slots, &exchange.cancel, &exchange.report);
  // Given up on: the runner reads nothing more from this exchange.
  if (RequestCancelled(exchange.cancel)) return 0;
  exchange.resultsWritten = WriteStreamBytes(exchange.stream.get(), EncodeRequestSlots(slots));
  return 0;
}

int TimeoutSeconds(const std::optional<int>& timeoutSeconds) {
  return timeoutSeconds ? *timeoutSeconds : kDefaultTimeoutSeconds;
}

// The wait limit in milliseconds; 0 for a time-out of 0 or less, so that the
// first return from the wait counts as a time-out.
DWORD WaitLimit(const std::optional<int>& timeoutSeconds) {
  const long long seconds = TimeoutSeconds(timeoutSeconds);
  if (seconds <= 0) return 0;
  const long long longest = INFINITE - 1;
  return static_cast<DWORD>(seconds >= longest / 1000 ? longest : seconds * 1000);
}

enum class WaitEnd { WorkerEnded, TimedOut, GivenUp };

bool GivenUp(const FetchAbort* abort) { return (abort && abort->aborted) || QuitRequested(); }

// Waits until the worker ends, the limit passes or the fetch is given up,
// dispatching the thread's messages meanwhile.
WaitEnd WaitForWorker(HANDLE worker, DWORD limit, const FetchAbort* abort) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (GivenUp(abort)) return WaitEnd::GivenUp;
    const DWORD elapsed = GetTickCount() - start;
    const DWORD remaining = elapsed >= limit ? 0 : limit - elapsed;
    DWORD result;
    if (worker) {
      result = MsgWaitForMultipleObjects(1, &worker, FALSE, remaining, QS_ALLINPUT);
    } else {
      // No worker could be started: wait out the limit with the messages.
      result = MsgWaitForMultipleObjects(0, nullptr, FALSE, remaining, QS_ALLINPUT);
      if (result == WAIT_OBJECT_0) result = WAIT_OBJECT_0 + 1;
    }
    if (GetTickCount() - start >= limit) result = WAIT_TIMEOUT;
    ProcessPendingMessages();
    if (result == WAIT_OBJECT_0) return WaitEnd::WorkerEnded;
    if (result == WAIT_TIMEOUT) return WaitEnd::TimedOut;
  }
}

// Points abort at the exchange while the fetch waits.
class AbortHook {
 public:
  AbortHook(FetchAbort* abort, const std::shared_ptr<FetchExchange>& exchange) : abort_(abort) {
    if (!abort_) return;
    std::weak_ptr<FetchExchange> weak = exchange;
    abort_->cancelWaiting = [weak] {
      if (auto live = weak.lock()) CancelRequest(live->cancel);
    };
  }
  ~AbortHook() {
    if (abort_) abort_->cancelWaiting = nullptr;
  }
  AbortHook(const AbortHook&) = delete;
  AbortHook& operator=(const AbortHook&) = delete;

 private:
  FetchAbort* abort_;
};

bool HasScheme(const Text& url) {
  return CompareText(LeftText(url, 7), kSchemeHttp) == 0 ||
         CompareText(LeftText(url, 8), kSchemeHttps) == 0;
}

RequestSlots FillSlots(const Text& url, const FetchOptions& options) {
  RequestSlots slots;
  SetSlotText(slots, kSlotUrl, url);
  SetSlotText(slots, kSlotMethod, options.method == kPostMethod ? "POST" : "GET");
  SetSlotText(slots, kSlotProxy, options.proxy.value_or(Text()));
  SetSlotText(slots, kSlotExtraHeaders, options.extraHeaders.value_or(Text()));
  slots.slot[kSlotBody] = options.body.value_or(Bytes());
  SetSlotText(slots, kSlotCookies, options.cookies.value_or(Text()));
  SetSlotText(slots, kSlotFollowRedirects, ValueToText(options.followRedirects.value_or(true)));
  return slots;
}

// Tells the caller how the fetch ended, where it asked.
void Report(const FetchOptions& options, FetchEnd end, const ExchangeReport& exchange = {}) {
  if (!options.report) return;
  FetchReport& report = *options.report;
  report.end = end;
  report.httpStatus = exchange.httpStatus;
  report.networkError = exchange.networkError;
  report.timeoutSeconds = TimeoutSeconds(options.timeoutSeconds);
}

FetchEnd ExchangeEnd(const ExchangeReport& report) {
  return report.httpStatus != 0 && report.networkError == 0 ? FetchEnd::Answered
                                                            : FetchEnd::NoAnswer;
}

}  // namespace

void AbortFetch(FetchAbort& abort) {
  abort.aborted = true;
  if (abort.cancelWaiting) abort.cancelWaiting();
}

Bytes TimedFetch(Text& url, const FetchOptions& options) {
  Report(options, FetchEnd::NotSent);
  if (TrimSpaces(url).empty()) return Bytes();
  if (!HasScheme(url)) url = kSchemeHttp + url;
  if (GivenUp(options.abort)) {
    Report(options, FetchEnd::GivenUp);
    return Bytes();
  }

  const DWORD limit = WaitLimit(options.timeoutSeconds);
  auto exchange = std::make_shared<FetchExchange>();
  // A worker given up on ends about when its caller stops waiting.
  exchange->cancel.callLimitMs = std::max<DWORD>(limit, kShortestCallLimitMs);
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, exchange->stream.receive())) ||
      !WriteStreamBytes(exchange->stream.get(), EncodeRequestSlots(FillSlots(url, options)))) {
    ExchangeReport noMemory;
    noMemory.networkError = ERROR_OUTOFMEMORY;
    Report(options, FetchEnd::NoAnswer, noMemory);
    return Bytes();
  }

  auto* workerReference = new std::shared_ptr<FetchExchange>(exchange);
  KernelHandle worker(CreateThread(nullptr, 0, FetchWorker, workerReference, 0, nullptr));
  if (!worker.IsValid()) delete workerReference;

  WaitEnd end;
  {
    AbortHook hook(options.abort, exchange);
    end = WaitForWorker(worker.get(), limit, options.abort);
  }
  if (end != WaitEnd::WorkerEnded) {
    // Abort the worker's request; it runs out on its own and lets go of the
    // exchange, its results unread.
    CancelRequest(exchange->cancel);
    const bool timedOut = end == WaitEnd::TimedOut;
    Report(options, timedOut ? FetchEnd::TimedOut : FetchEnd::GivenUp);
    return timedOut ? TextToBytes(TimeoutText) : Bytes();
  }

  Bytes record;
  RequestSlots slots;
  if (!exchange->resultsWritten || !ReadStreamBytes(exchange->stream.get(), record) ||
      !DecodeRequestSlots(record, slots)) {
    Report(options, FetchEnd::NoAnswer, exchange->report);
    return Bytes();
  }
  Report(options, ExchangeEnd(exchange->report), exchange->report);

  if (options.responseHeaders) *options.responseHeaders = SlotText(slots, kSlotResponseHeaders);
  if (options.receivedCookies) *options.receivedCookies = SlotText(slots, kSlotReceivedCookies);
  switch (options.decodeMode.value_or(static_cast<int>(DecodeMode::Raw))) {
    case static_cast<int>(DecodeMode::Utf8):
      return TextToBytes(Utf8ToGbk(SlotText(slots, kSlotResponseBody)));
    case static_cast<int>(DecodeMode::Big5):
      return TextToBytes(ToSimplified(Big5ToGbk(SlotText(slots, kSlotResponseBody))));
    default:
      return slots.slot[kSlotResponseBody];
  }
}
