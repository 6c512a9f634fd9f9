// Geometry of the drawn scroll bars and of the edit box frame.
#include <gtest/gtest.h>

#include "skin/controls/edit/edit_geometry.h"
#include "skin/controls/scroll_bars/scroll_bar_layout.h"

namespace {

StandardBarState Bar(int thumbStart, int thumbEnd, int button = 17) {
  StandardBarState s;
  s.thumbStart = thumbStart;
  s.thumbEnd = thumbEnd;
  s.button = button;
  return s;
}

struct Hit {
  int x, y, part;
};

void ExpectHits(const ScrollBarParts& parts, std::initializer_list<Hit> hits) {
  for (const Hit& h : hits) {
    EXPECT_EQ(HitTestParts(parts, h.x, h.y), h.part) << "at " << h.x << "," << h.y;
  }
}

TEST(ScrollBarHitTest, EdgesOfEveryPartCountAsInside) {
  ExpectHits(VerticalBarParts(17, 200, Bar(40, 90)),
             {{1, 1, kScrollPartFirstArrow}, {15, 17, kScrollPartFirstArrow},
              {0, 5, kScrollPartNone}, {16, 5, kScrollPartNone},
              {8, 183, kScrollPartSecondArrow}, {8, 199, kScrollPartSecondArrow},
              {8, 182, kScrollPartNone}, {8, 40, kScrollPartThumb}, {8, 90, kScrollPartThumb},
              {18, 60, kScrollPartThumb}, {19, 60, kScrollPartNone},  // thumb ends at button + 1
              {8, 39, kScrollPartNone}, {8, 91, kScrollPartNone}});
  // The right arrow ends 4 pixels before the edge.
  ExpectHits(HorizontalBarParts(300, 17, Bar(60, 100)),
             {{296, 8, kScrollPartSecondArrow}, {297, 8, kScrollPartNone},
              {283, 1, kScrollPartSecondArrow}, {17, 15, kScrollPartFirstArrow},
              {18, 8, kScrollPartNone}, {60, 17, kScrollPartThumb}, {100, 1, kScrollPartThumb}});
}

TEST(ScrollBarHitTest, ArrowsWinOverAnOverlappingThumbInOrder) {
  // A thumb reaching into both arrow rectangles (tiny bar).
  ExpectHits(VerticalBarParts(17, 40, Bar(10, 30)),
             {{5, 12, kScrollPartFirstArrow}, {5, 25, kScrollPartSecondArrow},
              {16, 20, kScrollPartThumb}});
}

TEST(ScrollBarHitTest, PackedPointsAreSigned16BitWords) {
  PackedPoint p = UnpackPoint(0x00C80064u);
  EXPECT_EQ(p.x, 100);
  EXPECT_EQ(p.y, 200);
  p = UnpackPoint(0xFFFEFFF6u);  // left of and above the screen origin
  EXPECT_EQ(p.x, -10);
  EXPECT_EQ(p.y, -2);
}

TEST(EditGeometry, ClientBoxLeavesRoomForEachStandardBarAndFloorsOddBorders) {
  // Both bars: 17 pixels each come off before halving.
  RECT c = EditClientBoxFor(200, 150, 179, 129, WS_VSCROLL | WS_HSCROLL);
  EXPECT_EQ(c.left, 2);
  EXPECT_EQ(c.top, 2);
  EXPECT_EQ(c.right, 181);
  EXPECT_EQ(c.bottom, 131);
  // An odd difference floors: (101 - 79 - 17) / 2 = 2.5 -> 2.
  EXPECT_EQ(EditClientBoxFor(101, 50, 79, 46, WS_VSCROLL).left, 2);
  // A bar style without a real bar gives a negative difference, floored.
  c = EditClientBoxFor(100, 20, 100, 20, WS_VSCROLL);
  EXPECT_EQ(c.left, -9);
  EXPECT_EQ(c.right, 91);
}

}  // namespace
