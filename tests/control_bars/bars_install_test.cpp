// Registration: records taken from the styles, a second installation that
// must not subclass again, and a list view's header with the list's font.
#include "bars_fixture.h"

#include "skin/controls/bars/bar_skin_support.h"
#include "skin/controls/buttons/push_button_skin.h"
#include "skin/controls/font/control_font.h"

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

TEST(TrackbarTickPlacement, NoTicksThenTopThenBothElseBottom) {
  EXPECT_EQ(TrackbarTickPlacement(TBS_NOTICKS | TBS_TOP | TBS_BOTH), kTicksNone);
  EXPECT_EQ(TrackbarTickPlacement(TBS_TOP | TBS_BOTH), kTicksTop);
  EXPECT_EQ(TrackbarTickPlacement(TBS_BOTH | TBS_VERT), kTicksBoth);
  EXPECT_EQ(TrackbarTickPlacement(TBS_AUTOTICKS), kTicksBottom);
  EXPECT_EQ(TrackbarTickPlacement(0), kTicksBottom);
}

TEST_F(BarInstallTest, TheRecordsTakeTheirFieldsFromTheStyles) {
  MakeHost(400, 300);
  HWND verticalTrack = Add(TRACKBAR_CLASSA, TBS_VERT | TBS_ENABLESELRANGE | TBS_BOTH, 10, 10, 30, 120);
  HWND topTrack = Add(TRACKBAR_CLASSA, TBS_TOP, 50, 10, 120, 30);
  HWND bareTrack = Add(TRACKBAR_CLASSA, TBS_NOTICKS, 50, 50, 120, 30);
  HWND verticalBar = Add(PROGRESS_CLASSA, PBS_VERTICAL, 190, 10, 16, 100);
  HWND bar = Add(PROGRESS_CLASSA, 0, 220, 10, 100, 16);
  HWND across = Add(UPDOWN_CLASSA, UDS_HORZ, 220, 40, 36, 18);
  HWND upright = Add(UPDOWN_CLASSA, 0, 270, 40, 18, 36);
  HWND buttons = Add(WC_HEADERA, HDS_BUTTONS, 10, 150, 200, 22);
  HWND flat = Add(WC_HEADERA, 0, 10, 190, 200, 22);
  Install();
  WindowRecord& r = Record();
  auto track = [&](HWND w) { return r.trackbars[GetPropInt(w, Hw_lbID) - 1].get(); };
  EXPECT_TRUE(track(verticalTrack)->vertical);
  EXPECT_TRUE(track(verticalTrack)->selectionRange);
  EXPECT_EQ(track(verticalTrack)->tickPlacement, kTicksBoth);
  EXPECT_FALSE(track(topTrack)->vertical);
  EXPECT_FALSE(track(topTrack)->selectionRange);
  EXPECT_EQ(track(topTrack)->tickPlacement, kTicksTop);
  EXPECT_EQ(track(bareTrack)->tickPlacement, kTicksNone);
  EXPECT_TRUE(r.progressBars[GetPropInt(verticalBar, Hw_lbID) - 1]->vertical);
  EXPECT_FALSE(r.progressBars[GetPropInt(bar, Hw_lbID) - 1]->vertical);
  EXPECT_TRUE(r.upDowns[GetPropInt(across, Hw_lbID) - 1]->horizontal);
  EXPECT_FALSE(r.upDowns[GetPropInt(upright, Hw_lbID) - 1]->horizontal);
  EXPECT_TRUE(r.headers[GetPropInt(buttons, Hw_lbID) - 1]->clickable);
  EXPECT_FALSE(r.headers[GetPropInt(flat, Hw_lbID) - 1]->clickable);
  for (HWND w : {verticalTrack, topTrack, bareTrack, verticalBar, bar, across, upright, buttons, flat}) {
    EXPECT_EQ(GetPropInt(w, Hw_FuID), Index());
  }
}

}  // namespace
