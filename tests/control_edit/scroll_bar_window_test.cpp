// Drawn scroll-bar windows: the painted bar (pixels on a uniform
// background), its highlights and the hit tests in screen coordinates.
#include "tests/control_edit/edit_fixture.h"

namespace {

constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kAccentRgb = 0x22CADD;  // AccentColour 0xDDCA22 as 0x00RRGGBB

class ScrollBars : public EditFixture {
 protected:
  // A multi-line box on grey, scrolled down by 20 lines.
  HWND MakeBox() {
    HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 30, 240, 200,
                        NumberedLines(60, 60).c_str());
    Install();
    UseUniformBackground(kGrey);
    SendMessageA(edit, EM_LINESCROLL, 0, 20);
    PumpMessages();
    return edit;
  }

  // Pixels that differ between a and b outside allowed.
  static int DifferentOutside(const PixelImage& a, const PixelImage& b, const RECT& allowed) {
    int count = 0;
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < a.width; ++x) {
        const POINT p = {x, y};
        const RECT r = {allowed.left, allowed.top, allowed.right + 1, allowed.bottom + 1};
        if (!PtInRect(&r, p) && !NearRgb(a.At(x, y), b.At(x, y), 2)) ++count;
      }
    }
    return count;
  }
};

TEST_F(ScrollBars, TrackAndThumbFollowTheStandardBar) {
  HWND edit = MakeBox();
  PaintVerticalScrollBar(edit, kScrollPartNone);
  const SCROLLBARINFO info = ReadStandardBar(edit, ScrollBarOrientation::Vertical);
  ASSERT_GT(info.xyThumbTop, 17) << "the box must be scrolled";
  EXPECT_EQ(RecordOf(edit).verticalParts[2].top, info.xyThumbTop);
  EXPECT_EQ(RecordOf(edit).verticalParts[2].bottom, info.xyThumbBottom);

  const PixelImage bar = CaptureClient(VerticalBar(edit));
  // Track: accent at alpha 40 on the left edge, nearly white on the right.
  const int trackRow = bar.height - 20;
  ASSERT_GT(trackRow, info.xyThumbBottom + 2);
  EXPECT_TRUE(NearRgb(bar.At(0, trackRow), Blend(kGrey, kAccentRgb, 40), 8))
      << RgbText(bar.At(0, trackRow));
  EXPECT_TRUE(NearRgb(bar.At(bar.width - 1, trackRow), 0xFFFFFF, 24))
      << RgbText(bar.At(bar.width - 1, trackRow));
  const int mid = bar.width / 2;
  const RowSpan thumb = DifferingSpan(bar, true, mid, 18, bar.height - 18, bar.At(mid, trackRow), 3);
  EXPECT_NEAR(thumb.first, info.xyThumbTop, 1);
  EXPECT_NEAR(thumb.last, info.xyThumbBottom - 1, 1);
  EXPECT_EQ(CountDifferent(bar, CaptureComposite(*host, VerticalBar(edit)), 2), 0);
}

TEST_F(ScrollBars, HighlightChangesOnlyThePartUnderTheMouse) {
  HWND edit = MakeBox();
  HWND bar = VerticalBar(edit);
  PaintVerticalScrollBar(edit, kScrollPartNone);
  const PixelImage plain = CaptureClient(bar);
  const EditRecord& record = RecordOf(edit);
  const struct {
    int part, box;
  } cases[] = {{kScrollPartThumb, 2}, {kScrollPartFirstArrow, 0}, {kScrollPartSecondArrow, 1}};
  for (const auto& c : cases) {
    PaintVerticalScrollBar(edit, c.part);
    const PixelImage hot = CaptureClient(bar);
    EXPECT_GT(CountDifferent(plain, hot, 2), 20) << "part " << c.part;
    EXPECT_EQ(DifferentOutside(plain, hot, record.verticalParts[c.box]), 0) << "part " << c.part;
  }
  // The same through the box's non-client mouse move over the top arrow.
  PaintVerticalScrollBar(edit, kScrollPartNone);
  RECT r = {};
  GetWindowRect(bar, &r);
  SendMessageA(edit, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(r.left + 8, r.top + 5));
  const PixelImage hot = CaptureClient(bar);
  EXPECT_GT(CountDifferent(plain, hot, 2), 20);
  EXPECT_EQ(DifferentOutside(plain, hot, record.verticalParts[0]), 0);
}

TEST_F(ScrollBars, HitTestsUseTheStoredPartsInScreenCoordinates) {
  HWND edit = MakeBox();
  PaintVerticalScrollBar(edit, kScrollPartNone);
  PaintHorizontalScrollBar(edit, kScrollPartNone);
  const SCROLLBARINFO v = ReadStandardBar(edit, ScrollBarOrientation::Vertical);
  RECT r = {};
  GetWindowRect(VerticalBar(edit), &r);
  auto vertical = [&](int x, int y) { return HitTestVerticalBar(edit, MAKELPARAM(x, y)); };
  EXPECT_EQ(vertical(r.left + 1, r.top + 1), kScrollPartFirstArrow);
  EXPECT_EQ(vertical(r.left + 8, r.bottom - 17), kScrollPartSecondArrow);
  EXPECT_EQ(vertical(r.left + 8, r.top + v.xyThumbTop), kScrollPartThumb);
  EXPECT_EQ(vertical(r.left - 1, r.top + 5), kScrollPartNone);
  RECT h = {};
  GetWindowRect(HorizontalBar(edit), &h);
  EXPECT_EQ(HitTestHorizontalBar(edit, MAKELPARAM(h.right - 4, h.top + 5)), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestHorizontalBar(edit, MAKELPARAM(h.right - 3, h.top + 5)), kScrollPartNone);

  // A box without a record hits and paints nothing.
  HWND stranger = AddEdit(kMultiLineStyle, 0, 300, 100, 80, 80);
  EXPECT_EQ(HitTestVerticalBar(stranger, MAKELPARAM(r.left + 1, r.top + 1)), kScrollPartNone);
  PaintVerticalScrollBar(stranger, kScrollPartThumb);
}

}  // namespace
