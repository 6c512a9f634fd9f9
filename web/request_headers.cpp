// The header block, flags and cookie handling of one HTTP exchange.
#include "web/request_headers.h"

#include "web/url_parts.h"

const char* const kDefaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

namespace {

const char kDefaultAccept[] =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, "
    "application/vnd.ms-powerpoint, application/msword, */*\r\n";
const char kDefaultLanguage[] = "Accept-Language: zh-cn\r\n";
const char kFormContentType[] = "Content-Type: application/x-www-form-urlencoded\r\n";
const char kSetCookie[] = "Set-Cookie: ";

bool ContainsNoCase(const Text& text, const Text& word) {
  return FindText(text, word, 1, true) >= 0;
}

void AppendCookieLine(Text& headers, const Text& cookies) {
  if (cookies.empty()) return;
  headers += "Cookie: ";
  headers += cookies;
  headers += "\r\n\r\n";
}

// One Set-Cookie line: its cookie goes to the received text, its name and
// data to the store.
void TakeSetCookieLine(const Text& line, ReceivedCookies& received) {
  // The name is taken to start right after the first 12 bytes.
  const std::size_t skip = sizeof kSetCookie - 1;
  const Text rest = line.size() > skip ? line.substr(skip) : Text();
  received.cookieText += TextBefore(rest, ";");
  received.cookieText += ';';
  const int eq = FindText(rest, "=", 1, true);
  CookieToStore cookie;
  if (eq < 0) {
    cookie.data = rest;
  } else {
    cookie.name = LeftText(rest, eq - 1);
    cookie.data = rest.substr(static_cast<std::size_t>(eq));
  }
  received.store.push_back(std::move(cookie));
}

}  // namespace

bool IsHttpsUrl(const Text& url) { return FindText(ToLowerAscii(url), "https://") >= 0; }

Text RequestUserAgent(const Text& extraHeaders) {
  if (!ContainsNoCase(extraHeaders, "User-Agent:")) return kDefaultUserAgent;
  return TrimSpaces(TextBetween(extraHeaders, "User-Agent:", "\r\n"));
}

std::uint32_t RequestFlags(bool https, const Text& cookies, bool followRedirects) {
  if (https) return INTERNET_FLAG_SECURE;
  std::uint32_t flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE;
  // Own cookies replace the ones the system store would add.
  if (!TrimSpaces(cookies).empty()) flags |= INTERNET_FLAG_NO_COOKIES;
  if (!followRedirects) flags |= INTERNET_FLAG_NO_AUTO_REDIRECT;
  return flags | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
}

Text ComposeHeaderBlock(const Text& extraHeaders, const Text& url, const Text& method,
                        const Bytes& body, const Text& cookies) {
  Text headers = extraHeaders;
  if (!ContainsNoCase(headers, "Accept")) headers += kDefaultAccept;
  if (ContainsNoCase(headers, "RefererNo")) {
    headers = ReplaceText(headers, "RefererNo", Text(), 1, 1, true);
  } else if (!ContainsNoCase(headers, "Referer")) {
    headers += "Referer: ";
    headers += url;
    headers += "\r\n";
  }
  if (!ContainsNoCase(headers, "Accept-Language")) headers += kDefaultLanguage;

  if (CompareText(method, "GET") == 0) {
    AppendCookieLine(headers, cookies);
  } else if (CompareText(method, "POST") == 0) {
    if (!body.empty()) {
      if (!ContainsNoCase(headers, "Content-Type")) headers += kFormContentType;
      if (!ContainsNoCase(headers, "Content-Length")) {
        headers += "Content-Length: ";
        headers += ValueToText(static_cast<long long>(body.size()));
        headers += "\r\n";
      }
    }
    AppendCookieLine(headers, cookies);
  }
  return headers;
}

ReceivedCookies ParseSetCookies(const Text& headerBlock) {
  ReceivedCookies received;
  if (!ContainsNoCase(headerBlock, kSetCookie)) return received;
  std::size_t start = 0;
  while (start < headerBlock.size()) {
    std::size_t end = headerBlock.find('\n', start);
    const std::size_t next = end == Text::npos ? headerBlock.size() : end + 1;
    if (end == Text::npos) end = headerBlock.size();
    std::size_t lineEnd = end;
    if (end != headerBlock.size() && lineEnd > start && headerBlock[lineEnd - 1] == '\r') --lineEnd;
    const Text line = headerBlock.substr(start, lineEnd - start);
    if (ContainsNoCase(line, kSetCookie)) TakeSetCookieLine(line, received);
    start = next;
  }
  return received;
}
