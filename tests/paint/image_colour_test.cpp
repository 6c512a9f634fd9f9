// Average colour of pictures and the accent-tinted check mark.
#include <gtest/gtest.h>

#include <set>

#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/colour_sampling.h"
#include "graphics/paint/image_colour.h"
#include "graphics/paint/tick_tint.h"
#include "paint_test_support.h"

namespace {
constexpr Argb kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu;
}  // namespace

TEST(ColourSampling, PicksGeneratorAndDays) {
  SampleRandom random;
  random.Seed(1);  // the C runtime's sequence after srand(1)
  EXPECT_EQ(random.Next(), 41);
  EXPECT_EQ(random.Next(), 18467);
  for (int i = 0; i < 300; ++i) {
    const int v = PickInRange(random, 9, 4);  // bounds exchanged
    EXPECT_TRUE(v >= 4 && v <= 9) << v;
    EXPECT_EQ(PickInRange(random, -5, -1), 0);  // negative bounds raised to 0
  }
  EXPECT_EQ(OleDayNumber(1899, 12, 30), 0);
  EXPECT_EQ(OleDayNumber(1970, 1, 1), 25569);
  EXPECT_EQ(OleDayNumber(2000, 3, 1), 36586);
  EXPECT_EQ(OleDayNumber(2024, 2, 29) + 1, OleDayNumber(2024, 3, 1));
}

TEST(ColourSampling, MarginOfThreeSamplesOnlyTheLastThreeColumns) {
  const int first = FirstSampledCoordinate(256, 3);
  EXPECT_EQ(first, 253);
  EXPECT_EQ(FirstSampledCoordinate(256, 0), 0);
  std::set<int> xs;
  for (int i = 1; i <= 2000; ++i) {
    const SamplePoint p = SamplePosition(45000, i, first, 255, 0, 439);
    EXPECT_TRUE(p.y >= 0 && p.y <= 439);
    xs.insert(p.x);
  }
  EXPECT_EQ(xs, (std::set<int>{253, 254, 255}));
}

TEST(AverageImageColour, SamplesWhereTheMarginsSay) {
  EXPECT_EQ(AverageImageColour(MakePng(40, 30, [](int, int) { return 0xFF336699u; }), 200, 0, 0),
            0xFF996633u);
  const Bytes columns = MakePng(256, 20, [](int x, int) { return x >= 253 ? kRed : kBlue; });
  EXPECT_EQ(AverageImageColour(columns, 500, 3, 0), 0xFF0000FFu);  // red only
  EXPECT_GT((AverageImageColour(columns, 500, 0, 0) >> 16) & 0xFF, 200u);  // mostly blue
  const Bytes rows = MakePng(20, 100, [](int, int y) { return y >= 96 ? kRed : kBlue; });
  EXPECT_EQ(AverageImageColour(rows, 300, 0, 4), 0xFF0000FFu);

  // A path, when given and not empty, wins over the bytes.
  const Text path = OutputFolder() + "paint_average_blue.png";
  ASSERT_TRUE(WriteFileBytes(path, MakePng(8, 8, [](int, int) { return kBlue; })));
  const Bytes red = MakePng(8, 8, [](int, int) { return kRed; });
  EXPECT_EQ(AverageImageColour(red, 50, 0, 0, path), 0xFFFF0000u);
  EXPECT_EQ(AverageImageColour(red, 50, 0, 0, Text()), 0xFF0000FFu);
  DeleteFileA(path.c_str());

  // Nothing to sample: black.
  EXPECT_EQ(AverageImageColour(Bytes{1, 2, 3, 4}, 100, 0, 0), 0xFF000000u);
  EXPECT_EQ(AverageImageColour(red, 0, 0, 0), 0xFF000000u);
}

TEST(AverageImageColour, BackgroundPictureAverageIsNearTheTrueMean) {
  const Bytes picture = CopyPictureBytes(MainBackground());
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromBytes(picture));
  double sum[3] = {0, 0, 0};
  const int w = static_cast<int>(bitmap.Width()), h = static_cast<int>(bitmap.Height());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const ColourRef c = ArgbToColorref(bitmap.GetPixel(x, y));
      for (int k = 0; k < 3; ++k) sum[k] += (c >> (8 * k)) & 0xFF;
    }
  }
  const std::uint32_t average = AverageImageColour(picture, 2000, 0, 0);
  EXPECT_EQ(average >> 24, 0xFFu);
  for (int k = 0; k < 3; ++k)
    EXPECT_NEAR((average >> (8 * k)) & 0xFF, sum[k] / (w * h), 16) << "channel " << k;
  EXPECT_EQ(AverageImageColourOnDay(picture, 2000, 0, 0, std::nullopt, TodayOleDayNumber()), average);
}

TEST(TickTint, PixelRules) {
  const ColourRef accent = 0xDDCA22;
  EXPECT_EQ(TintPixel(0x00FFFFFFu, accent), 0x00FFFFFFu);  // pure white: untouched
  EXPECT_EQ(TintPixel(0xFFFFFFFFu, accent), 0xFFFFFFFFu);
  EXPECT_EQ(TintPixel(0xFF000000u, accent), 0xFF000000u);  // black scales the accent to black
  EXPECT_EQ(TintPixel(0xFFFEFEFEu, accent), ColorrefToArgb(0xDCC921, 1, true));
  EXPECT_EQ(TintPixel(0xFF5C9309u, accent), ColorrefToArgb(0x07740C, 255 - 82, true));
  EXPECT_EQ(TintPixel(0x105C9309u, accent), TintPixel(0xFF5C9309u, accent));  // own alpha ignored
}

TEST(TickTint, RealTickPictureIsRecolouredWithTheAccent) {
  ResetPaintState();
  Bitmap original, result;
  ASSERT_TRUE(original.CreateFromBytes(CopyPictureBytes(TickMark())));
  const Bytes tinted = TintTickWithAccent();
  ASSERT_TRUE(result.CreateFromBytes(tinted));
  EXPECT_EQ(result.GetRawFormat(), Text(ImageFormatPNG));
  ASSERT_EQ(result.Width(), 13u);
  ASSERT_EQ(result.Height(), 12u);
  WriteFileBytes(OutputFolder() + "paint_tick_tinted.png", tinted);

  int white = 0, changed = 0;
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 13; ++x) {
      const Argb before = original.GetPixel(x, y), after = result.GetPixel(x, y);
      if (ArgbToColorref(before) == 0xFFFFFF) {
        ++white;
        EXPECT_EQ(after, before) << x << "," << y;
      } else {
        ++changed;
        EXPECT_EQ(after, TintPixel(before, 0xDDCA22)) << x << "," << y;
      }
    }
  }
  EXPECT_GT(white, 50);
  EXPECT_GT(changed, 10);

  AccentColour = 0x0000FF;  // a red accent leaves no green or blue in the mark
  Bitmap red;
  ASSERT_TRUE(red.CreateFromBytes(TintTickWithAccent()));
  AccentColour = kAccentColour;
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 13; ++x) {
      const Argb p = red.GetPixel(x, y);
      if (ArgbToColorref(p) != 0xFFFFFF && (p >> 24) != 0) {
        EXPECT_EQ(p & 0xFFFFu, 0u) << x << "," << y;
      }
    }
  }
}
