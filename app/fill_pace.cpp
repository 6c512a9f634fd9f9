#include "app/fill_pace.h"

#include <algorithm>

int NextSliceLines(const SlicePace& pace, int askedLines, int keptLines, double tookMs) {
  const int most = std::max(pace.fewestLines, pace.mostLines);
  const int asked = std::min(std::max(askedLines, pace.fewestLines), most);
  if (keptLines < askedLines) return asked;
  // A quarter more at most; a slice too fast to measure grows by as much.
  const double grown = asked * 1.25;
  const double fits = tookMs > 0 ? asked * pace.budgetMs / tookMs : grown;
  const double next = std::min(fits, grown);
  if (next <= pace.fewestLines) return pace.fewestLines;
  if (next >= most) return most;
  return static_cast<int>(next);
}
