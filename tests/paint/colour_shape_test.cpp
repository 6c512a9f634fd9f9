// Colour conversions, rounded shapes and the glow outline.
#include <gtest/gtest.h>

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/glow_outline.h"
#include "graphics/paint/round_shapes.h"
#include "paint_test_support.h"

namespace {

std::vector<PointF> RoundRectPoints(int r) {
  GraphicsPath path;
  path.Create();
  EXPECT_TRUE(AddRoundRect(path, 3, 4, 300, 250, r));
  return path.GetPathPoints();
}

bool SamePoints(const std::vector<PointF>& a, const std::vector<PointF>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::abs(a[i].x - b[i].x) > 0.01f || std::abs(a[i].y - b[i].y) > 0.01f) return false;
  }
  return true;
}

}  // namespace

TEST(ColourConvert, ShufflesBytesAndAlpha) {
  EXPECT_EQ(ColorrefToArgb(0x0022CADD, 0, false), 0xFFDDCA22u);
  EXPECT_EQ(ColorrefToArgb(255, 80, true), 0x50FF0000u);
  EXPECT_EQ(ColorrefToArgb(0x7F123456, 0x1C0, true), 0xC0563412u);  // alpha's low byte only
  int alpha = -1;
  EXPECT_EQ(ArgbToColorref(0x80112233u, alpha), 0x00332211u);
  EXPECT_EQ(alpha, 0x80);
  EXPECT_EQ(ArgbToColorref(ColorrefToArgb(0x00ABCDEF, 99, true), alpha), 0x00ABCDEFu);
  EXPECT_EQ(alpha, 99);
  EXPECT_EQ(ColorrefToArgb(ColorrefToArgb(0x00ABCDEF, 0, true), 0, true), 0x00ABCDEFu);
}

TEST(RoundShapes, CornerSizeIsClampedToOneAndHundred) {
  EXPECT_TRUE(SamePoints(RoundRectPoints(0), RoundRectPoints(1)));
  EXPECT_TRUE(SamePoints(RoundRectPoints(-7), RoundRectPoints(1)));
  EXPECT_TRUE(SamePoints(RoundRectPoints(500), RoundRectPoints(100)));
  EXPECT_FALSE(SamePoints(RoundRectPoints(99), RoundRectPoints(100)));
  EXPECT_FALSE(SamePoints(RoundRectPoints(2), RoundRectPoints(1)));
}

TEST(RoundShapes, RoundRectFillsItsBoxWithSoftCornersAndTopOutlineStaysOpen) {
  GraphicsPath box;
  box.Create();
  ASSERT_TRUE(AddRoundRect(box, 10, 20, 60, 40, 20));
  const RectF bounds = box.GetWorldBounds();
  EXPECT_NEAR(bounds.x + bounds.width, 70, 0.01);
  EXPECT_NEAR(bounds.y + bounds.height, 60, 0.01);
  EXPECT_NE(box.GetPathTypes().back() & 0x80, 0);  // closed figure
  for (const PointF& corner : {PointF{11, 21}, PointF{69, 21}, PointF{11, 59}, PointF{69, 59}})
    EXPECT_FALSE(box.IsVisiblePoint(corner.x, corner.y)) << corner.x << "," << corner.y;
  EXPECT_TRUE(box.IsVisiblePoint(40, 21));
  EXPECT_TRUE(box.IsVisiblePoint(20, 30));

  GraphicsPath top;
  top.Create();
  ASSERT_TRUE(AddRoundTopOutline(top, 5, 6, 50, 30, 10));
  const std::vector<PointF> points = top.GetPathPoints();
  EXPECT_NEAR(points.front().x, 5, 0.01);   // from the bottom left
  EXPECT_NEAR(points.front().y, 36, 0.01);
  EXPECT_NEAR(points.back().x, 55, 0.01);   // to the bottom right
  EXPECT_NEAR(points.back().y, 36, 0.01);
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
  EXPECT_EQ(canvas.Rgb(50, 20) >> 16, 0xFFu);
}
