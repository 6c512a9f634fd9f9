// Drawn scroll-bar windows: placement and visibility, the painted bar
// (pixels on a uniform background), the stored parts and the hit tests.
#include "tests/control_edit/edit_fixture.h"

namespace {

constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kAccentRgb = 0x22CADD;  // AccentColour 0xDDCA22 as 0x00RRGGBB
constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;

class ScrollBars : public EditFixture {
 protected:
  // A multi-line box with 60 lines scrolled down by 20, on grey.
  HWND MakeScrolledBox() {
    HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 30, 240, 200,
                        NumberedLines(60, 60).c_str());
    Install();
    UseUniformBackground(kGrey);
    SendMessageA(edit, EM_LINESCROLL, 0, 20);
    PumpMessages();
    return edit;
  }

  static PixelImage BarOnScreen(HWND bar) {
    RECT r = {};
    GetWindowRect(bar, &r);
    HDC dc = GetDC(bar);
    PixelImage image = CaptureDc(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    ReleaseDC(bar, dc);
    return image;
  }

  static int DifferentInside(const PixelImage& a, const PixelImage& b, const RECT& box) {
    int count = 0;
    for (int y = box.top; y <= box.bottom && y < a.height; ++y) {
      for (int x = box.left; x <= box.right && x < a.width; ++x) {
        if (!NearRgb(a.At(x, y), b.At(x, y), 2)) ++count;
      }
    }
    return count;
  }

  static int DifferentOutside(const PixelImage& a, const PixelImage& b, const RECT& allowed) {
    int count = 0;
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < a.width; ++x) {
        const bool inside = x >= allowed.left && x <= allowed.right && y >= allowed.top &&
                            y <= allowed.bottom;
        if (!inside && !NearRgb(a.At(x, y), b.At(x, y), 2)) ++count;
      }
    }
    return count;
  }
};

TEST_F(ScrollBars, TrackThumbAndPartsFollowTheStandardBar) {
  HWND edit = MakeScrolledBox();
  PaintVerticalScrollBar(edit, kScrollPartNone);
  const SCROLLBARINFO info = ReadStandardBar(edit, ScrollBarOrientation::Vertical);
  ASSERT_GT(info.xyThumbTop, 17) << "the box must be scrolled";
  ASSERT_GT(info.xyThumbBottom, info.xyThumbTop + 6);

  const EditRecord& record = RecordOf(edit);
  EXPECT_EQ(record.verticalParts[2].top, info.xyThumbTop);
  EXPECT_EQ(record.verticalParts[2].bottom, info.xyThumbBottom);
  EXPECT_EQ(record.verticalParts[2].right, info.rcScrollBar.right - info.rcScrollBar.left + 1);

  const PixelImage bar = BarOnScreen(VerticalBar(edit));
  SavePng(bar, "edit_vertical_bar.png");
  // Track: accent at alpha 40 on the left edge, nearly white on the right.
  const int trackRow = bar.height - 20;
  ASSERT_GT(trackRow, info.xyThumbBottom + 2);
  EXPECT_TRUE(NearRgb(bar.At(0, trackRow), Blend(kGrey, kAccentRgb, 40), 8))
      << RgbText(bar.At(0, trackRow));
  EXPECT_TRUE(NearRgb(bar.At(bar.width - 1, trackRow), kWhiteRgb, 24))
      << RgbText(bar.At(bar.width - 1, trackRow));

  // Down the middle column the track is one colour; the thumb is where the
  // standard bar reports it.
  const int mid = bar.width / 2;
  const RowSpan thumb = DifferingRows(bar, mid, 18, bar.height - 18, bar.At(mid, trackRow), 3);
  EXPECT_NEAR(thumb.first, info.xyThumbTop, 1);
  EXPECT_NEAR(thumb.last, info.xyThumbBottom - 1, 1);

  // The same picture went into the composite.
  EXPECT_EQ(CountDifferent(bar, CaptureCompositeOf(host->get(), VerticalBar(edit)), 2), 0);
}

TEST_F(ScrollBars, HighlightChangesOnlyThePartUnderTheMouse) {
  HWND edit = MakeScrolledBox();
  HWND bar = VerticalBar(edit);
  PaintVerticalScrollBar(edit, kScrollPartNone);
  const PixelImage plain = BarOnScreen(bar);
  const EditRecord& record = RecordOf(edit);

  const struct {
    int part;
    int box;
  } cases[] = {{kScrollPartThumb, 2}, {kScrollPartFirstArrow, 0}, {kScrollPartSecondArrow, 1}};
  for (const auto& c : cases) {
    PaintVerticalScrollBar(edit, c.part);
    const PixelImage hot = BarOnScreen(bar);
    EXPECT_GT(CountDifferent(plain, hot, 2), 20) << "part " << c.part;
    EXPECT_EQ(DifferentOutside(plain, hot, record.verticalParts[c.box]), 0) << "part " << c.part;
  }
  PaintVerticalScrollBar(edit, kScrollPartNone);
  EXPECT_EQ(CountDifferent(plain, BarOnScreen(bar), 2), 0);
}

TEST_F(ScrollBars, DisabledStandardBarGetsTrackAndButtonsButNoThumbOrHighlight) {
  // Text that fits: the standard bar has nothing to scroll and is unavailable.
  HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 30, 240, 200, "short");
  Install();
  UseUniformBackground(kGrey);
  HWND bar = VerticalBar(edit);
  const SCROLLBARINFO info = ReadStandardBar(edit, ScrollBarOrientation::Vertical);
  ASSERT_EQ(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, static_cast<DWORD>(STATE_SYSTEM_UNAVAILABLE));

  PaintVerticalScrollBar(edit, kScrollPartNone);
  const PixelImage plain = BarOnScreen(bar);
  const int mid = plain.width / 2;
  const RowSpan thumb =
      DifferingRows(plain, mid, 18, plain.height - 18, plain.At(mid, plain.height / 2), 3);
  EXPECT_EQ(thumb.first, -1) << "no thumb expected, found rows " << thumb.first << "-" << thumb.last;
  // The arrow buttons are still drawn: the arrow glyph is black.
  EXPECT_LT(plain.At(mid, 9) & 0xFF, 0x40u) << RgbText(plain.At(mid, 9));

  for (int part : {kScrollPartThumb, kScrollPartFirstArrow, kScrollPartSecondArrow}) {
    PaintVerticalScrollBar(edit, part);
    EXPECT_EQ(CountDifferent(plain, BarOnScreen(bar), 2), 0) << "part " << part;
  }
}

TEST_F(ScrollBars, HitTestsUseTheStoredPartsInScreenCoordinates) {
  HWND edit = MakeScrolledBox();
  PaintVerticalScrollBar(edit, kScrollPartNone);
  PaintHorizontalScrollBar(edit, kScrollPartNone);
  const SCROLLBARINFO v = ReadStandardBar(edit, ScrollBarOrientation::Vertical);
  RECT r = {};
  GetWindowRect(VerticalBar(edit), &r);
  EXPECT_EQ(HitTestVerticalBar(edit, PackScreenPoint(r.left + 1, r.top + 1)), kScrollPartFirstArrow);
  EXPECT_EQ(HitTestVerticalBar(edit, PackScreenPoint(r.left + 8, r.top + 17)), kScrollPartFirstArrow);
  EXPECT_EQ(HitTestVerticalBar(edit, PackScreenPoint(r.left + 8, r.bottom - 1)), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestVerticalBar(edit, PackScreenPoint(r.left + 8, r.bottom - 17)), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestVerticalBar(edit, PackScreenPoint(r.right - 2, r.bottom - 5)), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestVerticalBar(edit, PackScreenPoint(r.right - 1, r.bottom - 5)), kScrollPartNone);
  EXPECT_EQ(HitTestVerticalBar(edit, PackScreenPoint(r.left + 8, r.top + v.xyThumbTop)), kScrollPartThumb);
  EXPECT_EQ(HitTestVerticalBar(edit, PackScreenPoint(r.left + 8, r.top + v.xyThumbTop - 1)),
            v.xyThumbTop - 1 <= 17 ? kScrollPartFirstArrow : kScrollPartNone);
  EXPECT_EQ(HitTestVerticalBar(edit, PackScreenPoint(r.left + 8, r.top + v.xyThumbBottom)), kScrollPartThumb);
  EXPECT_EQ(HitTestVerticalBar(edit, PackScreenPoint(r.left - 1, r.top + 5)), kScrollPartNone);

  GetWindowRect(HorizontalBar(edit), &r);
  const int w = r.right - r.left;
  EXPECT_EQ(HitTestHorizontalBar(edit, PackScreenPoint(r.left + w - 17, r.top + 5)), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestHorizontalBar(edit, PackScreenPoint(r.left + w - 4, r.top + 5)), kScrollPartSecondArrow);
  EXPECT_EQ(HitTestHorizontalBar(edit, PackScreenPoint(r.left + w - 3, r.top + 5)), kScrollPartNone);
  EXPECT_EQ(HitTestHorizontalBar(edit, PackScreenPoint(r.left + 17, r.top + 5)), kScrollPartFirstArrow);

  // A box without a drawn bar, or without a record, hits nothing.
  HWND single = AddEdit(kSingleLineStyle, 0, 300, 10, 80, 22);
  Install();
  EXPECT_EQ(HitTestVerticalBar(single, PackScreenPoint(r.left + 1, r.top + 1)), kScrollPartNone);
  HWND stranger = AddEdit(kMultiLineStyle, 0, 300, 100, 80, 80);
  EXPECT_EQ(HitTestVerticalBar(stranger, PackScreenPoint(r.left + 1, r.top + 1)), kScrollPartNone);
  PaintVerticalScrollBar(stranger, kScrollPartThumb);  // nothing to paint, nothing breaks
}

TEST_F(ScrollBars, NonClientMouseMovesHighlightThePartUnderTheMouse) {
  HWND edit = MakeScrolledBox();
  HWND bar = VerticalBar(edit);
  PaintVerticalScrollBar(edit, kScrollPartNone);
  const PixelImage plain = BarOnScreen(bar);
  RECT r = {};
  GetWindowRect(bar, &r);
  SendMessageA(edit, WM_NCMOUSEMOVE, HTVSCROLL, PackScreenPoint(r.left + 8, r.top + 5));
  const PixelImage hot = BarOnScreen(bar);
  EXPECT_GT(CountDifferent(plain, hot, 2), 20);
  EXPECT_EQ(DifferentOutside(plain, hot, RecordOf(edit).verticalParts[0]), 0);
  // A press there paints the bar without highlight.
  PostMessageA(edit, WM_LBUTTONUP, 0, 0);
  SendMessageA(edit, WM_NCLBUTTONDOWN, HTVSCROLL, PackScreenPoint(r.left + 8, r.bottom - 40));
  PumpMessages();
  const PixelImage after = BarOnScreen(bar);
  EXPECT_EQ(DifferentInside(plain, after, RecordOf(edit).verticalParts[0]), 0);
  const SCROLLBARINFO info = ReadStandardBar(edit, ScrollBarOrientation::Vertical);
  EXPECT_EQ(RecordOf(edit).verticalParts[2].top, info.xyThumbTop);
}

TEST_F(ScrollBars, BarWindowRepaintsItselfFromItsHostOnWmPaint) {
  HWND edit = MakeScrolledBox();
  HWND bar = VerticalBar(edit);
  PaintVerticalScrollBar(edit, kScrollPartNone);
  const PixelImage painted = CaptureCompositeOf(host->get(), bar);
  host->ResetComposite();
  ASSERT_GT(CountDifferent(painted, CaptureCompositeOf(host->get(), bar), 2), 20);
  InvalidateRect(bar, nullptr, TRUE);
  UpdateWindow(bar);
  EXPECT_EQ(CountDifferent(painted, CaptureCompositeOf(host->get(), bar), 2), 0);
}

TEST_F(ScrollBars, EditBarsFollowTheBoxStyleWhileListBarsKeepTheirState) {
  HWND edit = MakeScrolledBox();
  HWND list = CreateWindowExA(0, "ListBox", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER,
                              280, 30, 120, 120, host->get(), nullptr, GetModuleHandleA(nullptr), nullptr);
  for (int i = 0; i < 40; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
  WindowRecord& record = host->Record();
  const int li = TakeControlRecord(record.lists);
  record.lists[li - 1]->window = list;
  SetPropInt(list, Hw_lbID, li);
  SetPropInt(list, Hw_FuID, host->RecordIndex());
  HWND listBar = CreateScrollBarWindow(list, ScrollBarOrientation::Vertical, true);
  record.lists[li - 1]->verticalBar = listBar;
  ASSERT_TRUE(IsWindowVisible(listBar));

  // Both lose WS_VSCROLL.
  for (HWND w : {edit, list}) {
    SetWindowLongA(w, GWL_STYLE, GetWindowLongA(w, GWL_STYLE) & ~WS_VSCROLL);
    SyncScrollBarWindows(w);
  }
  EXPECT_FALSE(IsWindowVisible(VerticalBar(edit)));
  EXPECT_TRUE(IsWindowVisible(HorizontalBar(edit)));
  EXPECT_TRUE(IsWindowVisible(listBar));

  // A hidden list hides nothing while it lacks the style; with the style
  // its bar follows its visibility.
  ShowWindow(list, SW_HIDE);
  SyncScrollBarWindows(list);
  EXPECT_TRUE(IsWindowVisible(listBar));
  SetWindowLongA(list, GWL_STYLE, GetWindowLongA(list, GWL_STYLE) | WS_VSCROLL);
  SyncScrollBarWindows(list);
  EXPECT_FALSE(IsWindowVisible(listBar));
}

TEST_F(ScrollBars, BarsMoveWithTheirBox) {
  HWND edit = MakeScrolledBox();
  SetWindowPos(edit, nullptr, 60, 70, 200, 160, SWP_NOZORDER | SWP_NOACTIVATE);
  PumpMessages();
  for (auto o : {ScrollBarOrientation::Vertical, ScrollBarOrientation::Horizontal}) {
    const SCROLLBARINFO info = ReadStandardBar(edit, o);
    RECT r = {};
    GetWindowRect(o == ScrollBarOrientation::Vertical ? VerticalBar(edit) : HorizontalBar(edit), &r);
    EXPECT_TRUE(EqualRect(&r, &info.rcScrollBar));
  }
  // Hiding the box hides its bars.
  ShowWindow(edit, SW_HIDE);
  PumpMessages();
  EXPECT_FALSE(IsWindowVisible(VerticalBar(edit)));
  EXPECT_FALSE(IsWindowVisible(HorizontalBar(edit)));
}

}  // namespace
