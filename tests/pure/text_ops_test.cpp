// Rules of the GBK text operations.
#include "app/text_ops.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

// "啊" is B0 A1: its second byte equals the full-width space's lead byte.
const Text kAh = "\xB0\xA1";

TEST(CompareTextTest, OrdersByFirstDifferingUnsignedByte) {
  EXPECT_EQ(CompareText("abc", "abc"), 0);
  EXPECT_EQ(CompareText("", ""), 0);
  EXPECT_LT(CompareText("abc", "abd"), 0);
  EXPECT_GT(CompareText("abd", "abc"), 0);
  // 0xB0 is above every ASCII byte when taken as unsigned.
  EXPECT_GT(CompareText(kAh, "z"), 0);
  EXPECT_LT(CompareText("z", kAh), 0);
  // The shorter text ends first.
  EXPECT_LT(CompareText("ab", "abc"), 0);
  EXPECT_GT(CompareText("ab", ""), 0);
  EXPECT_NE(CompareText("A", "a"), 0);
}

TEST(CompareTextTest, NoCaseFoldsOnlyAsciiLetters) {
  EXPECT_EQ(CompareTextNoCase("HTTP://", "http://"), 0);
  EXPECT_EQ(CompareTextNoCase("MiXeD", "mIxEd"), 0);
  EXPECT_NE(CompareTextNoCase("[", "{"), 0);  // 0x5B vs 0x7B are not letters
  EXPECT_LT(CompareTextNoCase("a", "B"), 0);
  EXPECT_GT(CompareTextNoCase("C", "b"), 0);
  // The second byte of a two-byte character is compared exactly.
  EXPECT_NE(CompareTextNoCase("\xB0\x41", "\xB0\x61"), 0);
  EXPECT_EQ(CompareTextNoCase("\xB0\x41x", "\xB0\x41X"), 0);
}

TEST(FindTextTest, PositionsAreOneBasedFromStart) {
  EXPECT_EQ(FindText("abcb", "b"), 2);
  EXPECT_EQ(FindText("abcb", "b", 3), 4);
  EXPECT_EQ(FindText("abcb", "b", 4), 4);
  EXPECT_EQ(FindText("abcb", "b", 5), -1);
  EXPECT_EQ(FindText("abcb", "b", 9), -1);
  EXPECT_EQ(FindText("abcb", "b", 0), 2);
  EXPECT_EQ(FindText("abcb", "b", -7), 2);
  EXPECT_EQ(FindText("abcb", "cb"), 3);
  EXPECT_EQ(FindText("abcb", "bcbx"), -1);
  EXPECT_EQ(FindText("", "a"), -1);
}

TEST(FindTextTest, EmptySubTextFindsOnlyInNonEmptyRegion) {
  EXPECT_EQ(FindText("ab", ""), 1);
  EXPECT_EQ(FindText("", ""), -1);
  EXPECT_EQ(FindText("ab", "", 3), -1);
}

TEST(FindTextTest, IgnoringCase) {
  EXPECT_EQ(FindText("xxSet-Cookie: a", "set-cookie: ", 1, true), 3);
  EXPECT_EQ(FindText("xxSet-Cookie: a", "set-cookie: ", 1, false), -1);
  EXPECT_EQ(FindText("\xB0\x41" "a", "A", 1, true), 3);  // not the second byte 41
  // Second bytes are compared exactly even when ignoring case.
  EXPECT_EQ(FindText("\xB0\x41", "\xB0\x61", 1, true), -1);
  EXPECT_EQ(FindText("\xB0\x41", "\xB0\x42", 1, true), -1);
  EXPECT_EQ(FindText("x\xB0\x41", "X\xB0\x41", 1, true), 1);
}

TEST(FindTextTest, NeverMatchesOnSecondByte) {
  // 啊B is B0 A1 42: A1 42 straddles two characters.
  EXPECT_EQ(FindText(kAh + "B", "\xA1" "B"), -1);
  EXPECT_EQ(FindText(kAh + "B", "B"), 3);
  // Second byte that looks like ASCII.
  EXPECT_EQ(FindText("\xB0\x41", "A"), -1);
  EXPECT_EQ(FindText("\xB0\x41" "A", "A"), 3);
  // 啊啊 is B0 A1 B0 A1: A1 B0 straddles.
  EXPECT_EQ(FindText(kAh + kAh, "\xA1\xB0"), -1);
  EXPECT_EQ(FindText("x" + kAh + kAh, kAh), 2);
}

TEST(FindTextTest, LeadByteAtTheEndEndsTheScan) {
  EXPECT_EQ(FindText("a\xB0", "\xB0"), 2);
  EXPECT_EQ(FindText("a\xB0", "\xB0\xA1"), -1);
  EXPECT_EQ(FindText("\xB0", "\xB0\xA1\xB0"), -1);
}

TEST(FindTextLastTest, LastMatch) {
  EXPECT_EQ(FindTextLast("abcb", "b"), 4);
  EXPECT_EQ(FindTextLast("abab", "ab"), 3);
  EXPECT_EQ(FindTextLast("aaa", "aa"), 2);
  EXPECT_EQ(FindTextLast("abc", "x"), -1);
  EXPECT_EQ(FindTextLast("", "x"), -1);
  EXPECT_EQ(FindTextLast("aBab", "AB", true), 3);
  EXPECT_EQ(FindTextLast("aBab", "aB", false), 1);
  EXPECT_EQ(FindTextLast(kAh + kAh, "\xA1\xB0"), -1);
  EXPECT_EQ(FindTextLast(kAh + "x" + kAh, kAh), 4);
}

TEST(CutTest, LeftRightMidClampToTheText) {
  EXPECT_EQ(LeftText("abcd", 2), "ab");
  EXPECT_EQ(LeftText("abcd", 0), "");
  EXPECT_EQ(LeftText("abcd", -1), "");
  EXPECT_EQ(LeftText("abcd", 99), "abcd");
  EXPECT_EQ(RightText("abcd", 2), "cd");
  EXPECT_EQ(RightText("abcd", 0), "");
  EXPECT_EQ(RightText("abcd", -3), "");
  EXPECT_EQ(RightText("abcd", 99), "abcd");
  EXPECT_EQ(MidText("abcd", 2, 2), "bc");
  EXPECT_EQ(MidText("abcd", 4, 9), "d");
  EXPECT_EQ(MidText("abcd", 5, 1), "");
  EXPECT_EQ(MidText("abcd", 0, 2), "");
  EXPECT_EQ(MidText("abcd", 1, 0), "");
  EXPECT_EQ(MidText("", 1, 1), "");
}

TEST(CutTest, CutsMaySplitTwoByteCharacters) {
  EXPECT_EQ(LeftText(kAh, 1), "\xB0");
  EXPECT_EQ(RightText(kAh, 1), "\xA1");
  EXPECT_EQ(MidText("x" + kAh, 3, 1), "\xA1");
}

TEST(ReplaceTextTest, NonOverlappingLeftToRight) {
  EXPECT_EQ(ReplaceText("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceText("a<br>b<br>", "<br>", "\r\n"), "a\r\nb\r\n");
  EXPECT_EQ(ReplaceText("abc", "b"), "ac");
  // A replacement that contains the sub-text is not scanned again.
  EXPECT_EQ(ReplaceText("aXa", "a", "aa"), "aaXaa");
  EXPECT_EQ(ReplaceText("abc", "abcd", "x"), "abc");
}

TEST(ReplaceTextTest, StartAndCount) {
  EXPECT_EQ(ReplaceText("a.a.a", ".", "-", 3), "a.a-a");
  EXPECT_EQ(ReplaceText("a.a.a", ".", "-", 2), "a-a-a");
  EXPECT_EQ(ReplaceText("a.a.a", ".", "-", 0), "a-a-a");
  EXPECT_EQ(ReplaceText("a.a.a", ".", "-", 1, 1), "a-a.a");
  EXPECT_EQ(ReplaceText("a.a.a", ".", "-", 1, 5), "a-a-a");
  EXPECT_EQ(ReplaceText("a.a.a", ".", "-", 1, -1), "a-a-a");
}

TEST(ReplaceTextTest, UnchangedCases) {
  EXPECT_EQ(ReplaceText("", "a", "b"), "");
  EXPECT_EQ(ReplaceText("abc", "", "b"), "abc");
  EXPECT_EQ(ReplaceText("abc", "c", "x", 4), "abc");
  EXPECT_EQ(ReplaceText("abc", "c", "x", 1, 0), "abc");
}

TEST(ReplaceTextTest, CaseFlag) {
  EXPECT_EQ(ReplaceText("a<BR>b<br>", "<br>", "|"), "a<BR>b|");
  EXPECT_EQ(ReplaceText("a<BR>b<br>", "<br>", "|", 1, std::nullopt, false), "a|b|");
}

TEST(ReplaceTextTest, StepsOverTwoByteCharacters) {
  EXPECT_EQ(ReplaceText(kAh + "B", "\xA1" "B", "x"), kAh + "B");
  EXPECT_EQ(ReplaceText(kAh + "\xA1\xA1", "\xA1\xA1", "_"), kAh + "_");
  // A lone lead byte at the end is copied, not dropped.
  EXPECT_EQ(ReplaceText("a\xB0", "a", "b"), "b\xB0");
}

TEST(DeleteRangeTest, ClampsStartAndCount) {
  EXPECT_EQ(DeleteRange("abcdef", 2, 3), "aef");
  EXPECT_EQ(DeleteRange("abcdef", 5, 9), "abcd");
  EXPECT_EQ(DeleteRange("abcdef", 0, 2), "cdef");
  EXPECT_EQ(DeleteRange("abcdef", 7, 2), "abcdef");
  EXPECT_EQ(DeleteRange("abcdef", 99, 2), "abcdef");
  EXPECT_EQ(DeleteRange("abcdef", 2, 0), "abcdef");
  EXPECT_EQ(DeleteRange("abcdef", 2, -4), "abcdef");
  EXPECT_EQ(DeleteRange("", 1, 1), "");
}

using Parts = std::vector<Text>;

TEST(SplitTextTest, EmptyPartsAndTrailingDelimiter) {
  EXPECT_EQ(SplitText("a,,b,"), (Parts{"a", "", "b"}));
  EXPECT_EQ(SplitText(",a"), (Parts{"", "a"}));
  EXPECT_EQ(SplitText(","), (Parts{""}));
  EXPECT_EQ(SplitText(",,"), (Parts{"", ""}));
  EXPECT_EQ(SplitText("abc"), (Parts{"abc"}));
  EXPECT_EQ(SplitText(""), Parts{});
  EXPECT_EQ(SplitText("a,b", ""), (Parts{"a,b"}));
}

TEST(SplitTextTest, MultiByteDelimiter) {
  EXPECT_EQ(SplitText("a\r\n\r\nb\r\n", "\r\n"), (Parts{"a", "", "b"}));
  EXPECT_EQ(SplitText("a\nb\r\n", "\r\n"), (Parts{"a\nb"}));
  EXPECT_EQ(SplitText("a\r", "\r\n"), (Parts{"a\r"}));
}

TEST(SplitTextTest, PartLimit) {
  EXPECT_EQ(SplitText("a.b.c", ".", 1), (Parts{"a"}));
  EXPECT_EQ(SplitText("a.b.c", ".", 2), (Parts{"a", "b"}));
  EXPECT_EQ(SplitText("a.b.c", ".", 3), (Parts{"a", "b", "c"}));
  EXPECT_EQ(SplitText("a.b.c", ".", 9), (Parts{"a", "b", "c"}));
  EXPECT_EQ(SplitText("abc", ".", 1), (Parts{"abc"}));
  EXPECT_EQ(SplitText(".abc", ".", 1), (Parts{""}));
  EXPECT_EQ(SplitText("a.b", ".", 0), Parts{});
  EXPECT_EQ(SplitText("a.b", ".", -1), (Parts{"a", "b"}));
}

TEST(SplitTextTest, StepsOverTwoByteCharacters) {
  // The delimiter A1 occurs only as the second byte of 啊.
  EXPECT_EQ(SplitText(kAh + "x" + kAh, "\xA1"), (Parts{kAh + "x" + kAh}));
  EXPECT_EQ(SplitText("\xB0\x2C,x", ","), (Parts{"\xB0\x2C", "x"}));
}

TEST(TrimSpacesTest, AsciiAndFullWidthSpacesOnly) {
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("\xA1\xA1\xA1\xA1"), "");
  EXPECT_EQ(TrimSpaces("\xA1\xA1 x \xA1\xA1 "), "x");
  EXPECT_EQ(TrimSpaces("\t"), "\t");
  EXPECT_EQ(TrimSpaces(" \r\n "), "\r\n");
  EXPECT_EQ(TrimSpaces(""), "");
  EXPECT_EQ(TrimSpaces("   "), "");
}

TEST(TrimSpacesTest, DoesNotBreakTwoByteCharacters) {
  // 啊 followed by a full-width space: only the space goes.
  EXPECT_EQ(TrimSpaces(kAh + "\xA1\xA1"), kAh);
  // 啊 then a lone A1 lead byte at the end: the bytes A1 A1 at the end are
  // not a full-width space here.
  EXPECT_EQ(TrimSpaces(kAh + "\xA1"), kAh + "\xA1");
  // A trailing lone lead byte after spaces is kept.
  EXPECT_EQ(TrimSpaces(" \xB0"), "\xB0");
  // A1 starts other characters too; only A1 A1 is a space.
  EXPECT_EQ(TrimSpaces("\xA1\xA2 x \xA1\xA3"), "\xA1\xA2 x \xA1\xA3");
}

TEST(ToLowerAsciiTest, LowersAsciiLettersButNotSecondBytes) {
  EXPECT_EQ(ToLowerAscii("HeLLo-World 1@[Z]"), "hello-world 1@[z]");
  EXPECT_EQ(ToLowerAscii("\xB0\x41" "A"), "\xB0\x41" "a");
  EXPECT_EQ(ToLowerAscii("A\xB0"), "a\xB0");
  EXPECT_EQ(ToLowerAscii(""), "");
}

TEST(BytesTextTest, ConversionStopsAtZeroByte) {
  EXPECT_EQ(BytesToText(Bytes{0x61, 0x00, 0x62}), "a");
  EXPECT_EQ(BytesToText(Bytes{0x00, 0x62}), "");
  EXPECT_EQ(BytesToText(Bytes{}), "");
  EXPECT_EQ(BytesToText(Bytes{0xB0, 0xA1, 0x62}), kAh + "b");
  EXPECT_EQ(TextToBytes(kAh + "b"), (Bytes{0xB0, 0xA1, 0x62}));
  EXPECT_EQ(TextToBytes(""), Bytes{});
  const Text withZero("a\0b", 3);
  EXPECT_EQ(TextToBytes(withZero).size(), 3u);
}

TEST(ValueToTextTest, DecimalAndTruth) {
  EXPECT_EQ(ValueToText(0), "0");
  EXPECT_EQ(ValueToText(5), "5");
  EXPECT_EQ(ValueToText(-42), "-42");
  EXPECT_EQ(ValueToText(INT_MIN), "-2147483648");
  EXPECT_EQ(ValueToText(3000000000LL), "3000000000");
  EXPECT_EQ(ValueToText(true), "\xD5\xE6");   // 真 in GBK
  EXPECT_EQ(ValueToText(false), "\xBC\xD9");  // 假 in GBK
}

}  // namespace
