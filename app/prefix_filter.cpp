// The prefix filter of the visible proxy list.
#include "app/prefix_filter.h"

#include <limits>

namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// The line that starts at begin (a character boundary): the byte offset of
// its end, where "\r\n" or the list ends, walking two-byte characters as
// units as the list's split does, and where its part before the first "."
// ends.
struct LineBounds {
  std::size_t end;
  std::size_t headEnd;
};

LineBounds FindLineBounds(const Text& list, std::size_t begin) {
  const std::size_t size = list.size();
  std::size_t headEnd = Text::npos;
  std::size_t i = begin;
  while (i < size) {
    const char c = list[i];
    if (c == '\r' && i + 1 < size && list[i + 1] == '\n') break;
    if (c == '.' && headEnd == Text::npos) headEnd = i;
    i += IsLeadByte(c) && i + 1 < size ? 2 : 1;
  }
  return LineBounds{i, headEnd == Text::npos ? i : headEnd};
}

}  // namespace

Text PrefixKey(const Text& line) {
  // The part before the first "." is what SplitText(line, ".", 1) keeps;
  // found directly, so that no list of parts is built per line.
  const int dot = FindText(line, ".");
  const int headLength = dot < 0 ? static_cast<int>(line.size()) : dot - 1;
  return LeftText(line, headLength < 2 ? headLength : 2);
}

FilterPiece FilterByPrefixPiece(const Text& fullList, const Text& prefix, std::size_t from,
                                int maxKept, std::size_t maxScan, Text& kept) {
  FilterPiece piece;
  std::size_t at = from;
  const std::size_t size = fullList.size();
  while (at < size && piece.keptLines < maxKept) {
    const LineBounds line = FindLineBounds(fullList, at);
    const std::size_t keyLength = line.headEnd - at < 2 ? line.headEnd - at : 2;
    // An empty line is skipped; the key is compared whole, so only a prefix
    // of the key's own length can match.
    if (line.end > at && keyLength == prefix.size() &&
        fullList.compare(at, keyLength, prefix) == 0) {
      kept.append(fullList, at, line.end - at);
      kept += "\r\n";
      ++piece.keptLines;
    }
    // A final "\r\n" leaves no empty part after it.
    at = line.end < size ? line.end + 2 : size;
    if (at - from >= maxScan) break;
  }
  piece.next = at;
  piece.done = at >= size;
  return piece;
}

Text FilterByPrefix(const Text& fullList, const Text& prefix) {
  Text kept;
  FilterByPrefixPiece(fullList, prefix, 0, std::numeric_limits<int>::max(),
                      std::numeric_limits<std::size_t>::max(), kept);
  return kept;
}
