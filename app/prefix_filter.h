// Keeping only the proxies whose address begins with a two-byte prefix.
// Portable: no windows.h here.
#pragma once

#include <cstddef>

#include "app/text_ops.h"

// The first two bytes of the line's part before its first ".".
Text PrefixKey(const Text& line);

// The lines of fullList (split at "\r\n") whose key equals prefix byte for
// byte, each followed by "\r\n"; empty lines are skipped.
Text FilterByPrefix(const Text& fullList, const Text& prefix);

// How far one piece of the filter got.
struct FilterPiece {
  std::size_t next = 0;  // byte offset of the first line not yet looked at
  int keptLines = 0;     // lines appended to kept by this piece
  bool done = false;     // next is the end of the list
};

// FilterByPrefix in pieces: looks at the lines of fullList from the byte
// offset from (0 or a piece's next) and appends the kept ones to kept, until
// maxKept lines are kept or lines covering at least maxScan bytes have been
// looked at (always one line at least). Going on from each piece's next
// until one is done keeps exactly the lines FilterByPrefix keeps.
FilterPiece FilterByPrefixPiece(const Text& fullList, const Text& prefix, std::size_t from,
                                int maxKept, std::size_t maxScan, Text& kept);
