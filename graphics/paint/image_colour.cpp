// Average colour of a picture from pseudo-random samples.
#include "graphics/paint/image_colour.h"

#include <windows.h>

#include "graphics/gdiplus/image.h"
#include "graphics/paint/colour_sampling.h"

int TodayOleDayNumber() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  return OleDayNumber(now.wYear, now.wMonth, now.wDay);
}

std::uint32_t AverageImageColour(const Bytes& pictureBytes, int samples, int marginX, int marginY,
                                 std::optional<Text> path) {
  return AverageImageColourOnDay(pictureBytes, samples, marginX, marginY, path, TodayOleDayNumber());
}

std::uint32_t AverageImageColourOnDay(const Bytes& pictureBytes, int samples, int marginX,
                                      int marginY, const std::optional<Text>& path, int day) {
  Bitmap picture;
  if (path && !path->empty()) {
    picture.CreateFromFile(*path);
  } else {
    picture.CreateFromBytes(pictureBytes);
  }
  // A picture that did not load reads as 0 x 0; every sample is then 0.
  const int w = static_cast<int>(picture.Width());
  const int h = static_cast<int>(picture.Height());
  const int xFirst = FirstSampledCoordinate(w, marginX);
  const int yFirst = FirstSampledCoordinate(h, marginY);

  ColourSums sums;
  for (int i = 1; i <= samples; ++i) {
    SamplePoint p = SamplePosition(day, i, xFirst, w - 1, yFirst, h - 1);
    AddSample(sums, ArgbToColorref(picture.GetPixel(p.x, p.y)));
  }
  picture.Dispose();
  return AverageOfSums(sums, samples);
}
