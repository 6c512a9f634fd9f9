// The page conversions of the timed runner. Inputs are spelled as bytes: the
// test source itself compiles to GBK.
#include <windows.h>

#include <gtest/gtest.h>

#include "web/timed_fetch.h"

namespace {

const Text kUtf8Zhongwen = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文 in UTF-8
const Text kBig5Fanti = "\xC1\x63\xC5\xE9";             // 繁體 in Big5

TEST(Utf8ToGbk, ConvertsChineseAndKeepsAscii) {
  EXPECT_EQ(Utf8ToGbk(kUtf8Zhongwen), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(Utf8ToGbk("a" + kUtf8Zhongwen + "z"), "a中文z");
  EXPECT_EQ(Utf8ToGbk(""), "");
}

TEST(Utf8ToGbk, CharacterGbkLacksBecomesTheDefaultReplacement) {
  // U+1F600 has no GBK form; the text goes on after it.
  const Text converted = Utf8ToGbk("a\xF0\x9F\x98\x80" "b");
  ASSERT_GE(converted.size(), 3u);
  EXPECT_EQ(converted.front(), 'a');
  EXPECT_EQ(converted.back(), 'b');
  EXPECT_EQ(converted.find('\0'), Text::npos);
}

TEST(Big5ToGbk, ConvertsTraditionalCharactersToTheirGbkForm) {
  EXPECT_EQ(Big5ToGbk(kBig5Fanti), "繁體");
  EXPECT_EQ(Big5ToGbk("x" + kBig5Fanti), "x繁體");
  EXPECT_EQ(Big5ToGbk(""), "");
}

TEST(Big5ToGbk, EndsBeforeTheFirstCharacterGbkLacks) {
  // Big5 A1 45 is U+2027 (hyphenation point), which GBK lacks.
  EXPECT_EQ(Big5ToGbk("ab\xA4\xA4\xA1\x45\xA4\xE5"), "ab中");
}

// Wine, for one, has no traditional-to-simplified mapping.
bool SystemMapsToSimplified() {
  wchar_t mapped[2] = {};
  return LCMapStringW(MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT),
                      LCMAP_SIMPLIFIED_CHINESE, L"\u9AD4", 1, mapped, 2) == 1 &&
         mapped[0] == 0x4F53;  // 體 -> 体
}

TEST(ToSimplified, MapsTraditionalToSimplifiedKeepingTheLength) {
  if (!SystemMapsToSimplified()) GTEST_SKIP() << "the system cannot map to simplified characters";
  EXPECT_EQ(ToSimplified("繁體中文測試"), "繁体中文测试");
}

TEST(ToSimplified, LeavesTextWithoutTraditionalCharactersAlone) {
  EXPECT_EQ(ToSimplified("abc 中文"), "abc 中文");
  EXPECT_EQ(ToSimplified(""), "");
  EXPECT_EQ(ToSimplified("繁體").size(), Text("繁體").size());
}

}  // namespace

