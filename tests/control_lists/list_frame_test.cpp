// The drawn frame of list-type controls: outlines in each look (with the
// wide hot frame on and off), the client area and borderless controls left
// untouched, the opaque ring without backdrop, the drawn frame painted over
// the standard one on WM_NCPAINT, and the drawn bars kept on top.
#include <windows.h>

#include <commctrl.h>

#include "skin/controls/list_combo_rules.h"
#include "tests/control_lists/list_fixture.h"

namespace {

constexpr int kTolerance = 4;
constexpr std::uint32_t kMarker = 0x123456;

class ListFrame : public ListFixture {
 protected:
  HWND MakeBox(DWORD style = 0, DWORD exStyle = WS_EX_CLIENTEDGE, int count = 5) {
    HWND box = AddListBox(style, exStyle, 30, 30, 200, 150, count);
    Install();
    return box;
  }
  void Paint(HWND control, std::optional<bool> hot, std::optional<bool> focus) {
    PaintListFrame(host->RecordIndex(), ListIndex(control), hot, focus);
  }
  std::uint32_t Behind(HWND control, int x, int y) {
    return CaptureFrameBehind(*host, control).At(x, y);
  }
  void ExpectPixel(HWND control, int x, int y, std::uint32_t expected, const char* what) {
    const PixelImage screen = CaptureWindowArea(control);
    const PixelImage composite = CaptureCompositeOf(*host, control);
    EXPECT_TRUE(NearRgb(screen.At(x, y), expected, kTolerance))
        << what << " on screen at " << x << "," << y << ": " << RgbText(screen.At(x, y))
        << " expected " << RgbText(expected);
    EXPECT_TRUE(NearRgb(composite.At(x, y), expected, kTolerance))
        << what << " in the composite at " << x << "," << y << ": "
        << RgbText(composite.At(x, y)) << " expected " << RgbText(expected);
  }
};

TEST_F(ListFrame, OutlinesOfThePlainFocusAndHotLooks) {
  HWND box = MakeBox();
  const int y = 75;
  Paint(box, false, false);
  ExpectPixel(box, 0, y, Blend(Behind(box, 0, y), kBlackRgb, 90), "plain outline");
  ExpectPixel(box, 1, y, Behind(box, 1, y), "ring inside the plain outline");
  Paint(box, false, true);
  ExpectPixel(box, 0, y, Blend(Behind(box, 0, y), kAccentRgb, 200), "focus outline");
  ExpectPixel(box, 1, y, Behind(box, 1, y), "ring inside the focus outline");
  // Hot with the wide frame: two accent pixels from the edge.
  Paint(box, true, false);
  ExpectPixel(box, 0, y, Blend(Behind(box, 0, y), kAccentRgb, 200), "wide hot, outer");
  ExpectPixel(box, 1, y, Blend(Behind(box, 1, y), kAccentRgb, 200), "wide hot, inner");
  ExpectPixel(box, 199, y, Blend(Behind(box, 199, y), kAccentRgb, 200), "wide hot, right");
  WideHotFrame = 0;
  Paint(box, true, false);
  ExpectPixel(box, 0, y, Blend(Behind(box, 0, y), kAccentRgb, 200), "narrow hot");
  ExpectPixel(box, 1, y, Behind(box, 1, y), "ring inside the narrow hot outline");
  WideHotFrame = 1;
}

TEST_F(ListFrame, LooksNotGivenComeFromTheRecord) {
  HWND box = MakeBox();
  const int y = 75;
  ListOf(box).hot = 1;
  Paint(box, std::nullopt, std::nullopt);
  ExpectPixel(box, 1, y, Blend(Behind(box, 1, y), kAccentRgb, 200), "record hot");
  ListOf(box).hot = 0;
  ListOf(box).hasFocus = 1;
  Paint(box, std::nullopt, std::nullopt);
  ExpectPixel(box, 0, y, Blend(Behind(box, 0, y), kAccentRgb, 200), "record focus");
  ExpectPixel(box, 1, y, Behind(box, 1, y), "record focus is narrow");
}

TEST_F(ListFrame, TheClientAreaIsLeftAsItIs) {
  HWND box = MakeBox();
  FillCompositeAt(box, kMarker);
  Paint(box, true, true);
  const PixelImage composite = CaptureCompositeOf(*host, box);
  RECT client = {};
  GetClientRect(box, &client);
  // A client edge is two pixels wide.
  int marked = 0;
  for (int y = 2; y < 2 + client.bottom; ++y) {
    for (int x = 2; x < 2 + client.right; ++x) {
      if (composite.At(x, y) == kMarker) ++marked;
    }
  }
  EXPECT_EQ(marked, client.right * client.bottom);
  EXPECT_NE(composite.At(1, 40), kMarker);
}

TEST_F(ListFrame, BorderlessControlsAndComboListsShowNoFrame) {
  HWND plain = AddListBox(0, 0, 30, 30, 200, 100, 3);
  HWND simple = AddCombo(CBS_SIMPLE, 250, 30, 160, 120, {"a", "b"});
  Install();
  HWND list = FindWindowExA(simple, nullptr, "ComboLBox", nullptr);
  ASSERT_GE(ListIndex(list), 1);
  for (HWND control : {plain, list}) {
    FillCompositeAt(control, kMarker);
    const PixelImage before = CaptureWindowArea(control);
    Paint(control, true, true);
    const PixelImage composite = CaptureCompositeOf(*host, control);
    EXPECT_EQ(CountDifferent(CaptureWindowArea(control), before, 0), 0);
    EXPECT_EQ(composite.At(0, 0), kMarker);
    EXPECT_EQ(composite.At(composite.width - 1, composite.height / 2), kMarker);
  }
}

TEST_F(ListFrame, WithoutBackdropTheRingIsOpaqueWhite) {
  HWND box = MakeBox();
  SetControlSkinOptions(1);
  Paint(box, false, false);
  ExpectPixel(box, 1, 75, kWhiteRgb, "ring");
  ExpectPixel(box, 0, 75, Blend(kWhiteRgb, kBlackRgb, 90), "outline on white");
}

TEST_F(ListFrame, NonClientPaintDrawsOverTheStandardFrame) {
  HWND view = AddControl(WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE, 30, 30, 200, 150);
  Install();
  RedrawWindow(view, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  const int y = 75;
  // Not the standard sunken edge but the drawn plain outline over the skin.
  ExpectPixel(view, 0, y, Blend(Behind(view, 0, y), kBlackRgb, 90), "outline after WM_NCPAINT");
  ExpectPixel(view, 1, y, Behind(view, 1, y), "ring after WM_NCPAINT");
  EXPECT_EQ(SendMessageA(view, WM_NCPAINT, 1, 0), 0);
}

TEST_F(ListFrame, HoverAndFocusRepaintTheFrameAndKeepTheDrawnBarsOnTop) {
  HWND box = MakeBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 60);
  HWND bar = ListOf(box).verticalBar;
  ASSERT_TRUE(IsWindowVisible(bar));
  const int y = 75;
  SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  WindowRecord& record = host->Record();
  EXPECT_EQ(record.hotControlClass, kHotClassList);
  EXPECT_EQ(record.hotControlIndex, ListIndex(box));
  EXPECT_EQ(ListOf(box).hot, 1);
  ExpectPixel(box, 1, y, Blend(Behind(box, 1, y), kAccentRgb, 200), "hot after the mouse came");
  // The drawn bar is still on screen and in the composite, not the background.
  const PixelImage barScreen = CaptureWindowArea(bar);
  const PixelImage barComposite = CaptureCompositeOf(*host, bar);
  const PixelImage barBehind = CaptureFrameBehind(*host, bar);
  EXPECT_EQ(CountDifferent(barScreen, barComposite, 6), 0);
  EXPECT_GT(CountDifferent(barComposite, barBehind, 30), barBehind.width * barBehind.height / 4);

  SendMessageA(box, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ListOf(box).hot, 0);
  EXPECT_EQ(record.hotControlIndex, 0);
  ExpectPixel(box, 0, y, Blend(Behind(box, 0, y), kBlackRgb, 90), "plain after the mouse left");

  SetFocus(box);
  EXPECT_EQ(ListOf(box).hasFocus, 1);
  ExpectPixel(box, 0, y, Blend(Behind(box, 0, y), kAccentRgb, 200), "focus");
  EXPECT_EQ(CountDifferent(CaptureWindowArea(bar), CaptureCompositeOf(*host, bar), 6), 0);
  SetFocus(host->get());
  EXPECT_EQ(ListOf(box).hasFocus, 0);
  ExpectPixel(box, 0, y, Blend(Behind(box, 0, y), kBlackRgb, 90), "focus lost");
}

}  // namespace
