// How many kept lines each slice of a fill of the shown list asks for. A
// multi-line edit box lays out every line it takes, and on every change it
// also walks its whole line list; the walk grows with the lines already in,
// so at a million lines a small slice costs nearly as much as a large one.
// Slices are therefore sized by the time the last one took: as many lines
// as fit into a budget that keeps the window answering between slices.
// Portable: no windows.h here.
#pragma once

struct SlicePace {
  double budgetMs;  // what one slice should take
  int fewestLines;  // 1 or more
  int mostLines;
};

// The kept lines the next slice asks for, after a slice that asked for
// askedLines, kept keptLines and took tookMs. It grows by a quarter at most
// (a slice's time varies) and shrinks at once to what fits the budget. A
// slice that kept fewer lines than it asked (the filter stopped at the end
// of what it may scan) says nothing about a full slice: its size stays.
int NextSliceLines(const SlicePace& pace, int askedLines, int keptLines, double tookMs);
