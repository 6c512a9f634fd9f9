// request_headers.h spells out WinINet flag names as constants: it must come
// before wininet.h turns those names into macros.
#include "web/request_headers.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>

#include "web/http_exchange.h"
#include "web/url_parts.h"

namespace {

constexpr DWORD kReadPiece = 2048;
constexpr DWORD kHeaderBuffer = 2048;
constexpr int kHttpsPort = 443;
constexpr int kHighestPort = 65535;
const char kProxyPrefix[] = "http=";
const char kHttpVersion[] = "HTTP/1.1";
const char kTrue[] = "真";

// Owns one WinINet handle. With a RequestCancel the handle is registered
// there, so that another thread can close it to abort a blocked call.
class InternetHandle {
 public:
  InternetHandle(HINTERNET handle, RequestCancel* cancel) : handle_(handle), cancel_(cancel) {
    if (!handle_ || !cancel_) return;
    std::lock_guard<std::mutex> hold(cancel_->lock);
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
    if (!cancel_) {
      InternetCloseHandle(handle_);
    } else {
      std::lock_guard<std::mutex> hold(cancel_->lock);
      auto found = std::find(cancel_->open.begin(), cancel_->open.end(), handle_);
      // Not found: CancelRequest has closed it already.
      if (found != cancel_->open.end()) {
        cancel_->open.erase(found);
        InternetCloseHandle(handle_);
      }
    }
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

Bytes ReadBody(HINTERNET request, RequestCancel* cancel) {
  Bytes body;
  unsigned char piece[kReadPiece];
  while (!Cancelled(cancel)) {
    DWORD count = 0;
    if (!InternetReadFile(request, piece, kReadPiece, &count) || count == 0) break;
    body.insert(body.end(), piece, piece + count);
  }
  return body;
}

}  // namespace

void CancelRequest(RequestCancel& cancel) {
  std::lock_guard<std::mutex> hold(cancel.lock);
  cancel.cancelled = true;
  for (auto handle = cancel.open.rbegin(); handle != cancel.open.rend(); ++handle)
    InternetCloseHandle(*handle);
  cancel.open.clear();
}

bool RequestCancelled(RequestCancel& cancel) {
  std::lock_guard<std::mutex> hold(cancel.lock);
  return cancel.cancelled;
}

void ExecuteRequest(RequestSlots& slots, RequestCancel* cancel) {
  const Text url = SlotText(slots, kSlotUrl);
  const Text method = SlotText(slots, kSlotMethod);
  const Text proxy = SlotText(slots, kSlotProxy);
  const Text extraHeaders = SlotText(slots, kSlotExtraHeaders);
  Bytes body = slots.slot[kSlotBody];
  const Text cookies = SlotText(slots, kSlotCookies);
  const bool followRedirects = CompareText(SlotText(slots, kSlotFollowRedirects), kTrue) == 0;

  // A failure before the request is sent leaves every output empty.
  slots.slot[kSlotResponseBody].clear();
  slots.slot[kSlotReceivedCookies].clear();
  slots.slot[kSlotResponseHeaders].clear();

  const bool https = IsHttpsUrl(url);
  const Text host = UrlHost(url);
  const Text objectName = UrlObjectName(url);
  const Text agent = RequestUserAgent(extraHeaders);

  if (Cancelled(cancel)) return;
  // Direct or through the given proxy: the system's proxy settings never apply.
  const DWORD access = proxy.empty() ? INTERNET_OPEN_TYPE_DIRECT : INTERNET_OPEN_TYPE_PROXY;
  const Text proxyList = proxy.empty() ? Text() : kProxyPrefix + proxy;
  InternetHandle session(InternetOpenA(agent.c_str(), access, proxyList.c_str(), "", 0), cancel);
  if (!session) return;

  const int port = https ? kHttpsPort : UrlPort(url);
  // A port WinINet cannot take would silently become another one.
  if (port < 0 || port > kHighestPort) return;
  if (Cancelled(cancel)) return;
  InternetHandle connection(InternetConnectA(session.get(), host.c_str(),
                                             static_cast<INTERNET_PORT>(port), "", "",
                                             INTERNET_SERVICE_HTTP, 0, 0),
                            cancel);
  if (!connection) return;

  const DWORD flags = RequestFlags(https, cookies, followRedirects);
  if (Cancelled(cancel)) return;
  InternetHandle request(HttpOpenRequestA(connection.get(), method.c_str(), objectName.c_str(),
                                          kHttpVersion, "", nullptr, flags, 0),
                         cancel);
  if (!request) return;
  if (cancel && cancel->callLimitMs != 0) BoundCallTimes(request.get(), cancel->callLimitMs);

  const Text headerBlock = ComposeHeaderBlock(extraHeaders, url, method, body, cookies);
  const bool post = CompareText(method, "POST") == 0;
  if (Cancelled(cancel)) return;
  // The result is not examined: a failed send shows as an empty body.
  HttpSendRequestA(request.get(), headerBlock.c_str(), static_cast<DWORD>(headerBlock.size()),
                   post && !body.empty() ? body.data() : nullptr,
                   post ? static_cast<DWORD>(body.size()) : 0);

  Bytes page = ReadBody(request.get(), cancel);
  const Text headerText = Cancelled(cancel) ? Text() : QueryRawHeaders(request.get());

  request.Close();
  connection.Close();
  session.Close();

  // An abandoned exchange leaves nothing behind, in the cookie store neither.
  if (Cancelled(cancel)) return;
  const ReceivedCookies received = ParseSetCookies(headerText);
  const Text cookieUrl = "http://" + host;
  for (const CookieToStore& cookie : received.store)
    InternetSetCookieA(cookieUrl.c_str(), cookie.name.c_str(), cookie.data.c_str());

  slots.slot[kSlotResponseBody] = std::move(page);
  SetSlotText(slots, kSlotReceivedCookies, received.cookieText);
  SetSlotText(slots, kSlotResponseHeaders, headerText);
}
