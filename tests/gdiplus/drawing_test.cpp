// Drawing through Graphics onto device contexts and bitmaps, read back
// pixel by pixel.
#include <algorithm>

#include "gdiplus_test_support.h"

namespace {

class DrawingTest : public GdiPlusTest {
 protected:
  // A target bitmap of the given size with a Graphics on it, cleared to black.
  void Target(int width, int height) {
    ASSERT_TRUE(target.CreateFromScan0(width, height));
    ASSERT_TRUE(g.FromImage(target));
    ASSERT_TRUE(g.Clear(kBlack));
  }
  static constexpr Argb kRed = MakeArgb(255, 255, 0, 0), kGreen = MakeArgb(255, 0, 255, 0);
  static constexpr Argb kBlue = MakeArgb(255, 0, 0, 255);
  static constexpr Argb kYellow = MakeArgb(255, 255, 255, 0), kWhite = MakeArgb(255, 255, 255, 255);
  static constexpr Argb kBlack = MakeArgb(255, 0, 0, 0), kMagenta = MakeArgb(255, 255, 0, 255);
  Bitmap target;
  Graphics g;
};

TEST_F(DrawingTest, DrawImageRectSqueezesTheWholePictureOnePixelNarrower) {
  // 26 x 18: first column red, last column blue, last row yellow, rest green.
  Bitmap picture;
  ASSERT_TRUE(FillBitmap(picture, 26, 18, [](int x, int y) {
    return x == 0 ? kRed : x == 25 ? kBlue : y == 17 ? kYellow : kGreen;
  }));
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(picture.SaveToBytes(Text(ImageFormatPNG))));
  Dib32 dib(60, 40, kMagenta);
  {
    Graphics onDib;
    ASSERT_TRUE(onDib.CreateFromHDC(dib.dc));
    // Nearest neighbour keeps every column a pure colour.
    ASSERT_TRUE(onDib.SetInterpolationMode(InterpolationModeNearestNeighbor));
    ASSERT_TRUE(onDib.DrawImageRect(image, 10, 10, 25, 18));
  }
  const int tol = 4;
  for (int y = 10; y < 28; ++y) {
    SCOPED_TRACE(y);
    EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(9, y), tol);
    if (RunningOnWine()) {
      // Wine's GDI+ leaves the first destination column of a stretched
      // picture to the background; Windows draws the first source column.
      EXPECT_TRUE(NearColour(kRed, dib.Pixel(10, y), tol) || NearColour(kMagenta, dib.Pixel(10, y), tol));
    } else {
      EXPECT_COLOUR_NEAR(kRed, dib.Pixel(10, y), tol);
    }
    // The 25-pixel destination ends with the picture's 26th column.
    EXPECT_COLOUR_NEAR(kBlue, dib.Pixel(34, y), tol);
    EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(35, y), tol);
  }
  EXPECT_COLOUR_NEAR(kYellow, dib.Pixel(20, 27), tol);
  EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(20, 28), tol);
}

TEST_F(DrawingTest, FillsOutlinesAndTexture) {
  Target(30, 30);
  SolidBrush brush;
  ASSERT_TRUE(brush.Create(MakeArgb(128, 255, 255, 255)));
  ASSERT_TRUE(g.FillRectangle(brush, 5, 5, 10, 10));
  EXPECT_COLOUR_NEAR(MakeArgb(255, 128, 128, 128), target.GetPixel(10, 10), 3);
  EXPECT_EQ(target.GetPixel(2, 2), kBlack);

  Pen pen;
  ASSERT_TRUE(pen.Create1(kRed, 1));
  ASSERT_TRUE(g.DrawRectangle(pen, 5, 20, 20, 8));
  EXPECT_COLOUR_NEAR(kRed, target.GetPixel(15, 20), 40);
  Bitmap tile;
  ASSERT_TRUE(FillBitmap(tile, 4, 4, [](int x, int) { return x < 2 ? kRed : kBlue; }));
  TextureBrush texture;
  ASSERT_TRUE(texture.Create(tile, WrapModeTile));
  ASSERT_TRUE(g.FillRectangle(texture, 0, 0, 16, 4));
  EXPECT_COLOUR_NEAR(kRed, target.GetPixel(8, 1), 2);
  EXPECT_COLOUR_NEAR(kBlue, target.GetPixel(11, 1), 2);
}

TEST_F(DrawingTest, LinearGradientWithPresetBlend) {
  Target(10, 101);
  LinearGradientBrush brush;
  ASSERT_TRUE(brush.Create(PointF{0, 0}, PointF{0, 101}, kBlack, kWhite));
  ASSERT_TRUE(g.FillRectangle(brush, 0, 0, 10, 101));
  EXPECT_NEAR(Red(target.GetPixel(5, 50)), 128, 12);
  ASSERT_TRUE(brush.SetPresetBlend({kRed, kBlue, kRed}, {0.0f, 0.5f, 1.0f}));
  ASSERT_TRUE(g.FillRectangle(brush, 0, 0, 10, 101));
  EXPECT_COLOUR_NEAR(kRed, target.GetPixel(5, 1), 16);
  EXPECT_COLOUR_NEAR(kBlue, target.GetPixel(5, 50), 16);
  EXPECT_COLOUR_NEAR(kRed, target.GetPixel(5, 99), 16);
  EXPECT_FALSE(brush.SetPresetBlend({kRed, kBlue}, {0.0f}));  // mismatched counts
  EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(DrawingTest, PathGradientAsWineDrawsIt) {
  // Under Windows, focus scales 0.4 keep the centre colour over the inner
  // 40% of the ellipse. Wine's GDI+ ignores focus scales and fades linearly
  // from the centre to the edge; the test checks what each draws.
  Target(101, 101);
  GraphicsPath ellipse;
  ASSERT_TRUE(ellipse.Create());
  ASSERT_TRUE(ellipse.AddEllipse(0, 0, 101, 101));
  PathGradientBrush brush;
  ASSERT_TRUE(brush.CreateFromPath(ellipse));
  ASSERT_TRUE(brush.SetCenterColor(kWhite));
  int accepted = 0;
  ASSERT_TRUE(brush.SetSurroundColors({kBlack}, &accepted));
  EXPECT_EQ(accepted, 1);
  ASSERT_TRUE(brush.SetFocusScales(0.4f, 0.4f));
  ASSERT_TRUE(g.FillPath(brush, ellipse));
  int inner = Red(target.GetPixel(50 + 15, 50));  // 30% of the radius out
  int outer = Red(target.GetPixel(50 + 40, 50));  // 80% of the radius out
  EXPECT_GT(Red(target.GetPixel(50, 50)), 225);
  EXPECT_LT(outer, inner);
  if (RunningOnWine()) {
    EXPECT_NEAR(inner, 178, 30);
    EXPECT_NEAR(outer, 51, 30);
  } else {
    EXPECT_GT(inner, 235);
  }
}

TEST_F(DrawingTest, RingClipByExclusiveOr) {
  // The radio-button hover look: clip to the inner circle, combine with the
  // outer one by exclusive-or: only the ring is painted.
  Target(40, 40);
  GraphicsPath inner, outer;
  ASSERT_TRUE(inner.Create());
  ASSERT_TRUE(inner.AddEllipse(10, 10, 20, 20));
  ASSERT_TRUE(outer.Create());
  ASSERT_TRUE(outer.AddEllipse(0, 0, 40, 40));
  ASSERT_TRUE(g.SetClipPath(inner));
  ASSERT_TRUE(g.SetClipPath(outer, CombineModeXor));
  SolidBrush red;
  ASSERT_TRUE(red.Create(kRed));
  ASSERT_TRUE(g.FillRectangle(red, 0, 0, 40, 40));
  EXPECT_EQ(target.GetPixel(20, 20), kBlack);
  EXPECT_EQ(target.GetPixel(20, 4), kRed);
  EXPECT_EQ(target.GetPixel(1, 1), kBlack);
  ASSERT_TRUE(g.SetClipRect(0, 0, 10, 40));
  EXPECT_FALSE(g.IsVisiblePoint(20, 20));
  EXPECT_TRUE(g.IsVisiblePoint(5, 20));
}

TEST_F(DrawingTest, DrawStringCentresInkInTheLayoutRectangle) {
  Target(120, 40);
  ASSERT_TRUE(g.Clear(kWhite));
  Font font;
  ASSERT_TRUE(font.Create("宋体", 16));
  SolidBrush black;
  ASSERT_TRUE(black.Create(kBlack));
  StringFormat format;
  ASSERT_TRUE(format.Create(StringFormatFlagsLineLimit));
  ASSERT_TRUE(format.SetAlign(StringAlignmentCenter));
  ASSERT_TRUE(format.SetLineAlign(StringAlignmentCenter));
  const RectF layout{0, 0, 120, 40};
  ASSERT_TRUE(g.DrawString("提取ip", font, black, layout, &format));
  int inkLeft = 120, inkRight = -1, dark = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x)
      if (Red(target.GetPixel(x, y)) < 128) {
        ++dark;
        inkLeft = std::min(inkLeft, x);
        inkRight = std::max(inkRight, x);
      }
  EXPECT_GT(dark, 30);
  EXPECT_NEAR((inkLeft + inkRight) / 2.0, 60, 6);
  RectF measured = g.MeasureString("提取ip", font, layout, &format);
  EXPECT_GT(measured.width, 40);
  EXPECT_LT(measured.width, 100);
}

}  // namespace
