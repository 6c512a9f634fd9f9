// Keeping the proxies whose address begins with the prefix.
#include "app/prefix_filter.h"

#include <gtest/gtest.h>

namespace {

TEST(PrefixKeyTest, FirstTwoBytesBeforeTheFirstDot) {
  EXPECT_EQ(PrefixKey("114.80.1.2:8080"), "11");
  EXPECT_EQ(PrefixKey("1.2.3.4:80"), "1");
  EXPECT_EQ(PrefixKey(".1.2.3"), "");
  EXPECT_EQ(PrefixKey("</div>"), "</");
  EXPECT_EQ(PrefixKey("\n114.1.1.1:80"), "\n1");
  EXPECT_EQ(PrefixKey(""), "");
}

TEST(FilterByPrefixTest, KeepsMatchingLinesSkipsEmptyOnes) {
  const Text list = "114.1.1.1:80\r\n\r\n115.2.2.2:8080\r\n";
  EXPECT_EQ(FilterByPrefix(list, "11"), "114.1.1.1:80\r\n115.2.2.2:8080\r\n");
}

TEST(FilterByPrefixTest, TheWholePrefixIsCompared) {
  const Text list = "114.80.1.2:8080\r\n1.2.3.4:80\r\n211.1.1.1:80\r\n</div>";
  EXPECT_EQ(FilterByPrefix(list, "11"), "114.80.1.2:8080\r\n");
  EXPECT_EQ(FilterByPrefix(list, "1"), "1.2.3.4:80\r\n");
  EXPECT_EQ(FilterByPrefix(list, "114"), "");
  EXPECT_EQ(FilterByPrefix(list, "21"), "211.1.1.1:80\r\n");
  EXPECT_EQ(FilterByPrefix(list, "99"), "");
  // The closing tag left over from the page is kept only by its own key.
  EXPECT_EQ(FilterByPrefix(list, "</"), "</div>\r\n");
}

TEST(FilterByPrefixTest, EmptyPrefixMatchesOnlyLinesStartingWithDot) {
  EXPECT_EQ(FilterByPrefix("1.1.1.1:1\r\n.5.5.5:5\r\n", ""), ".5.5.5:5\r\n");
  // Empty lines have an empty key too, but are skipped.
  EXPECT_EQ(FilterByPrefix("\r\n.5.5.5:5\r\n\r\n", ""), ".5.5.5:5\r\n");
}

TEST(FilterByPrefixTest, LineFeedFromThePageNeverMatchesDigits) {
  EXPECT_EQ(FilterByPrefix("\n114.1.1.1:80\r\n113.1.1.1:80\r\n", "11"), "113.1.1.1:80\r\n");
}

TEST(FilterByPrefixTest, EmptyAndUnterminatedLists) {
  EXPECT_EQ(FilterByPrefix("", "11"), "");
  EXPECT_EQ(FilterByPrefix("\r\n\r\n", "11"), "");
  EXPECT_EQ(FilterByPrefix("112.1.1.1:1", "11"), "112.1.1.1:1\r\n");
}

TEST(FilterByPrefixTest, TwoByteCharacterKey) {
  // A key may be one two-byte character.
  EXPECT_EQ(FilterByPrefix("主机.1\r\n11.1\r\n", "主"), "主机.1\r\n");
}

}  // namespace
