// Randomized checks (fixed seed) of properties the text operations keep on
// any GBK-like input, including lone lead bytes at the end.
#include <random>

#include <gtest/gtest.h>

#include "app/text_ops.h"

namespace {

// Frequent matches: letters, separators, lead bytes and bytes that are
// second bytes as often as first ones.
const unsigned char kAlphabet[] = {'a', 'A', 'b', '.', ',', ' ', '\r', '\n', 0xA1, 0xB0, 0xD6};

Text RandomText(std::mt19937& rng, std::size_t maxLength) {
  Text t(rng() % (maxLength + 1), ' ');
  for (char& c : t) c = static_cast<char>(kAlphabet[rng() % sizeof kAlphabet]);
  return t;
}

TEST(TextInvariants, FindTextFindsExactlyTheFirstAndLastCharacterAlignedMatch) {
  std::mt19937 rng(20261209);
  for (int round = 0; round < 20000; ++round) {
    const Text text = RandomText(rng, 12);
    const Text sub = RandomText(rng, 3);
    if (sub.empty()) continue;
    int first = -1, last = -1;
    // Character starts computed independently: each lead byte takes the next.
    for (std::size_t i = 0; i + sub.size() <= text.size(); i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1) {
      if (text.compare(i, sub.size(), sub) == 0) {
        if (first < 0) first = static_cast<int>(i + 1);
        last = static_cast<int>(i + 1);
      }
    }
    ASSERT_EQ(FindText(text, sub), first) << text << " / " << sub;
    ASSERT_EQ(FindTextLast(text, sub), last) << text << " / " << sub;
  }
}

TEST(TextInvariants, SplitThenJoinGivesTheTextBack) {
  std::mt19937 rng(20261209);
  for (int round = 0; round < 20000; ++round) {
    const Text text = RandomText(rng, 16);
    const Text delimiter = RandomText(rng, 2);
    if (delimiter.empty()) continue;
    const std::vector<Text> parts = SplitText(text, delimiter);
    auto join = [&](const Text& glue) {
      Text out;
      for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? glue : Text()) + parts[i];
      return out;
    };
    // A trailing delimiter leaves no trailing empty part.
    ASSERT_TRUE(join(delimiter) == text || join(delimiter) + delimiter == text) << text << " / " << delimiter;
    const Text replaced = ReplaceText(text, delimiter, "#");
    ASSERT_TRUE(replaced == join("#") || replaced == join("#") + "#");
    ASSERT_EQ(ReplaceText(text, delimiter, delimiter), text);
  }
}

}  // namespace
