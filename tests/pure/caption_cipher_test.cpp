#include "app/caption_cipher.h"

#include <gtest/gtest.h>

TEST(CaptionCipher, StoredCaptionDeciphersToTheWindowCaption) {
  EXPECT_EQ(ExpectedMainCaption(), "岚舟软件-dadavadavu");
}

TEST(CaptionCipher, EncipheringHidesTheTextAndRoundTrips) {
  const Text caption = "岚舟软件-dadavadavu";
  const Text hex = EncipherCaption(caption);
  EXPECT_EQ(hex.size(), caption.size() * 2);
  // The stored form carries neither the GBK bytes nor the ASCII tail.
  EXPECT_EQ(hex.find("dadavadavu"), Text::npos);
  EXPECT_EQ(hex.find("E1B0D6DB"), Text::npos);
  EXPECT_EQ(DecipherCaption(hex), caption);
  // Equal bytes do not give equal pairs: "aaaa" enciphers to four pairs.
  const Text pairs = EncipherCaption("aaaa");
  EXPECT_NE(pairs.substr(0, 2), pairs.substr(2, 2));
}

TEST(CaptionCipher, MalformedHexGivesEmptyText) {
  EXPECT_EQ(DecipherCaption("ABC"), "");
  EXPECT_EQ(DecipherCaption("ZZ"), "");
  EXPECT_EQ(DecipherCaption(""), "");
  // Lower-case digits are read too.
  const Text hex = EncipherCaption("ab");
  Text lower;
  for (char c : hex) lower.push_back(static_cast<char>(c >= 'A' && c <= 'F' ? c + 32 : c));
  EXPECT_EQ(DecipherCaption(lower), "ab");
}
