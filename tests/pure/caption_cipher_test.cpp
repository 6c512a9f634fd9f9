#include "app/caption_cipher.h"

#include <gtest/gtest.h>

TEST(CaptionCipher, HidesTheCaptionAndRoundTrips) {
  EXPECT_EQ(ExpectedMainCaption(), "岚舟软件-dadavadavu");
  const Text caption = "岚舟软件-dadavadavu";
  const Text hex = EncipherCaption(caption);
  EXPECT_EQ(hex.find("dadavadavu"), Text::npos);
  EXPECT_EQ(DecipherCaption(hex), caption);
  const Text pairs = EncipherCaption("aaaa");
  EXPECT_NE(pairs.substr(0, 2), pairs.substr(2, 2)) << "equal bytes give different pairs";
}

TEST(CaptionCipher, MalformedHexGivesEmptyTextLowerCaseIsRead) {
  EXPECT_EQ(DecipherCaption("ABC"), "");
  EXPECT_EQ(DecipherCaption("ZZ"), "");
  Text lower = EncipherCaption("ab");
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'F' ? c + 32 : c);
  EXPECT_EQ(DecipherCaption(lower), "ab");
  // Every hex letter, "f" among them, in lower case.
  const Text caption = ExpectedMainCaption();
  lower = EncipherCaption(caption);
  ASSERT_NE(lower.find('F'), Text::npos);
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'F' ? c + 32 : c);
  EXPECT_EQ(DecipherCaption(lower), caption);
}
