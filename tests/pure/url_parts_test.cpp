// Pieces of http URLs and the marker searches of the web client.
#include "web/url_parts.h"

#include <gtest/gtest.h>

namespace {

TEST(UrlPiecesTest, HostPortAndPath) {
  const Text url = "http://Host1:8080/a/b?x=1";
  EXPECT_EQ(UrlHost(url), "host1");
  EXPECT_EQ(UrlPort(url), 8080);
  EXPECT_EQ(UrlObjectName(url), "/a/b?x=1");
}

TEST(UrlPiecesTest, HostOnly) {
  EXPECT_EQ(UrlHost("http://example.com"), "example.com");
  EXPECT_EQ(UrlObjectName("http://example.com"), "/");
  EXPECT_EQ(UrlPort("http://example.com"), 80);
  EXPECT_EQ(UrlObjectName("http://example.com/"), "/");
}

TEST(UrlPiecesTest, QueryWithSlashesAndColons) {
  const Text url = "http://127.0.0.1:28080/tiqu.php?dq=a/b&t=1:2";
  EXPECT_EQ(UrlHost(url), "127.0.0.1");
  EXPECT_EQ(UrlPort(url), 28080);
  EXPECT_EQ(UrlObjectName(url), "/tiqu.php?dq=a/b&t=1:2");
}

TEST(UrlPiecesTest, Https) {
  const Text url = "https://Secure.Example:8443/p";
  EXPECT_EQ(UrlHost(url), "secure.example");
  EXPECT_EQ(UrlObjectName(url), "/p");
}

TEST(UrlPiecesTest, NoScheme) {
  EXPECT_EQ(UrlHost("Example.com/x/y"), "example.com");
  EXPECT_EQ(UrlObjectName("Example.com/x/y"), "/x/y");
  EXPECT_EQ(UrlPort("example.com:81/x"), 81);
  EXPECT_EQ(UrlPort("example.com/x:99"), 80);
}

TEST(UrlPiecesTest, HostFoundInsideTheSchemeIsNotUsed) {
  // "p" and "http" also occur inside "http://".
  EXPECT_EQ(UrlObjectName("http://p/x"), "/x");
  EXPECT_EQ(UrlObjectName("http://http/x"), "/x");
  EXPECT_EQ(UrlObjectName("https://s/x?y"), "/x?y");
}

TEST(UrlPiecesTest, SchemeCaseForPort) {
  EXPECT_EQ(UrlPort("HTTP://h:8081/"), 8081);
  EXPECT_EQ(UrlPort("HtTp://h"), 80);
}

TEST(UrlPortTest, PortTextConversion) {
  EXPECT_EQ(UrlPort("http://h:/x"), 0);
  EXPECT_EQ(UrlPort("http://h:abc/x"), 0);
  EXPECT_EQ(UrlPort("http://h:80.6/x"), 81);
  EXPECT_EQ(UrlPort("http://h:80.4/x"), 80);
  EXPECT_EQ(UrlPort("http://h:8080x/"), 8080);
  EXPECT_EQ(UrlPort("http://h:99999999999999999999/"), 2147483647);
  EXPECT_EQ(UrlPort("http://"), 80);
  EXPECT_EQ(UrlPort(""), 80);
}

TEST(TextBetweenTest, MarkersIgnoringCase) {
  EXPECT_EQ(TextBetween("User-Agent: X\r\nA: b\r\n", "user-agent:", "\r\n"), " X");
  EXPECT_EQ(TextBetween("<A>x<a>y<B>", "<a>", "<b>"), "x<a>y");
  EXPECT_EQ(TextBetween("ab", "a", "b"), "");
  EXPECT_EQ(TextBetween("abc", "x", "c"), "");
  EXPECT_EQ(TextBetween("abc", "a", "x"), "");
  // The right marker is searched only after the left one.
  EXPECT_EQ(TextBetween("]a[x]", "[", "]"), "x");
  EXPECT_EQ(TextBetween("a[", "[", "]"), "");
  EXPECT_EQ(TextBetween("a[b", "[", ""), "");
}

TEST(TextBeforeTest, EmptyWhenMarkerAbsent) {
  EXPECT_EQ(TextBefore("a=1; path=/", ";"), "a=1");
  EXPECT_EQ(TextBefore("b=2", ";"), "");
  EXPECT_EQ(TextBefore(";x", ";"), "");
  EXPECT_EQ(TextBefore("", ";"), "");
}

}  // namespace
