// The page conversions of the timed runner. Inputs are spelled as bytes: the
// test source itself compiles to GBK.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/web/simplified_probe.h"
#include "web/timed_fetch.h"

namespace {

const Text kUtf8Zhongwen = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文 in UTF-8
const Text kBig5Fanti = "\xC1\x63\xC5\xE9";             // 繁體 in Big5

TEST(Utf8ToGbk, ConvertsChineseAndKeepsAscii) {
  EXPECT_EQ(Utf8ToGbk("a" + kUtf8Zhongwen + "z"), "a中文z");
  // U+1F600 has no GBK form: replaced, and the text goes on after it.
  const Text converted = Utf8ToGbk("a\xF0\x9F\x98\x80" "b");
  ASSERT_GE(converted.size(), 3u);
  EXPECT_EQ(converted.front(), 'a');
  EXPECT_EQ(converted.back(), 'b');
  EXPECT_EQ(converted.find('\0'), Text::npos);
}

TEST(Big5ToGbk, ConvertsTraditionalCharactersToTheirGbkForm) {
  EXPECT_EQ(Big5ToGbk("x" + kBig5Fanti), "x繁體");
  // Big5 A1 45 is U+2027, which GBK lacks: the text ends before it.
  EXPECT_EQ(Big5ToGbk("ab\xA4\xA4\xA1\x45\xA4\xE5"), "ab中");
}

TEST(ToSimplified, MapsTraditionalCharactersWhereTheSystemCan) {
  if (!SystemMapsToSimplified()) GTEST_SKIP() << "this system has no traditional-to-simplified mapping";
  EXPECT_EQ(ToSimplified("ab繁體測試"), "ab繁体测试");
  EXPECT_EQ(ToSimplified("abc 中文"), "abc 中文");
}

}  // namespace

