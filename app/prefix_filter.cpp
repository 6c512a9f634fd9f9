// The prefix filter of the visible proxy list.
#include "app/prefix_filter.h"

Text PrefixKey(const Text& line) {
  // The part before the first "." is what SplitText(line, ".", 1) keeps;
  // found directly, so that no list of parts is built per line.
  const int dot = FindText(line, ".");
  const int headLength = dot < 0 ? static_cast<int>(line.size()) : dot - 1;
  return LeftText(line, headLength < 2 ? headLength : 2);
}

Text FilterByPrefix(const Text& fullList, const Text& prefix) {
  Text kept;
  for (const Text& line : SplitText(fullList, "\r\n")) {
    if (line.empty()) continue;
    if (CompareText(PrefixKey(line), prefix) == 0) {
      kept += line;
      kept += "\r\n";
    }
  }
  return kept;
}
