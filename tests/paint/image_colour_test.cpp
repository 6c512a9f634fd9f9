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

TEST(ColourSampling, GeneratorRangeAndMargin) {
  SampleRandom random;
  random.Seed(1);  // the C runtime's sequence after srand(1)
  EXPECT_EQ(random.Next(), 41);
  EXPECT_EQ(random.Next(), 18467);
  EXPECT_EQ(PickInRange(random, -5, -1), 0);  // negative bounds raised to 0
  // A margin of 3 samples only the last three columns.
  std::set<int> xs;
  for (int i = 1; i <= 2000; ++i) {
    const SamplePoint p = SamplePosition(45000, i, FirstSampledCoordinate(256, 3), 255, 0, 439);
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

TEST(TickTint, RealTickPictureIsRecolouredWithTheAccent) {
  ResetPaintState();
  EXPECT_EQ(TintPixel(0xFFFEFEFEu, 0xDDCA22), ColorrefToArgb(0xDCC921, 1, true));
  EXPECT_EQ(TintPixel(0xFF5C9309u, 0xDDCA22), ColorrefToArgb(0x07740C, 255 - 82, true));
  Bitmap original, result;
  ASSERT_TRUE(original.CreateFromBytes(CopyPictureBytes(TickMark())));
  ASSERT_TRUE(result.CreateFromBytes(TintTickWithAccent()));
  ASSERT_EQ(result.Width(), 13u);
  ASSERT_EQ(result.Height(), 12u);
  int white = 0, changed = 0;
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 13; ++x) {
      const Argb before = original.GetPixel(x, y), after = result.GetPixel(x, y);
      const bool isWhite = ArgbToColorref(before) == 0xFFFFFF;  // pure white stays
      (isWhite ? white : changed) += 1;
      EXPECT_EQ(after, isWhite ? before : TintPixel(before, 0xDDCA22)) << x << "," << y;
    }
  }
  EXPECT_GT(white, 50);
  EXPECT_GT(changed, 10);

  AccentColour = 0x0000FF;  // a red accent leaves no green or blue in the mark
  Bitmap red;
  ASSERT_TRUE(red.CreateFromBytes(TintTickWithAccent()));
  AccentColour = kAccentColour;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 13; ++x) {
      const Argb p = red.GetPixel(x, y);
      if (ArgbToColorref(p) != 0xFFFFFF && (p >> 24) != 0) {
        EXPECT_EQ(p & 0xFFFFu, 0u) << x << "," << y;
      }
    }
}
