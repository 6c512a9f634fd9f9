// The size of a fill's next slice from any last slice, any time and any
// bounds: within the bounds, a quarter more than asked at most, and the size
// asked again after a slice that kept fewer lines than it asked.
#include <algorithm>
#include <cmath>

#include "app/fill_pace.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

// A number of up to 24 bits from the next three bytes, less offset.
int Wide(FuzzInput& in, int offset) {
  const int high = in.Number(0, 255), middle = in.Number(0, 255), low = in.Number(0, 255);
  return (high << 16 | middle << 8 | low) - offset;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  SlicePace pace;
  pace.fewestLines = in.Number(1, 256);
  pace.mostLines = Wide(in, 1000);
  pace.budgetMs = Wide(in, 1000) / 100.0;
  const int asked = Wide(in, 1000);
  const int kept = in.Flag() ? asked : Wide(in, 1000);
  const double took = in.Flag() ? INFINITY : Wide(in, 1000) / 7.0;
  const int next = NextSliceLines(pace, asked, kept, took);

  const int most = std::max(pace.fewestLines, pace.mostLines);
  const int askedWithin = std::min(std::max(asked, pace.fewestLines), most);
  FUZZ_CHECK(next >= pace.fewestLines && next <= most);
  if (kept < asked) FUZZ_CHECK(next == askedWithin);
  FUZZ_CHECK(next <= std::max(pace.fewestLines, static_cast<int>(std::floor(askedWithin * 1.25))));
  return 0;
}
