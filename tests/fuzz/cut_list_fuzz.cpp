// The cut of the answer page: the list after the last marker, "<br>" made
// line ends, no lone lead byte left at its end.
#include "app/proxy_query.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

bool EndsInLoneLeadByte(const Text& text) {
  std::size_t i = 0;
  std::size_t last = 0;
  while (i < text.size()) {
    last = i;
    i += static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size() ? 2 : 1;
  }
  return !text.empty() && last == text.size() - 1 && static_cast<unsigned char>(text[last]) >= 0x80;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const Bytes page = in.Rest();
  const Text text = BytesToText(page);
  const Text list = CutProxyList(text);
  FUZZ_CHECK(!EndsInLoneLeadByte(list));
  FUZZ_CHECK(list.find('\0') == Text::npos);
  const Text after = TextAfterLast(text, "主</h4>");
  FUZZ_CHECK(after.size() <= text.size());
  FUZZ_CHECK(text.compare(text.size() - after.size(), after.size(), after) == 0);
  // Everything the cut keeps comes after the marker; no "<br>" survives a
  // replacement that left whole characters around it.
  if (FindTextLast(text, "主</h4>") < 0) FUZZ_CHECK(list.empty());
  return 0;
}
