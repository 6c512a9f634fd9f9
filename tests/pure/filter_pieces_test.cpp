// The prefix filter in pieces keeps exactly the lines the whole filter
// keeps, however the pieces are cut.
#include <gtest/gtest.h>

#include <random>

#include "app/prefix_filter.h"

namespace {

// The filter's rule as written: split at "\r\n", skip empty lines, the key
// is at most two bytes of the part before the first ".".
Text ReferenceFilter(const Text& list, const Text& prefix) {
  Text kept;
  for (const Text& line : SplitText(list, "\r\n")) {
    if (line.empty()) continue;
    const std::vector<Text> head = SplitText(line, ".", 1);
    const Text key = LeftText(head.empty() ? Text() : head[0], 2);
    if (CompareText(key, prefix) == 0) kept += line + "\r\n";
  }
  return kept;
}

Text FilterInPieces(const Text& list, const Text& prefix, int maxKept, std::size_t maxScan,
                    int* pieces = nullptr) {
  Text kept;
  std::size_t from = 0;
  int count = 0;
  for (;;) {
    const std::size_t before = kept.size();
    const FilterPiece piece = FilterByPrefixPiece(list, prefix, from, maxKept, maxScan, kept);
    ++count;
    EXPECT_EQ(static_cast<std::size_t>(piece.keptLines), SplitText(kept.substr(before), "\r\n").size());
    EXPECT_LE(piece.keptLines, maxKept);
    if (piece.done) break;
    EXPECT_GT(piece.next, from) << "a piece that is not the last moves on";
    from = piece.next;
  }
  if (pieces) *pieces = count;
  return kept;
}

TEST(FilterPiecesTest, RandomListsAndPiecesMatchTheWholeFilter) {
  // Bytes that make lines, keys and two-byte characters meet: a lead byte
  // before "\r" takes it as its second byte, so no line ends there.
  const char alphabet[] = {'1', '1', '2', '.', '.', ':', '\r', '\n', '\r', '\n', 'x',
                           static_cast<char>(0x81), static_cast<char>(0xB1)};
  const Text prefixes[] = {"11", "1", "", "12", "\x81\r", "1.", "\xB1" "1", "x"};
  std::mt19937 random(20240611);
  for (int round = 0; round < 4000; ++round) {
    Text list;
    const int length = static_cast<int>(random() % 120);
    for (int i = 0; i < length; ++i) list += alphabet[random() % sizeof(alphabet)];
    const Text& prefix = prefixes[random() % (sizeof(prefixes) / sizeof(prefixes[0]))];
    const Text expected = ReferenceFilter(list, prefix);
    ASSERT_EQ(FilterByPrefix(list, prefix), expected) << round;
    const int maxKept = 1 + static_cast<int>(random() % 4);
    const std::size_t maxScan = 1 + random() % 40;
    ASSERT_EQ(FilterInPieces(list, prefix, maxKept, maxScan), expected) << round;
  }
}

TEST(FilterPiecesTest, PiecesEndAtTheKeptLimitOrAfterTheScanLimit) {
  Text list;
  for (int i = 0; i < 10; ++i) list += "114.1.1.1:80\r\n2.2.2.2:80\r\n";  // 26 bytes per pair
  Text kept;
  FilterPiece piece = FilterByPrefixPiece(list, "11", 0, 3, list.size(), kept);
  EXPECT_EQ(piece.keptLines, 3);
  EXPECT_EQ(piece.next, 2 * 26 + 14) << "right after the third kept line";
  EXPECT_FALSE(piece.done);

  kept.clear();
  piece = FilterByPrefixPiece(list, "11", 0, 100, 30, kept);
  EXPECT_EQ(piece.next, 40u) << "the line that crosses the limit is finished";
  EXPECT_EQ(kept, "114.1.1.1:80\r\n114.1.1.1:80\r\n");
  kept.clear();
  piece = FilterByPrefixPiece(list, "11", 0, 100, 26, kept);
  EXPECT_EQ(piece.next, 26u) << "a line that ends on the limit ends the piece";
  EXPECT_EQ(kept, "114.1.1.1:80\r\n");

  int pieces = 0;
  EXPECT_EQ(FilterInPieces(list, "11", 1, 1, &pieces), ReferenceFilter(list, "11"));
  EXPECT_EQ(pieces, 20) << "one line per piece";

  kept.clear();
  piece = FilterByPrefixPiece(list, "11", list.size(), 5, 5, kept);
  EXPECT_TRUE(piece.done);
  EXPECT_EQ(piece.keptLines, 0);
}

}  // namespace
