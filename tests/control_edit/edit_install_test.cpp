// Registration of edit boxes: records, properties, drawn bar windows and
// subclassing.
#include "tests/control_edit/edit_fixture.h"

namespace {

using EditInstall = EditFixture;

WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

TEST_F(EditInstall, RegistersEveryEditChildWithItsPropertiesInTheEmptyFirstRecordFirst) {
  HWND first = AddEdit(kSingleLineStyle, WS_EX_CLIENTEDGE, 10, 10, 120, 22, "one");
  HWND second = AddEdit(kMultiLineStyle, 0, 10, 50, 200, 120, "two");
  HWND button = host->AddControl("BUTTON", "b", BS_PUSHBUTTON, 250, 10, 60, 24);
  WNDPROC original = ProcOf(first);
  ASSERT_EQ(ListLength(host->Record().edits), 1);  // the empty record of a new window record

  Install();

  const int w = host->RecordIndex();
  ASSERT_EQ(ListLength(host->Record().edits), 2);
  const int i1 = FindEditRecord(w, first);
  const int i2 = FindEditRecord(w, second);
  EXPECT_EQ(i1 + i2, 3);  // indices 1 and 2 in some order
  EXPECT_EQ(FindEditRecord(w, button), 0);
  EXPECT_EQ(FindEditRecord(w, nullptr), 0);
  EXPECT_EQ(FindEditRecord(w + 1, first), 0);

  for (HWND edit : {first, second}) {
    const int index = FindEditRecord(w, edit);
    EXPECT_EQ(GetPropInt(edit, Hw_lbID), index);
    EXPECT_EQ(GetPropInt(edit, Hw_FuID), w);
    EXPECT_EQ(GetPropInt(edit, Kj_Ztys), 0);
    EXPECT_EQ(ProcOf(edit), &EditSkinProc);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(static_cast<INT_PTR>(GetPropInt(edit, Hw_hProc))),
              RecordOf(edit).savedProc);
  }
  EXPECT_EQ(RecordOf(first).savedProc, original);
  EXPECT_EQ(RecordOf(first).verticalBar, nullptr);
  EXPECT_EQ(RecordOf(first).horizontalBar, nullptr);
  EXPECT_NE(RecordOf(second).verticalBar, nullptr);
  EXPECT_NE(RecordOf(second).horizontalBar, nullptr);
  // The subclassed box still works as an edit box.
  char text[16] = {};
  GetWindowTextA(first, text, sizeof(text));
  EXPECT_STREQ(text, "one");
}

TEST_F(EditInstall, InstallingTwiceRegistersNothingTwiceAndKeepsOneSubclass) {
  HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 10, 10, 200, 100, "x");
  Install();
  const HWND bar = VerticalBar(edit);
  const int saved = GetPropInt(edit, Hw_hProc);
  Install();
  EXPECT_EQ(ListLength(host->Record().edits), 1);
  EXPECT_EQ(VerticalBar(edit), bar);
  EXPECT_EQ(GetPropInt(edit, Hw_hProc), saved);
  EXPECT_NE(saved, static_cast<int>(reinterpret_cast<INT_PTR>(&EditSkinProc)));
  // Only one bar window of each orientation exists beside the box.
  int statics = 0;
  for (HWND c = FindWindowExA(host->get(), nullptr, "Static", nullptr); c != nullptr;
       c = FindWindowExA(host->get(), c, "Static", nullptr)) {
    ++statics;
  }
  EXPECT_EQ(statics, 2);
}

TEST_F(EditInstall, DoesNothingWhileChildControlsAreNotSkinned) {
  HWND edit = AddEdit(kMultiLineStyle, 0, 10, 10, 200, 100);
  SkinChildControls = 0;
  Install();
  EXPECT_EQ(FindEditRecord(host->RecordIndex(), edit), 0);
  EXPECT_EQ(GetPropInt(edit, Hw_lbID), 0);
  EXPECT_NE(ProcOf(edit), &EditSkinProc);
  EXPECT_EQ(FindWindowExA(host->get(), nullptr, "Static", nullptr), nullptr);
}

TEST_F(EditInstall, OnlyDirectChildrenOfTheParentAreTaken) {
  HWND group = host->AddControl("BUTTON", "g", BS_GROUPBOX, 10, 10, 300, 200);
  HWND inner = AddEdit(kSingleLineStyle, 0, 10, 20, 100, 22, "", false, group);
  HWND outer = AddEdit(kSingleLineStyle, 0, 10, 250, 100, 22);
  Install();
  EXPECT_EQ(FindEditRecord(host->RecordIndex(), inner), 0);
  EXPECT_GE(FindEditRecord(host->RecordIndex(), outer), 1);
  Install(group);
  EXPECT_GE(FindEditRecord(host->RecordIndex(), inner), 1);
}

TEST_F(EditInstall, BarWindowsAreDisabledStaticsOverTheStandardBarsAndKnowTheirHost) {
  HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 40, 220, 150, "");
  Install();
  for (auto orientation : {ScrollBarOrientation::Vertical, ScrollBarOrientation::Horizontal}) {
    HWND bar = orientation == ScrollBarOrientation::Vertical ? VerticalBar(edit) : HorizontalBar(edit);
    ASSERT_NE(bar, nullptr);
    char cls[32] = {};
    GetClassNameA(bar, cls, sizeof(cls));
    EXPECT_STREQ(cls, "Static");
    EXPECT_EQ(GetParent(bar), host->get());
    const LONG style = GetWindowLongA(bar, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPCHILDREN),
              WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPCHILDREN);
    EXPECT_EQ(GetPropInt(bar, Mngd_zct), static_cast<int>(reinterpret_cast<INT_PTR>(edit)));
    EXPECT_EQ(GetPropInt(bar, Hw_FuID), host->RecordIndex());
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(bar, GWLP_WNDPROC)), &ScrollBarWindowProc);
    EXPECT_NE(GetPropInt(bar, Hw_hProc), 0);

    const SCROLLBARINFO info = ReadStandardBar(edit, orientation);
    RECT r = {};
    GetWindowRect(bar, &r);
    EXPECT_TRUE(EqualRect(&r, &info.rcScrollBar))
        << r.left << "," << r.top << "," << r.right << "," << r.bottom << " vs "
        << info.rcScrollBar.left << "," << info.rcScrollBar.top << "," << info.rcScrollBar.right
        << "," << info.rcScrollBar.bottom;
    // Above the box in the Z order.
    bool barFirst = false;
    for (HWND c = GetWindow(host->get(), GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      if (c == bar) { barFirst = true; break; }
      if (c == edit) break;
    }
    EXPECT_TRUE(barFirst);
  }
}

TEST_F(EditInstall, BarsOfAHiddenBoxWaitHiddenAtTheOriginUntilTheBoxIsShown) {
  HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 40, 220, 150, "", true);
  Install();
  HWND bar = VerticalBar(edit);
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(IsWindowVisible(bar));
  RECT r = {};
  GetWindowRect(bar, &r);
  POINT origin = {0, 0};
  ClientToScreen(host->get(), &origin);
  EXPECT_EQ(r.left - origin.x, 0);
  EXPECT_EQ(r.top - origin.y, 0);
  EXPECT_EQ(r.right - r.left, 10);
  EXPECT_EQ(r.bottom - r.top, 10);

  ShowWindow(edit, SW_SHOWNA);  // the box's own procedure syncs its bars
  PumpMessages();
  EXPECT_TRUE(IsWindowVisible(bar));
  EXPECT_TRUE(IsWindowVisible(HorizontalBar(edit)));
  const SCROLLBARINFO info = ReadStandardBar(edit, ScrollBarOrientation::Vertical);
  GetWindowRect(bar, &r);
  EXPECT_TRUE(EqualRect(&r, &info.rcScrollBar));
}

}  // namespace
