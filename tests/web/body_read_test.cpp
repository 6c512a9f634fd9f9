// The body is read in large pieces: a body shorter than a piece, one that
// ends exactly on a piece's end, and one longer than a piece or two arrive
// whole, whatever the pieces' size (a power of two from 4 KB to 64 KB).
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/web/demo_service.h"
#include "web/http_exchange.h"

namespace {

// /drip answers this many "x" bytes per piece it is asked for.
constexpr std::size_t kDripPiece = 4096;

TEST(BodyRead, BodiesAroundTheReadPieceArriveWhole) {
  // 16 drip pieces make 64 KB, 32 make 128 KB.
  for (int pieces : {1, 15, 16, 17, 32, 33}) {
    SCOPED_TRACE(testing::Message() << pieces * kDripPiece << " bytes");
    RequestSlots slots;
    SetSlotText(slots, kSlotUrl, DemoUrl("/drip?ms=0&pieces=" + ValueToText(pieces)));
    SetSlotText(slots, kSlotMethod, "GET");
    SetSlotText(slots, kSlotFollowRedirects, "真");
    ExecuteRequest(slots);
    const Bytes& body = slots.slot[kSlotResponseBody];
    EXPECT_EQ(body.size(), pieces * kDripPiece);
    EXPECT_TRUE(std::all_of(body.begin(), body.end(), [](unsigned char c) { return c == 'x'; }))
        << "bytes that the service did not send";
  }
}

}  // namespace
