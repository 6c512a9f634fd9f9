// Pieces of http URLs and the marker searches of the web client.
#include "web/url_parts.h"

#include <gtest/gtest.h>

namespace {

TEST(UrlPiecesTest, HostPortAndObjectName) {
  const Text url = "http://Host1:8080/a/b?x=1:2/c";
  EXPECT_EQ(UrlHost(url), "host1");
  EXPECT_EQ(UrlPort(url), 8080);
  EXPECT_EQ(UrlObjectName(url), "/a/b?x=1:2/c");
  EXPECT_EQ(UrlObjectName("http://example.com"), "/");
  EXPECT_EQ(UrlPort("HtTp://h"), 80);
  EXPECT_EQ(UrlHost("https://Secure.Example:8443/p"), "secure.example");
  EXPECT_EQ(UrlHost("Example.com/x/y"), "example.com");
  EXPECT_EQ(UrlPort("example.com/x:99"), 80);
  // "p" and "http" also occur inside "http://".
  EXPECT_EQ(UrlObjectName("http://p/x"), "/x");
  EXPECT_EQ(UrlObjectName("http://http/x"), "/x");
  EXPECT_EQ(UrlObjectName("https://p/x"), "/x");
}

TEST(UrlPiecesTest, PortTextConversion) {
  EXPECT_EQ(UrlPort("http://h:abc/x"), 0);
  EXPECT_EQ(UrlPort("http://h:80.6/x"), 81);
  EXPECT_EQ(UrlPort("http://h:80.5/"), 81) << "a half rounds up";
  EXPECT_EQ(UrlPort("http://h:80.4/"), 80);
  EXPECT_EQ(UrlPort("http://h:8080x/"), 8080);
  EXPECT_EQ(UrlPort("http://h:99999999999999999999/"), 2147483647);
  EXPECT_EQ(UrlPort(""), 80);
}

TEST(MarkerSearchTest, TextBetweenIgnoresCaseTextBeforeNeedsTheMarker) {
  EXPECT_EQ(TextBetween("User-Agent: X\r\nA: b\r\n", "user-agent:", "\r\n"), " X");
  EXPECT_EQ(TextBetween("<A>x<a>y<B>", "<a>", "<b>"), "x<a>y");
  EXPECT_EQ(TextBetween("abc", "a", "x"), "");
  EXPECT_EQ(TextBetween("]a[x]", "[", "]"), "x");  // right marker only after the left
  EXPECT_EQ(TextBetween("a[b", "[", ""), "");
  EXPECT_EQ(TextBefore("a=1; path=/", ";"), "a=1");
  EXPECT_EQ(TextBefore("b=2", ";"), "");
}

}  // namespace

TEST(RedirectTargetTest, LocationsResolvedAgainstTheAnsweringUrl) {
  const Text base = "http://h:81/a/b/c?q=1";
  EXPECT_EQ(ResolveRedirect(base, "https://other/x"), "https://other/x");
  EXPECT_EQ(ResolveRedirect(base, "HTTP://Other/x"), "HTTP://Other/x");
  EXPECT_EQ(ResolveRedirect(base, "//other:9/x"), "http://other:9/x");
  EXPECT_EQ(ResolveRedirect(base, "/root?z"), "http://h:81/root?z");
  EXPECT_EQ(ResolveRedirect(base, "d"), "http://h:81/a/b/d");
  EXPECT_EQ(ResolveRedirect(base, "?r=2"), "http://h:81/a/b/c?r=2");
  EXPECT_EQ(ResolveRedirect("http://h", "d"), "http://h/d");
  EXPECT_EQ(ResolveRedirect("http://h?x/y", "d"), "http://h/d");
  EXPECT_EQ(ResolveRedirect(base, "  /s  "), "http://h:81/s");
  EXPECT_EQ(ResolveRedirect(base, ""), "");
}
