// The service query and the cut of its answer page.
#include "app/proxy_query.h"

#include <gtest/gtest.h>

namespace {

TEST(PercentEncodeTest, EveryByteBecomesUpperCaseHex) {
  EXPECT_EQ(PercentEncode("北京"), "%B1%B1%BE%A9");
  EXPECT_EQ(PercentEncode("ab"), "%61%62");
  EXPECT_EQ(PercentEncode("A\n09 "), "%41%0A%30%39%20");
  EXPECT_EQ(PercentEncode(Text("\0\xFF", 2)), "%00%FF");
  EXPECT_EQ(PercentEncode(""), "");
}

TEST(PercentEncodeTest, PumpRunsAfterEachByte) {
  int calls = 0;
  const Text encoded = PercentEncode("北京x", [&] { ++calls; });
  EXPECT_EQ(calls, 5);
  EXPECT_EQ(encoded, "%B1%B1%BE%A9%78");
  calls = 0;
  PercentEncode("", [&] { ++calls; });
  EXPECT_EQ(calls, 0);
}

TEST(QueryUrlTest, CarrierTails) {
  EXPECT_EQ(CarrierTail(Carrier::All), "&xl=3&cf=4&tj=%CC%E1+%C8%A1");
  EXPECT_EQ(CarrierTail(Carrier::Telecom), "&xl=2&cf=4&tj=%CC%E1+%C8%A1");
  EXPECT_EQ(CarrierTail(Carrier::Unicom), "&xl=1&cf=4&tj=%CC%E1+%C8%A1");
  // tj is the form-encoded GBK text 提 取.
  EXPECT_EQ(CarrierTail(Carrier::All).substr(14), "%CC%E1+%C8%A1");
  EXPECT_EQ(PercentEncode("提") + "+" + PercentEncode("取"), "%CC%E1+%C8%A1");
}

TEST(QueryUrlTest, ExampleQuery) {
  EXPECT_EQ(BuildQueryUrl("svc.example", PercentEncode("北京"), "100", "", Carrier::Telecom),
            "http://svc.example/tiqu.php?dq=%B1%B1%BE%A9&sl=100&dk=&xl=2&cf=4&tj=%CC%E1+%C8%A1");
  EXPECT_EQ(BuildQueryUrl("127.0.0.1:28080", "", "5", "8080", Carrier::Unicom),
            "http://127.0.0.1:28080/tiqu.php?dq=&sl=5&dk=8080&xl=1&cf=4&tj=%CC%E1+%C8%A1");
}

TEST(TextAfterLastTest, TakesTheRestAfterTheLastMarker) {
  EXPECT_EQ(TextAfterLast("a|b|c", "|"), "c");
  EXPECT_EQ(TextAfterLast("a|b|", "|"), "");
  EXPECT_EQ(TextAfterLast("abc", "|"), "");
  EXPECT_EQ(TextAfterLast("", "|"), "");
  EXPECT_EQ(TextAfterLast("xx<h4>yy", "<h4>"), "yy");
  // Case-sensitive.
  EXPECT_EQ(TextAfterLast("a<H4>b", "<h4>"), "");
}

TEST(CutProxyListTest, ListAfterMarkerWithLineBreaks) {
  const Text page = "<html><h4>地区主</h4>1.2.3.4:80<br>5.6.7.8:8080<br></div>";
  EXPECT_EQ(CutProxyList(page), "1.2.3.4:80\r\n5.6.7.8:8080\r\n</div>");
}

TEST(CutProxyListTest, OnlyTheTextAfterTheLastMarker) {
  const Text page = "主</h4>9.9.9.9:1<br>主</h4>1.1.1.1:2<br>";
  EXPECT_EQ(CutProxyList(page), "1.1.1.1:2\r\n");
}

TEST(CutProxyListTest, NoMarkerGivesEmptyList) {
  EXPECT_EQ(CutProxyList("<html>1.2.3.4:80<br></html>"), "");
  EXPECT_EQ(CutProxyList(""), "");
  // The marker in UTF-8 is not the GBK marker.
  EXPECT_EQ(CutProxyList("\xE4\xB8\xBB</h4>1.2.3.4:80<br>"), "");
}

TEST(CutProxyListTest, KeepsWhatThePageHolds) {
  // Upper-case <BR> and the page's own line feeds stay as they are.
  EXPECT_EQ(CutProxyList("主</h4>1.1.1.1:1<BR>\n2.2.2.2:2<br>"), "1.1.1.1:1<BR>\n2.2.2.2:2\r\n");
}

TEST(CutProxyListTest, MarkerMustStartOnACharacterBoundary) {
  // B0 D6 F7 ...: "主" is D6 F7, but here D6 is the second byte of B0 D6.
  const Text page = "\xB0\xD6\xF7</h4>1.1.1.1:1<br>";
  EXPECT_EQ(CutProxyList(page), "");
}

TEST(CutProxyListTest, PageTextEndsAtZeroByte) {
  Bytes body = TextToBytes("主</h4>1.1.1.1:1<br>");
  body.push_back(0);
  const Bytes rest = TextToBytes("2.2.2.2:2<br>");
  body.insert(body.end(), rest.begin(), rest.end());
  EXPECT_EQ(CutProxyList(BytesToText(body)), "1.1.1.1:1\r\n");
}

}  // namespace
