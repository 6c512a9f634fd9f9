// Registration of the list-type controls: the six classes in their order,
// the drawn bar windows, the controls left alone, and what a control is
// prepared with before it is subclassed.
#include <windows.h>

#include <commctrl.h>

#include "skin/controls/scroll_bar_windows.h"
#include "tests/control_lists/list_fixture.h"

namespace {

using ListInstall = ListFixture;

WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

RECT RectInHost(HWND host, HWND window) {
  RECT h = {}, r = {};
  GetWindowRect(host, &h);
  GetWindowRect(window, &r);
  OffsetRect(&r, -h.left, -h.top);
  return r;
}

TEST_F(ListInstall, RegistersTheSixClassesInTheirOrder) {
  // Made in the reverse of the registration order.
  HWND picker = AddControl(DATETIMEPICK_CLASSA, 0, 0, 10, 300, 160, 24);
  HWND address = AddControl(WC_IPADDRESSA, 0, 0, 180, 300, 160, 24);
  HWND tree = AddControl(WC_TREEVIEWA, TVS_HASLINES, WS_EX_CLIENTEDGE, 250, 10, 200, 120);
  HWND view = AddControl(WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE, 250, 140, 200, 120);
  HWND simple = AddCombo(CBS_SIMPLE, 10, 150, 200, 120, {"one", "two"});
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 10, 10, 200, 120, 30);
  HWND comboList = FindWindowExA(simple, nullptr, "ComboLBox", nullptr);
  ASSERT_NE(comboList, nullptr);
  Install();

  const HWND expected[] = {box, comboList, view, tree, address, picker};
  const int windowIndex = host->RecordIndex();
  ASSERT_EQ(ListLength(host->Record().lists), 6);
  for (int i = 0; i < 6; ++i) {
    HWND w = expected[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(FindListRecord(windowIndex, w), i + 1);
    const ListRecord& record = ListOf(w);
    EXPECT_EQ(GetPropInt(w, Hw_lbID), i + 1);
    EXPECT_EQ(GetPropInt(w, Hw_FuID), windowIndex);
    EXPECT_EQ(ProcOf(w), &ListSkinProc);
    EXPECT_NE(record.savedProc, nullptr);
    EXPECT_EQ(SavedProcOf(w), record.savedProc);
    const bool bars = i == 0 || i == 2 || i == 3;
    EXPECT_EQ(record.verticalBar != nullptr, bars);
    EXPECT_EQ(record.horizontalBar != nullptr, bars);
  }
  // The lists still work through the skin procedure.
  EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 30);
  EXPECT_EQ(SendMessageA(comboList, LB_GETCOUNT, 0, 0), 2);
}

TEST_F(ListInstall, EveryRegisteredControlStartsStale) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 10, 10, 200, 120, 5);
  HWND tree = AddControl(WC_TREEVIEWA, 0, WS_EX_CLIENTEDGE, 250, 10, 200, 120, true);
  InstallListSkins(host->RecordIndex(), host->get());
  EXPECT_EQ(ListOf(box).stale, 1);
  EXPECT_EQ(ListOf(tree).stale, 1);
  PumpMessages();
  EXPECT_EQ(ListOf(box).stale, 0);   // its first paint composed the client area
  EXPECT_EQ(ListOf(tree).stale, 1);  // hidden: no paint has cleared it
}

TEST_F(ListInstall, ListBoxWithoutVerticalScrollGetsTwoHidden10x10Bars) {
  HWND box = AddListBox(0, WS_EX_CLIENTEDGE, 60, 70, 200, 120, 3);
  InstallListSkins(host->RecordIndex(), host->get());
  const ListRecord& record = ListOf(box);
  for (HWND bar : {record.verticalBar, record.horizontalBar}) {
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindowVisible(bar));
    const RECT r = RectInHost(host->get(), bar);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 10);
    EXPECT_EQ(r.bottom - r.top, 10);
    EXPECT_EQ(GetParent(bar), host->get());
    EXPECT_EQ(reinterpret_cast<HWND>(static_cast<INT_PTR>(GetPropInt(bar, Mngd_zct))), box);
  }
  // Painting places them where the standard bars would be; they stay hidden.
  PumpMessages();
  EXPECT_FALSE(IsWindowVisible(record.verticalBar));
  EXPECT_FALSE(IsWindowVisible(record.horizontalBar));
}

TEST_F(ListInstall, ShownVerticalBarLiesOverTheStandardBar) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 60, 70, 200, 120, 40);
  Install();
  const ListRecord& record = ListOf(box);
  ASSERT_NE(record.verticalBar, nullptr);
  EXPECT_TRUE(IsWindowVisible(record.verticalBar));
  EXPECT_FALSE(IsWindowVisible(record.horizontalBar));  // no WS_HSCROLL
  const SCROLLBARINFO info = ReadStandardBar(box, ScrollBarOrientation::Vertical);
  RECT bar = {};
  GetWindowRect(record.verticalBar, &bar);
  EXPECT_TRUE(EqualRect(&bar, &info.rcScrollBar) != FALSE)
      << bar.left << "," << bar.top << " " << info.rcScrollBar.left << "," << info.rcScrollBar.top;
}

TEST_F(ListInstall, OwnerDrawnComboListAndListViewAreNotSkinned) {
  HWND ownerCombo = AddCombo(CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 10, 10, 200, 120, {"a"});
  HWND ownerList = FindWindowExA(ownerCombo, nullptr, "ComboLBox", nullptr);
  ASSERT_NE(ownerList, nullptr);
  ASSERT_NE(GetWindowLongA(ownerList, GWL_STYLE) & LBS_OWNERDRAWFIXED, 0);
  HWND ownerView = AddControl(WC_LISTVIEWA, LVS_REPORT | LVS_OWNERDRAWFIXED, 0, 250, 10, 200, 100);
  HWND lowBitView = AddControl(WC_LISTVIEWA, LVS_REPORT | 0x10, 0, 250, 120, 200, 100);
  HWND plainView = AddControl(WC_LISTVIEWA, LVS_REPORT, 0, 250, 230, 200, 100);
  const WNDPROC before[] = {ProcOf(ownerList), ProcOf(ownerView), ProcOf(lowBitView)};
  Install();
  EXPECT_EQ(ListIndex(ownerList), 0);
  EXPECT_EQ(ListIndex(ownerView), 0);
  EXPECT_EQ(ListIndex(lowBitView), 0);
  EXPECT_EQ(ProcOf(ownerList), before[0]);
  EXPECT_EQ(ProcOf(ownerView), before[1]);
  EXPECT_EQ(ProcOf(lowBitView), before[2]);
  EXPECT_EQ(GetPropInt(ownerView, Hw_FuID), 0);
  EXPECT_EQ(ListIndex(plainView), 1);
}

TEST_F(ListInstall, DropDownListsAreNoChildWindowsAndStayUnregistered) {
  HWND dropDown = AddCombo(CBS_DROPDOWN, 10, 10, 200, 200, {"a", "b"});
  HWND dropList = AddCombo(CBS_DROPDOWNLIST, 10, 50, 200, 200, {"a", "b"});
  EXPECT_EQ(FindWindowExA(dropDown, nullptr, "ComboLBox", nullptr), nullptr);
  EXPECT_EQ(FindWindowExA(dropList, nullptr, "ComboLBox", nullptr), nullptr);
  Install();
  // The list-type list still holds only the empty record it was made with.
  ASSERT_EQ(ListLength(host->Record().lists), 1);
  EXPECT_EQ(host->Record().lists[0]->window, nullptr);
  EXPECT_EQ(ComboIndex(dropDown), 1);
  EXPECT_EQ(ComboIndex(dropList), 2);
}

TEST_F(ListInstall, NothingIsRegisteredWhileChildSkinningIsOff) {
  HWND box = AddListBox(WS_VSCROLL, 0, 10, 10, 200, 120, 3);
  HWND combo = AddCombo(CBS_DROPDOWNLIST, 10, 150, 200, 100, {"a"});
  const WNDPROC listProc = ProcOf(box), comboProc = ProcOf(combo);
  SkinChildControls = 0;
  Install();
  EXPECT_EQ(ProcOf(box), listProc);
  EXPECT_EQ(ProcOf(combo), comboProc);
  EXPECT_EQ(host->Record().lists[0]->window, nullptr);
  EXPECT_EQ(host->Record().combos[0]->window, nullptr);
  EXPECT_EQ(FindWindowExA(host->get(), nullptr, "Static", nullptr), nullptr);  // no bar windows
}

TEST_F(ListInstall, InstallingTwiceKeepsOneRegistrationThatStillWorks) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 10, 10, 200, 120, 12);
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 150, 200, 100, {"a", "b"});
  HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
  Install();
  const WNDPROC listSaved = SavedProcOf(box), comboSaved = SavedProcOf(combo),
                fieldSaved = SavedProcOf(field);
  Install();
  EXPECT_EQ(ListLength(host->Record().lists), 1);
  EXPECT_EQ(ListLength(host->Record().combos), 1);
  EXPECT_EQ(ListLength(host->Record().edits), 1);
  EXPECT_EQ(SavedProcOf(box), listSaved);
  EXPECT_EQ(SavedProcOf(combo), comboSaved);
  EXPECT_EQ(SavedProcOf(field), fieldSaved);
  // A skin procedure saved as its own predecessor would recurse forever here.
  EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 12);
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
  InvalidateRect(box, nullptr, TRUE);
  UpdateWindow(box);
}

TEST_F(ListInstall, WithBackdropTreeAndListViewAreGivenTheirBackgroundColours) {
  HWND tree = AddControl(WC_TREEVIEWA, 0, 0, 10, 10, 200, 120);
  HWND view = AddControl(WC_LISTVIEWA, LVS_REPORT, 0, 250, 10, 200, 120);
  Install();
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tree, TVM_GETBKCOLOR, 0, 0)), RGB(0xFF, 0x00, 0xFF));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(view, LVM_GETTEXTBKCOLOR, 0, 0)), CLR_NONE);
}

TEST_F(ListInstall, WithoutBackdropTreeAndListViewKeepTheirColours) {
  HWND tree = AddControl(WC_TREEVIEWA, 0, 0, 10, 10, 200, 120);
  HWND view = AddControl(WC_LISTVIEWA, LVS_REPORT, 0, 250, 10, 200, 120);
  const LRESULT treeColour = SendMessageA(tree, TVM_GETBKCOLOR, 0, 0);
  const LRESULT textColour = SendMessageA(view, LVM_GETTEXTBKCOLOR, 0, 0);
  SetControlSkinOptions(1);
  ASSERT_EQ(ControlBackdropSet, 0);
  Install();
  EXPECT_EQ(ListIndex(tree), 2);
  EXPECT_EQ(SendMessageA(tree, TVM_GETBKCOLOR, 0, 0), treeColour);
  EXPECT_EQ(SendMessageA(view, LVM_GETTEXTBKCOLOR, 0, 0), textColour);
}

TEST_F(ListInstall, WindowRectInParentAndOwnerDrawnListBoxes) {
  HWND panel = AddControl("Static", 0, 0, 30, 40, 300, 200);
  HWND inner = AddControl("Static", 0, WS_EX_CLIENTEDGE, 15, 25, 100, 80, false, panel);
  const RECT r = WindowRectInParent(inner);
  EXPECT_EQ(r.left, 15);
  EXPECT_EQ(r.top, 25);
  EXPECT_EQ(r.right, 115);
  EXPECT_EQ(r.bottom, 105);
  const RECT own = WindowRectInParent(host->get());
  EXPECT_TRUE(IsRectEmpty(&own));
  EXPECT_EQ(own.left, 0);
  EXPECT_EQ(own.top, 0);

  HWND fixed = AddControl("ListBox", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 10, 250, 100, 50);
  HWND variable = AddControl("ListBox", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 0, 120, 250, 100, 50);
  HWND plain = AddControl("ListBox", 0, 0, 230, 250, 100, 50);
  HWND notAList = AddControl(WC_LISTVIEWA, 0x10, 0, 340, 250, 100, 50);
  EXPECT_TRUE(IsOwnerDrawListBox(fixed));
  EXPECT_TRUE(IsOwnerDrawListBox(variable));
  EXPECT_FALSE(IsOwnerDrawListBox(plain));
  EXPECT_FALSE(IsOwnerDrawListBox(notAList));
}

}  // namespace
