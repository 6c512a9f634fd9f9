// The prefix filter over any list and prefix: what it keeps is no longer than
// the list plus a line end per line, and ends in "\r\n"; keeping everything
// whose key matches, a list of whole lines comes back line by line.
#include "app/prefix_filter.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const Text prefix = in.Text();
  const Text list = in.Text();
  const Text kept = FilterByPrefix(list, prefix);
  FUZZ_CHECK(kept.size() <= list.size() + 2 * (list.size() / 2 + 1));
  // A line that ends in a lead byte takes the "\r" after it as its second
  // byte, so only lists without such lines split back into their lines.
  const std::vector<Text> lines = SplitText(kept, "\r\n");
  bool wholeLines = true;
  for (const Text& line : SplitText(list, "\r\n")) wholeLines = wholeLines && DropLoneLeadByte(line) == line;
  if (wholeLines) {
    for (const Text& line : lines) {
      FUZZ_CHECK(!line.empty());
      FUZZ_CHECK(CompareText(PrefixKey(line), prefix) == 0);
    }
  }
  if (!kept.empty()) FUZZ_CHECK(kept.size() >= 2 && kept.compare(kept.size() - 2, 2, "\r\n") == 0);
  FUZZ_CHECK(PrefixKey(list).size() <= 2);
  return 0;
}
