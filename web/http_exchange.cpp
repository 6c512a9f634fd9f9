// request_headers.h spells out WinINet flag names as constants: it must come
// before wininet.h turns those names into macros.
#include "web/request_headers.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>

#include "web/http_exchange.h"
#include "web/url_parts.h"

namespace {

// The body is read in pieces this large. Under Wine a read costs nearly as
// much whatever its size: a 2.2 MB page took 1,066 reads and 137-251 ms in
// 2 KB pieces, 24-53 ms in 64 KB pieces.
constexpr DWORD kReadPiece = 64 * 1024;
constexpr DWORD kHeaderBuffer = 2048;
constexpr int kHttpsPort = 443;
constexpr int kHighestPort = 65535;
constexpr DWORD kStatusPermanentRedirect = 308;
const char kProxyPrefix[] = "http=";
const char kHttpVersion[] = "HTTP/1.1";
const char kTrue[] = "真";

// Owns one WinINet handle, closed on the thread that runs the exchange.
// With a RequestCancel the handle is listed there while it is open; one
// opened after the cancel is closed at once.
class InternetHandle {
 public:
  InternetHandle(HINTERNET handle, RequestCancel* cancel) : handle_(handle), cancel_(cancel) {
    if (!handle_ || !cancel_) return;
    HeldLock hold(cancel_->lock);
    if (cancel_->cancelled) {
      InternetCloseHandle(handle_);
      handle_ = nullptr;
    } else {
      cancel_->open.push_back(handle_);
    }
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  ~InternetHandle() { Close(); }

  HINTERNET get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  void Close() {
    if (!handle_) return;
    if (cancel_) {
      HeldLock hold(cancel_->lock);
      auto found = std::find(cancel_->open.begin(), cancel_->open.end(), handle_);
      if (found != cancel_->open.end()) cancel_->open.erase(found);
    }
    InternetCloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  HINTERNET handle_;
  RequestCancel* cancel_;
};

bool Cancelled(RequestCancel* cancel) { return cancel && RequestCancelled(*cancel); }

// The raw response header block, however large.
Text QueryRawHeaders(HINTERNET request) {
  std::vector<char> buffer(kHeaderBuffer);
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD length = static_cast<DWORD>(buffer.size());
    if (HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &length, nullptr)) {
      buffer.resize(std::min<size_t>(length, buffer.size()));
      return Text(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0'));
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return Text();
    // length now holds the size needed; allow for the terminator.
    buffer.assign(std::max<size_t>(length + 1, buffer.size() * 2), '\0');
  }
  return Text();
}

// Lowers the request's time-outs to limitMs where they are longer.
void BoundCallTimes(HINTERNET request, DWORD limitMs) {
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD current = 0;
    DWORD size = sizeof(current);
    if (InternetQueryOptionA(request, option, &current, &size) && current != 0 &&
        current <= limitMs)
      continue;
    InternetSetOptionA(request, option, &limitMs, sizeof(limitMs));
  }
}

// The body as far as it came; a read that broke off leaves its error code
// in error. Each read asks for what has arrived (a piece at most): a read
// for more than that waits under Wine until the whole piece came or the
// connection ended, so a body that trickles in would keep an exchange given
// up on in a read for as long as the server goes on sending, whenever its
// connection could not be found and ended.
Bytes ReadBody(HINTERNET request, RequestCancel* cancel, unsigned long& error) {
  Bytes body;
  std::vector<unsigned char> piece(kReadPiece);  // off the worker's stack
  while (!Cancelled(cancel)) {
    DWORD arrived = 0;
    if (!InternetQueryDataAvailable(request, &arrived, 0, 0)) {
      error = GetLastError();
      break;
    }
    if (arrived == 0) break;
    DWORD count = 0;
    if (!InternetReadFile(request, piece.data(), std::min(arrived, kReadPiece), &count)) {
      error = GetLastError();
      break;
    }
    if (count == 0) break;
    body.insert(body.end(), piece.begin(), piece.begin() + count);
  }
  return body;
}

// The sockets that appeared while this exchange connected become its own;
// given up meanwhile, they are ended at once.
void ClaimNewSockets(RequestCancel& cancel) {
  std::vector<ClaimedSocket> found;
  EndConnect(cancel.watch, found);
  if (found.empty()) return;
  HeldLock hold(cancel.lock);
  if (cancel.cancelled) ShutDownClaimed(found);
  cancel.sockets.insert(cancel.sockets.end(), found.begin(), found.end());
}

// WinINet reports the steps of a call on the calling thread; the context is
// the exchange's RequestCancel.
void CALLBACK OnRequestStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID, DWORD) {
  auto* cancel = reinterpret_cast<RequestCancel*>(context);
  if (!cancel) return;
  switch (status) {
    case INTERNET_STATUS_CONNECTING_TO_SERVER: BeginConnect(cancel->watch); break;
    case INTERNET_STATUS_CONNECTED_TO_SERVER: ClaimNewSockets(*cancel); break;
    default: break;
  }
}

// The connections are done with: ending them keeps WinINet from handing
// one to a later exchange, whose sockets could then not be found.
void EndOwnConnections(RequestCancel* cancel) {
  if (!cancel) return;
  HeldLock hold(cancel->lock);
  ShutDownClaimed(cancel->sockets);
  cancel->sockets.clear();
}

// A number of the answer's headers; false when it has none.
bool NumberHeader(HINTERNET request, DWORD query, DWORD& number) {
  DWORD size = sizeof(number);
  number = 0;
  return HttpQueryInfoA(request, query | HTTP_QUERY_FLAG_NUMBER, &number, &size, nullptr) != FALSE;
}

// Bytes that are no HTTP answer still reach the caller as one (HTTP/0.9
// with status 200 on Windows, a made-up "HTTP/1.0 200 OK" under Wine),
// without a single header line; every real answer has some.
bool HasHeaderLines(const Text& rawHeaders) {
  const std::size_t statusEnd = rawHeaders.find('\n');
  return statusEnd != Text::npos &&
         rawHeaders.find_first_not_of("\r\n", statusEnd + 1) != Text::npos;
}

// The status of an HTTP answer; 0 when there is none, and for bytes that
// came without a status line and headers of their own.
DWORD StatusCode(HINTERNET request) {
  char version[16] = {};
  DWORD size = sizeof(version);
  if (!HttpQueryInfoA(request, HTTP_QUERY_VERSION, version, &size, nullptr) ||
      CompareText(Text(version), "HTTP/0.9") == 0 || !HasHeaderLines(QueryRawHeaders(request)))
    return 0;
  DWORD code = 0;
  return NumberHeader(request, HTTP_QUERY_STATUS_CODE, code) ? code : 0;
}

// The body stopped short of the length its header promised: the
// connection ended early (some network libraries report that as the end).
bool CutShort(HINTERNET request, const Bytes& body) {
  DWORD promised = 0;
  return NumberHeader(request, HTTP_QUERY_CONTENT_LENGTH, promised) && body.size() < promised;
}

Text LocationHeader(HINTERNET request) {
  std::vector<char> buffer(kHeaderBuffer);
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD length = static_cast<DWORD>(buffer.size());
    if (HttpQueryInfoA(request, HTTP_QUERY_LOCATION, buffer.data(), &length, nullptr))
      return Text(buffer.data(), std::min<size_t>(length, buffer.size()));
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return Text();
    buffer.assign(std::max<size_t>(length + 1, buffer.size() * 2), '\0');
  }
  return Text();
}

bool IsRedirect(DWORD status) {
  return status == HTTP_STATUS_MOVED || status == HTTP_STATUS_REDIRECT ||
         status == HTTP_STATUS_REDIRECT_METHOD || status == HTTP_STATUS_REDIRECT_KEEP_VERB ||
         status == kStatusPermanentRedirect;
}

}  // namespace

void CancelRequest(RequestCancel& cancel) {
  HeldLock hold(cancel.lock);
  cancel.cancelled = true;
  // The handles stay with the exchange's thread: closing one while that
  // thread is inside a call on it lets WinINet free what the call still
  // uses (under Wine a heap corruption, seen once in a few hundred
  // cancels). Ending the connections is what makes the call return.
  ShutDownClaimed(cancel.sockets);
  cancel.sockets.clear();
}

bool RequestCancelled(RequestCancel& cancel) {
  HeldLock hold(cancel.lock);
  return cancel.cancelled;
}

namespace {

// What one exchange asks for, read from the input slots.
struct ExchangeInput {
  Text url;
  Text method;
  Text extraHeaders;
  Bytes body;
  Text cookies;
  bool followRedirects = true;
};

// What an exchange hands back; page and headers only when done.
struct ExchangeOutput {
  bool done = false;
  Bytes page;
  Text headerText;
  ExchangeReport report;
};

// The calling thread's last error, for the report of a call that failed.
unsigned long FailedCall() {
  const DWORD error = GetLastError();
  return error != 0 ? error : static_cast<unsigned long>(ERROR_INTERNET_INTERNAL_ERROR);
}

// Sends the request (and the ones its redirects ask for) over the session
// and reads the last answer.
ExchangeOutput RunRequests(HINTERNET session, const ExchangeInput& in, RequestCancel* cancel) {
  ExchangeOutput out;
  Text target = in.url;
  Text method = in.method;
  Bytes body = in.body;
  const DWORD_PTR context = reinterpret_cast<DWORD_PTR>(cancel);
  for (int redirects = 0;; ++redirects) {
    const bool https = IsHttpsUrl(target);
    const int port = https ? kHttpsPort : UrlPort(target);
    // A port WinINet cannot take would silently become another one.
    if (port < 0 || port > kHighestPort) {
      out.report.networkError = ERROR_INTERNET_INVALID_URL;
      return out;
    }
    if (Cancelled(cancel)) return out;
    InternetHandle connection(InternetConnectA(session, UrlHost(target).c_str(),
                                               static_cast<INTERNET_PORT>(port), "", "",
                                               INTERNET_SERVICE_HTTP, 0, context),
                              cancel);
    if (!connection) {
      out.report.networkError = FailedCall();
      return out;
    }

    // Redirects are followed here, so that their number has a limit.
    const DWORD flags =
        RequestFlags(https, in.cookies, in.followRedirects) | INTERNET_FLAG_NO_AUTO_REDIRECT;
    if (Cancelled(cancel)) return out;
    InternetHandle request(HttpOpenRequestA(connection.get(), method.c_str(),
                                            UrlObjectName(target).c_str(), kHttpVersion, "",
                                            nullptr, flags, context),
                           cancel);
    if (!request) {
      out.report.networkError = FailedCall();
      return out;
    }
    if (cancel && cancel->callLimitMs != 0) BoundCallTimes(request.get(), cancel->callLimitMs);

    // The Referer names the URL the caller asked for, on every hop.
    const Text headerBlock = ComposeHeaderBlock(in.extraHeaders, in.url, method, body, in.cookies);
    const bool post = CompareText(method, "POST") == 0;
    if (Cancelled(cancel)) return out;
    const bool sent =
        HttpSendRequestA(request.get(), headerBlock.c_str(), static_cast<DWORD>(headerBlock.size()),
                         post && !body.empty() ? body.data() : nullptr,
                         post ? static_cast<DWORD>(body.size()) : 0) != FALSE;
    const unsigned long sendError = sent ? 0 : FailedCall();
    // A connect that failed reported no end of its own.
    if (cancel) ClaimNewSockets(*cancel);
    // No answer: the body and headers stay empty, the caller learns why.
    if (!sent) {
      out.report.networkError = sendError;
      return out;
    }

    const DWORD status = StatusCode(request.get());
    out.report.httpStatus = status;
    // Bytes came back, but no status line WinINet could read.
    if (status == 0) out.report.networkError = ERROR_HTTP_INVALID_SERVER_RESPONSE;
    const Text location =
        in.followRedirects && IsRedirect(status) ? LocationHeader(request.get()) : Text();
    if (!location.empty()) {
      if (redirects == kRedirectLimit) return out;
      target = ResolveRedirect(target, location);
      if (status != HTTP_STATUS_REDIRECT_KEEP_VERB && status != kStatusPermanentRedirect) {
        method = "GET";
        body.clear();
      }
      continue;
    }

    out.page = ReadBody(request.get(), cancel, out.report.networkError);
    if (out.report.networkError == 0 && CutShort(request.get(), out.page))
      out.report.networkError = ERROR_INTERNET_CONNECTION_RESET;
    if (Cancelled(cancel)) return out;
    out.headerText = QueryRawHeaders(request.get());
    out.done = true;
    return out;
  }
}

}  // namespace

void ExecuteRequest(RequestSlots& slots, RequestCancel* cancel, ExchangeReport* report) {
  ExchangeInput in;
  in.url = SlotText(slots, kSlotUrl);
  in.method = SlotText(slots, kSlotMethod);
  const Text proxy = SlotText(slots, kSlotProxy);
  in.extraHeaders = SlotText(slots, kSlotExtraHeaders);
  in.body = slots.slot[kSlotBody];
  in.cookies = SlotText(slots, kSlotCookies);
  in.followRedirects = CompareText(SlotText(slots, kSlotFollowRedirects), kTrue) == 0;

  // A failure before the answer is read leaves every output empty.
  slots.slot[kSlotResponseBody].clear();
  slots.slot[kSlotReceivedCookies].clear();
  slots.slot[kSlotResponseHeaders].clear();

  const Text host = UrlHost(in.url);
  const Text agent = RequestUserAgent(in.extraHeaders);

  if (Cancelled(cancel)) return;
  // Direct or through the given proxy: the system's proxy settings never apply.
  const DWORD access = proxy.empty() ? INTERNET_OPEN_TYPE_DIRECT : INTERNET_OPEN_TYPE_PROXY;
  const Text proxyList = proxy.empty() ? Text() : kProxyPrefix + proxy;
  ExchangeOutput out;
  {
    InternetHandle session(InternetOpenA(agent.c_str(), access, proxyList.c_str(), "", 0),
                           cancel);
    if (!session) {
      if (report) report->networkError = FailedCall();
      return;
    }
    // Reports the connects, so that their sockets can be found (cancel given).
    if (cancel) InternetSetStatusCallbackA(session.get(), OnRequestStatus);
    out = RunRequests(session.get(), in, cancel);
    EndOwnConnections(cancel);
  }
  if (report) *report = out.report;

  // An abandoned exchange leaves nothing behind, in the cookie store neither.
  if (Cancelled(cancel) || !out.done) return;
  const ReceivedCookies received = ParseSetCookies(out.headerText);
  const Text cookieUrl = "http://" + host;
  for (const CookieToStore& cookie : received.store)
    InternetSetCookieA(cookieUrl.c_str(), cookie.name.c_str(), cookie.data.c_str());

  slots.slot[kSlotResponseBody] = std::move(out.page);
  SetSlotText(slots, kSlotReceivedCookies, received.cookieText);
  SetSlotText(slots, kSlotResponseHeaders, out.headerText);
}
