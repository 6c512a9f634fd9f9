// Geometry of the drawn scroll bars and of the edit box frame.
#include <gtest/gtest.h>

#include "skin/controls/edit_geometry.h"
#include "skin/controls/scroll_bar_layout.h"

namespace {

StandardBarState Bar(int thumbStart, int thumbEnd, int button = 17, int state = 0) {
  StandardBarState s;
  s.thumbStart = thumbStart;
  s.thumbEnd = thumbEnd;
  s.button = button;
  s.state = state;
  return s;
}

TEST(ScrollBarLayout, VerticalPartsFollowTheBarSizeAndTheStandardThumb) {
  const BarParts p = VerticalBarParts(17, 200, Bar(40, 90));
  EXPECT_EQ(p.box[0].left, 1);
  EXPECT_EQ(p.box[0].top, 1);
  EXPECT_EQ(p.box[0].right, 15);
  EXPECT_EQ(p.box[0].bottom, 17);
  EXPECT_EQ(p.box[1].top, 183);
  EXPECT_EQ(p.box[1].right, 15);
  EXPECT_EQ(p.box[1].bottom, 199);
  EXPECT_EQ(p.box[2].left, 1);
  EXPECT_EQ(p.box[2].top, 40);
  EXPECT_EQ(p.box[2].right, 18);  // button + 1
  EXPECT_EQ(p.box[2].bottom, 90);
}

TEST(ScrollBarLayout, HorizontalPartsExchangeTheAxesButEndTheRightArrowEarly) {
  const BarParts p = HorizontalBarParts(300, 17, Bar(60, 100, 16));
  EXPECT_EQ(p.box[0].right, 17);
  EXPECT_EQ(p.box[0].bottom, 15);
  EXPECT_EQ(p.box[1].left, 283);
  EXPECT_EQ(p.box[1].right, 296);  // 4 pixels before the edge
  EXPECT_EQ(p.box[1].bottom, 16);
  EXPECT_EQ(p.box[2].left, 60);
  EXPECT_EQ(p.box[2].top, 1);
  EXPECT_EQ(p.box[2].right, 100);
  EXPECT_EQ(p.box[2].bottom, 17);
}

TEST(ScrollBarHitTest, EdgesOfEveryPartCountAsInside) {
  const BarParts p = VerticalBarParts(17, 200, Bar(40, 90));
  EXPECT_EQ(HitTestParts(p, 1, 1), kScrollPartFirstArrow);
  EXPECT_EQ(HitTestParts(p, 15, 17), kScrollPartFirstArrow);
  EXPECT_EQ(HitTestParts(p, 0, 5), kScrollPartNone);
  EXPECT_EQ(HitTestParts(p, 16, 5), kScrollPartNone);
  EXPECT_EQ(HitTestParts(p, 8, 183), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestParts(p, 8, 199), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestParts(p, 8, 182), kScrollPartNone);
  EXPECT_EQ(HitTestParts(p, 8, 40), kScrollPartThumb);
  EXPECT_EQ(HitTestParts(p, 8, 90), kScrollPartThumb);
  EXPECT_EQ(HitTestParts(p, 8, 39), kScrollPartNone);
  EXPECT_EQ(HitTestParts(p, 8, 91), kScrollPartNone);
}

TEST(ScrollBarHitTest, ArrowsWinOverAnOverlappingThumbInOrder) {
  // A thumb reaching into both arrow rectangles (tiny bar): the first arrow
  // is tested first, then the second, then the thumb.
  const BarParts p = VerticalBarParts(17, 40, Bar(10, 30));
  EXPECT_EQ(HitTestParts(p, 5, 12), kScrollPartFirstArrow);
  EXPECT_EQ(HitTestParts(p, 5, 25), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestParts(p, 16, 20), kScrollPartThumb);  // outside both arrows' right edge
}

TEST(ScrollBarHitTest, LastThreeColumnsOfTheRightArrowHitNothing) {
  const BarParts p = HorizontalBarParts(300, 17, Bar(60, 100));
  EXPECT_EQ(HitTestParts(p, 296, 8), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestParts(p, 297, 8), kScrollPartNone);
  EXPECT_EQ(HitTestParts(p, 299, 8), kScrollPartNone);
  EXPECT_EQ(HitTestParts(p, 283, 1), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestParts(p, 17, 15), kScrollPartFirstArrow);
  EXPECT_EQ(HitTestParts(p, 18, 8), kScrollPartNone);
}

TEST(ScrollBarHitTest, PackedPointsAreSigned16BitWords) {
  PackedPoint p = UnpackPoint(0x00C80064u);
  EXPECT_EQ(p.x, 100);
  EXPECT_EQ(p.y, 200);
  p = UnpackPoint(0xFFFEFFF6u);  // a point left of and above the screen origin
  EXPECT_EQ(p.x, -10);
  EXPECT_EQ(p.y, -2);
}

TEST(EditGeometry, BorderKindPrefersTheFlatBorderOverAnyEdge) {
  EXPECT_EQ(BorderKind(0, 0), kBorderNone);
  EXPECT_EQ(BorderKind(kStyleBorder, 0), kBorderFlat);
  EXPECT_EQ(BorderKind(kStyleBorder, kExStyleClientEdge), kBorderFlat);
  EXPECT_EQ(BorderKind(0, kExStyleClientEdge), kBorderEdge);
  EXPECT_EQ(BorderKind(0, kExStyleWindowEdge), kBorderEdge);
  EXPECT_EQ(BorderKind(0, kExStyleDlgModalFrame), kBorderEdge);
  EXPECT_EQ(BorderKind(kStyleVScroll | kStyleHScroll, 0x20 /* WS_EX_TRANSPARENT */), kBorderNone);
}

TEST(EditGeometry, ClientBoxLeavesRoomForEachStandardBarAndFloorsOddBorders) {
  // 2-pixel client edge, no bars.
  EditBox c = EditClientBoxFor(100, 24, 96, 20, 0);
  EXPECT_EQ(c.left, 2);
  EXPECT_EQ(c.top, 2);
  EXPECT_EQ(c.right, 98);
  EXPECT_EQ(c.bottom, 22);
  // Both bars: 17 pixels each come off before halving.
  c = EditClientBoxFor(200, 150, 179, 129, kStyleVScroll | kStyleHScroll);
  EXPECT_EQ(c.left, 2);
  EXPECT_EQ(c.top, 2);
  EXPECT_EQ(c.right, 181);
  EXPECT_EQ(c.bottom, 131);
  // An odd difference floors: (101 - 79 - 17) / 2 = 2.5 -> 2.
  c = EditClientBoxFor(101, 50, 79, 46, kStyleVScroll);
  EXPECT_EQ(c.left, 2);
  EXPECT_EQ(c.top, 2);
  // A bar style without a real bar gives a negative difference, floored.
  c = EditClientBoxFor(100, 20, 100, 20, kStyleVScroll);
  EXPECT_EQ(c.left, -9);
  EXPECT_EQ(c.right, 91);
}

}  // namespace
