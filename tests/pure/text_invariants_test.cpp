// Randomized checks (fixed seed) of properties the text operations must keep
// on any GBK-like input, including lone lead bytes at the end.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "app/prefix_filter.h"
#include "app/text_ops.h"

namespace {

// A small alphabet so that matches are frequent: ASCII letters, separators,
// lead bytes and bytes that are second bytes as often as first ones.
const unsigned char kAlphabet[] = {'a', 'A', 'b', '.', ',', ' ', '\r', '\n', 0xA1, 0xB0, 0xD6};

Text RandomText(std::mt19937& rng, std::size_t maxLength) {
  const std::size_t n = rng() % (maxLength + 1);
  Text t;
  for (std::size_t i = 0; i < n; ++i) t += static_cast<char>(kAlphabet[rng() % sizeof kAlphabet]);
  return t;
}

// Character starts, computed independently: each lead byte takes the next.
std::vector<bool> CharacterStarts(const Text& t) {
  std::vector<bool> starts(t.size(), false);
  for (std::size_t i = 0; i < t.size(); ++i) {
    starts[i] = true;
    if (static_cast<unsigned char>(t[i]) >= 0x80) ++i;
  }
  return starts;
}

Text Join(const std::vector<Text>& parts, const Text& glue) {
  Text out;
  for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? glue : Text()) + parts[i];
  return out;
}

class TextInvariants : public ::testing::Test {
 protected:
  std::mt19937 rng{20261209};
};

TEST_F(TextInvariants, FindTextFindsExactlyTheFirstAndLastCharacterAlignedMatch) {
  for (int round = 0; round < 20000; ++round) {
    const Text text = RandomText(rng, 12);
    const Text sub = RandomText(rng, 3);
    if (sub.empty()) continue;
    const std::vector<bool> starts = CharacterStarts(text);
    int first = -1, last = -1;
    for (std::size_t i = 0; i + sub.size() <= text.size(); ++i) {
      if (starts[i] && text.compare(i, sub.size(), sub) == 0) {
        if (first < 0) first = static_cast<int>(i + 1);
        last = static_cast<int>(i + 1);
      }
    }
    ASSERT_EQ(FindText(text, sub), first) << text << " / " << sub;
    ASSERT_EQ(FindTextLast(text, sub), last) << text << " / " << sub;
  }
}

TEST_F(TextInvariants, SplitAndJoinGiveTheTextBack) {
  for (int round = 0; round < 20000; ++round) {
    const Text text = RandomText(rng, 16);
    const Text delimiter = RandomText(rng, 2);
    if (delimiter.empty()) continue;
    const std::vector<Text> parts = SplitText(text, delimiter);
    const Text joined = Join(parts, delimiter);
    // A trailing delimiter leaves no trailing empty part.
    ASSERT_TRUE(joined == text || joined + delimiter == text) << text << " / " << delimiter;
    // Replacing every delimiter is the same as joining with the replacement.
    const Text replaced = ReplaceText(text, delimiter, "#");
    ASSERT_TRUE(replaced == Join(parts, "#") || replaced == Join(parts, "#") + "#");
    ASSERT_EQ(ReplaceText(text, delimiter, delimiter), text);
  }
}

TEST_F(TextInvariants, TrimAndLowerKeepCharacters) {
  for (int round = 0; round < 20000; ++round) {
    const Text text = RandomText(rng, 12);
    const Text trimmed = TrimSpaces(text);
    ASSERT_NE(text.find(trimmed), Text::npos);
    ASSERT_EQ(TrimSpaces(trimmed), trimmed);
    // Spaces added around come off again, unless a lone lead byte at the
    // end would take the added full-width space's first byte.
    const std::vector<bool> trimmedStarts = CharacterStarts(trimmed);
    const bool loneLeadAtEnd = !trimmed.empty() && trimmedStarts.back() &&
                               static_cast<unsigned char>(trimmed.back()) >= 0x80;
    if (!loneLeadAtEnd) {
      ASSERT_EQ(TrimSpaces(" " + trimmed + "\xA1\xA1"), trimmed) << text;
    }
    const Text lower = ToLowerAscii(text);
    ASSERT_EQ(lower.size(), text.size());
    const std::vector<bool> starts = CharacterStarts(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
      const bool folded = starts[i] && text[i] == 'A';
      ASSERT_EQ(lower[i], folded ? 'a' : text[i]);
    }
  }
}

TEST_F(TextInvariants, FilterKeepsWholeLinesOfTheList) {
  for (int round = 0; round < 5000; ++round) {
    const Text list = RandomText(rng, 30) + "\r\n";
    const std::vector<Text> lines = SplitText(list, "\r\n");
    const Text kept = FilterByPrefix(list, "ab");
    std::size_t expectedLines = 0;
    for (const Text& line : lines) {
      const std::size_t dot = line.find('.');
      const Text head = dot == Text::npos ? line : line.substr(0, dot);
      if (head.compare(0, 2, "ab") == 0 && head.size() >= 2) ++expectedLines;
    }
    const std::vector<Text> keptLines = SplitText(kept, "\r\n");
    ASSERT_EQ(keptLines.size(), expectedLines) << list;
    for (const Text& line : keptLines) {
      ASSERT_EQ(line.compare(0, 2, "ab"), 0);
      ASSERT_NE(std::find(lines.begin(), lines.end(), line), lines.end());
    }
  }
}

}  // namespace
