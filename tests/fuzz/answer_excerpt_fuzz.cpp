// What a failed extract quotes of an answer and whether a list holds
// anything: any bytes, read as UTF-8 or GBK, with markup, entities and
// escapes cut anywhere.
#include "app/answer_excerpt.h"
#include "app/extract_failure.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

// Counts characters as the cut does: a lead byte and the byte after it.
std::size_t GbkCharacters(const Text& text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++n)
    i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::size_t limit = static_cast<std::size_t>(in.Number(0, 200));
  const Bytes page = in.Rest();
  const Text text = BytesToText(page);

  // The host has no code pages; the conversion keeps the bytes.
  const Text excerpt = AnswerExcerpt(text, [](const Text& t) { return t; });
  FUZZ_CHECK(excerpt.find('\0') == Text::npos);
  FUZZ_CHECK(GbkCharacters(excerpt) <= kExcerptCharacters + 1);  // the "…" is one
  FUZZ_CHECK(excerpt.empty() || (excerpt.front() != ' ' && excerpt.back() != ' '));
  FUZZ_CHECK(excerpt.find("  ") == Text::npos);

  const Text visible = VisibleAnswerText(text, limit);
  FUZZ_CHECK(visible.size() <= limit + 2);  // one space and one byte past it
  FUZZ_CHECK(visible.find_first_of("\r\n\t") == Text::npos);

  const Text cut = CutToCharacters(text, limit);
  FUZZ_CHECK(GbkCharacters(cut) <= limit + 1);

  const Text decoded = DecodeJsonEscapes(text);
  FUZZ_CHECK(decoded.size() <= text.size());
  if (IsUtf8WithHighByte(text)) FUZZ_CHECK(IsUtf8WithHighByte(decoded));

  // Nothing visible, nothing to save.
  if (VisibleAnswerText(text, text.size()).empty()) FUZZ_CHECK(!HoldsListLine(text));

  ExtractFailure failure;
  failure.kind = static_cast<ExtractFailureKind>(limit % 3);
  failure.networkReason = text;
  failure.excerpt = excerpt;
  failure.httpStatus = static_cast<unsigned long>(limit) * 3;
  FUZZ_CHECK(!ExtractFailureMessage(failure).empty());
  return 0;
}
