// Keeping the proxies whose address begins with the prefix.
#include "app/prefix_filter.h"

#include <gtest/gtest.h>

namespace {

TEST(PrefixFilterTest, KeyIsAtMostTwoBytesBeforeTheFirstDot) {
  EXPECT_EQ(PrefixKey("114.80.1.2:8080"), "11");
  EXPECT_EQ(PrefixKey("1.2.3.4:80"), "1");
  EXPECT_EQ(PrefixKey(".1.2.3"), "");
  EXPECT_EQ(PrefixKey("\n114.1.1.1:80"), "\n1");
}

TEST(PrefixFilterTest, TheWholeKeyIsComparedAndEmptyLinesSkipped) {
  const Text list = "114.80.1.2:8080\r\n\r\n1.2.3.4:80\r\n211.1.1.1:80\r\n</div>";
  EXPECT_EQ(FilterByPrefix(list, "11"), "114.80.1.2:8080\r\n");
  EXPECT_EQ(FilterByPrefix(list, "1"), "1.2.3.4:80\r\n");
  EXPECT_EQ(FilterByPrefix(list, "114"), "");
  EXPECT_EQ(FilterByPrefix(list, "</"), "</div>\r\n");
  EXPECT_EQ(FilterByPrefix("\r\n.5.5.5:5\r\n1.1.1.1:1\r\n", ""), ".5.5.5:5\r\n");
  // A line feed left from the page belongs to the key.
  EXPECT_EQ(FilterByPrefix("\n114.1.1.1:80\r\n113.1.1.1:80\r\n", "11"), "113.1.1.1:80\r\n");
  EXPECT_EQ(FilterByPrefix("", "11"), "");
  EXPECT_EQ(FilterByPrefix("112.1.1.1:1", "11"), "112.1.1.1:1\r\n");
  EXPECT_EQ(FilterByPrefix("主机.1\r\n11.1\r\n", "主"), "主机.1\r\n");
}

}  // namespace
