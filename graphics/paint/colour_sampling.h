// The arithmetic behind the average colour of a picture: which pixels are
// sampled and how the samples are summed. The sample positions come from a
// generator re-seeded for every coordinate from the day number, so one
// picture gives the same average all day.
//
// Portable: no windows.h here.
#pragma once

#include <cstdint>

#include "graphics/paint/colour_convert.h"

// A private srand/rand pair (the classic linear congruential generator of
// the C runtime, outputs 0..32767), so sampling neither disturbs nor
// depends on the program's own use of rand().
class SampleRandom {
 public:
  void Seed(std::uint32_t seed) { state_ = seed; }
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t state_ = 1;
};

// A value in [lo, hi]: a negative bound is first raised to 0 and the bounds
// are exchanged when lo > hi.
int PickInRange(SampleRandom& random, int lo, int hi);

// First sampled coordinate along an axis of size pixels: 0 when margin is
// below 1, else size - margin (the last margin pixels). The last sampled
// coordinate is always size - 1.
int FirstSampledCoordinate(int size, int margin);

// Whole days from 30 December 1899 to the given calendar date (the day
// part of an OLE automation date).
int OleDayNumber(int year, int month, int day);

// The sample position of sample i (1-based) on day.
struct SamplePoint {
  int x = 0, y = 0;
};
SamplePoint SamplePosition(int day, int i, int xFirst, int xLast, int yFirst, int yLast);

// Channel sums of the sampled COLORREF values.
struct ColourSums {
  std::int64_t red = 0, green = 0, blue = 0;
};
void AddSample(ColourSums& sums, ColourRef colour);
// Each channel's sum divided by samples (truncated), red in the low byte,
// 0xFF in the top byte. samples below 1 give 0xFF000000.
std::uint32_t AverageOfSums(const ColourSums& sums, int samples);
