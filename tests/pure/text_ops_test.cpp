// Rules of the GBK text operations.
#include "app/text_ops.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

// "啊" is B0 A1: its second byte equals the full-width space's lead byte.
const Text kAh = "\xB0\xA1";

TEST(CompareTextTest, UnsignedBytesAndAsciiOnlyCaseFolding) {
  EXPECT_LT(CompareText("abc", "abd"), 0);
  EXPECT_GT(CompareText(kAh, "z"), 0);  // 0xB0 above ASCII when unsigned
  EXPECT_LT(CompareText("ab", "abc"), 0);
  EXPECT_EQ(CompareTextNoCase("MiXeD", "mIxEd"), 0);
  EXPECT_NE(CompareTextNoCase("[", "{"), 0);
  EXPECT_LT(CompareTextNoCase("a", "B"), 0);
  // The second byte of a two-byte character is compared exactly.
  EXPECT_NE(CompareTextNoCase("\xB0\x41", "\xB0\x61"), 0);
}

TEST(FindTextTest, OneBasedPositionsAndStartClamping) {
  EXPECT_EQ(FindText("abcb", "b"), 2);
  EXPECT_EQ(FindText("abcb", "b", 3), 4);
  EXPECT_EQ(FindText("abcb", "b", 5), -1);
  EXPECT_EQ(FindText("abcb", "b", -7), 2);
  EXPECT_EQ(FindText("ab", ""), 1);
  EXPECT_EQ(FindText("", ""), -1);
  EXPECT_EQ(FindText("xxSet-Cookie: a", "set-cookie: ", 1, true), 3);
  EXPECT_EQ(FindText("xxSet-Cookie: a", "set-cookie: ", 1, false), -1);
  EXPECT_EQ(FindText("\xB0\x41", "\xB0\x61", 1, true), -1);
}

TEST(FindTextTest, NeverMatchesOnASecondByteNorPastALoneLeadByte) {
  EXPECT_EQ(FindText(kAh + "B", "\xA1" "B"), -1);
  EXPECT_EQ(FindText(kAh + "B", "B"), 3);
  EXPECT_EQ(FindText("\xB0\x41", "A"), -1);
  EXPECT_EQ(FindText("\xB0\x41" "a", "A", 1, true), 3);
  EXPECT_EQ(FindText(kAh + kAh, "\xA1\xB0"), -1);
  EXPECT_EQ(FindText("a\xB0", "\xB0"), 2);
  EXPECT_EQ(FindText("\xB0", "\xB0\xA1\xB0"), -1);
  EXPECT_EQ(FindTextLast("aaa", "aa"), 2);
  EXPECT_EQ(FindTextLast("aBab", "AB", true), 3);
  EXPECT_EQ(FindTextLast(kAh + kAh, "\xA1\xB0"), -1);
  EXPECT_EQ(FindTextLast(kAh + "x" + kAh, kAh), 4);
}

TEST(CutTest, LeftRightMidDeleteClampToTheText) {
  EXPECT_EQ(LeftText("abcd", -1), "");
  EXPECT_EQ(RightText("abcd", 2), "cd");
  EXPECT_EQ(MidText("abcd", 2, 2), "bc");
  EXPECT_EQ(MidText("abcd", 4, 9), "d");
  EXPECT_EQ(MidText("abcd", 0, 2), "");
  EXPECT_EQ(MidText("x" + kAh, 3, 1), "\xA1");  // cuts may split a character
  EXPECT_EQ(DeleteRange("abcdef", 2, 3), "aef");
  EXPECT_EQ(DeleteRange("abcdef", 5, 9), "abcd");
  EXPECT_EQ(DeleteRange("abcdef", 0, 2), "cdef");
  EXPECT_EQ(DeleteRange("abcdef", 2, -4), "abcdef");
}

TEST(ReplaceTextTest, NonOverlappingWithStartCountAndCase) {
  EXPECT_EQ(ReplaceText("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceText("aXa", "a", "aa"), "aaXaa");  // the replacement is not rescanned
  EXPECT_EQ(ReplaceText("a.a.a", ".", "-", 3), "a.a-a");
  EXPECT_EQ(ReplaceText("a.a.a", ".", "-", 1, 1), "a-a.a");
  EXPECT_EQ(ReplaceText("a.a.a", ".", "-", 1, -1), "a-a-a");
  EXPECT_EQ(ReplaceText("abc", "", "b"), "abc");
  EXPECT_EQ(ReplaceText("abc", "c", "x", 1, 0), "abc");
  EXPECT_EQ(ReplaceText("a<BR>b<br>", "<br>", "|"), "a<BR>b|");
  EXPECT_EQ(ReplaceText("a<BR>b<br>", "<br>", "|", 1, std::nullopt, false), "a|b|");
  EXPECT_EQ(ReplaceText(kAh + "B", "\xA1" "B", "x"), kAh + "B");
  EXPECT_EQ(ReplaceText("a\xB0", "a", "b"), "b\xB0");  // a lone lead byte is kept
}

using Parts = std::vector<Text>;

TEST(SplitTextTest, EmptyPartsLimitAndTwoByteCharacters) {
  EXPECT_EQ(SplitText("a,,b,"), (Parts{"a", "", "b"}));
  EXPECT_EQ(SplitText(""), Parts{});
  EXPECT_EQ(SplitText("a,b", ""), (Parts{"a,b"}));
  EXPECT_EQ(SplitText("a\r\n\r\nb\r\n", "\r\n"), (Parts{"a", "", "b"}));
  EXPECT_EQ(SplitText("a.b.c", ".", 2), (Parts{"a", "b"}));
  EXPECT_EQ(SplitText(".abc", ".", 1), (Parts{""}));
  EXPECT_EQ(SplitText("a.b", ".", 0), Parts{});
  EXPECT_EQ(SplitText("a.b", ".", -1), (Parts{"a", "b"}));
  EXPECT_EQ(SplitText(kAh + "x" + kAh, "\xA1"), (Parts{kAh + "x" + kAh}));
  EXPECT_EQ(SplitText("\xB0\x2C,x", ","), (Parts{"\xB0\x2C", "x"}));
}

TEST(TrimSpacesTest, AsciiAndFullWidthSpacesWithoutBreakingCharacters) {
  EXPECT_EQ(TrimSpaces("\xA1\xA1 x \xA1\xA1 "), "x");
  EXPECT_EQ(TrimSpaces(" \r\n "), "\r\n");
  EXPECT_EQ(TrimSpaces(kAh + "\xA1\xA1"), kAh);
  EXPECT_EQ(TrimSpaces(kAh + "\xA1"), kAh + "\xA1");  // A1 A1 here straddles
  EXPECT_EQ(TrimSpaces(" \xB0"), "\xB0");
  EXPECT_EQ(TrimSpaces("\xA1\xA2 x \xA1\xA3"), "\xA1\xA2 x \xA1\xA3");
  EXPECT_EQ(ToLowerAscii("HeLLo-World 1@[Z]"), "hello-world 1@[z]");
  EXPECT_EQ(ToLowerAscii("\xB0\x41" "A"), "\xB0\x41" "a");
  EXPECT_EQ(ToLowerAscii("A\xB0"), "a\xB0");
}

TEST(ConversionTest, BytesStopAtZeroAndValuesAsText) {
  EXPECT_EQ(BytesToText(Bytes{0x61, 0x00, 0x62}), "a");
  EXPECT_EQ(TextToBytes(Text("a\0b", 3)).size(), 3u);
  EXPECT_EQ(ValueToText(INT_MIN), "-2147483648");
  EXPECT_EQ(ValueToText(3000000000LL), "3000000000");
  EXPECT_EQ(ValueToText(true), "\xD5\xE6");   // 真 in GBK
  EXPECT_EQ(ValueToText(false), "\xBC\xD9");  // 假 in GBK
}

}  // namespace

TEST(DropLoneLeadByteTest, OnlyAFinalLeadByteWithoutItsSecondGoes) {
  EXPECT_EQ(DropLoneLeadByte(""), "");
  EXPECT_EQ(DropLoneLeadByte("\xB1"), "");
  EXPECT_EQ(DropLoneLeadByte("ab\xB1"), "ab");
  EXPECT_EQ(DropLoneLeadByte("北"), "北");
  EXPECT_EQ(DropLoneLeadByte("\xB1\xB1\xB1"), "\xB1\xB1");
  // 0x80 and 0xFF count as lead bytes too, as every scan takes them.
  EXPECT_EQ(DropLoneLeadByte("a\x80"), "a");
  EXPECT_EQ(DropLoneLeadByte("a\xFF"), "a");
  EXPECT_EQ(DropLoneLeadByte("a\x7F"), "a\x7F");
}
