// The list logic of the full-list store and the sliced fill: the prefix
// filter in pieces against the filter's written rule, and the stored text's
// lines and positions against each other.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "app/list_store_text.h"
#include "app/prefix_filter.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

Text ReferenceFilter(const Text& list, const Text& prefix) {
  Text kept;
  for (const Text& line : SplitText(list, "\r\n")) {
    if (line.empty()) continue;
    const std::vector<Text> head = SplitText(line, ".", 1);
    if (CompareText(LeftText(head.empty() ? Text() : head[0], 2), prefix) == 0) kept += line + "\r\n";
  }
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const int maxKept = 1 + data[0] % 8;
  const std::size_t maxScan = 1 + data[1] % 64;
  const std::size_t prefixLength = std::min<std::size_t>(data[2] % 4, size - 3);
  const Text prefix(reinterpret_cast<const char*>(data + 3), prefixLength);
  const Text list(reinterpret_cast<const char*>(data + 3 + prefixLength), size - 3 - prefixLength);

  const Text expected = ReferenceFilter(list, prefix);
  FUZZ_CHECK(FilterByPrefix(list, prefix) == expected);
  Text pieces;
  std::size_t from = 0;
  for (;;) {
    const FilterPiece piece = FilterByPrefixPiece(list, prefix, from, maxKept, maxScan, pieces);
    FUZZ_CHECK(piece.keptLines <= maxKept);
    if (piece.done) break;
    FUZZ_CHECK(piece.next > from);
    from = piece.next;
  }
  FUZZ_CHECK(pieces == expected);

  const std::size_t lines = StoredLineCount(list);
  std::size_t previousEnd = 0;
  for (std::size_t i = 0; i < lines; ++i) {
    StoredLine line, found;
    FUZZ_CHECK(StoredLineAt(list, i, line));
    FUZZ_CHECK(line.begin >= previousEnd && line.begin <= line.end && line.end <= line.breakEnd &&
          line.breakEnd <= list.size());
    FUZZ_CHECK(StoredLineOfByte(list, line.begin, found) == i && found.begin == line.begin);
    previousEnd = line.breakEnd;
  }
  StoredLine none;
  FUZZ_CHECK(!StoredLineAt(list, lines, none));
  const std::size_t characters = CharCountBefore(list, list.size());
  for (std::size_t c = 0; c <= characters; ++c) FUZZ_CHECK(CharCountBefore(list, ByteOffsetOfChar(list, c)) == c);
  return 0;
}
