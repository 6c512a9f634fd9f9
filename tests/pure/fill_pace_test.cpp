// The slices of a fill settle at the budget whatever a line and a change
// of the box cost, grow slowly and shrink at once.
#include <gtest/gtest.h>

#include "app/fill_pace.h"

namespace {

constexpr SlicePace kPace{60.0, 50, 20000};

// A box that costs fixedMs per change and lineMs per line.
struct LinearBox {
  double fixedMs;
  double lineMs;
  double Took(int lines) const { return fixedMs + lineMs * lines; }
};

// The slice size after many full slices from a first one of `first` lines.
int Settled(const LinearBox& box, int first, int slices = 60) {
  int lines = first;
  for (int i = 0; i < slices; ++i) lines = NextSliceLines(kPace, lines, lines, box.Took(lines));
  return lines;
}

TEST(NextSliceLines, SettlesWhereASliceTakesTheBudget) {
  // A few lines at 100,000 entries; a million, where each change walks
  // 30 ms of line list; a fast machine; a slow one.
  for (const LinearBox box : {LinearBox{3, 0.05}, LinearBox{30, 0.05}, LinearBox{0.5, 0.01},
                              LinearBox{10, 0.2}}) {
    for (int first : {1000, 50, 20000}) {
      SCOPED_TRACE(testing::Message() << box.fixedMs << " + " << box.lineMs << " ms a line, from "
                                      << first);
      const int lines = Settled(box, first);
      EXPECT_NEAR(box.Took(lines), kPace.budgetMs, kPace.budgetMs * 0.05);
    }
  }
}

TEST(NextSliceLines, GrowsByAQuarterAtMostAndShrinksAtOnce) {
  // Far under the budget: a quarter more, not what the time would allow.
  EXPECT_EQ(NextSliceLines(kPace, 1000, 1000, 6.0), 1250);
  EXPECT_EQ(NextSliceLines(kPace, 1000, 1000, 0.0), 1250) << "too fast to measure";
  // Four times the budget: a quarter of the lines at once.
  EXPECT_EQ(NextSliceLines(kPace, 1000, 1000, 240.0), 250);
  // Slower than everything: the fewest lines, never none.
  EXPECT_EQ(NextSliceLines(kPace, 1000, 1000, 1e9), kPace.fewestLines);
  // Never beyond the most.
  EXPECT_EQ(NextSliceLines(kPace, 19000, 19000, 1.0), kPace.mostLines);
}

TEST(NextSliceLines, ASliceCutShortByTheScanKeepsTheSize) {
  // Few lines kept: the filter stopped at its scan limit, the time is
  // mostly filtering and says nothing about a full slice.
  EXPECT_EQ(NextSliceLines(kPace, 1000, 12, 300.0), 1000);
  EXPECT_EQ(NextSliceLines(kPace, 1000, 0, 0.5), 1000);
  // What was asked beyond the bounds comes back within them.
  EXPECT_EQ(NextSliceLines(kPace, 5, 0, 1.0), kPace.fewestLines);
  EXPECT_EQ(NextSliceLines(kPace, 50000, 0, 1.0), kPace.mostLines);
}

}  // namespace
