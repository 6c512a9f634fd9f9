// Positions and lines of the stored full list, counted as a multi-line edit
// box without word wrap counts them (the figures below are what the system's
// edit box reports for the same texts).
#include <gtest/gtest.h>

#include "app/list_store_text.h"

namespace {

// Hard, lone line feed, soft break, a carriage return inside a line, a
// two-byte character, a final break.
const Text kMixed = "a\r\nbb\ncc\rdd\r\r\nee\xB1\xB1\r\n";

TEST(ListStoreTextTest, LinesBreakAsTheEditBoxBreaksThem) {
  ASSERT_EQ(StoredLineCount(kMixed), 5u);
  const std::size_t firstChar[] = {0, 3, 6, 14, 19};
  const std::size_t charLength[] = {1, 2, 5, 3, 0};
  for (std::size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    StoredLine line;
    ASSERT_TRUE(StoredLineAt(kMixed, i, line));
    EXPECT_EQ(CharCountBefore(kMixed, line.begin), firstChar[i]);
    EXPECT_EQ(CharCountBefore(kMixed, line.end) - CharCountBefore(kMixed, line.begin), charLength[i]);
    StoredLine found;
    EXPECT_EQ(StoredLineOfByte(kMixed, line.begin, found), i);
    EXPECT_EQ(found.begin, line.begin);
  }
  StoredLine line;
  EXPECT_FALSE(StoredLineAt(kMixed, 5, line));
  EXPECT_EQ(StoredLineCount(""), 1u);
  EXPECT_EQ(StoredLineCount("\r\r\r\n"), 2u) << "only the last \\r starts a soft break";
  EXPECT_EQ(StoredLineCount("\x81\r\n"), 2u) << "\\r is no second byte";
  EXPECT_EQ(StoredLineCount("\x81\n"), 2u);
  EXPECT_EQ(StoredLineCount("\xB1\xB1\n"), 2u);
  // A soft break at the very end of the text: the line stops before the
  // first \r and the next one starts after the \n.
  ASSERT_TRUE(StoredLineAt("a\r\r\n", 0, line));
  EXPECT_EQ(line.end, 1u);
  EXPECT_EQ(line.breakEnd, 4u);
  ASSERT_TRUE(StoredLineAt("a\r\r\n", 1, line));
  EXPECT_EQ(line.begin, 4u);
  EXPECT_EQ(line.end, 4u);
  // A position inside a break, or past the end, belongs to the line before.
  EXPECT_EQ(StoredLineOfByte(kMixed, 12, line), 2u);
  EXPECT_EQ(StoredLineOfByte(kMixed, 999, line), 4u);
}

TEST(ListStoreTextTest, CharactersCountTwoByteUnitsOnce) {
  const Text text = "1\xB1\xB1" "2\xD6\xF7";  // 1 北 2 主
  EXPECT_EQ(CharCountBefore(text, text.size()), 4u);
  EXPECT_EQ(CharCountBefore(text, 999), 4u);
  EXPECT_EQ(ByteOffsetOfChar(text, 2), 3u);
  EXPECT_EQ(ByteOffsetOfChar(text, 4), 6u);
  EXPECT_EQ(ByteOffsetOfChar(text, 9), 6u);
  EXPECT_EQ(CharCountBefore("\xB1", 1), 1u) << "a lone last lead byte is one character";
  EXPECT_EQ(CharCountBefore("\x80\x81\x7F\xFF\xB1", 5), 5u) << "no valid pair among them";
}

}  // namespace
