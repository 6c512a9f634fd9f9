#include "app/answer_excerpt.h"

#include <cstring>

namespace {

unsigned char ByteAt(const Text& text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

bool IsAsciiSpace(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool IsAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

unsigned char LowerAscii(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// word (lower case) stands at i, ignoring case.
bool StartsWithNoCase(const Text& text, std::size_t i, const char* word) {
  const std::size_t length = std::strlen(word);
  if (text.size() - i < length) return false;
  for (std::size_t k = 0; k < length; ++k) {
    if (LowerAscii(ByteAt(text, i + k)) != static_cast<unsigned char>(word[k])) return false;
  }
  return true;
}

// Position just after the first `word` (lower case) at or after i, ignoring
// case; the text's end when there is none.
std::size_t PastNoCase(const Text& text, std::size_t i, const char* word) {
  const std::size_t length = std::strlen(word);
  for (; i < text.size(); ++i) {
    if (StartsWithNoCase(text, i, word)) return i + length;
  }
  return text.size();
}

// The tag's name ends here: white space, "/" or ">".
bool EndsTagName(const Text& text, std::size_t i) {
  if (i >= text.size()) return true;
  const unsigned char c = ByteAt(text, i);
  return IsAsciiSpace(c) || c == '/' || c == '>';
}

// When markup starts at i (a tag, a comment, a declaration), the position
// after it, taking in what a script or style element holds; i otherwise.
// An element that never ends takes the rest of the text.
std::size_t SkipMarkup(const Text& text, std::size_t i) {
  if (ByteAt(text, i) != '<' || i + 1 >= text.size()) return i;
  const unsigned char next = ByteAt(text, i + 1);
  if (!IsAsciiLetter(next) && next != '/' && next != '!' && next != '?') return i;
  if (StartsWithNoCase(text, i, "<!--")) return PastNoCase(text, i + 4, "-->");
  const std::size_t tagEnd = PastNoCase(text, i, ">");
  static const struct {
    const char* name;
    const char* closing;
  } kRawElements[] = {{"script", "</script"}, {"style", "</style"}};
  for (const auto& element : kRawElements) {
    if (StartsWithNoCase(text, i + 1, element.name) &&
        EndsTagName(text, i + 1 + std::strlen(element.name)))
      return PastNoCase(text, PastNoCase(text, tagEnd, element.closing), ">");
  }
  return tagEnd;
}

// When an entity this reader knows starts at i, the character it stands
// for (a space for &nbsp;) and its length; length 0 otherwise.
struct Entity {
  char character = 0;
  std::size_t length = 0;
};

Entity ReadEntity(const Text& text, std::size_t i) {
  static const struct {
    const char* name;
    char character;
  } kNamed[] = {{"&amp;", '&'},  {"&lt;", '<'},   {"&gt;", '>'}, {"&quot;", '"'},
                {"&apos;", '\''}, {"&nbsp;", ' '}};
  if (ByteAt(text, i) != '&') return Entity();
  for (const auto& named : kNamed) {
    if (StartsWithNoCase(text, i, named.name)) return Entity{named.character, std::strlen(named.name)};
  }
  if (i + 2 >= text.size() || ByteAt(text, i + 1) != '#') return Entity();
  // A character reference: only ASCII ones are read (the text's own code
  // page decides what anything above would be).
  const bool hex = ByteAt(text, i + 2) == 'x' || ByteAt(text, i + 2) == 'X';
  std::size_t k = i + (hex ? 3 : 2);
  unsigned value = 0;
  std::size_t digits = 0;
  for (; k < text.size() && digits < 6; ++k, ++digits) {
    const unsigned char c = ByteAt(text, k);
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (hex && LowerAscii(c) >= 'a' && LowerAscii(c) <= 'f') {
      digit = LowerAscii(c) - 'a' + 10;
    } else {
      break;
    }
    value = value * (hex ? 16 : 10) + digit;
  }
  if (digits == 0 || k >= text.size() || ByteAt(text, k) != ';') return Entity();
  if (value < 0x20 || value > 0x7E) return value == '\t' || value == '\n' || value == '\r'
                                               ? Entity{' ', k + 1 - i}
                                               : Entity();
  return Entity{static_cast<char>(value), k + 1 - i};
}

int HexValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = LowerAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The code unit of "\uXXXX" at i, or -1.
long EscapedUnit(const Text& text, std::size_t i) {
  if (text.size() - i < 6 || ByteAt(text, i) != '\\' || ByteAt(text, i + 1) != 'u') return -1;
  long unit = 0;
  for (std::size_t k = i + 2; k < i + 6; ++k) {
    const int digit = HexValue(ByteAt(text, k));
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

void AppendUtf8(Text& out, unsigned long code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsHighSurrogate(long unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(long unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool HasHighByte(const Text& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) > 0x7F) return true;
  }
  return false;
}

// As the text operations step: a byte above 0x7F and the byte after it
// are one character.
bool IsGbkLeadByte(unsigned char c) { return c >= 0x80; }

// The visible bytes of text in order, markup and entities read, each run
// of white space as one space; sink returns false to stop.
template <typename Sink>
void VisitVisibleText(const Text& text, Sink&& sink) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t past = SkipMarkup(text, i);
    if (past != i) {
      if (!sink(' ')) return;
      i = past;
      continue;
    }
    const Entity entity = ReadEntity(text, i);
    if (entity.length != 0) {
      if (!sink(entity.character)) return;
      i += entity.length;
      continue;
    }
    if (!sink(IsAsciiSpace(ByteAt(text, i)) ? ' ' : text[i])) return;
    ++i;
  }
}

}  // namespace

bool IsUtf8WithHighByte(const Text& text) {
  bool high = false;
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = ByteAt(text, i);
    if (c < 0x80) {
      ++i;
      continue;
    }
    high = true;
    std::size_t length;
    unsigned long code;
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
      code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      code = c & 0x07;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const unsigned char follow = ByteAt(text, i + k);
      if ((follow & 0xC0) != 0x80) return false;
      code = code << 6 | (follow & 0x3F);
    }
    const unsigned long shortest = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0x80;
    if (code < shortest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return high;
}

Text DecodeJsonEscapes(const Text& text) {
  if (text.find('\\') == Text::npos) return text;
  Text out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (ByteAt(text, i) != '\\' || i + 1 >= text.size()) {
      out += text[i++];
      continue;
    }
    const long unit = EscapedUnit(text, i);
    if (unit >= 0) {
      i += 6;
      const long low = IsHighSurrogate(unit) ? EscapedUnit(text, i) : -1;
      if (IsLowSurrogate(low)) {
        i += 6;
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
      } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
        out += '?';
      } else if (unit != 0) {
        AppendUtf8(out, static_cast<unsigned long>(unit));
      }
      continue;
    }
    static const char kEscaped[] = "\"\\/bfnrt";
    static const char kMeant[] = "\"\\/\b\f\n\r\t";
    const char* found = std::strchr(kEscaped, text[i + 1]);
    if (found && text[i + 1] != '\0') {
      out += kMeant[found - kEscaped];
      i += 2;
    } else {
      out += text[i++];
    }
  }
  return out;
}

Text VisibleAnswerText(const Text& text, std::size_t maxBytes) {
  Text out;
  bool spacePending = false;
  VisitVisibleText(text, [&](char c) {
    if (c == ' ') {
      spacePending = !out.empty();
      return true;
    }
    if (spacePending) out += ' ';
    spacePending = false;
    out += c;
    return out.size() <= maxBytes;
  });
  return out;
}

Text CutToCharacters(const Text& gbk, std::size_t maxCharacters) {
  std::size_t i = 0;
  std::size_t characters = 0;
  while (i < gbk.size() && characters < maxCharacters) {
    i += IsGbkLeadByte(ByteAt(gbk, i)) ? 2 : 1;
    ++characters;
  }
  const Text whole = DropLoneLeadByte(gbk);
  if (i >= whole.size()) return whole;
  // Cut after a character; white space before the "…" goes.
  Text cut = gbk.substr(0, i);
  while (!cut.empty() && cut.back() == ' ') cut.pop_back();
  return cut + "…";
}

Text AnswerExcerpt(const Text& page, const Utf8ToGbkConversion& utf8ToGbk) {
  Text text = page;
  bool utf8 = IsUtf8WithHighByte(text);
  if (utf8 || !HasHighByte(text)) {
    text = DecodeJsonEscapes(text);
    utf8 = IsUtf8WithHighByte(text);
  }
  // A character takes at most 4 bytes in UTF-8: with one more than the
  // excerpt's characters, the cut below knows whether there was more.
  text = VisibleAnswerText(text, (kExcerptCharacters + 1) * 4);
  if (utf8 && utf8ToGbk) text = utf8ToGbk(text);
  text = CutToCharacters(text, kExcerptCharacters);
  // A byte that was no character may have stood after the last space.
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

bool HoldsListLine(const Text& list) {
  bool holds = false;
  bool afterLead = false;  // the byte before was a lead byte of a character
  bool fullWidthHalf = false;  // that lead byte was the first of a full-width space
  VisitVisibleText(list, [&](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    if (afterLead) {
      afterLead = false;
      if (fullWidthHalf && c == 0xA1) return true;
      holds = true;
      return false;
    }
    if (c == ' ') return true;
    if (IsGbkLeadByte(c)) {
      afterLead = true;
      fullWidthHalf = c == 0xA1;
      return true;
    }
    holds = true;
    return false;
  });
  // A lone lead byte at the very end is no character of its own.
  return holds;
}
