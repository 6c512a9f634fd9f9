// Sample positions and sums for the average colour of a picture.
#include "graphics/paint/colour_sampling.h"

#include <cstdlib>
#include <utility>

int PickInRange(SampleRandom& random, int lo, int hi) {
  if (lo < 0) lo = 0;
  if (hi < 0) hi = 0;
  if (lo > hi) std::swap(lo, hi);
  return lo + std::abs(random.Next()) % (hi - lo + 1);
}

int FirstSampledCoordinate(int size, int margin) { return margin < 1 ? 0 : size - margin; }

int OleDayNumber(int year, int month, int day) {
  // Days from the civil calendar (proleptic Gregorian), shifted so that
  // 30 December 1899 is day 0.
  const int y = month <= 2 ? year - 1 : year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int m = month + (month > 2 ? -3 : 9);
  const int dayOfYear = (153 * m + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const int daysFrom1970 = era * 146097 + dayOfEra - 719468;
  return daysFrom1970 + 25569;
}

SamplePoint SamplePosition(int day, int i, int xFirst, int xLast, int yFirst, int yLast) {
  SampleRandom random;
  SamplePoint p;
  random.Seed(static_cast<std::uint32_t>(day + 3 * i));
  p.x = PickInRange(random, xFirst, xLast);
  random.Seed(static_cast<std::uint32_t>(day + i));
  p.y = PickInRange(random, yFirst, yLast);
  return p;
}

void AddSample(ColourSums& sums, ColourRef colour) {
  sums.blue += colour / 65536;
  sums.green += (colour % 65536) / 256;
  sums.red += colour % 256;
}

std::uint32_t AverageOfSums(const ColourSums& sums, int samples) {
  if (samples < 1) return 0xFF000000u;
  const auto channel = [samples](std::int64_t sum) {
    return static_cast<std::uint32_t>(sum / samples) & 0xFFu;
  };
  return channel(sums.red) | (channel(sums.green) << 8) | (channel(sums.blue) << 16) | 0xFF000000u;
}
