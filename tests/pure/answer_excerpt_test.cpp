// What a failed extract quotes of the service's answer, what its box says,
// and when a list holds nothing to save.
#include <gtest/gtest.h>

#include "app/answer_excerpt.h"
#include "app/extract_failure.h"

namespace {

// UTF-8 bytes of the texts below (the sources' literals are GBK).
const Text kUtf8WhiteList = "\xe8\xaf\xb7\xe5\xb0\x86";  // 请将
const Text kUtf8Bang = "\xef\xbc\x81";                    // ！

// The host has no code pages: a conversion that knows the two characters
// the tests use and marks everything it converted.
Text FakeUtf8ToGbk(const Text& utf8) {
  Text gbk = ReplaceText(utf8, kUtf8WhiteList, "请将");
  gbk = ReplaceText(gbk, kUtf8Bang, "！");
  return "[" + gbk + "]";
}

TEST(AnswerEncoding, Utf8OnlyWhenValidAndNotPlainAscii) {
  EXPECT_TRUE(IsUtf8WithHighByte(kUtf8WhiteList));
  EXPECT_TRUE(IsUtf8WithHighByte("a\xf0\x9f\x98\x80z"));  // four bytes, U+1F600
  EXPECT_FALSE(IsUtf8WithHighByte("plain ascii"));
  EXPECT_FALSE(IsUtf8WithHighByte(""));
  EXPECT_FALSE(IsUtf8WithHighByte("请将"));            // GBK C7 EB BD AB
  EXPECT_FALSE(IsUtf8WithHighByte("\xc0\x80"));        // overlong zero
  EXPECT_FALSE(IsUtf8WithHighByte("\xe0\x80\xaf"));    // overlong slash
  EXPECT_FALSE(IsUtf8WithHighByte("\xed\xa0\x80"));    // a surrogate
  EXPECT_FALSE(IsUtf8WithHighByte("\xf4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsUtf8WithHighByte("\xe8\xaf"));        // cut short
  EXPECT_FALSE(IsUtf8WithHighByte("\xe8\xafx"));
}

TEST(AnswerEncoding, JsonEscapesReadAsUtf8) {
  EXPECT_EQ(DecodeJsonEscapes("{\"msg\":\"\\u8bf7\\u5C06\"}"), "{\"msg\":\"" + kUtf8WhiteList + "\"}");
  EXPECT_EQ(DecodeJsonEscapes("\\ud83d\\ude00"), "\xf0\x9f\x98\x80");
  EXPECT_EQ(DecodeJsonEscapes("a\\ud83db"), "a?b") << "a lone surrogate";
  EXPECT_EQ(DecodeJsonEscapes("\\ude00"), "?");
  EXPECT_EQ(DecodeJsonEscapes("a\\u0000b"), "ab");
  EXPECT_EQ(DecodeJsonEscapes("http:\\/\\/h\\/x \\\"q\\\" a\\nb"), "http://h/x \"q\" a\nb");
  // An escaped backslash before "u1234" is no \u escape.
  EXPECT_EQ(DecodeJsonEscapes("\\\\u1234"), "\\u1234");
  EXPECT_EQ(DecodeJsonEscapes("\\u12g4 \\x \\"), "\\u12g4 \\x \\");
  EXPECT_EQ(DecodeJsonEscapes("\\u00e9"), "\xc3\xa9");
}

TEST(AnswerVisibleText, MarkupOutWhiteSpaceOnce) {
  const Text page =
      "<html>\r\n<head><title>403 Forbidden</title>\n<style type=\"text/css\">body{color:red}</style>"
      "<script>var a = '<b>';</script><!-- a <comment> --></head>\n"
      "<body bgcolor=\"white\">\n<center><h1>403&nbsp;Forbidden</h1></center>\n"
      "<hr><center>nginx</center>\r\n</body>\n</html>\n";
  EXPECT_EQ(VisibleAnswerText(page, 1000), "403 Forbidden 403 Forbidden nginx");
  EXPECT_EQ(VisibleAnswerText("  a\t\tb \r\n c  ", 1000), "a b c");
  EXPECT_EQ(VisibleAnswerText("a<b>c</b>d", 1000), "a c d");
  EXPECT_EQ(VisibleAnswerText("1 < 2 &amp; 3 &gt; 2 &#65;&#x42; &#20320; &bogus;", 1000),
            "1 < 2 & 3 > 2 AB &#20320; &bogus;")
      << "only ASCII character references are read";
  EXPECT_EQ(VisibleAnswerText("<SCRIPT src=x>alert(1)</SCRIPT >after", 1000), "after");
  EXPECT_EQ(VisibleAnswerText("<scripted>kept</scripted>", 1000), "kept");
  EXPECT_EQ(VisibleAnswerText("text <unclosed tag", 1000), "text");
  EXPECT_EQ(VisibleAnswerText("<script>never ends", 1000), "");
  EXPECT_EQ(VisibleAnswerText("<p>请将 1.2.3.4</p>", 1000), "请将 1.2.3.4");
  EXPECT_EQ(VisibleAnswerText("abcdefgh", 3), "abcd") << "stops once past the limit";
}

TEST(AnswerVisibleText, CutAtCharactersWithAnEllipsis) {
  EXPECT_EQ(CutToCharacters("abc", 3), "abc");
  EXPECT_EQ(CutToCharacters("abcd", 3), "abc…");
  EXPECT_EQ(CutToCharacters("请将ab", 3), "请将a…");
  EXPECT_EQ(CutToCharacters("a请将", 2), "a请…") << "a two-byte character is one";
  EXPECT_EQ(CutToCharacters("ab\xc7", 5), "ab") << "a lone lead byte is dropped";
  EXPECT_EQ(CutToCharacters("", 3), "");
}

TEST(AnswerExcerptTest, WhiteListJsonInUtf8ShowsTheAddress) {
  const Text json = "{\"code\":113,\"success\":false,\"msg\":\"" + kUtf8WhiteList +
                    "1.2.3.4" + kUtf8Bang + "\"}";
  EXPECT_EQ(AnswerExcerpt(json, FakeUtf8ToGbk),
            "[{\"code\":113,\"success\":false,\"msg\":\"请将1.2.3.4！\"}]");
  // The same with \u escapes, as many services write their JSON.
  EXPECT_EQ(AnswerExcerpt("{\"msg\":\"\\u8bf7\\u5c06 1.2.3.4\"}", FakeUtf8ToGbk),
            "[{\"msg\":\"请将 1.2.3.4\"}]");
}

TEST(AnswerExcerptTest, GbkAndAsciiAnswersAreNotConverted) {
  EXPECT_EQ(AnswerExcerpt("提取太频繁，请稍后再试\r\n", FakeUtf8ToGbk),
            "提取太频繁，请稍后再试");
  EXPECT_EQ(AnswerExcerpt("<h1>Forbidden</h1>", FakeUtf8ToGbk), "Forbidden");
  // Escapes in a GBK page stay as they are: the page is not JSON in UTF-8.
  EXPECT_EQ(AnswerExcerpt("请将\\u8bf7", FakeUtf8ToGbk), "请将\\u8bf7");
}

TEST(AnswerExcerptTest, CutAfter120Characters) {
  const Text long200(200, 'x');
  EXPECT_EQ(AnswerExcerpt(long200, FakeUtf8ToGbk), Text(120, 'x') + "…");
  EXPECT_EQ(AnswerExcerpt(Text(120, 'y'), FakeUtf8ToGbk), Text(120, 'y'));
  Text gbk;
  for (int i = 0; i < 130; ++i) gbk += "将";
  const Text cut = AnswerExcerpt(gbk, FakeUtf8ToGbk);
  EXPECT_EQ(cut, gbk.substr(0, 240) + "…");
  // A long page: the excerpt reads only its beginning, whole characters.
  Text utf8;
  for (int i = 0; i < 5000; ++i) utf8 += kUtf8WhiteList;
  const Text converted = AnswerExcerpt(utf8, FakeUtf8ToGbk);
  ASSERT_EQ(converted.substr(0, 5), "[请将");
  EXPECT_EQ(converted.substr(converted.size() - 2), "…");
  EXPECT_EQ(converted.size(), 1 + 119 * 2 + 2u) << "'[' and 119 two-byte characters";
  EXPECT_EQ(AnswerExcerpt("<html><body>\r\n</body></html>", FakeUtf8ToGbk), "");
  EXPECT_EQ(AnswerExcerpt("", FakeUtf8ToGbk), "");
}

TEST(ListLines, OnlyWhiteSpaceAndTagsHoldNothing) {
  for (const char* nothing : {"", "\r\n", " \t\r\n\r\n", "　\r\n", "&nbsp;\r\n",
                              "</div>\n</body>\n</html>\n", "<!-- x -->", "\xc7"}) {
    SCOPED_TRACE(nothing);
    EXPECT_FALSE(HoldsListLine(nothing));
  }
  for (const char* something : {"1.2.3.4:80\r\n", "\r\n\r\nx", "将", "\xa1\xa2", "　x",
                                "</div>\nleft over\n"}) {
    SCOPED_TRACE(something);
    EXPECT_TRUE(HoldsListLine(something));
  }
}

TEST(ExtractFailureText, EachReasonAsTheBoxSaysIt) {
  ExtractFailure failure;
  failure.kind = ExtractFailureKind::TimedOut;
  failure.timeoutSeconds = 60;
  EXPECT_EQ(ExtractFailureMessage(failure), "提取代理ip失败：提取服务60秒内没有回答");
  failure.timeoutSeconds = 5;
  EXPECT_EQ(ExtractFailureMessage(failure), "提取代理ip失败：提取服务5秒内没有回答");

  failure = ExtractFailure();
  failure.kind = ExtractFailureKind::NoConnection;
  failure.networkReason = "无法与服务器建立连接。\r\n";
  EXPECT_EQ(ExtractFailureMessage(failure), "提取代理ip失败：连不上提取服务（无法与服务器建立连接）");
  failure.networkReason = "The connection with the server was reset.";
  EXPECT_EQ(ExtractFailureMessage(failure),
            "提取代理ip失败：连不上提取服务（The connection with the server was reset）");
  failure.networkReason = "错误 12029";
  EXPECT_EQ(ExtractFailureMessage(failure), "提取代理ip失败：连不上提取服务（错误 12029）");
  // "。" only as a character of its own: here A1 A3 are the end of 贰 (B7 A1)
  // and a lone A3.
  failure.networkReason = "\xb7\xa1\xa3";
  EXPECT_EQ(ExtractFailureMessage(failure), "提取代理ip失败：连不上提取服务（\xb7\xa1\xa3）");

  failure = ExtractFailure();
  failure.kind = ExtractFailureKind::NoList;
  failure.httpStatus = 200;
  EXPECT_EQ(ExtractFailureMessage(failure), "提取代理ip失败：提取服务的回答里没有代理列表");
  failure.excerpt = "套餐已过期";
  EXPECT_EQ(ExtractFailureMessage(failure),
            "提取代理ip失败：提取服务的回答里没有代理列表：套餐已过期");
  failure.httpStatus = 403;
  EXPECT_EQ(ExtractFailureMessage(failure),
            "提取代理ip失败：提取服务的回答里没有代理列表（HTTP 403）：套餐已过期");
  failure.excerpt.clear();
  failure.httpStatus = 500;
  EXPECT_EQ(ExtractFailureMessage(failure),
            "提取代理ip失败：提取服务的回答里没有代理列表（HTTP 500）");
}

}  // namespace
