// Decoding the request record from any bytes; what decodes encodes back to
// the same bytes.
#include <algorithm>

#include "tests/fuzz/fuzz_input.h"
#include "web/request_slots.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RequestSlots slots;
  if (DecodeRequestSlots(data, size, slots)) {
    const Bytes again = EncodeRequestSlots(slots);
    FUZZ_CHECK(again.size() == size);
    FUZZ_CHECK(std::equal(again.begin(), again.end(), data));
  }
  for (int i = -1; i <= kRequestSlotCount; ++i) SlotText(slots, i);
  return 0;
}
