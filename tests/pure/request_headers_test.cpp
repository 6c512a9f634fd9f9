// Header block, request flags and Set-Cookie parsing of one HTTP exchange.
#include "web/request_headers.h"

#include <gtest/gtest.h>

namespace {

const Text kAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, "
    "application/vnd.ms-powerpoint, application/msword, */*\r\n";
const Text kDefaults = kAccept + "Referer: http://h/x\r\nAccept-Language: zh-cn\r\n";
const Text kUrl = "http://h/x";

TEST(RequestOptionsTest, HttpsUserAgentAndFlags) {
  EXPECT_TRUE(IsHttpsUrl("http://a/?r=HTTPS://b"));
  EXPECT_FALSE(IsHttpsUrl("https:/a"));
  EXPECT_EQ(RequestUserAgent("A: 1\r\nuser-agent:  Bot 1.0 \r\nB: 2\r\n"), "Bot 1.0");
  EXPECT_EQ(RequestUserAgent("User-Agent: X"), "");  // no line end
  EXPECT_EQ(RequestUserAgent("Agent: X\r\n"), kDefaultUserAgent);
  const std::uint32_t base = 0x80004010u;  // reload, need file, ignore redirect to https
  EXPECT_EQ(RequestFlags(false, "  ", true), base);
  EXPECT_EQ(RequestFlags(false, "a=1", false),
            base | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTO_REDIRECT);
  EXPECT_EQ(RequestFlags(true, "a=1", false), INTERNET_FLAG_SECURE);
}

TEST(HeaderBlockTest, ContentHeadersOnlyForAPostWithABodyCookieEndsTheBlock) {
  const Bytes body = {'a', '=', '1', '&', 'b'};
  const Text content = "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 5\r\n";
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "GET", {}, ""), kDefaults);
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "GET", body, "a=1"), kDefaults + "Cookie: a=1\r\n\r\n");
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "POST", body, "c=2"),
            kDefaults + content + "Cookie: c=2\r\n\r\n");
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "POST", {}, ""), kDefaults);
  // Neither GET nor POST exactly: no cookie line and no content headers.
  EXPECT_EQ(ComposeHeaderBlock("", kUrl, "post", body, "a=1"), kDefaults);
}

TEST(HeaderBlockTest, CallerHeadersReplaceDefaults) {
  const Text own = "content-type: text/plain\r\nCONTENT-LENGTH: 2\r\nUser-Agent: X\r\n";
  EXPECT_EQ(ComposeHeaderBlock(own, kUrl, "POST", Bytes{'x', 'y'}, ""), own + kDefaults);
  // Any "Accept" word drops the Accept line; only Accept-Language the language.
  EXPECT_EQ(ComposeHeaderBlock("Accept-Encoding: gzip\r\n", kUrl, "GET", {}, ""),
            "Accept-Encoding: gzip\r\nReferer: http://h/x\r\nAccept-Language: zh-cn\r\n");
  EXPECT_EQ(ComposeHeaderBlock("Accept-Language: en\r\n", kUrl, "GET", {}, ""),
            "Accept-Language: en\r\nReferer: http://h/x\r\n");
  EXPECT_EQ(ComposeHeaderBlock("referer: http://r/\r\n", kUrl, "GET", {}, ""),
            "referer: http://r/\r\n" + kAccept + "Accept-Language: zh-cn\r\n");
  // RefererNo goes (its first occurrence only) and takes the Referer along.
  EXPECT_EQ(ComposeHeaderBlock("X: RefererNo RefererNo\r\n", kUrl, "GET", {}, ""),
            "X:  RefererNo\r\n" + kAccept + "Accept-Language: zh-cn\r\n");
}

// Name and data of every cookie to store, as "name#data|".
Text Stored(const ReceivedCookies& r) {
  Text out;
  for (const CookieToStore& c : r.store) out += c.name + "#" + c.data + "|";
  return out;
}

TEST(SetCookieTest, CookiesInHeaderOrderWithAnyLineEnd) {
  ReceivedCookies r = ParseSetCookies(
      "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nServer: x\r\nset-cookie: b=2\nSET-COOKIE: k=v;");
  EXPECT_EQ(r.cookieText, "a=1;;k=v;");  // b=2 has no ";": nothing before it
  EXPECT_EQ(Stored(r), "a#1; path=/|b#2|k#v;|");
  r = ParseSetCookies("HTTP/1.1 200 OK\r\nServer: x\r\n\r\n");
  EXPECT_EQ(r.cookieText, "");
  EXPECT_TRUE(r.store.empty());
  // Only the carriage return before the line feed is dropped.
  EXPECT_EQ(Stored(ParseSetCookies("Set-Cookie: a=1\r\r\nSet-Cookie: b=\r2\r\n")), "a#1\r|b#\r2|");
  // A last line without a line feed keeps its carriage return.
  EXPECT_EQ(Stored(ParseSetCookies("Set-Cookie: a=1\r")), "a#1\r|");
  // Lines written in lower case alone still count.
  r = ParseSetCookies("HTTP/1.1 200 OK\r\nset-cookie: a=1; path=/\r\n\r\n");
  EXPECT_EQ(r.cookieText, "a=1;");
  EXPECT_EQ(Stored(r), "a#1; path=/|");
}

TEST(SetCookieTest, MalformedAndShortLinesAreReadSafely) {
  ReceivedCookies r = ParseSetCookies("Set-Cookie: plain; x\r\n");
  EXPECT_EQ(r.cookieText, "plain;");
  EXPECT_EQ(Stored(r), "#plain; x|");
  EXPECT_EQ(Stored(ParseSetCookies("Set-Cookie: \r\n")), "#|");
  EXPECT_TRUE(ParseSetCookies("Set-Cookie:a=1\r\n").store.empty());
  EXPECT_TRUE(ParseSetCookies("Set-Cookie:").store.empty());
  // The first 12 bytes are dropped even when the name does not start the line.
  r = ParseSetCookies("X-Set-Cookie: a=1;\r\n");
  EXPECT_EQ(r.cookieText, ": a=1;");
  EXPECT_EQ(Stored(r), ": a#1;|");
  EXPECT_EQ(ParseSetCookies("Set-Cookie: e=\r\nSet-Cookie: =v;\r\n").cookieText, ";=v;");
}

}  // namespace
