// Paths, regions, failures and the ownership convention of the wrappers.
#include <cmath>
#include <type_traits>
#include <utility>
#include <vector>

#include "gdiplus_test_support.h"

namespace {

class ObjectsTest : public GdiPlusTest {};

TEST_F(ObjectsTest, RoundRectPercentArcsAndClamping) {
  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRoundRectPercent(10, 20, 100, 50, 20));
  std::vector<PointF> points;
  std::vector<std::uint8_t> types;
  ASSERT_TRUE(path.GetPathData(points, types));
  // rx = 20, ry = 10: the first arc's box is (90, 20, 20, 10), so it starts
  // at (100, 20); the second's is (90, 60, 20, 10), starting at (110, 65).
  EXPECT_FLOAT_EQ(points.front().x, 100);
  EXPECT_FLOAT_EQ(points.front().y, 20);
  bool secondArcStart = false;
  for (const PointF& p : points) secondArcStart |= std::fabs(p.x - 110) < 1e-3f && std::fabs(p.y - 65) < 1e-3f;
  EXPECT_TRUE(secondArcStart);
  EXPECT_EQ(types.back() & 0x80, 0x80);  // closed
  EXPECT_FALSE(path.IsVisiblePoint(10.5f, 20.5f));
  EXPECT_TRUE(path.IsVisiblePoint(60, 45));

  // 0 percent is 1: rx = trunc(100 / 100) = 1, ry = 0.
  ASSERT_TRUE(path.Reset());
  path.AddRoundRectPercent(0, 0, 100, 50, 0);
  ASSERT_TRUE(path.GetPathData(points, types));
  EXPECT_FLOAT_EQ(points.front().x, 99.5f);
  for (const PointF& p : points)
    EXPECT_TRUE((p.x <= 1.001f || p.x >= 98.999f) && (p.y == 0.0f || p.y == 50.0f)) << p.x << "," << p.y;

  // Over 100 percent is 100: the arcs span the whole box (an ellipse).
  ASSERT_TRUE(path.Reset());
  ASSERT_TRUE(path.AddRoundRectPercent(0, 0, 40, 40, 250));
  EXPECT_FALSE(path.IsVisiblePoint(3, 3));
  EXPECT_TRUE(path.IsVisiblePoint(20, 1));
  EXPECT_NEAR(path.GetWorldBounds().width, 40, 0.01);
}

TEST_F(ObjectsTest, DeleteReleasesOnceAndNeverCreatedObjectsCallNothing) {
  LastStatus = 77;
  EXPECT_FALSE(SolidBrush().Delete());
  EXPECT_FALSE(PathGradientBrush().Delete());
  EXPECT_FALSE(Pen().Delete());
  EXPECT_FALSE(Font().Delete());
  EXPECT_FALSE(GraphicsPath().Delete());
  EXPECT_FALSE(Region().Delete());
  EXPECT_EQ(LastStatus, 77) << "no GDI+ call for an empty object";

  SolidBrush brush;
  ASSERT_TRUE(brush.Create(MakeArgb(255, 1, 2, 3)));
  EXPECT_TRUE(brush.Delete());
  EXPECT_EQ(LastStatus, Ok);
  EXPECT_TRUE(brush.IsEmpty());
  EXPECT_FALSE(brush.Delete());
  EXPECT_EQ(brush.GetColor(), 0u);
  EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(ObjectsTest, FailedCallsRecordTheirStatusAndLeaveNothing) {
  Font missing;
  EXPECT_FALSE(missing.Create("NoSuchFamilyAnywhere", 12));
  EXPECT_EQ(LastStatus, FontFamilyNotFound);
  EXPECT_TRUE(missing.IsEmpty());
  Pen pen;
  SolidBrush neverCreated;
  EXPECT_FALSE(pen.Create2(neverCreated, 1));
  EXPECT_EQ(LastStatus, InvalidParameter);
  EXPECT_TRUE(pen.IsEmpty());
  Bitmap bitmap;
  EXPECT_FALSE(bitmap.CreateFromScan0(0, 10));
  EXPECT_EQ(LastStatus, InvalidParameter);
  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  EXPECT_FALSE(path.Create2({PointF{0, 0}}, {}, FillModeAlternate));
  EXPECT_EQ(LastStatus, InvalidParameter);
  Graphics empty;
  Image noImage;
  EXPECT_FALSE(empty.FromImage(noImage));
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_FALSE(empty.DrawPath(pen, path));
  EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(ObjectsTest, RegionsCombineAndConvert) {
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(50, 50));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));
  Region region;
  ASSERT_TRUE(region.CreateRectI(RectI{0, 0, 20, 20}));
  ASSERT_TRUE(region.CombineRectI(RectI{10, 10, 20, 20}, CombineModeUnion));
  EXPECT_FLOAT_EQ(region.GetBounds(g).width, 30);
  ASSERT_TRUE(region.CombineRectI(RectI{0, 0, 30, 30}, CombineModeXor));
  EXPECT_TRUE(region.IsVisiblePoint(25, 5));
  EXPECT_FALSE(region.IsVisiblePoint(5, 5));

  HRGN hrgn = region.GetHRgn(g);
  ASSERT_NE(hrgn, nullptr);
  EXPECT_TRUE(PtInRegion(hrgn, 25, 5));
  EXPECT_FALSE(PtInRegion(hrgn, 5, 5));
  DeleteObject(hrgn);
}

TEST_F(ObjectsTest, MovedWrappersOwnTheirObjectOnce) {
  SolidBrush first;
  ASSERT_TRUE(first.Create(MakeArgb(255, 9, 9, 9)));
  void* handle = first.GetHandle();
  SolidBrush second(std::move(first));
  EXPECT_TRUE(first.IsEmpty());
  EXPECT_EQ(second.GetHandle(), handle);
  SolidBrush third;
  ASSERT_TRUE(third.Create(MakeArgb(255, 1, 1, 1)));
  third = std::move(second);
  EXPECT_EQ(third.GetColor(), MakeArgb(255, 9, 9, 9));
}

// Cloning is offered only into a wrapper of the same class, so a wrapper
// always holds the kind of brush its class makes.
template <class From, class To, class = void>
struct CanCloneInto : std::false_type {};
template <class From, class To>
struct CanCloneInto<From, To, std::void_t<decltype(std::declval<const From&>().Clone(
                                  std::declval<To&>()))>> : std::true_type {};
static_assert(CanCloneInto<SolidBrush, SolidBrush>::value);
static_assert(!CanCloneInto<SolidBrush, LinearGradientBrush>::value);
static_assert(!CanCloneInto<TextureBrush, SolidBrush>::value);

TEST_F(ObjectsTest, ABrushClonesIntoItsOwnClassAndKeepsItsKind) {
  LinearGradientBrush original;
  ASSERT_TRUE(original.Create(PointF{0, 0}, PointF{10, 0}, MakeArgb(255, 1, 2, 3),
                              MakeArgb(255, 4, 5, 6)));
  LinearGradientBrush copy;
  ASSERT_TRUE(original.Clone(copy));
  EXPECT_NE(copy.GetHandle(), original.GetHandle());
  EXPECT_EQ(copy.GetType(), original.GetType());
  Argb a = 0, b = 0;
  ASSERT_TRUE(copy.GetLineColors(a, b));
  EXPECT_EQ(a, MakeArgb(255, 1, 2, 3));
  EXPECT_TRUE(copy.ScaleAt(2.0f, 2.0f, PointF{5, 5}));
  LinearGradientBrush empty;
  EXPECT_FALSE(empty.ResetTransform());
  EXPECT_EQ(LastStatus, InvalidParameter) << "an empty brush calls nothing";
}

// An argument left out takes GDI+'s neutral value: the tile wrap mode for
// every brush that wraps, world units for pens, no string format flags.
TEST_F(ObjectsTest, LeftOutArgumentsTakeTheNeutralValues) {
  const std::vector<PointF> triangle = {PointF{0, 0}, PointF{20, 0}, PointF{10, 20}};
  PathGradientBrush radial;
  ASSERT_TRUE(radial.Create(triangle));
  EXPECT_EQ(radial.GetWrapMode(), WrapModeTile);
  PathGradientBrush radialI;
  ASSERT_TRUE(radialI.CreateI({PointI{0, 0}, PointI{20, 0}, PointI{10, 20}}));
  EXPECT_EQ(radialI.GetWrapMode(), WrapModeTile);
  // Given, the mode is the one asked for.
  PathGradientBrush clamped;
  ASSERT_TRUE(clamped.Create(triangle, WrapModeClamp));
  EXPECT_EQ(clamped.GetWrapMode(), WrapModeClamp);

  LinearGradientBrush linear;
  ASSERT_TRUE(linear.Create(PointF{0, 0}, PointF{10, 0}, MakeArgb(255, 0, 0, 0), MakeArgb(255, 9, 9, 9)));
  EXPECT_EQ(linear.GetWrapMode(), WrapModeTile);

  Pen pen;
  ASSERT_TRUE(pen.Create1(MakeArgb(255, 0, 0, 0), 2));
  EXPECT_EQ(pen.GetUnit(), UnitWorld);
  StringFormat format;
  ASSERT_TRUE(format.Create());
  EXPECT_EQ(format.GetFlags(), 0);
}

}  // namespace
