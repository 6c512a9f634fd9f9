// Drawing through Graphics onto device contexts and bitmaps: pictures,
// fills, outlines, gradients, clipping and text, read back pixel by pixel.
#include <cmath>
#include <vector>

#include "gdiplus_test_support.h"

namespace {

class DrawingTest : public GdiPlusTest {};

constexpr Argb kRed = MakeArgb(255, 255, 0, 0);
constexpr Argb kGreen = MakeArgb(255, 0, 255, 0);
constexpr Argb kBlue = MakeArgb(255, 0, 0, 255);
constexpr Argb kYellow = MakeArgb(255, 255, 255, 0);
constexpr Argb kWhite = MakeArgb(255, 255, 255, 255);
constexpr Argb kBlack = MakeArgb(255, 0, 0, 0);
constexpr Argb kMagenta = MakeArgb(255, 255, 0, 255);

// The 26 x 18 picture: first column red, last column blue, last row
// yellow, the rest green. As PNG bytes, the way skins hold pictures.
Bytes Picture26x18() {
  Bitmap picture;
  bool ok = FillBitmap(picture, 26, 18, [](int x, int y) {
    if (x == 0) return kRed;
    if (x == 25) return kBlue;
    if (y == 17) return kYellow;
    return kGreen;
  });
  return ok ? picture.SaveToBytes(Text(ImageFormatPNG)) : Bytes();
}

TEST_F(DrawingTest, DrawImageRectSqueezesTheWholePictureOnePixelNarrower) {
  Dib32 dib(60, 40);
  dib.Fill(kMagenta);
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(Picture26x18()));
  ASSERT_EQ(image.Width(), 26u);
  {
    Graphics g;
    ASSERT_TRUE(g.CreateFromHDC(dib.dc()));
    // Nearest neighbour keeps every column a pure colour, so the test can
    // see which source column landed where.
    ASSERT_TRUE(g.SetInterpolationMode(InterpolationModeNearestNeighbor));
    ASSERT_TRUE(g.DrawImageRect(image, 10, 10, 25, 18));
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
    EXPECT_FALSE(NearColour(kMagenta, dib.Pixel(11, y), tol));
    // The last column of the 25-pixel destination shows the picture's last
    // (26th) column: the whole picture is squeezed in, not cut off.
    EXPECT_COLOUR_NEAR(kBlue, dib.Pixel(34, y), tol);
    EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(35, y), tol);
  }
  // The height is unchanged: 18 rows, the last one yellow.
  EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(20, 9), tol);
  EXPECT_COLOUR_NEAR(kGreen, dib.Pixel(20, 10), tol);
  EXPECT_COLOUR_NEAR(kGreen, dib.Pixel(20, 26), tol);
  EXPECT_COLOUR_NEAR(kYellow, dib.Pixel(20, 27), tol);
  EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(20, 28), tol);
}

TEST_F(DrawingTest, DrawImageRectWithDefaultQualityCoversTheSameRectangle) {
  Dib32 dib(60, 40);
  dib.Fill(kMagenta);
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(Picture26x18()));
  {
    Graphics g;
    ASSERT_TRUE(g.CreateFromHDC(dib.dc()));
    ASSERT_TRUE(g.DrawImageRect(image, 10, 10, 25, 18));
  }
  // Smoothing blends the edges; inside, the colours are the picture's.
  EXPECT_COLOUR_NEAR(kGreen, dib.Pixel(20, 15), 8);
  EXPECT_GT(Blue(dib.Pixel(34, 15)), 128);
  EXPECT_LT(Green(dib.Pixel(34, 15)), 128);
  EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(36, 15), 8);
  EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(20, 29), 8);
}

TEST_F(DrawingTest, DrawImageAtNaturalSize) {
  Dib32 dib(40, 30);
  dib.Fill(kMagenta);
  Bitmap picture;
  ASSERT_TRUE(picture.CreateFromBytes(Picture26x18()));
  {
    Graphics g;
    ASSERT_TRUE(g.CreateFromHDC(dib.dc()));
    ASSERT_TRUE(g.DrawImage(picture, 3, 4));
  }
  EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(2, 10), 2);
  EXPECT_COLOUR_NEAR(kRed, dib.Pixel(3, 10), 2);
  EXPECT_COLOUR_NEAR(kBlue, dib.Pixel(28, 10), 2);
  EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(29, 10), 2);
  EXPECT_COLOUR_NEAR(kYellow, dib.Pixel(10, 21), 2);
  EXPECT_COLOUR_NEAR(kMagenta, dib.Pixel(10, 22), 2);
}

TEST_F(DrawingTest, TranslucentFillBlendsOverTheBackground) {
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(20, 20));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  ASSERT_TRUE(g.Clear(kBlack));
  SolidBrush brush;
  ASSERT_TRUE(brush.Create(MakeArgb(128, 255, 255, 255)));
  EXPECT_EQ(brush.GetColor(), MakeArgb(128, 255, 255, 255));
  ASSERT_TRUE(g.FillRectangle(brush, 5, 5, 10, 10));
  ASSERT_TRUE(g.Flush(true));
  EXPECT_COLOUR_NEAR(MakeArgb(255, 128, 128, 128), target.GetPixel(10, 10), 3);
  EXPECT_EQ(target.GetPixel(2, 2), kBlack);
  ASSERT_TRUE(brush.SetColor(kRed));
  ASSERT_TRUE(g.FillRectangleI(brush, 0, 0, 2, 2));
  EXPECT_EQ(target.GetPixel(1, 1), kRed);
}

TEST_F(DrawingTest, RoundedPathFillLeavesTheCornersOut) {
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(100, 50));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  ASSERT_TRUE(g.Clear(kBlack));
  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRoundRectPercent(0, 0, 100, 50, 40));
  SolidBrush white;
  ASSERT_TRUE(white.Create(kWhite));
  ASSERT_TRUE(g.FillPath(white, path));
  EXPECT_EQ(target.GetPixel(50, 25), kWhite);
  EXPECT_EQ(target.GetPixel(1, 1), kBlack);
  EXPECT_EQ(target.GetPixel(98, 48), kBlack);
  EXPECT_EQ(target.GetPixel(50, 1), kWhite);  // the straight top edge
}

TEST_F(DrawingTest, PenOutlinesAndLines) {
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(30, 30));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  ASSERT_TRUE(g.Clear(kBlack));
  Pen pen;
  ASSERT_TRUE(pen.Create1(kRed, 1));
  EXPECT_FLOAT_EQ(pen.GetWidth(), 1);
  EXPECT_EQ(pen.GetUnit(), UnitWorld);
  ASSERT_TRUE(g.DrawRectangle(pen, 5, 5, 20, 20));
  EXPECT_COLOUR_NEAR(kRed, target.GetPixel(15, 5), 40);
  EXPECT_EQ(target.GetPixel(15, 15), kBlack);

  SolidBrush green;
  ASSERT_TRUE(green.Create(kGreen));
  Pen brushPen;
  ASSERT_TRUE(brushPen.Create2(green, 3));
  EXPECT_FLOAT_EQ(brushPen.GetWidth(), 3);
  ASSERT_TRUE(brushPen.SetWidth(5));
  EXPECT_FLOAT_EQ(brushPen.GetWidth(), 5);
  ASSERT_TRUE(g.DrawLine(brushPen, 0, 15, 30, 15));
  EXPECT_COLOUR_NEAR(kGreen, target.GetPixel(15, 13), 2);
  EXPECT_COLOUR_NEAR(kGreen, target.GetPixel(15, 17), 2);
  EXPECT_EQ(target.GetPixel(15, 20), kBlack);
}

TEST_F(DrawingTest, LinearGradientWithPresetBlend) {
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(10, 101));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  LinearGradientBrush brush;
  ASSERT_TRUE(brush.Create(PointF{0, 0}, PointF{0, 101}, kBlack, kWhite));
  Argb c1 = 0, c2 = 0;
  ASSERT_TRUE(brush.GetLineColors(c1, c2));
  EXPECT_EQ(c1, kBlack);
  EXPECT_EQ(c2, kWhite);
  ASSERT_TRUE(g.FillRectangle(brush, 0, 0, 10, 101));
  // Plain two-colour gradient: dark at the top, light at the bottom.
  EXPECT_LT(Red(target.GetPixel(5, 2)), 20);
  EXPECT_NEAR(Red(target.GetPixel(5, 50)), 128, 12);
  EXPECT_GT(Red(target.GetPixel(5, 98)), 235);

  // Preset blend: red, then blue in the middle, then red again.
  ASSERT_TRUE(brush.SetPresetBlend({kRed, kBlue, kRed}, {0.0f, 0.5f, 1.0f}));
  ASSERT_TRUE(g.FillRectangle(brush, 0, 0, 10, 101));
  EXPECT_COLOUR_NEAR(kRed, target.GetPixel(5, 1), 16);
  EXPECT_COLOUR_NEAR(kBlue, target.GetPixel(5, 50), 16);
  EXPECT_COLOUR_NEAR(kRed, target.GetPixel(5, 99), 16);

  // Mismatched counts are refused before GDI+ sees them.
  EXPECT_FALSE(brush.SetPresetBlend({kRed, kBlue}, {0.0f}));
  EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(DrawingTest, PathGradientAsWineDrawsIt) {
  // Under Windows, focus scales 0.4 keep the centre colour over the inner
  // 40% of the ellipse. Wine's GDI+ ignores focus scales and blends and
  // fades linearly from the centre to the edge; both are checked here.
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(101, 101));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  ASSERT_TRUE(g.Clear(kBlack));
  GraphicsPath ellipse;
  ASSERT_TRUE(ellipse.Create());
  ASSERT_TRUE(ellipse.AddEllipse(0, 0, 101, 101));
  PathGradientBrush brush;
  ASSERT_TRUE(brush.CreateFromPath(ellipse));
  ASSERT_TRUE(brush.SetCenterColor(kWhite));
  EXPECT_EQ(brush.GetCenterColor(), kWhite);
  int accepted = 0;
  ASSERT_TRUE(brush.SetSurroundColors({MakeArgb(255, 0, 0, 0)}, &accepted));
  EXPECT_EQ(accepted, 1);
  ASSERT_TRUE(brush.SetFocusScales(0.4f, 0.4f));
  float fx = 0, fy = 0;
  ASSERT_TRUE(brush.GetFocusScales(fx, fy));
  EXPECT_FLOAT_EQ(fx, 0.4f);
  ASSERT_TRUE(g.FillPath(brush, ellipse));

  int centre = Red(target.GetPixel(50, 50));
  int inner = Red(target.GetPixel(50 + 15, 50));  // 30% of the radius out
  int outer = Red(target.GetPixel(50 + 40, 50));  // 80% of the radius out
  EXPECT_GT(centre, 225);
  EXPECT_LT(outer, inner);
  if (RunningOnWine()) {
    // Linear: about 70% of white at 30% of the radius.
    EXPECT_NEAR(inner, 178, 30);
    EXPECT_NEAR(outer, 51, 30);
  } else {
    EXPECT_GT(inner, 235);
  }
}

TEST_F(DrawingTest, RingClipByExclusiveOr) {
  // The radio-button hover look: clip to the inner circle, combine with the
  // outer circle by exclusive-or, and fill: only the ring is painted.
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(40, 40));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  ASSERT_TRUE(g.Clear(kBlack));
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
  EXPECT_EQ(target.GetPixel(20, 20), kBlack);  // inside the inner circle
  EXPECT_EQ(target.GetPixel(20, 4), kRed);     // on the ring
  EXPECT_EQ(target.GetPixel(1, 1), kBlack);    // outside both
  ASSERT_TRUE(g.ResetClip());
  ASSERT_TRUE(g.FillRectangle(red, 0, 0, 40, 40));
  EXPECT_EQ(target.GetPixel(20, 20), kRed);

  ASSERT_TRUE(g.SetClipRect(0, 0, 10, 40));
  EXPECT_FALSE(g.IsVisiblePoint(20, 20));
  EXPECT_TRUE(g.IsVisiblePoint(5, 20));
  RectF bounds = g.GetClipBounds();
  EXPECT_FLOAT_EQ(bounds.width, 10);
}

TEST_F(DrawingTest, TextureBrushRepeatsThePicture) {
  Bitmap tile;
  ASSERT_TRUE(FillBitmap(tile, 4, 4, [](int x, int) { return x < 2 ? kRed : kBlue; }));
  TextureBrush brush;
  ASSERT_TRUE(brush.Create(tile, WrapModeTile));
  EXPECT_EQ(brush.GetType(), BrushTypeTextureFill);
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(16, 4));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  ASSERT_TRUE(g.FillRectangle(brush, 0, 0, 16, 4));
  EXPECT_COLOUR_NEAR(kRed, target.GetPixel(8, 1), 2);
  EXPECT_COLOUR_NEAR(kBlue, target.GetPixel(11, 1), 2);
  EXPECT_COLOUR_NEAR(kRed, target.GetPixel(12, 1), 2);
}

TEST_F(DrawingTest, DrawStringPutsInkInsideTheLayoutRectangle) {
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(120, 40));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  ASSERT_TRUE(g.Clear(kWhite));
  Font font;
  ASSERT_TRUE(font.Create("宋体", 16));
  SolidBrush black;
  ASSERT_TRUE(black.Create(kBlack));
  StringFormat format;
  ASSERT_TRUE(format.Create(StringFormatFlagsLineLimit));
  ASSERT_TRUE(format.SetAlign(StringAlignmentCenter));
  ASSERT_TRUE(format.SetLineAlign(StringAlignmentCenter));
  RectF layout{0, 0, 120, 40};
  ASSERT_TRUE(g.DrawString("提取ip", font, black, layout, &format));

  int inkLeft = 120, inkRight = -1, dark = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x)
      if (Red(target.GetPixel(x, y)) < 128) {
        ++dark;
        inkLeft = std::min(inkLeft, x);
        inkRight = std::max(inkRight, x);
      }
  EXPECT_GT(dark, 30) << "the text left ink";
  // Centred: the ink is balanced around the middle.
  EXPECT_NEAR((inkLeft + inkRight) / 2.0, 60, 6);

  RectF measured = g.MeasureString("提取ip", font, layout, &format);
  EXPECT_GT(measured.width, 40);
  EXPECT_LT(measured.width, 100);
  RectF wider = g.MeasureString("提取ip提取ip", font, RectF{0, 0, 1000, 40}, nullptr);
  EXPECT_GT(wider.width, measured.width * 1.5f);
}

TEST_F(DrawingTest, ScaleAtAndRotateAtKeepTheCentreFixed) {
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(10, 10));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  float m[6];
  for (int order : {MatrixOrderPrepend, MatrixOrderAppend}) {
    SCOPED_TRACE(order);
    ASSERT_TRUE(g.ResetWorldTransform());
    ASSERT_TRUE(g.ScaleAt(2, 3, PointF{10, 20}, order));
    ASSERT_TRUE(g.GetWorldTransform(m));
    // x' = 2x - 10, y' = 3y - 40: the centre maps to itself.
    EXPECT_FLOAT_EQ(m[0], 2);
    EXPECT_FLOAT_EQ(m[3], 3);
    EXPECT_FLOAT_EQ(m[4], -10);
    EXPECT_FLOAT_EQ(m[5], -40);

    ASSERT_TRUE(g.ResetWorldTransform());
    ASSERT_TRUE(g.RotateAt(90, PointF{10, 20}, order));
    ASSERT_TRUE(g.GetWorldTransform(m));
    // The centre (10, 20) stays where it is.
    float cx = m[0] * 10 + m[2] * 20 + m[4], cy = m[1] * 10 + m[3] * 20 + m[5];
    EXPECT_NEAR(cx, 10, 1e-3);
    EXPECT_NEAR(cy, 20, 1e-3);
    EXPECT_NEAR(m[1], 1, 1e-5);  // rotated a quarter turn
  }
}

TEST_F(DrawingTest, GraphicsSettingsReadBack) {
  Dib32 dib(8, 8);
  Graphics g;
  ASSERT_TRUE(g.CreateFromHDC(dib.dc()));
  ASSERT_TRUE(g.SetSmoothingMode(SmoothingModeAntiAlias));
  EXPECT_EQ(g.GetSmoothingMode(), SmoothingModeAntiAlias);
  ASSERT_TRUE(g.SetInterpolationMode(InterpolationModeHighQualityBicubic));
  EXPECT_EQ(g.GetInterpolationMode(), InterpolationModeHighQualityBicubic);
  ASSERT_TRUE(g.SetCompositingQuality(CompositingQualityHighQuality));
  EXPECT_EQ(g.GetCompositingQuality(), CompositingQualityHighQuality);
  ASSERT_TRUE(g.SetPixelOffsetMode(PixelOffsetModeNone));
  EXPECT_EQ(g.GetPixelOffsetMode(), PixelOffsetModeNone);
  ASSERT_TRUE(g.SetTextRenderingHint(TextRenderingHintAntiAlias));
  EXPECT_EQ(g.GetTextRenderingHint(), TextRenderingHintAntiAlias);
  EXPECT_GT(g.GetDpiX(), 0);
}

TEST_F(DrawingTest, EmptyGraphicsFailsEveryCall) {
  Graphics g;
  SolidBrush brush;
  ASSERT_TRUE(brush.Create(kRed));
  EXPECT_FALSE(g.FillRectangle(brush, 0, 0, 1, 1));
  EXPECT_EQ(LastStatus, InvalidParameter);
  LastStatus = Ok;
  EXPECT_EQ(g.GetSmoothingMode(), 0);
  EXPECT_EQ(LastStatus, InvalidParameter);
  EXPECT_FALSE(g.Delete());

  // A failed create leaves the object empty.
  Image empty;
  EXPECT_FALSE(g.FromImage(empty));
  EXPECT_TRUE(g.IsEmpty());
}

}  // namespace
