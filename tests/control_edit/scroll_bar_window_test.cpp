// Drawn scroll-bar windows: the painted bar (pixels on a uniform
// background), its highlights and the hit tests in screen coordinates.
#include "skin/controls/pictures/decoded_arrows.h"
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
    ScrollBarPart part;
    int box;
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

  // A box without a record hits nothing and paints nothing: neither on the
  // screen nor into the composite, nor into another box's parts.
  HWND stranger = AddEdit(kMultiLineStyle, 0, 300, 100, 80, 80);
  PumpMessages();
  const PixelImage composite = CaptureDc(host->Record().frameCopy.get(), 0, 0, host->width(), host->height());
  const PixelImage screen = CaptureClient(host->get());
  const RECT thumb = RecordOf(edit).verticalParts[2];
  EXPECT_EQ(HitTestVerticalBar(stranger, MAKELPARAM(r.left + 1, r.top + 1)), kScrollPartNone);
  EXPECT_EQ(HitTestHorizontalBar(stranger, MAKELPARAM(h.right - 4, h.top + 5)), kScrollPartNone);
  PaintVerticalScrollBar(stranger, kScrollPartThumb);
  PaintHorizontalScrollBar(stranger, kScrollPartThumb);
  EXPECT_EQ(CountDifferent(composite, CaptureDc(host->Record().frameCopy.get(), 0, 0, host->width(), host->height()), 0), 0);
  EXPECT_EQ(CountDifferent(screen, CaptureClient(host->get()), 0), 0);
  EXPECT_TRUE(EqualRect(&thumb, &RecordOf(edit).verticalParts[2]));
}

TEST_F(ScrollBars, TheBarWindowPaintsTheDrawnBarOnItsOwnPaint) {
  HWND edit = MakeBox();
  HWND bar = VerticalBar(edit);
  EXPECT_EQ(GetPropHandle<HWND>(bar, Mngd_zct), edit);
  EXPECT_FALSE(IsWindowEnabled(bar)) << "the mouse must reach the standard bar below";
  PaintVerticalScrollBar(edit, kScrollPartThumb);
  const PixelImage hot = CaptureClient(bar);
  PaintVerticalScrollBar(edit, kScrollPartNone);
  const PixelImage plain = CaptureClient(bar);
  // Something else drew over the bar window; its own paint puts the plain
  // drawn bar back.
  HDC dc = GetDC(bar);
  RECT all = {0, 0, plain.width, plain.height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(bar, dc);
  PaintVerticalScrollBar(edit, kScrollPartThumb);
  InvalidateRect(bar, nullptr, TRUE);
  UpdateWindow(bar);
  EXPECT_EQ(CountDifferent(CaptureClient(bar), plain, 2), 0);
  EXPECT_GT(CountDifferent(hot, plain, 2), 20);
  EXPECT_EQ(GetUpdateRect(bar, nullptr, FALSE), FALSE);
  EXPECT_EQ(CountDifferent(CaptureComposite(*host, bar), plain, 2), 0);
}

// A disabled standard bar (the text fits the box): track and arrow
// buttons, but no thumb and no highlight.
TEST_F(ScrollBars, ADisabledStandardBarGetsNoThumbAndNoHighlight) {
  HWND edit = MakeBox();
  HWND bar = VerticalBar(edit);
  PaintVerticalScrollBar(edit, kScrollPartNone);
  const PixelImage enabled = CaptureClient(bar);
  // With nothing left to scroll the standard bar is disabled as a whole.
  SetWindowTextA(edit, "x");
  PumpMessages();
  ASSERT_EQ(ReadStandardBar(edit, ScrollBarOrientation::Vertical).rgstate[0] & STATE_SYSTEM_UNAVAILABLE,
            static_cast<DWORD>(STATE_SYSTEM_UNAVAILABLE));
  PaintVerticalScrollBar(edit, kScrollPartNone);
  const PixelImage disabled = CaptureClient(bar);
  const int mid = disabled.width / 2;
  const RowSpan thumb =
      DifferingSpan(disabled, true, mid, 18, disabled.height - 18, disabled.At(mid, disabled.height - 20), 3);
  EXPECT_EQ(thumb.first, -1) << "a thumb from " << thumb.first << " to " << thumb.last;
  EXPECT_GT(CountDifferent(enabled, disabled, 3), 20);
  for (ScrollBarPart part : {kScrollPartThumb, kScrollPartFirstArrow, kScrollPartSecondArrow}) {
    PaintVerticalScrollBar(edit, part);
    EXPECT_EQ(CountDifferent(CaptureClient(bar), disabled, 0), 0) << "part " << part;
  }
  // The arrow buttons are still drawn: the enabled and disabled bars agree
  // on both of them.
  const RECT first = RecordOf(edit).verticalParts[0];
  const RECT second = RecordOf(edit).verticalParts[1];
  for (const RECT& button : {first, second}) {
    for (int y = button.top; y < button.bottom; ++y) {
      for (int x = button.left; x < button.right; ++x) {
        EXPECT_TRUE(NearRgb(enabled.At(x, y), disabled.At(x, y), 2)) << x << "," << y;
      }
    }
  }
}

// The arrow pictures are decoded once for every paint, kept until the
// skin's exit routine, and decoded afresh after it.
TEST_F(ScrollBars, ArrowPicturesAreDecodedOnceAndReleasedWithTheSkin) {
  HWND edit = MakeBox();
  PaintVerticalScrollBar(edit, kScrollPartNone);
  PaintHorizontalScrollBar(edit, kScrollPartNone);
  ASSERT_EQ(DecodedArrowCount(), 4) << "the painters decoded pictures of their own";
  const Image* up = DecodedArrow(ArrowPicture::Up);
  ASSERT_NE(up, nullptr);
  void* native = up->GetHandle();
  EXPECT_EQ(up->Width(), 7u);
  EXPECT_EQ(up->Height(), 4u);
  EXPECT_EQ(DecodedArrow(ArrowPicture::Right)->Width(), 4u);
  // The up arrow sits in the top button: x = (b - 7) / 2, y = (15 - 4) / 2 + 2.
  const PixelImage bar = CaptureClient(VerticalBar(edit));
  const int ax = (bar.width - 7) / 2, ay = 7;
  int dark = 0;
  for (int y = ay; y < ay + 4; ++y) {
    for (int x = ax; x < ax + 7; ++x) dark += (bar.At(x, y) & 0xFF) < 80 ? 1 : 0;
  }
  EXPECT_GE(dark, 6) << "no arrow in the top button";
  for (int i = 0; i < 3; ++i) PaintVerticalScrollBar(edit, kScrollPartFirstArrow);
  EXPECT_EQ(DecodedArrow(ArrowPicture::Up), up);
  EXPECT_EQ(up->GetHandle(), native);

  host.reset();
  ReleaseSkinState();
  EXPECT_EQ(DecodedArrowCount(), 0);
  ASSERT_NE(DecodedArrow(ArrowPicture::Down), nullptr);
  EXPECT_EQ(DecodedArrowCount(), 1);
  ReleaseSkinState();
  EXPECT_EQ(DecodedArrowCount(), 0) << "the second use did not queue its release";
}

}  // namespace
