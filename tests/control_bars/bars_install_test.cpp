// Registration: records taken from the styles, a second installation that
// must not subclass again, and a list view's header with the list's font.
#include "bars_fixture.h"

#include "skin/controls/bars/bar_skin_support.h"
#include "skin/controls/buttons/push_button_skin.h"

namespace {

using BarInstallTest = BarSkinTest;

WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

TEST_F(BarInstallTest, InstallingTwiceRegistersOnceFromTheStylesAndTheControlsStillWork) {
  MakeHost();
  HWND track = Add(TRACKBAR_CLASSA, TBS_VERT | TBS_ENABLESELRANGE | TBS_BOTH, 170, 10, 30, 120);
  HWND bar = Add(PROGRESS_CLASSA, PBS_VERTICAL, 210, 10, 16, 100);
  HWND spin = Add(UPDOWN_CLASSA, UDS_HORZ, 240, 60, 36, 18);
  HWND header = Add(WC_HEADERA, HDS_BUTTONS, 10, 150, 200, 22);
  Install();
  Install();
  WindowRecord& r = Record();
  ASSERT_EQ(ListLength(r.trackbars), 1);
  ASSERT_EQ(ListLength(r.progressBars), 1);
  ASSERT_EQ(ListLength(r.upDowns), 1);
  ASSERT_EQ(ListLength(r.headers), 1);
  EXPECT_EQ(r.trackbars[0]->tickPlacement, kTicksBoth);
  const WNDPROC skins[] = {&TrackbarSkinProc, &ProgressSkinProc, &UpDownSkinProc, &HeaderSkinProc};
  const HWND controls[] = {track, bar, spin, header};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(ProcOf(controls[i]), skins[i]);
    EXPECT_EQ(GetPropInt(controls[i], Hw_lbID), 1);
    // A second subclassing would make the skin procedure its own predecessor.
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetPropA(controls[i], Hw_hProc)), skins[i]);
  }
  SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 40));
  SendMessageA(track, TBM_SETPOS, TRUE, 17);
  EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 17);
  SendMessageA(bar, PBM_SETPOS, 33, 0);
  EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 33);
}

TEST_F(BarInstallTest, AListViewsHeaderIsRegisteredWithTheListViewsFont) {
  MakeHost();
  HWND alone = Add(WC_HEADERA, HDS_BUTTONS, 10, 10, 200, 22);
  HWND list = Add(WC_LISTVIEWA, LVS_REPORT, 10, 40, 260, 120);
  HFONT font = CreateFontA(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体");
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH | LVCF_TEXT;
  column.cx = 90;
  column.pszText = const_cast<char*>("地区");
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  HWND listHeader = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  ASSERT_NE(listHeader, nullptr);
  Install();
  WindowRecord& r = Record();
  ASSERT_EQ(ListLength(r.headers), 2);
  EXPECT_EQ(r.headers[0]->window, alone);  // children of the parent first
  EXPECT_TRUE(r.headers[0]->fontFace.empty());
  EXPECT_EQ(r.headers[1]->window, listHeader);
  const HeaderRecord& h = *r.headers[1];
  EXPECT_EQ(h.fontFace, ReadControlFont(listHeader).face);
  EXPECT_GE(h.fontSize, 15);  // the 16-pixel font, as GDI+ sizes it
  EXPECT_EQ(h.fontStyle & FontStyleBold, FontStyleBold);
  EXPECT_EQ(GetPropInt(list, Hw_FuID), 0);  // the list view is left to the list skins
  DestroyWindow(list);
  DeleteObject(font);
}

}  // namespace
