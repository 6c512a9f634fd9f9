// The service query and the cut of its answer page.
#include "app/proxy_query.h"

#include <gtest/gtest.h>

namespace {

TEST(QueryUrlTest, PercentEncodingAndTheQuery) {
  EXPECT_EQ(PercentEncode("北京"), "%B1%B1%BE%A9");
  EXPECT_EQ(PercentEncode(Text("A\n\0\xFF", 4)), "%41%0A%00%FF");
  int calls = 0;
  EXPECT_EQ(PercentEncode("北京x", [&] { ++calls; }), "%B1%B1%BE%A9%78");
  EXPECT_EQ(calls, 5) << "the pump runs after each byte";
  EXPECT_EQ(CarrierTail(Carrier::All), "&xl=3&cf=4&tj=%CC%E1+%C8%A1");
  EXPECT_EQ(CarrierTail(Carrier::Unicom), "&xl=1&cf=4&tj=%CC%E1+%C8%A1");
  EXPECT_EQ(BuildQueryUrl("svc.example", PercentEncode("北京"), "100", "", Carrier::Telecom),
            "http://svc.example/tiqu.php?dq=%B1%B1%BE%A9&sl=100&dk=&xl=2&cf=4&tj=%CC%E1+%C8%A1");
  EXPECT_EQ(TextAfterLast("a|b|c", "|"), "c");
  EXPECT_EQ(TextAfterLast("abc", "|"), "");
  EXPECT_EQ(TextAfterLast("a<H4>b", "<h4>"), "");
}

TEST(CutProxyListTest, ListAfterTheLastMarkerWithLineBreaks) {
  EXPECT_EQ(CutProxyList("<html><h4>地区主</h4>1.2.3.4:80<br>5.6.7.8:8080<br></div>"),
            "1.2.3.4:80\r\n5.6.7.8:8080\r\n</div>");
  EXPECT_EQ(CutProxyList("主</h4>9.9.9.9:1<br>主</h4>1.1.1.1:2<br>"), "1.1.1.1:2\r\n");
  EXPECT_EQ(CutProxyList("主</h4>1.1.1.1:1<BR>\n2.2.2.2:2<br>"), "1.1.1.1:1<BR>\n2.2.2.2:2\r\n");
}

TEST(CutProxyListTest, NoMarkerOnACharacterBoundaryGivesAnEmptyList) {
  EXPECT_FALSE(HasListMarker(""));
  EXPECT_FALSE(HasListMarker("\xE4\xB8\xBB</h4>"));
  EXPECT_FALSE(HasListMarker("\xB0\xD6\xF7</h4>")) << "D6 is the second byte of a character";
  EXPECT_TRUE(HasListMarker("<h4>主</h4>"));
  EXPECT_TRUE(HasListMarker("主</h4>")) << "a marker with nothing after it";
  EXPECT_EQ(CutProxyList(""), "");
  EXPECT_EQ(CutProxyList("<html>1.2.3.4:80<br></html>"), "");
  EXPECT_EQ(CutProxyList("\xE4\xB8\xBB</h4>1.2.3.4:80<br>"), "");  // UTF-8 marker
  // "主" is D6 F7, but here D6 is the second byte of B0 D6.
  EXPECT_EQ(CutProxyList("\xB0\xD6\xF7</h4>1.1.1.1:1<br>"), "");
}

TEST(CutProxyListTest, PageTextEndsAtZeroByte) {
  Bytes body = TextToBytes("主</h4>1.1.1.1:1<br>");
  body.push_back(0);
  const Bytes rest = TextToBytes("2.2.2.2:2<br>");
  body.insert(body.end(), rest.begin(), rest.end());
  EXPECT_EQ(CutProxyList(BytesToText(body)), "1.1.1.1:1\r\n");
}

}  // namespace

TEST(CutProxyListTest, LoneLeadByteAtTheEndIsDropped) {
  // The last character cut off after its first byte: only whole characters stay.
  EXPECT_EQ(CutProxyList("主</h4>1.1.1.1:1<br>\xB1"), "1.1.1.1:1\r\n");
  EXPECT_EQ(CutProxyList("主</h4>1.1.1.1:1<br>北\xB1"), "1.1.1.1:1\r\n北");
  // A whole two-byte character at the end stays; so does a lone byte that is
  // the second byte of the character before it.
  EXPECT_EQ(CutProxyList("主</h4>a北"), "a北");
  EXPECT_EQ(CutProxyList("主</h4>a\xB1\xB1\xB1"), "a\xB1\xB1");
  EXPECT_EQ(CutProxyList("主</h4>\xB1\xB1\xB1\xB1"), "\xB1\xB1\xB1\xB1");
}
