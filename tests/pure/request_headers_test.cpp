// Header block, request flags and Set-Cookie parsing of one HTTP exchange.
#include "web/request_headers.h"

#include <gtest/gtest.h>

namespace {

const Text kAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, "
    "application/vnd.ms-powerpoint, application/msword, */*\r\n";
const Text kLanguage = "Accept-Language: zh-cn\r\n";
const Text kUrl = "http://h/x";
const Text kReferer = "Referer: http://h/x\r\n";

TEST(IsHttpsUrlTest, AnywhereIgnoringCase) {
  EXPECT_TRUE(IsHttpsUrl("https://a"));
  EXPECT_TRUE(IsHttpsUrl("HTTPS://a"));
  EXPECT_TRUE(IsHttpsUrl("http://a/?r=https://b"));
  EXPECT_FALSE(IsHttpsUrl("http://a"));
  EXPECT_FALSE(IsHttpsUrl("https:/a"));
}

TEST(UserAgentTest, FromExtraHeadersOrDefault) {
  EXPECT_EQ(RequestUserAgent("User-Agent: X\r\n"), "X");
  EXPECT_EQ(RequestUserAgent("A: 1\r\nuser-agent:  Bot 1.0 \r\nB: 2\r\n"), "Bot 1.0");
  // Without the line end the agent is empty.
  EXPECT_EQ(RequestUserAgent("User-Agent: X"), "");
  EXPECT_EQ(RequestUserAgent(""), kDefaultUserAgent);
  EXPECT_EQ(RequestUserAgent("Agent: X\r\n"), kDefaultUserAgent);
  EXPECT_EQ(Text(kDefaultUserAgent).substr(0, 35), "Mozilla/4.0 (compatible; MSIE 6.0; ");
}

TEST(RequestFlagsTest, PlainHttp) {
  const std::uint32_t base =
      INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
  EXPECT_EQ(RequestFlags(false, "", true), base);
  EXPECT_EQ(RequestFlags(false, "  ", true), base);
  EXPECT_EQ(RequestFlags(false, "a=1", true), base | INTERNET_FLAG_NO_COOKIES);
  EXPECT_EQ(RequestFlags(false, "", false), base | INTERNET_FLAG_NO_AUTO_REDIRECT);
  EXPECT_EQ(RequestFlags(false, "a=1", false),
            base | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTO_REDIRECT);
  EXPECT_EQ(base, 0x80004010u);
}

TEST(RequestFlagsTest, HttpsIsSecureAlone) {
  EXPECT_EQ(RequestFlags(true, "", true), INTERNET_FLAG_SECURE);
  EXPECT_EQ(RequestFlags(true, "a=1", false), INTERNET_FLAG_SECURE);
  EXPECT_EQ(INTERNET_FLAG_SECURE, 0x00800000u);
}

TEST(HeaderBlockTest, GetWithoutExtras) {
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "GET", {}, ""), kAccept + kReferer + kLanguage);
}

TEST(HeaderBlockTest, GetWithCookieEndsTheBlock) {
  const Text block = ComposeHeaderBlock("", kUrl, "GET", {}, "a=1");
  EXPECT_EQ(block, kAccept + kReferer + kLanguage + "Cookie: a=1\r\n\r\n");
}

TEST(HeaderBlockTest, PostWithBodyAddsContentHeaders) {
  const Bytes body = {'a', '=', '1', '&', 'b'};
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "POST", body, ""),
            kAccept + kReferer + kLanguage +
                "Content-Type: application/x-www-form-urlencoded\r\n"
                "Content-Length: 5\r\n");
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "POST", body, "c=2"),
            kAccept + kReferer + kLanguage +
                "Content-Type: application/x-www-form-urlencoded\r\n"
                "Content-Length: 5\r\nCookie: c=2\r\n\r\n");
}

TEST(HeaderBlockTest, PostWithEmptyBodyHasNoContentHeaders) {
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "POST", {}, ""), kAccept + kReferer + kLanguage);
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "POST", {}, "a=1"),
            kAccept + kReferer + kLanguage + "Cookie: a=1\r\n\r\n");
}

TEST(HeaderBlockTest, CallerHeadersReplaceDefaults) {
  const Text own = "content-type: text/plain\r\nCONTENT-LENGTH: 2\r\n";
  const Bytes body = {'x', 'y'};
  EXPECT_EQ(ComposeHeaderBlock(own, kUrl, "POST", body, ""),
            own + kAccept + kReferer + kLanguage);
  // Any "Accept" word suppresses the default Accept line, but a plain
  // Accept does not hold the language.
  EXPECT_EQ(ComposeHeaderBlock("Accept-Encoding: gzip\r\n", kUrl, "GET", {}, ""),
            "Accept-Encoding: gzip\r\n" + kReferer + kLanguage);
  EXPECT_EQ(ComposeHeaderBlock("Accept-Language: en\r\n", kUrl, "GET", {}, ""),
            "Accept-Language: en\r\n" + kReferer);
  EXPECT_EQ(ComposeHeaderBlock("referer: http://r/\r\n", kUrl, "GET", {}, ""),
            "referer: http://r/\r\n" + kAccept + kLanguage);
}

TEST(HeaderBlockTest, RefererNoRemovesTheWordAndTheReferer) {
  EXPECT_EQ(ComposeHeaderBlock("RefererNo\r\n", kUrl, "GET", {}, ""),
            "\r\n" + kAccept + kLanguage);
  // Only the first exact occurrence goes.
  EXPECT_EQ(ComposeHeaderBlock("X: RefererNo RefererNo\r\n", kUrl, "GET", {}, ""),
            "X:  RefererNo\r\n" + kAccept + kLanguage);
}

TEST(HeaderBlockTest, UserAgentLineStaysInTheBlock) {
  EXPECT_EQ(ComposeHeaderBlock("User-Agent: X\r\n", kUrl, "GET", {}, ""),
            "User-Agent: X\r\n" + kAccept + kReferer + kLanguage);
}

TEST(HeaderBlockTest, MethodComparedExactly) {
  // Neither GET nor POST: no cookie line and no content headers.
  const Bytes body = {'x'};
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "post", body, "a=1"), kAccept + kReferer + kLanguage);
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "Get", {}, "a=1"), kAccept + kReferer + kLanguage);
  // The body of a GET is not described.
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "GET", body, ""), kAccept + kReferer + kLanguage);
}

struct Stored {
  Text name;
  Text data;
};

std::vector<Stored> StoreOf(const ReceivedCookies& r) {
  std::vector<Stored> out;
  for (const CookieToStore& c : r.store) out.push_back({c.name, c.data});
  return out;
}

bool operator==(const Stored& a, const Stored& b) { return a.name == b.name && a.data == b.data; }

void PrintTo(const Stored& s, std::ostream* os) { *os << s.name << " = " << s.data; }

TEST(SetCookieTest, CookiesAndStoreInHeaderOrder) {
  const Text headers =
      "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nServer: x\r\nSet-Cookie: b=2\r\n\r\n";
  const ReceivedCookies r = ParseSetCookies(headers);
  EXPECT_EQ(r.cookieText, "a=1;;");
  EXPECT_EQ(StoreOf(r), (std::vector<Stored>{{"a", "1; path=/"}, {"b", "2"}}));
}

TEST(SetCookieTest, NoSetCookieLines) {
  const ReceivedCookies r = ParseSetCookies("HTTP/1.1 200 OK\r\nServer: x\r\n\r\n");
  EXPECT_EQ(r.cookieText, "");
  EXPECT_TRUE(r.store.empty());
  EXPECT_TRUE(ParseSetCookies("").store.empty());
}

TEST(SetCookieTest, NameIgnoringCaseAndBareLineFeeds) {
  const ReceivedCookies r = ParseSetCookies("set-cookie: s=v; HttpOnly\nSET-COOKIE: t=w;x\n");
  EXPECT_EQ(r.cookieText, "s=v;t=w;");
  EXPECT_EQ(StoreOf(r), (std::vector<Stored>{{"s", "v; HttpOnly"}, {"t", "w;x"}}));
}

TEST(SetCookieTest, LastLineWithoutLineEnd) {
  const ReceivedCookies r = ParseSetCookies("X: 1\r\nSet-Cookie: k=v;");
  EXPECT_EQ(r.cookieText, "k=v;");
  EXPECT_EQ(StoreOf(r), (std::vector<Stored>{{"k", "v;"}}));
}

TEST(SetCookieTest, MalformedLines) {
  // No "=": empty name, the whole rest is the data.
  ReceivedCookies r = ParseSetCookies("Set-Cookie: plain; x\r\n");
  EXPECT_EQ(r.cookieText, "plain;");
  EXPECT_EQ(StoreOf(r), (std::vector<Stored>{{"", "plain; x"}}));
  // Nothing after the name.
  r = ParseSetCookies("Set-Cookie: \r\n");
  EXPECT_EQ(r.cookieText, ";");
  EXPECT_EQ(StoreOf(r), (std::vector<Stored>{{"", ""}}));
  // Without the space the line does not count.
  r = ParseSetCookies("Set-Cookie:a=1\r\n");
  EXPECT_TRUE(r.store.empty());
  EXPECT_EQ(r.cookieText, "");
  // The first 12 bytes are dropped even when the name does not start the line.
  r = ParseSetCookies("X-Set-Cookie: a=1;\r\n");
  EXPECT_EQ(r.cookieText, ": a=1;");
  EXPECT_EQ(StoreOf(r), (std::vector<Stored>{{": a", "1;"}}));
  // Empty value, and "=" at the start.
  r = ParseSetCookies("Set-Cookie: e=\r\nSet-Cookie: =v;\r\n");
  EXPECT_EQ(r.cookieText, ";=v;");
  EXPECT_EQ(StoreOf(r), (std::vector<Stored>{{"e", ""}, {"", "v;"}}));
}

TEST(SetCookieTest, OnlyTheCarriageReturnBeforeLineFeedIsDropped) {
  const ReceivedCookies r = ParseSetCookies("Set-Cookie: a=1\r\r\nSet-Cookie: b=\r2\r\n");
  EXPECT_EQ(StoreOf(r), (std::vector<Stored>{{"a", "1\r"}, {"b", "\r2"}}));
}

}  // namespace
