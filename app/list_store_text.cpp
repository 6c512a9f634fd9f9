#include "app/list_store_text.h"

namespace {

// A character of code page 936 takes two bytes when a lead byte is
// followed by a valid second byte; the edit box reads every other byte as
// a character of its own.
bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

std::size_t UnitLength(const Text& text, std::size_t i) {
  return i + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i])) &&
                 IsTrailByte(static_cast<unsigned char>(text[i + 1]))
             ? 2
             : 1;
}

// Length of the line break that starts at i, 0 when none does.
std::size_t BreakLength(const Text& text, std::size_t i) {
  const std::size_t left = text.size() - i;
  if (text[i] == '\n') return 1;
  if (text[i] != '\r' || left < 2) return 0;
  if (text[i + 1] == '\n') return 2;
  return left >= 3 && text[i + 1] == '\r' && text[i + 2] == '\n' ? 3 : 0;
}

// The line that begins at begin.
StoredLine LineFrom(const Text& text, std::size_t begin) {
  StoredLine line;
  line.begin = begin;
  std::size_t i = begin;
  while (i < text.size()) {
    const std::size_t breakLength = BreakLength(text, i);
    if (breakLength > 0) {
      line.end = i;
      line.breakEnd = i + breakLength;
      return line;
    }
    i += UnitLength(text, i);
  }
  line.end = line.breakEnd = text.size();
  return line;
}

bool IsLastLine(const Text& text, const StoredLine& line) {
  return line.breakEnd == line.end && line.end == text.size();
}

}  // namespace

std::size_t CharCountBefore(const Text& text, std::size_t byteEnd) {
  const std::size_t end = byteEnd < text.size() ? byteEnd : text.size();
  std::size_t count = 0;
  for (std::size_t i = 0; i < end; i += UnitLength(text, i)) ++count;
  return count;
}

std::size_t ByteOffsetOfChar(const Text& text, std::size_t charIndex) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < charIndex && i < text.size(); ++n) i += UnitLength(text, i);
  return i;
}

std::size_t StoredLineCount(const Text& text) {
  std::size_t lines = 1;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t breakLength = BreakLength(text, i);
    if (breakLength > 0) {
      ++lines;
      i += breakLength;
    } else {
      i += UnitLength(text, i);
    }
  }
  return lines;
}

bool StoredLineAt(const Text& text, std::size_t index, StoredLine& line) {
  line = LineFrom(text, 0);
  for (std::size_t n = 0; n < index; ++n) {
    if (IsLastLine(text, line)) return false;
    line = LineFrom(text, line.breakEnd);
  }
  return true;
}

std::size_t StoredLineOfByte(const Text& text, std::size_t byteOffset, StoredLine& line) {
  std::size_t index = 0;
  line = LineFrom(text, 0);
  while (!IsLastLine(text, line) && line.breakEnd <= byteOffset) {
    line = LineFrom(text, line.breakEnd);
    ++index;
  }
  return index;
}
