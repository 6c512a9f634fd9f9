// The flat form of the request record: round trip and hostile input.
#include "web/request_slots.h"

#include <random>

#include <gtest/gtest.h>

namespace {

RequestSlots SampleSlots() {
  RequestSlots s;
  SetSlotText(s, kSlotUrl, "http://h/tiqu.php?dq=%B1%B1");
  SetSlotText(s, kSlotMethod, "POST");
  s.slot[kSlotBody] = Bytes{0x00, 0x01, 0xFF, 0x00};
  s.slot[kSlotResponseBody].resize(3u << 20, 0x5A);
  SetSlotText(s, kSlotFollowRedirects, ValueToText(true));
  SetSlotText(s, kRequestSlotCount, "x");  // out of range: ignored
  return s;
}

TEST(RequestSlotsTest, RoundTripKeepsEveryByte) {
  const RequestSlots in = SampleSlots();
  RequestSlots out;
  ASSERT_TRUE(DecodeRequestSlots(EncodeRequestSlots(in), out));
  for (int i = 0; i < kRequestSlotCount; ++i) EXPECT_EQ(out.slot[i], in.slot[i]) << "slot " << i;
  EXPECT_EQ(SlotText(out, -1), "");
  ASSERT_TRUE(DecodeRequestSlots(EncodeRequestSlots(RequestSlots{}), out));
  for (const Bytes& b : out.slot) EXPECT_TRUE(b.empty());
}

// A failed decode reports false and leaves the target as it was.
void ExpectRejected(const Bytes& flat) {
  RequestSlots out;
  SetSlotText(out, kSlotMethod, "POST");
  EXPECT_FALSE(DecodeRequestSlots(flat, out));
  EXPECT_EQ(SlotText(out, kSlotMethod), "POST");
}

TEST(RequestSlotsTest, RejectsTruncatedAndCorruptInputWithoutOverrun) {
  RequestSlots small;
  SetSlotText(small, kSlotUrl, "http://h/");
  SetSlotText(small, kSlotCookies, "a=1");
  const Bytes flat = EncodeRequestSlots(small);
  for (std::size_t n = 0; n < flat.size(); ++n) ExpectRejected(Bytes(flat.begin(), flat.begin() + n));
  Bytes bad = flat;
  bad[0] ^= 0xFF;  // tag
  ExpectRejected(bad);
  bad = flat;
  bad.push_back(0);  // trailing byte
  ExpectRejected(bad);
  bad = flat;
  bad[4] = bad[5] = bad[6] = bad[7] = 0xFF;  // first length far beyond the end
  ExpectRejected(bad);
  RequestSlots out;
  EXPECT_FALSE(DecodeRequestSlots(nullptr, 10, out));
  // Random flips either still decode to a record of exactly the input's size or are rejected.
  std::mt19937 rng(12345);
  for (int round = 0; round < 2000; ++round) {
    bad = flat;
    for (int f = 0; f <= static_cast<int>(rng() % 4); ++f) bad[rng() % bad.size()] = static_cast<unsigned char>(rng());
    if (DecodeRequestSlots(bad, out)) {
      std::size_t total = 4;
      for (const Bytes& b : out.slot) total += 4 + b.size();
      EXPECT_EQ(total, bad.size());
    }
  }
}

}  // namespace
