// The GBK text operations with any texts, positions and counts.
#include "app/text_ops.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const int start = in.Number(-3, 40);
  const int count = in.Number(-3, 40);
  const bool ignoreCase = in.Flag();
  const int limit = in.Number(-1, 6);
  const Text text = in.Text();
  const Text sub = in.Text();
  const Text replacement = in.Text();

  const int found = FindText(text, sub, start, ignoreCase);
  FUZZ_CHECK(found == -1 || (found >= 1 && static_cast<std::size_t>(found) <= text.size()));
  if (found > 0 && !sub.empty())
    FUZZ_CHECK(CompareTextNoCase(text.substr(found - 1, sub.size()), sub) == 0);
  const int last = FindTextLast(text, sub, ignoreCase);
  FUZZ_CHECK(last == -1 || (last >= 1 && static_cast<std::size_t>(last) <= text.size()));
  if (found > 0 && start <= 1) FUZZ_CHECK(last >= found);

  const Text replaced = ReplaceText(text, sub, replacement, start,
                                    count >= 0 ? std::optional<int>(count) : std::nullopt,
                                    !ignoreCase);
  if (sub.empty()) FUZZ_CHECK(replaced == text);
  if (replacement == sub && !ignoreCase) FUZZ_CHECK(replaced == text);

  FUZZ_CHECK(LeftText(text, count).size() <= text.size());
  FUZZ_CHECK(RightText(text, count).size() <= text.size());
  FUZZ_CHECK(MidText(text, start, count).size() <= text.size());
  const Text deleted = DeleteRange(text, start, count);
  FUZZ_CHECK(deleted.size() <= text.size());

  const std::vector<Text> parts =
      SplitText(text, sub, limit >= 0 ? std::optional<int>(limit) : std::nullopt);
  std::size_t partBytes = 0;
  for (const Text& part : parts) partBytes += part.size();
  FUZZ_CHECK(partBytes <= text.size());
  // An empty delimiter gives the whole text as its one part, limit or not.
  if (limit >= 0 && !sub.empty()) FUZZ_CHECK(parts.size() <= static_cast<std::size_t>(limit));

  const Text trimmed = TrimSpaces(text);
  FUZZ_CHECK(trimmed.size() <= text.size());
  FUZZ_CHECK(TrimSpaces(trimmed) == trimmed);
  const Text lower = ToLowerAscii(text);
  FUZZ_CHECK(lower.size() == text.size());
  FUZZ_CHECK(CompareTextNoCase(lower, text) == 0);
  FUZZ_CHECK(CompareText(text, text) == 0);
  const int ab = CompareText(text, sub);
  FUZZ_CHECK((ab > 0) == (CompareText(sub, text) < 0));

  const Text whole = DropLoneLeadByte(text);
  FUZZ_CHECK(whole.size() == text.size() || whole.size() + 1 == text.size());
  FUZZ_CHECK(DropLoneLeadByte(whole) == whole);
  FUZZ_CHECK(BytesToText(TextToBytes(text)).size() <= text.size());
  return 0;
}
