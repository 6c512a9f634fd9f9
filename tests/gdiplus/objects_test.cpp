// Fonts, paths, string formats, regions and the release convention of the
// wrapper objects.
#include <cmath>
#include <vector>

#include "gdiplus_test_support.h"

namespace {

class ObjectsTest : public GdiPlusTest {};

TEST_F(ObjectsTest, SongtiTwelveIsARegularFontOfTwelveWorldUnits) {
  Font font;
  ASSERT_TRUE(font.Create("宋体", 12));
  EXPECT_FLOAT_EQ(font.GetSize(), 12);
  EXPECT_EQ(font.GetStyle(), FontStyleRegular);
  EXPECT_EQ(font.GetUnit(), UnitWorld);
  FontFamily family;
  ASSERT_TRUE(font.GetFamily(family));
  EXPECT_FALSE(family.GetFamilyName().empty());

  Font bold;
  ASSERT_TRUE(bold.Create("宋体", 14, FontStyleBold, UnitPixel));
  EXPECT_EQ(bold.GetStyle(), FontStyleBold);
  EXPECT_EQ(bold.GetUnit(), UnitPixel);
  EXPECT_FLOAT_EQ(bold.GetSize(), 14);
}

TEST_F(ObjectsTest, UnknownFamilyFailsAndLeavesNoFont) {
  Font font;
  EXPECT_FALSE(font.Create("NoSuchFamilyAnywhere", 12));
  EXPECT_EQ(LastStatus, FontFamilyNotFound);
  EXPECT_TRUE(font.IsEmpty());
  EXPECT_FLOAT_EQ(font.GetSize(), 0);
  EXPECT_EQ(LastStatus, InvalidParameter);

  FontFamily family;
  EXPECT_FALSE(family.CreateFromName("NoSuchFamilyAnywhere"));
  EXPECT_TRUE(family.GetFamilyName().empty());
}

TEST_F(ObjectsTest, FontFromAGdiFont) {
  HFONT gdiFont = CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
  ASSERT_NE(gdiFont, nullptr);
  HDC screen = GetDC(nullptr);
  Font font;
  ASSERT_TRUE(font.CreateFromDCAndFont(screen, gdiFont));
  EXPECT_NEAR(font.GetSize(), 16, 1.5);  // the em size of a 16-pixel cell
  EXPECT_EQ(font.GetStyle() & FontStyleBold, FontStyleBold);

  // Without a GDI font, the one selected into the DC is used.
  Font fromDc;
  EXPECT_TRUE(fromDc.CreateFromDCAndFont(screen, nullptr));
  EXPECT_GT(fromDc.GetSize(), 0);
  ReleaseDC(nullptr, screen);
  DeleteObject(gdiFont);

  Font byDefault;
  ASSERT_TRUE(byDefault.CreateDefault());
  EXPECT_GT(byDefault.GetSize(), 0);
}

TEST_F(ObjectsTest, FontFamilyMetrics) {
  FontFamily family;
  ASSERT_TRUE(family.CreateFromName("宋体"));
  EXPECT_TRUE(family.IsStyleAvailable(FontStyleRegular));
  EXPECT_GT(family.GetEmHeight(), 0);
  EXPECT_GT(family.GetLineSpacing(), 0);
  FontFamily copy;
  ASSERT_TRUE(family.Clone(copy));
  EXPECT_EQ(copy.GetFamilyName(), family.GetFamilyName());
}

TEST_F(ObjectsTest, RoundRectPercentZeroUsesOnePercent) {
  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  path.AddRoundRectPercent(0, 0, 100, 50, 0);
  std::vector<PointF> points;
  std::vector<std::uint8_t> types;
  ASSERT_TRUE(path.GetPathData(points, types));
  ASSERT_FALSE(points.empty());
  // rx = trunc(100 x 1 / 100) = 1, ry = trunc(50 x 1 / 100) = 0: every
  // arc lies within one unit of a corner.
  for (const PointF& p : points) {
    bool nearLeftOrRight = p.x <= 1.001f || p.x >= 98.999f;
    bool onTopOrBottom = p.y == 0.0f || p.y == 50.0f;
    EXPECT_TRUE(nearLeftOrRight && onTopOrBottom) << p.x << "," << p.y;
  }
  // The first arc (x + w - rx, y, rx, ry) starts at its top middle.
  EXPECT_FLOAT_EQ(points.front().x, 99.5f);
  EXPECT_FLOAT_EQ(points.front().y, 0);
  // The figure is closed.
  EXPECT_EQ(types.back() & 0x80, 0x80);
}

TEST_F(ObjectsTest, RoundRectPercentArcsAndClamping) {
  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRoundRectPercent(10, 20, 100, 50, 20));
  RectF bounds = path.GetWorldBounds();
  EXPECT_FLOAT_EQ(bounds.x, 10);
  EXPECT_FLOAT_EQ(bounds.y, 20);
  EXPECT_FLOAT_EQ(bounds.width, 100);
  EXPECT_FLOAT_EQ(bounds.height, 50);
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
  // ...and the corner itself is cut off.
  EXPECT_FALSE(path.IsVisiblePoint(10.5f, 20.5f));
  EXPECT_TRUE(path.IsVisiblePoint(60, 45));

  // Over 100 percent is 100: the arcs span the whole box (an ellipse).
  GraphicsPath full;
  ASSERT_TRUE(full.Create());
  ASSERT_TRUE(full.AddRoundRectPercent(0, 0, 40, 40, 250));
  EXPECT_FALSE(full.IsVisiblePoint(3, 3));
  EXPECT_TRUE(full.IsVisiblePoint(20, 1));
  RectF fb = full.GetWorldBounds();
  EXPECT_NEAR(fb.width, 40, 0.01);
}

TEST_F(ObjectsTest, PathBuildingAndReset) {
  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddLine(0, 0, 10, 0));
  ASSERT_TRUE(path.AddLine(10, 0, 10, 10));
  ASSERT_TRUE(path.CloseFigure());
  EXPECT_EQ(path.GetPointCount(), 3);  // the shared point is joined
  PointF last = path.GetLastPoint();
  EXPECT_FLOAT_EQ(last.x, 10);
  EXPECT_FLOAT_EQ(last.y, 10);
  ASSERT_TRUE(path.AddRectangle(20, 20, 5, 5));
  ASSERT_TRUE(path.AddEllipse(0, 20, 10, 10));
  EXPECT_TRUE(path.IsVisiblePoint(22, 22));
  ASSERT_TRUE(path.Reset());
  EXPECT_EQ(path.GetPointCount(), 0);
  std::vector<PointF> points;
  std::vector<std::uint8_t> types;
  EXPECT_TRUE(path.GetPathData(points, types));
  EXPECT_TRUE(points.empty());

  GraphicsPath copy;
  ASSERT_TRUE(path.AddArc(0, 0, 10, 10, 180, 90));
  ASSERT_TRUE(path.Clone(copy));
  EXPECT_EQ(copy.GetPointCount(), path.GetPointCount());
}

TEST_F(ObjectsTest, NeverCreatedObjectsDeleteNothing) {
  SolidBrush brush;
  LastStatus = 77;
  EXPECT_FALSE(brush.Delete());
  EXPECT_EQ(LastStatus, 77) << "no GDI+ call for an empty brush";
  LinearGradientBrush linear;
  EXPECT_FALSE(linear.Delete());
  PathGradientBrush radial;
  EXPECT_FALSE(radial.Delete());
  TextureBrush texture;
  EXPECT_FALSE(texture.Delete());
  Pen pen;
  EXPECT_FALSE(pen.Delete());
  Font font;
  EXPECT_FALSE(font.Delete());
  FontFamily family;
  EXPECT_FALSE(family.Delete());
  GraphicsPath path;
  EXPECT_FALSE(path.Delete());
  StringFormat format;
  EXPECT_FALSE(format.Delete());
  Region region;
  EXPECT_FALSE(region.Delete());
  Graphics graphics;
  EXPECT_FALSE(graphics.Delete());
  EXPECT_EQ(LastStatus, 77);
}

TEST_F(ObjectsTest, DeleteReleasesOnceAndRecordsTheStatus) {
  SolidBrush brush;
  ASSERT_TRUE(brush.Create(MakeArgb(255, 1, 2, 3)));
  EXPECT_EQ(brush.GetType(), BrushTypeSolidColor);
  LastStatus = 77;
  EXPECT_TRUE(brush.Delete());
  EXPECT_EQ(LastStatus, Ok);
  EXPECT_TRUE(brush.IsEmpty());
  EXPECT_FALSE(brush.Delete());
  EXPECT_EQ(brush.GetColor(), 0u);
  EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(ObjectsTest, FailedCallsRecordTheirStatus) {
  Pen pen;
  SolidBrush neverCreated;
  EXPECT_FALSE(pen.Create2(neverCreated, 1));  // GDI+ refuses a null brush
  EXPECT_EQ(LastStatus, InvalidParameter);
  EXPECT_TRUE(pen.IsEmpty());

  Bitmap bitmap;
  EXPECT_FALSE(bitmap.CreateFromScan0(0, 10));
  EXPECT_EQ(LastStatus, InvalidParameter);
  ASSERT_TRUE(bitmap.CreateFromScan0(2, 2));
  EXPECT_EQ(LastStatus, Ok);

  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  EXPECT_FALSE(path.Create2({PointF{0, 0}}, {}, FillModeAlternate));
  EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(ObjectsTest, StringFormatSettings) {
  StringFormat format;
  ASSERT_TRUE(format.Create(StringFormatFlagsLineLimit));
  EXPECT_EQ(format.GetFlags(), StringFormatFlagsLineLimit);
  ASSERT_TRUE(format.SetFlags(StringFormatFlagsLineLimit | StringFormatFlagsNoWrap));
  EXPECT_EQ(format.GetFlags(), 0x3000);
  ASSERT_TRUE(format.SetAlign(StringAlignmentFar));
  EXPECT_EQ(format.GetAlign(), StringAlignmentFar);
  ASSERT_TRUE(format.SetLineAlign(StringAlignmentCenter));
  EXPECT_EQ(format.GetLineAlign(), StringAlignmentCenter);
  ASSERT_TRUE(format.SetTrimming(StringTrimmingEllipsisCharacter));
  EXPECT_EQ(format.GetTrimming(), StringTrimmingEllipsisCharacter);
  ASSERT_TRUE(format.SetHotkeyPrefix(HotkeyPrefixShow));
  EXPECT_EQ(format.GetHotkeyPrefix(), HotkeyPrefixShow);

  StringFormat copy;
  ASSERT_TRUE(format.Clone(copy));
  EXPECT_EQ(copy.GetAlign(), StringAlignmentFar);
  StringFormat typographic;
  ASSERT_TRUE(typographic.GenericTypographic());
  EXPECT_TRUE(typographic.Delete());
  EXPECT_FALSE(typographic.Delete());
}

TEST_F(ObjectsTest, RegionsCombineAndConvert) {
  Bitmap target;
  ASSERT_TRUE(target.CreateFromScan0(50, 50));
  Graphics g;
  ASSERT_TRUE(g.FromImage(target));

  Region region;
  ASSERT_TRUE(region.CreateRectI(RectI{0, 0, 20, 20}));
  ASSERT_TRUE(region.CombineRectI(RectI{10, 10, 20, 20}, CombineModeUnion));
  RectF bounds = region.GetBounds(g);
  EXPECT_FLOAT_EQ(bounds.width, 30);
  EXPECT_TRUE(region.IsVisiblePoint(25, 25));
  EXPECT_FALSE(region.IsVisiblePoint(25, 5));
  ASSERT_TRUE(region.CombineRectI(RectI{0, 0, 30, 30}, CombineModeXor));
  EXPECT_TRUE(region.IsVisiblePoint(25, 5));
  EXPECT_FALSE(region.IsVisiblePoint(5, 5));

  HRGN hrgn = region.GetHRgn(g);
  ASSERT_NE(hrgn, nullptr);
  EXPECT_TRUE(PtInRegion(hrgn, 25, 5));
  EXPECT_FALSE(PtInRegion(hrgn, 5, 5));
  Region back;
  ASSERT_TRUE(back.CreateHrgn(hrgn));
  EXPECT_TRUE(back.IsEqual(region, g));
  DeleteObject(hrgn);

  Region infinite;
  ASSERT_TRUE(infinite.Create());
  EXPECT_TRUE(infinite.IsInfinite(g));
  ASSERT_TRUE(infinite.SetEmpty());
  EXPECT_TRUE(infinite.IsEmpty(g));
  EXPECT_FALSE(infinite.IsEmpty());  // it still holds a native region

  GraphicsPath circle;
  ASSERT_TRUE(circle.Create());
  ASSERT_TRUE(circle.AddEllipse(0, 0, 40, 40));
  Region round;
  ASSERT_TRUE(round.CreatePath(circle));
  EXPECT_FALSE(round.IsVisiblePoint(1, 1));
  EXPECT_TRUE(round.IsVisiblePoint(20, 20));
}

TEST_F(ObjectsTest, PenStyleSettings) {
  Pen pen;
  ASSERT_TRUE(pen.Create1(MakeArgb(255, 10, 20, 30), 2, UnitPixel));
  EXPECT_EQ(pen.GetColor(), MakeArgb(255, 10, 20, 30));
  EXPECT_EQ(pen.GetUnit(), UnitPixel);
  ASSERT_TRUE(pen.SetLineJoin(LineJoinRound));
  EXPECT_EQ(pen.GetLineJoin(), LineJoinRound);
  ASSERT_TRUE(pen.SetDashStyle(DashStyleDash));
  EXPECT_EQ(pen.GetDashStyle(), DashStyleDash);
  ASSERT_TRUE(pen.SetDashArray({2, 1}));
  EXPECT_EQ(pen.GetDashArray(), (std::vector<float>{2, 1}));
  ASSERT_TRUE(pen.SetStartCap(LineCapRound));
  EXPECT_EQ(pen.GetStartCap(), LineCapRound);
  Pen copy;
  ASSERT_TRUE(pen.Clone(copy));
  EXPECT_EQ(copy.GetColor(), pen.GetColor());
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

  Bitmap a;
  ASSERT_TRUE(a.CreateFromBytes([] {
    Bitmap b;
    b.CreateFromScan0(3, 3);
    return b.SaveToBytes(Text(ImageFormatPNG));
  }()));
  Bitmap moved(std::move(a));
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(moved.Width(), 3u);
  EXPECT_FALSE(a.Dispose());
}

}  // namespace
