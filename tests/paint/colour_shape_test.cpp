// Colour conversions, rounded shapes and the glow outline.
#include <gtest/gtest.h>

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/glow_outline.h"
#include "graphics/paint/round_shapes.h"
#include "paint_test_support.h"

TEST(ColourConvert, ShufflesBytesAndAlpha) {
  EXPECT_EQ(ColorrefToArgb(0x0022CADD, 0, false), 0xFFDDCA22u);
  EXPECT_EQ(ColorrefToArgb(0x7F123456, 0x1C0, true), 0xC0563412u);  // alpha's low byte only
  int alpha = -1;
  EXPECT_EQ(ArgbToColorref(0x80112233u, alpha), 0x00332211u);
  EXPECT_EQ(alpha, 0x80);
  EXPECT_EQ(ColorrefToArgb(ColorrefToArgb(0x00ABCDEF, 0, true), 0, true), 0x00ABCDEFu);
}

TEST(RoundShapes, CornerSizeIsClampedToOneAndHundred) {
  const auto points = [](int r) {
    GraphicsPath path;
    path.Create();
    EXPECT_TRUE(AddRoundRect(path, 3, 4, 300, 250, r));
    std::vector<float> xy;
    for (const PointF& p : path.GetPathPoints()) xy.insert(xy.end(), {p.x, p.y});
    return xy;
  };
  EXPECT_EQ(points(0), points(1));
  EXPECT_EQ(points(-7), points(1));
  EXPECT_EQ(points(500), points(100));
  EXPECT_NE(points(99), points(100));
  EXPECT_NE(points(2), points(1));
}

TEST(RoundShapes, TopOutlineRunsFromBottomLeftToBottomRightAndStaysOpen) {
  GraphicsPath top;
  top.Create();
  ASSERT_TRUE(AddRoundTopOutline(top, 5, 6, 50, 30, 10));
  const std::vector<PointF> points = top.GetPathPoints();
  EXPECT_NEAR(points.front().x, 5, 0.01);  // from the bottom left
  EXPECT_NEAR(points.front().y, 36, 0.01);
  EXPECT_NEAR(points.back().x, 55, 0.01);  // to the bottom right
  EXPECT_EQ(top.GetPathTypes().back() & 0x80, 0);  // no bottom edge
}

TEST(GlowOutline, DensestOnThePathAndFadingOutward) {
  PixelCanvas canvas(100, 40, 0xFFFFFF);
  {
    Graphics graphics;
    ASSERT_TRUE(graphics.CreateFromHDC(canvas.dc));
    GraphicsPath path;
    path.Create();
    path.AddLine(10, 20, 90, 20);
    ASSERT_TRUE(DrawGlowOutline(graphics, path, 8, 0x0000FF /* red */, 40));
  }
  GdiFlush();
  // Red over white lowers blue: the lower, the denser the glow.
  const auto density = [&canvas](int y) { return 0xFF - static_cast<int>(canvas.Rgb(50, y) & 0xFF); };
  EXPECT_GT(density(20), density(22));
  EXPECT_GT(density(22), density(15));
  EXPECT_GT(density(20), 120);  // many strokes of alpha 40 overlap on the path
  EXPECT_EQ(canvas.Rgb(50, 10), 0xFFFFFFu);  // beyond count / 2 pixels: nothing
}
