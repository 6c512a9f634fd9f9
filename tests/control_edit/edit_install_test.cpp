// Registration of edit boxes and the drawn bar windows that follow them.
#include "tests/control_edit/edit_fixture.h"

namespace {

using EditInstall = EditFixture;

WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// The drawn bar covers the standard bar of its box.
void ExpectOverStandardBar(HWND edit, HWND bar, ScrollBarOrientation o) {
  const SCROLLBARINFO info = ReadStandardBar(edit, o);
  RECT r = {};
  GetWindowRect(bar, &r);
  EXPECT_TRUE(IsWindowVisible(bar));
  EXPECT_TRUE(EqualRect(&r, &info.rcScrollBar))
      << r.left << "," << r.top << " vs " << info.rcScrollBar.left << "," << info.rcScrollBar.top;
}

TEST_F(EditInstall, RegistersEveryEditChildOnceWithBarsAboveTheBox) {
  HWND single = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 10, 10, 120, 22, "one");
  HWND multi = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 10, 50, 220, 150, "two");
  HWND button = host->AddControl("BUTTON", "b", BS_PUSHBUTTON, 250, 10, 60, 24);
  WNDPROC original = ProcOf(single);
  Install();
  const HWND bar = VerticalBar(multi);
  const int saved = GetPropInt(multi, Hw_hProc);
  Install();

  const int w = host->RecordIndex();
  ASSERT_EQ(ListLength(host->Record().edits), 2) << "the empty first record is taken, once";
  EXPECT_EQ(FindEditRecord(w, single) + FindEditRecord(w, multi), 3);
  EXPECT_EQ(FindEditRecord(w, button), 0);
  for (HWND edit : {single, multi}) {
    EXPECT_EQ(GetPropInt(edit, Hw_lbID), FindEditRecord(w, edit));
    EXPECT_EQ(GetPropInt(edit, Hw_FuID), w);
    EXPECT_EQ(ProcOf(edit), &EditSkinProc);
  }
  EXPECT_EQ(RecordOf(single).savedProc, original);
  EXPECT_EQ(GetPropInt(multi, Hw_hProc), saved);
  EXPECT_NE(saved, static_cast<int>(reinterpret_cast<INT_PTR>(&EditSkinProc)));
  EXPECT_EQ(VerticalBar(multi), bar);
  EXPECT_EQ(VerticalBar(single), nullptr);
  int statics = 0;
  for (HWND c = FindWindowExA(host->get(), nullptr, "Static", nullptr); c != nullptr;
       c = FindWindowExA(host->get(), c, "Static", nullptr)) {
    ++statics;
  }
  EXPECT_EQ(statics, 2) << "one bar window of each orientation";

  for (auto o : {ScrollBarOrientation::Vertical, ScrollBarOrientation::Horizontal}) {
    HWND b = o == ScrollBarOrientation::Vertical ? VerticalBar(multi) : HorizontalBar(multi);
    ExpectOverStandardBar(multi, b, o);
    EXPECT_TRUE(GetWindowLongA(b, GWL_STYLE) & WS_DISABLED) << "clicks fall through";
    bool barFirst = false;  // above the box in the Z order
    for (HWND c = GetWindow(host->get(), GW_CHILD); c != nullptr && c != multi;
         c = GetWindow(c, GW_HWNDNEXT)) {
      barFirst = barFirst || c == b;
    }
    EXPECT_TRUE(barFirst);
  }
}

TEST_F(EditInstall, BarsFollowTheBoxShownMovedAndHidden) {
  HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 40, 220, 150,
                      NumberedLines(60, 60).c_str(), true);
  Install();
  HWND bars[] = {VerticalBar(edit), HorizontalBar(edit)};
  const ScrollBarOrientation orientations[] = {ScrollBarOrientation::Vertical,
                                               ScrollBarOrientation::Horizontal};
  ASSERT_NE(bars[0], nullptr);
  EXPECT_FALSE(IsWindowVisible(bars[0])) << "a hidden box's bar waits hidden";

  ShowWindow(edit, SW_SHOWNA);
  PumpMessages();
  for (int i = 0; i < 2; ++i) ExpectOverStandardBar(edit, bars[i], orientations[i]);
  SetWindowPos(edit, nullptr, 60, 70, 200, 160, SWP_NOZORDER | SWP_NOACTIVATE);
  PumpMessages();
  for (int i = 0; i < 2; ++i) ExpectOverStandardBar(edit, bars[i], orientations[i]);

  SetWindowLongA(edit, GWL_STYLE, GetWindowLongA(edit, GWL_STYLE) & ~WS_VSCROLL);
  SyncScrollBarWindows(edit);
  EXPECT_FALSE(IsWindowVisible(bars[0])) << "the box lost WS_VSCROLL";
  EXPECT_TRUE(IsWindowVisible(bars[1]));
  ShowWindow(edit, SW_HIDE);
  PumpMessages();
  EXPECT_FALSE(IsWindowVisible(bars[1]));
}

}  // namespace
