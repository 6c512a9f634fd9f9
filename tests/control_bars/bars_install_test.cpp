// Registration: records filled from the styles, properties and subclassing,
// headers of list views with their fonts, no double registration, nothing
// while the control skins are switched off.
#include "bars_fixture.h"

#include "skin/controls/bar_skin_support.h"
#include "skin/controls/push_button_skin.h"

namespace {

using BarInstallTest = BarSkinTest;

WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// Properties of a registered control point at its record; the saved
// procedure is in both the record and Hw_hProc.
template <class T>
void ExpectRegistered(HWND control, const RecordList<T>& list, int index, int windowIndex,
                      WNDPROC skinProc) {
  ASSERT_GE(ListLength(list), index);
  const T& record = *list[index - 1];
  EXPECT_EQ(record.window, control);
  EXPECT_EQ(GetPropInt(control, Hw_lbID), index);
  EXPECT_EQ(GetPropInt(control, Hw_FuID), windowIndex);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(control, Hw_hProc)), record.savedProc);
  EXPECT_NE(record.savedProc, nullptr);
  EXPECT_EQ(ProcOf(control), skinProc);
}

TEST_F(BarInstallTest, RecordsTakeTheirFieldsFromTheStyles) {
  MakeHost();
  HWND plain = Add(TRACKBAR_CLASSA, 0, 10, 10, 150, 30);
  HWND vertical = Add(TRACKBAR_CLASSA, TBS_VERT | TBS_ENABLESELRANGE | TBS_BOTH, 170, 10, 30, 120);
  HWND top = Add(TRACKBAR_CLASSA, TBS_TOP, 10, 45, 150, 30);
  HWND none = Add(TRACKBAR_CLASSA, TBS_NOTICKS | TBS_TOP, 10, 80, 150, 30);
  HWND bar = Add(PROGRESS_CLASSA, 0, 10, 120, 150, 16);
  HWND tall = Add(PROGRESS_CLASSA, PBS_VERTICAL, 210, 10, 16, 100);
  HWND spin = Add(UPDOWN_CLASSA, 0, 240, 10, 18, 36);
  HWND across = Add(UPDOWN_CLASSA, UDS_HORZ, 240, 60, 36, 18);
  HWND clickable = Add(WC_HEADERA, HDS_BUTTONS, 10, 150, 200, 22);
  HWND still = Add(WC_HEADERA, 0, 10, 180, 200, 22);
  Install();

  WindowRecord& r = Record();
  ASSERT_EQ(ListLength(r.trackbars), 4);
  ExpectRegistered(plain, r.trackbars, 1, Index(), &TrackbarSkinProc);
  ExpectRegistered(vertical, r.trackbars, 2, Index(), &TrackbarSkinProc);
  ExpectRegistered(top, r.trackbars, 3, Index(), &TrackbarSkinProc);
  ExpectRegistered(none, r.trackbars, 4, Index(), &TrackbarSkinProc);
  EXPECT_EQ(r.trackbars[0]->vertical, 0);
  EXPECT_EQ(r.trackbars[0]->tickPlacement, kTicksBottom);
  EXPECT_EQ(r.trackbars[0]->selectionRange, 0);
  EXPECT_EQ(r.trackbars[1]->vertical, 1);
  EXPECT_EQ(r.trackbars[1]->tickPlacement, kTicksBoth);
  EXPECT_EQ(r.trackbars[1]->selectionRange, 1);
  EXPECT_EQ(r.trackbars[2]->tickPlacement, kTicksTop);
  EXPECT_EQ(r.trackbars[3]->tickPlacement, kTicksNone);

  ASSERT_EQ(ListLength(r.progressBars), 2);
  ExpectRegistered(bar, r.progressBars, 1, Index(), &ProgressSkinProc);
  ExpectRegistered(tall, r.progressBars, 2, Index(), &ProgressSkinProc);
  EXPECT_EQ(r.progressBars[0]->vertical, 0);
  EXPECT_EQ(r.progressBars[1]->vertical, 1);

  ASSERT_EQ(ListLength(r.upDowns), 2);
  ExpectRegistered(spin, r.upDowns, 1, Index(), &UpDownSkinProc);
  ExpectRegistered(across, r.upDowns, 2, Index(), &UpDownSkinProc);
  EXPECT_EQ(r.upDowns[0]->horizontal, 0);
  EXPECT_EQ(r.upDowns[1]->horizontal, 1);

  ASSERT_EQ(ListLength(r.headers), 2);
  ExpectRegistered(clickable, r.headers, 1, Index(), &HeaderSkinProc);
  ExpectRegistered(still, r.headers, 2, Index(), &HeaderSkinProc);
  EXPECT_EQ(r.headers[0]->clickable, 1);
  EXPECT_EQ(r.headers[1]->clickable, 0);
  // A header standing alone gets no font of its own in the record.
  EXPECT_TRUE(r.headers[0]->fontFace.empty());
  EXPECT_EQ(r.headers[0]->fontSize, 0);
}

TEST_F(BarInstallTest, InstallingTwiceRegistersNothingTwiceAndTheControlsStillWork) {
  MakeHost();
  HWND track = Add(TRACKBAR_CLASSA, 0, 10, 10, 150, 30);
  HWND bar = Add(PROGRESS_CLASSA, 0, 10, 50, 150, 16);
  HWND spin = Add(UPDOWN_CLASSA, 0, 200, 10, 18, 36);
  HWND header = Add(WC_HEADERA, HDS_BUTTONS, 10, 80, 200, 22);
  Install();
  Install();
  WindowRecord& r = Record();
  EXPECT_EQ(ListLength(r.trackbars), 1);
  EXPECT_EQ(ListLength(r.progressBars), 1);
  EXPECT_EQ(ListLength(r.upDowns), 1);
  EXPECT_EQ(ListLength(r.headers), 1);
  // A second subclassing would make each skin procedure pass messages to
  // itself; the controls answer as before.
  for (HWND c : {track, bar, spin, header})
    EXPECT_NE(GetPropA(c, Hw_hProc), reinterpret_cast<HANDLE>(ProcOf(c)));
  SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 40));
  SendMessageA(track, TBM_SETPOS, TRUE, 17);
  EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 17);
  SendMessageA(bar, PBM_SETPOS, 33, 0);
  EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 33);
  SendMessageA(spin, UDM_SETRANGE32, 0, 9);
  SendMessageA(spin, UDM_SETPOS32, 0, 4);
  EXPECT_EQ(SendMessageA(spin, UDM_GETPOS32, 0, 0), 4);
  HDITEMA item{};
  item.mask = HDI_WIDTH;
  item.cxy = 70;
  SendMessageA(header, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 1);
}

TEST_F(BarInstallTest, NothingIsSkinnedWhileTheControlSkinsAreOff) {
  MakeHost();
  HWND track = Add(TRACKBAR_CLASSA, 0, 10, 10, 150, 30);
  HWND bar = Add(PROGRESS_CLASSA, 0, 10, 50, 150, 16);
  HWND spin = Add(UPDOWN_CLASSA, 0, 200, 10, 18, 36);
  HWND header = Add(WC_HEADERA, 0, 10, 80, 200, 22);
  const WNDPROC before[4] = {ProcOf(track), ProcOf(bar), ProcOf(spin), ProcOf(header)};
  SkinChildControls = 0;
  Install();
  WindowRecord& r = Record();
  EXPECT_EQ(r.trackbars[0]->window, nullptr);
  EXPECT_EQ(r.progressBars[0]->window, nullptr);
  EXPECT_EQ(r.upDowns[0]->window, nullptr);
  EXPECT_EQ(r.headers[0]->window, nullptr);
  EXPECT_EQ(ProcOf(track), before[0]);
  EXPECT_EQ(ProcOf(bar), before[1]);
  EXPECT_EQ(ProcOf(spin), before[2]);
  EXPECT_EQ(ProcOf(header), before[3]);
  EXPECT_EQ(GetPropInt(track, Hw_FuID), 0);
}

TEST_F(BarInstallTest, AListViewsHeaderIsRegisteredWithTheListViewsFont) {
  MakeHost();
  HWND alone = Add(WC_HEADERA, HDS_BUTTONS, 10, 10, 200, 22);
  HWND list = Add(WC_LISTVIEWA, LVS_REPORT, 10, 40, 260, 120);
  FontHandle font(CreateFontA(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体"));
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
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
  EXPECT_EQ(r.headers[1]->window, listHeader);
  EXPECT_EQ(GetPropInt(listHeader, Hw_lbID), 2);
  const HeaderRecord& h = *r.headers[1];
  const ControlFont font16 = ReadControlFont(listHeader);
  EXPECT_FALSE(h.fontFace.empty());
  EXPECT_EQ(h.fontFace, font16.face);
  EXPECT_GE(h.fontSize, 15);  // the 16-pixel font, as GDI+ sizes it
  EXPECT_EQ(h.fontSize, font16.size);
  EXPECT_EQ(h.fontStyle & FontStyleBold, FontStyleBold);
  EXPECT_EQ(h.clickable, (GetWindowLongA(listHeader, GWL_STYLE) & HDS_BUTTONS) != 0 ? 1 : 0);
  // The list view itself is left to the list skins.
  EXPECT_EQ(GetPropInt(list, Hw_FuID), 0);
  DestroyWindow(list);
}

}  // namespace
