// Character positions and lines of a stored edit box text, as a multi-line
// edit box without word wrap reports them. Positions count characters: a
// lead byte (0x81-0xFE) with a valid second byte (0x40-0xFE but 0x7F) is
// one character, as the box converts the text, and any other byte is one.
// A line ends at "\r\n", at "\r\r\n" (a soft break) or at a lone "\n";
// the break is not part of the line. Byte offsets are 0-based.
// Portable: no windows.h here.
#pragma once

#include <cstddef>

#include "app/text_ops.h"

// Characters in the bytes [0, byteEnd) (byteEnd clamped to the text).
std::size_t CharCountBefore(const Text& text, std::size_t byteEnd);

// Byte offset where character charIndex starts; the text's size when the
// text has no more characters.
std::size_t ByteOffsetOfChar(const Text& text, std::size_t charIndex);

// One line: its bytes [begin, end), breakEnd where the next line begins
// (end when it is the last line).
struct StoredLine {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t breakEnd = 0;
};

// Lines of the text: one more than its line breaks (an empty text has one).
std::size_t StoredLineCount(const Text& text);

// The line with 0-based number index; false when there is none.
bool StoredLineAt(const Text& text, std::size_t index, StoredLine& line);

// The 0-based number of the line holding the byte offset, with that line
// (an offset within a break, or past the end, counts to the line before).
std::size_t StoredLineOfByte(const Text& text, std::size_t byteOffset, StoredLine& line);
