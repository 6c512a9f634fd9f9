// Percent-encoding of the region and the query built around it: every byte
// becomes three, and decoding gives the bytes back.
#include "app/proxy_query.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const int carrier = in.Number(1, 3);
  const Text region = in.Text();
  const Text count = in.Text();
  const Text port = in.Text();
  int pumped = 0;
  const Text encoded = PercentEncode(region, [&] { ++pumped; });
  FUZZ_CHECK(pumped == static_cast<int>(region.size()));
  FUZZ_CHECK(encoded.size() == 3 * region.size());
  for (std::size_t i = 0; i < region.size(); ++i) {
    FUZZ_CHECK(encoded[3 * i] == '%');
    const int high = HexValue(encoded[3 * i + 1]);
    const int low = HexValue(encoded[3 * i + 2]);
    FUZZ_CHECK(high >= 0 && low >= 0);
    FUZZ_CHECK(static_cast<unsigned char>(region[i]) == high * 16 + low);
  }
  const Text url = BuildQueryUrl("h", encoded, count, port, static_cast<Carrier>(carrier));
  const Text tail = CarrierTail(static_cast<Carrier>(carrier));
  FUZZ_CHECK(url.size() >= tail.size() && url.compare(url.size() - tail.size(), tail.size(), tail) == 0);
  return 0;
}
