// The flat form of the request record: round trip and hostile input.
#include "web/request_slots.h"

#include <random>

#include <gtest/gtest.h>

namespace {

RequestSlots SampleSlots() {
  RequestSlots s;
  SetSlotText(s, kSlotUrl, "http://h/tiqu.php?dq=%B1%B1");
  SetSlotText(s, kSlotMethod, "POST");
  SetSlotText(s, kSlotProxy, "");
  SetSlotText(s, kSlotExtraHeaders, "User-Agent: X\r\n");
  s.slot[kSlotBody] = Bytes{0x00, 0x01, 0xFF, 0x00};
  SetSlotText(s, kSlotCookies, "a=1");
  SetSlotText(s, kSlotFollowRedirects, ValueToText(true));
  return s;
}

TEST(RequestSlotsTest, RoundTripKeepsEveryByte) {
  const RequestSlots in = SampleSlots();
  const Bytes flat = EncodeRequestSlots(in);
  RequestSlots out;
  ASSERT_TRUE(DecodeRequestSlots(flat, out));
  for (int i = 0; i < kRequestSlotCount; ++i) EXPECT_EQ(out.slot[i], in.slot[i]) << "slot " << i;
  EXPECT_EQ(SlotText(out, kSlotFollowRedirects), "真");
  EXPECT_EQ(SlotText(out, kSlotBody), "");  // text stops at the first zero byte
}

TEST(RequestSlotsTest, RoundTripOfEmptyAndLargeRecords) {
  RequestSlots empty;
  RequestSlots out = SampleSlots();
  ASSERT_TRUE(DecodeRequestSlots(EncodeRequestSlots(empty), out));
  for (const Bytes& b : out.slot) EXPECT_TRUE(b.empty());

  RequestSlots big;
  big.slot[kSlotResponseBody].resize(3u << 20);
  for (std::size_t i = 0; i < big.slot[0].size(); ++i) big.slot[0][i] = static_cast<unsigned char>(i * 7);
  SetSlotText(big, kSlotResponseHeaders, "HTTP/1.1 200 OK\r\n\r\n");
  ASSERT_TRUE(DecodeRequestSlots(EncodeRequestSlots(big), out));
  EXPECT_EQ(out.slot[0], big.slot[0]);
  EXPECT_EQ(SlotText(out, kSlotResponseHeaders), "HTTP/1.1 200 OK\r\n\r\n");
}

TEST(RequestSlotsTest, SlotIndexOutOfRange) {
  RequestSlots s = SampleSlots();
  const RequestSlots before = s;
  SetSlotText(s, -1, "x");
  SetSlotText(s, kRequestSlotCount, "x");
  EXPECT_EQ(SlotText(s, kRequestSlotCount), "");
  EXPECT_EQ(SlotText(s, -1), "");
  for (int i = 0; i < kRequestSlotCount; ++i) EXPECT_EQ(s.slot[i], before.slot[i]);
}

// A failed decode reports false and leaves the target as it was.
void ExpectRejected(const Bytes& flat) {
  RequestSlots out = SampleSlots();
  EXPECT_FALSE(DecodeRequestSlots(flat, out));
  EXPECT_EQ(SlotText(out, kSlotUrl), "http://h/tiqu.php?dq=%B1%B1");
  EXPECT_EQ(SlotText(out, kSlotMethod), "POST");
}

TEST(RequestSlotsTest, RejectsEveryTruncation) {
  const Bytes flat = EncodeRequestSlots(SampleSlots());
  for (std::size_t n = 0; n < flat.size(); ++n) {
    SCOPED_TRACE(n);
    ExpectRejected(Bytes(flat.begin(), flat.begin() + n));
  }
}

TEST(RequestSlotsTest, RejectsCorruptInput) {
  const Bytes flat = EncodeRequestSlots(SampleSlots());
  Bytes bad = flat;
  bad[0] ^= 0xFF;  // tag
  ExpectRejected(bad);
  bad = flat;
  bad.push_back(0);  // trailing byte
  ExpectRejected(bad);
  bad = flat;
  bad[4] = bad[5] = bad[6] = bad[7] = 0xFF;  // first length far beyond the end
  ExpectRejected(bad);
  bad = flat;
  bad[4] += 1;  // first length one too long: every later field shifts
  ExpectRejected(bad);

  RequestSlots out;
  EXPECT_FALSE(DecodeRequestSlots(nullptr, 10, out));
  EXPECT_FALSE(DecodeRequestSlots(Bytes{}, out));
}

TEST(RequestSlotsTest, RandomCorruptionNeverOverruns) {
  // Flipped bytes either still decode to a record or are rejected; the
  // sanitizers and the exact-length check catch reads past the end.
  const Bytes flat = EncodeRequestSlots(SampleSlots());
  std::mt19937 rng(12345);
  for (int round = 0; round < 2000; ++round) {
    Bytes bad = flat;
    const int flips = 1 + static_cast<int>(rng() % 4);
    for (int f = 0; f < flips; ++f) bad[rng() % bad.size()] = static_cast<unsigned char>(rng());
    RequestSlots out;
    if (DecodeRequestSlots(bad, out)) {
      std::size_t total = 4;
      for (const Bytes& b : out.slot) total += 4 + b.size();
      EXPECT_EQ(total, bad.size());
    }
  }
}

}  // namespace
