// GBK text operations. Every scan walks the text character by character: a
// byte of 0x80 or more and the byte after it form one unit, so a match can
// never begin on the second byte of a two-byte character. A lead byte that
// is the last byte of the text is the final unit.
#include "app/text_ops.h"

#include <cstring>

namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x80; }

// Length of the unit that starts at text[i] (i < size).
std::size_t UnitLength(const Text& text, std::size_t i) {
  return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

unsigned char FoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// Compares n bytes of a and b. Ignoring case folds only bytes that are not
// the second byte of a two-byte character (both sides agree on where those
// are, since every byte before them compared equal).
bool BytesEqual(const char* a, const char* b, std::size_t n, bool ignoreCase) {
  if (!ignoreCase) return std::memcmp(a, b, n) == 0;
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (IsLeadByte(ca)) {
      if (ca != cb) return false;
      if (i + 1 < n) {
        ++i;
        if (a[i] != b[i]) return false;
      }
    } else if (FoldAscii(ca) != FoldAscii(cb)) {
      return false;
    }
  }
  return true;
}

bool MatchesAt(const Text& text, std::size_t i, const Text& sub, bool ignoreCase) {
  return text.size() - i >= sub.size() &&
         BytesEqual(text.data() + i, sub.data(), sub.size(), ignoreCase);
}

int Sign(int v) { return (v > 0) - (v < 0); }

int CompareBytes(const Text& a, const Text& b, bool ignoreCase) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    auto ca = static_cast<unsigned char>(a[i]);
    auto cb = static_cast<unsigned char>(b[i]);
    if (ignoreCase && !IsLeadByte(ca)) {
      ca = FoldAscii(ca);
      cb = FoldAscii(cb);
    }
    if (ca != cb) return Sign(int(ca) - int(cb));
    if (IsLeadByte(ca) && i + 1 < n) {  // second byte compares exactly
      ++i;
      const auto sa = static_cast<unsigned char>(a[i]);
      const auto sb = static_cast<unsigned char>(b[i]);
      if (sa != sb) return Sign(int(sa) - int(sb));
    }
  }
  // The shorter text ends in its terminating zero, which sorts first.
  return Sign(int(a.size() > n) - int(b.size() > n));
}

}  // namespace

int CompareText(const Text& a, const Text& b) { return CompareBytes(a, b, false); }

int CompareTextNoCase(const Text& a, const Text& b) { return CompareBytes(a, b, true); }

int FindText(const Text& text, const Text& sub, int start, bool ignoreCase) {
  const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (from >= text.size()) return -1;  // empty search region
  if (sub.empty()) return 1;
  for (std::size_t i = from; text.size() - i >= sub.size(); i += UnitLength(text, i)) {
    if (MatchesAt(text, i, sub, ignoreCase)) return static_cast<int>(i + 1);
  }
  return -1;
}

int FindTextLast(const Text& text, const Text& sub, bool ignoreCase) {
  if (text.empty()) return -1;
  if (sub.empty()) return 1;
  int last = -1;
  for (std::size_t i = 0; text.size() - i >= sub.size(); i += UnitLength(text, i)) {
    if (MatchesAt(text, i, sub, ignoreCase)) last = static_cast<int>(i + 1);
  }
  return last;
}

Text LeftText(const Text& text, int count) {
  if (count <= 0) return Text();
  return text.substr(0, static_cast<std::size_t>(count));
}

Text RightText(const Text& text, int count) {
  if (count <= 0) return Text();
  const auto n = static_cast<std::size_t>(count);
  return n >= text.size() ? text : text.substr(text.size() - n);
}

Text MidText(const Text& text, int position, int count) {
  if (count <= 0 || position < 1 || static_cast<std::size_t>(position) > text.size()) {
    return Text();
  }
  return text.substr(static_cast<std::size_t>(position) - 1, static_cast<std::size_t>(count));
}

Text ReplaceText(const Text& text, const Text& sub, const Text& replacement, int start,
                 std::optional<int> count, bool caseSensitive) {
  const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (text.empty() || sub.empty() || from >= text.size() || (count && *count == 0)) {
    return text;
  }
  // A negative count limits nothing, like a count that is not given.
  const bool limited = count && *count > 0;
  int left = limited ? *count : 0;

  Text out;
  out.reserve(text.size());
  out.append(text, 0, from);
  std::size_t i = from;
  while (text.size() - i >= sub.size()) {
    if (MatchesAt(text, i, sub, !caseSensitive)) {
      out += replacement;
      i += sub.size();
      if (limited && --left == 0) break;
    } else {
      const std::size_t n = UnitLength(text, i);
      out.append(text, i, n);
      i += n;
    }
  }
  out.append(text, i, Text::npos);
  return out;
}

Text DeleteRange(const Text& text, int start, int count) {
  const std::size_t size = text.size();
  std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (from > size) from = size;
  if (count <= 0) return text;
  std::size_t n = static_cast<std::size_t>(count);
  if (n > size - from) n = size - from;
  Text out;
  out.reserve(size - n);
  out.append(text, 0, from);
  out.append(text, from + n, Text::npos);
  return out;
}

std::vector<Text> SplitText(const Text& text, const Text& delimiter, std::optional<int> limit) {
  std::vector<Text> parts;
  if (text.empty()) return parts;
  if (delimiter.empty()) {
    parts.push_back(text);
    return parts;
  }
  // A negative limit limits nothing, like one that is not given.
  const bool limited = limit && *limit >= 0;
  const std::size_t max = limited ? static_cast<std::size_t>(*limit) : 0;
  if (limited && max == 0) return parts;

  std::size_t cut = 0;
  std::size_t i = 0;
  while (text.size() - i >= delimiter.size()) {
    if (MatchesAt(text, i, delimiter, false)) {
      parts.emplace_back(text, cut, i - cut);
      i += delimiter.size();
      cut = i;
      if (limited && parts.size() == max) return parts;
    } else {
      i += UnitLength(text, i);
    }
  }
  if (cut < text.size()) parts.emplace_back(text, cut, Text::npos);
  return parts;
}

Text TrimSpaces(const Text& text) {
  // Walk the units once; remember where the first and the end of the last
  // unit that is not a space lie.
  std::size_t first = Text::npos;
  std::size_t end = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = UnitLength(text, i);
    const bool space = (n == 1 && text[i] == ' ') ||
                       (n == 2 && static_cast<unsigned char>(text[i]) == 0xA1 &&
                        static_cast<unsigned char>(text[i + 1]) == 0xA1);
    if (!space) {
      if (first == Text::npos) first = i;
      end = i + n;
    }
    i += n;
  }
  if (first == Text::npos) return Text();
  return text.substr(first, end - first);
}

Text ToLowerAscii(const Text& text) {
  Text out = text;
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t n = UnitLength(out, i);
    if (n == 1) out[i] = static_cast<char>(FoldAscii(static_cast<unsigned char>(out[i])));
    i += n;
  }
  return out;
}

Text DropLoneLeadByte(const Text& text) {
  std::size_t i = 0;
  while (i < text.size() && i + UnitLength(text, i) < text.size()) i += UnitLength(text, i);
  // i is the start of the last unit.
  const bool lone = i < text.size() && IsLeadByte(static_cast<unsigned char>(text[i])) &&
                    i + 1 == text.size();
  return lone ? text.substr(0, i) : text;
}

Text BytesToText(const Bytes& bytes) {
  std::size_t n = 0;
  while (n < bytes.size() && bytes[n] != 0) ++n;
  if (n == 0) return Text();
  return Text(reinterpret_cast<const char*>(bytes.data()), n);
}

Bytes TextToBytes(const Text& text) { return Bytes(text.begin(), text.end()); }

Text ValueToText(int value) { return std::to_string(value); }

Text ValueToText(long long value) { return std::to_string(value); }

Text ValueToText(bool value) { return value ? "真" : "假"; }
