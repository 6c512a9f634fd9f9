// The drawn frame of list-type controls: plain, wide hot and focus outlines
// following the mouse and the focus, the drawn bars kept on top, and the
// drawn frame painted over the standard one on WM_NCPAINT.
#include <windows.h>

#include <commctrl.h>

#include "skin/controls/lists/list_combo_rules.h"
#include "tests/control_lists/list_fixture.h"

namespace {

using ListFrame = ListFixture;
constexpr int kY = 75;

TEST_F(ListFrame, HoverAndFocusRepaintTheFrameAndKeepTheDrawnBarsOnTop) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 30, 30, 200, 150, 60);
  Install();
  HWND bar = ListOf(box).verticalBar;
  ASSERT_TRUE(IsWindowVisible(bar));
  const auto accent = [&](int x) { return Blend(Behind(box, x, kY), kAccentRgb, 200); };
  const auto plain = [&](int x) { return Blend(Behind(box, x, kY), kBlackRgb, 90); };

  SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(host->Record().hotControlClass, kHotClassList);
  EXPECT_EQ(ListOf(box).hot, 1);
  // Hot with the wide frame: two accent pixels from the edge.
  ExpectPixel(box, 0, kY, accent(0), 4, "hot, outer");
  ExpectPixel(box, 1, kY, accent(1), 4, "hot, inner");
  ExpectPixel(box, 199, kY, accent(199), 4, "hot, right");
  const PixelImage barComposite = CaptureComposite(*host, bar);
  const PixelImage barBehind = CaptureBackground(*host, bar);
  EXPECT_EQ(CountDifferent(CaptureWindowArea(bar), barComposite, 6), 0);
  EXPECT_GT(CountDifferent(barComposite, barBehind, 30), barBehind.width * barBehind.height / 4);

  SendMessageA(box, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(host->Record().hotControlIndex, 0);
  ExpectPixel(box, 0, kY, plain(0), 4, "plain after the mouse left");
  ExpectPixel(box, 1, kY, Behind(box, 1, kY), 4, "ring inside the plain outline");

  SetFocus(box);
  ExpectPixel(box, 0, kY, accent(0), 4, "focus");
  ExpectPixel(box, 1, kY, Behind(box, 1, kY), 4, "focus outline is narrow");
  EXPECT_EQ(CountDifferent(CaptureWindowArea(bar), CaptureComposite(*host, bar), 6), 0);
  SetFocus(host->get());
  ExpectPixel(box, 0, kY, plain(0), 4, "focus lost");
}

TEST_F(ListFrame, NonClientPaintDrawsOverTheStandardFrame) {
  HWND view = AddControl(WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE, 30, 30, 200, 150);
  Install();
  RedrawWindow(view, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();
  ExpectPixel(view, 0, kY, Blend(Behind(view, 0, kY), kBlackRgb, 90), 4, "outline");
  ExpectPixel(view, 1, kY, Behind(view, 1, kY), 4, "ring");
}

}  // namespace
