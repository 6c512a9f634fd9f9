// TimedFetch against the demo service over loopback HTTP.
#include <gtest/gtest.h>

#include "app/proxy_query.h"
#include "tests/web/demo_service.h"
#include "tests/web/simplified_probe.h"
#include "web/request_headers.h"

namespace {

const Text kDefaultAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";
const Text kDefaultLanguage = "Accept-Language: zh-cn\r\n";
const Text kFormType = "Content-Type: application/x-www-form-urlencoded\r\n";

FetchOptions Post(const Text& body) {
  FetchOptions options;
  options.method = 1;
  options.body = TextToBytes(body);
  return options;
}

// Position of line in block, npos when absent.
size_t LineAt(const Text& block, const Text& line) {
  if (block.compare(0, line.size(), line) == 0) return 0;
  const size_t at = block.find("\r\n" + line);
  return at == Text::npos ? at : at + 2;
}

TEST(FetchRequest, GetSendsTheDefaultHeadersInOrder) {
  const Text url = DemoUrl("/echo?x=1");
  const Text echo = FetchText(url);
  ASSERT_EQ(echo.rfind("GET /echo?x=1 HTTP/1.1\r\n", 0), 0u) << echo;
  const Text block = EchoedHeaderBlock(echo);
  const size_t accept = LineAt(block, kDefaultAccept);
  const size_t referer = LineAt(block, "Referer: " + url + "\r\n");
  const size_t language = LineAt(block, kDefaultLanguage);
  ASSERT_NE(accept, Text::npos) << block;
  ASSERT_NE(referer, Text::npos) << block;
  ASSERT_NE(language, Text::npos) << block;
  EXPECT_LT(accept, referer);
  EXPECT_LT(referer, language);
  EXPECT_NE(LineAt(block, Text("User-Agent: ") + kDefaultUserAgent + "\r\n"), Text::npos) << block;
  EXPECT_EQ(block.find("Content-Type:"), Text::npos);
}

TEST(FetchRequest, PostCarriesBodyWithContentHeaders) {
  const Text body("he\0lo", 5);  // sent whole, zero byte included
  const Text echo = FetchText(DemoUrl("/echo"), Post(body));
  ASSERT_EQ(echo.rfind("POST /echo HTTP/1.1\r\n", 0), 0u) << echo;
  const Text block = EchoedHeaderBlock(echo);
  const size_t language = LineAt(block, kDefaultLanguage);
  const size_t type = LineAt(block, kFormType);
  const size_t length = LineAt(block, "Content-Length: 5\r\n");
  ASSERT_NE(type, Text::npos) << block;
  ASSERT_NE(length, Text::npos) << block;
  EXPECT_LT(language, type);
  EXPECT_LT(type, length);
  EXPECT_EQ(echo.substr(echo.size() - 9), "\r\n\r\n" + body);
}

TEST(FetchRequest, MethodTwoIsAGetThatCarriesNoBody) {
  FetchOptions options = Post("abc");
  options.method = 2;
  const Text echo = FetchText(DemoUrl("/echo"), options);
  ASSERT_EQ(echo.rfind("GET /echo HTTP/1.1\r\n", 0), 0u) << echo;
  const Text block = EchoedHeaderBlock(echo);
  EXPECT_EQ(block.find("Content-"), Text::npos) << block;
  EXPECT_EQ(echo.substr(echo.size() - 4), "\r\n\r\n") << "no body after the headers";
}

TEST(FetchRequest, ExtraHeadersSteerAgentRefererAndAccept) {
  FetchOptions options;
  options.extraHeaders = Text("User-Agent: TestAgent/2\r\nRefererNo\r\n") +
                         "Accept-Language: en\r\n";
  const Text block = EchoedHeaderBlock(FetchText(DemoUrl("/echo"), options));
  EXPECT_NE(LineAt(block, "User-Agent: TestAgent/2\r\n"), Text::npos) << block;
  EXPECT_NE(LineAt(block, "Accept-Language: en\r\n"), Text::npos) << block;
  // Accept-Language counts as an Accept line; RefererNo suppresses the Referer.
  EXPECT_EQ(block.find("Accept: image/gif"), Text::npos) << block;
  EXPECT_EQ(block.find("Referer"), Text::npos) << block;
  EXPECT_EQ(block.find("zh-cn"), Text::npos) << block;
}

TEST(FetchRequest, ProxyReceivesTheAbsoluteUrl) {
  // The demo service answers proxy requests for any host as its own.
  FetchOptions options;
  options.proxy = DemoHost();
  const Text echo = FetchText("http://proxied.invalid/echo?p=1", options);
  const Text requestLine = echo.substr(0, echo.find("\r\n"));
  EXPECT_EQ(requestLine.rfind("GET http://proxied.invalid", 0), 0u) << echo;
  EXPECT_EQ(requestLine.substr(requestLine.size() - 18), "/echo?p=1 HTTP/1.1") << echo;
}

TEST(FetchUrl, BlankUrlReturnsEmptyAtOnceWithoutAWorker) {
  const int threads = ProcessThreadCount();
  Text url = "   ";
  const DWORD start = GetTickCount();
  EXPECT_TRUE(TimedFetch(url).empty());
  EXPECT_LT(GetTickCount() - start, 200u);
  EXPECT_EQ(url, "   ");
  EXPECT_EQ(ProcessThreadCount(), threads);
}

TEST(FetchUrl, MissingSchemeIsAddedAndWrittenBack) {
  Text url = DemoHost() + "/slow?ms=0";
  EXPECT_EQ(BytesToText(TimedFetch(url)), "slow 0");
  EXPECT_EQ(url, DemoUrl("/slow?ms=0"));
  // The scheme test is case-sensitive.
  url = "HTTP://" + DemoHost() + "/slow?ms=0";
  FetchOptions options;
  options.timeoutSeconds = 2;
  TimedFetch(url, options);
  EXPECT_EQ(url, "http://HTTP://" + DemoHost() + "/slow?ms=0");
}

TEST(FetchResponse, BodyOfServerErrorsIsReturned) {
  Text headers;
  FetchOptions options;
  options.responseHeaders = &headers;
  EXPECT_EQ(FetchText(DemoUrl("/status?code=500"), options), "status 500");
  EXPECT_EQ(headers.rfind("HTTP/1.0 500", 0), 0u) << headers;
  EXPECT_EQ(FetchText(DemoUrl("/no-such-page")), "not found");
}

TEST(FetchResponse, ZeroByteStaysInRawPageButEndsDecodedText) {
  EXPECT_EQ(FetchText(DemoUrl("/zero")), Text("abc\0def", 7));
  FetchOptions options;
  options.decodeMode = static_cast<int>(DecodeMode::Utf8);
  EXPECT_EQ(FetchText(DemoUrl("/zero"), options), "abc");
}

// The text after the last list marker with every "<br>" made a line end.
Text CutList(const Text& page) {
  const Text marker = "主</h4>";
  const size_t cut = page.rfind(marker);
  if (cut == Text::npos) return "(no marker)";
  Text list = page.substr(cut + marker.size());
  for (size_t br = list.find("<br>"); br != Text::npos; br = list.find("<br>", br + 2))
    list.replace(br, 4, "\r\n");
  return list;
}

const Text kPageEnd = "</div>\n</body>\n</html>\n";

TEST(FetchResponse, LargePageArrivesWhole) {
  const Text list = CutList(FetchText(DemoUrl("/big?sl=20000&dq=x")));
  const Text expected = FetchText(DemoUrl("/expect?sl=20000&dq=x"));
  ASSERT_GT(expected.size(), 20000u * 12);
  EXPECT_EQ(list.substr(0, expected.size()), expected);
  EXPECT_EQ(list.substr(expected.size()), kPageEnd);
}

TEST(FetchResponse, Utf8AndBig5PagesDecodedToGbk) {
  const Text raw = FetchText(DemoUrl("/utf8"));
  EXPECT_EQ(raw, "<p>\xE4\xB8\xAD\xE6\x96\x87\xE6\xB5\x8B\xE8\xAF\x95\xE9\xA1\xB5</p>");
  FetchOptions options;
  options.decodeMode = static_cast<int>(DecodeMode::Utf8);
  EXPECT_EQ(FetchText(DemoUrl("/utf8"), options), "<p>中文测试页</p>");
  options.decodeMode = static_cast<int>(DecodeMode::Big5);
  // Where the system has no simplified mapping, the text stays traditional.
  EXPECT_EQ(FetchText(DemoUrl("/big5"), options),
            SystemMapsToSimplified() ? "<p>繁体中文测试</p>" : "<p>繁體中文測試</p>");
  options.decodeMode = 7;  // any other mode: raw bytes
  EXPECT_EQ(FetchText(DemoUrl("/big5"), options).size(), 19u);
}

TEST(FetchRedirect, FollowedUnlessTurnedOff) {
  const Text url = DemoUrl("/redirect?to=/slow%3Fms%3D0");
  EXPECT_EQ(FetchText(url), "slow 0");
  FetchOptions options;
  options.followRedirects = false;
  Text headers;
  options.responseHeaders = &headers;
  EXPECT_EQ(FetchText(url, options), "redirect to /slow?ms=0");
  EXPECT_EQ(headers.rfind("HTTP/1.0 302", 0), 0u) << headers;
  EXPECT_NE(headers.find("Location: /slow?ms=0\r\n"), Text::npos) << headers;
}

TEST(FetchCookies, ReceivedCookiesAreReportedAndStoredForLaterRequests) {
  const Text a = UniqueName("ca");
  const Text b = UniqueName("cb");
  Text received = "unchanged";
  Text headers;
  FetchOptions options;
  options.receivedCookies = &received;
  options.responseHeaders = &headers;
  FetchText(DemoUrl("/setcookie?c=" + a + "%3D1%3B%20path%3D%2F&c=" + b + "%3D2"), options);
  EXPECT_EQ(received, a + "=1;;");
  EXPECT_NE(headers.find("Set-Cookie: " + a + "=1; path=/\r\n"), Text::npos) << headers;

  // A later request without cookies of its own carries the stored ones.
  const Text sent = FetchText(DemoUrl("/needcookie"));
  EXPECT_NE(sent.find(a + "=1"), Text::npos) << sent;
  EXPECT_NE(sent.find(b + "=2"), Text::npos) << sent;

  // Own cookies replace the stored ones.
  FetchOptions own;
  own.cookies = "mine=5";
  EXPECT_EQ(FetchText(DemoUrl("/needcookie"), own), "Cookie: mine=5");
}

TEST(FetchCookies, CookieAfterAHugeHeaderBlockIsNotLost) {
  const Text name = UniqueName("big");
  Text received;
  Text headers;
  FetchOptions options;
  options.receivedCookies = &received;
  options.responseHeaders = &headers;
  const Text page =
      FetchText(DemoUrl("/headers?bytes=20000&cookie=" + name + "%3D7%3B%20path%3D%2F"), options);
  EXPECT_EQ(page.rfind("headers ", 0), 0u);
  EXPECT_GT(headers.size(), 20000u);
  EXPECT_NE(headers.find("Set-Cookie: " + name + "=7; path=/\r\n"), Text::npos);
  EXPECT_EQ(received, name + "=7;");
  EXPECT_NE(FetchText(DemoUrl("/needcookie")).find(name + "=7"), Text::npos);
}

}  // namespace
