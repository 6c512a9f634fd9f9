// Registration of the list-type controls: the six classes in their order,
// the drawn bar windows, the owner-drawn controls left alone, and a second
// installation that must not subclass again.
#include <windows.h>

#include <commctrl.h>

#include "tests/control_lists/list_fixture.h"

namespace {

using ListInstall = ListFixture;

WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
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
  ASSERT_EQ(ListLength(host->Record().lists), 6);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    HWND w = expected[i];
    EXPECT_EQ(ListIndex(w), i + 1);
    EXPECT_EQ(GetPropInt(w, Hw_lbID), i + 1);
    EXPECT_EQ(ProcOf(w), &ListSkinProc);
    EXPECT_EQ(SavedProcOf(w), ListOf(w).savedProc);
    const bool bars = i == 0 || i == 2 || i == 3;
    EXPECT_EQ(ListOf(w).verticalBar != nullptr, bars);
  }
  EXPECT_EQ(SendMessageA(comboList, LB_GETCOUNT, 0, 0), 2);
}

TEST_F(ListInstall, ListBoxWithoutVerticalScrollGetsTwoHidden10x10Bars) {
  HWND box = AddListBox(0, WS_EX_CLIENTEDGE, 60, 70, 200, 120, 3);
  InstallListSkins(host->RecordIndex(), host->get());
  const ListRecord& record = ListOf(box);
  for (HWND bar : {record.verticalBar, record.horizontalBar}) {
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindowVisible(bar));
    const RECT r = WindowRectRelativeTo(host->get(), bar);
    EXPECT_EQ(r.right - r.left, 10);
    EXPECT_EQ(r.bottom - r.top, 10);
    EXPECT_EQ(GetParent(bar), host->get());
    EXPECT_EQ(reinterpret_cast<HWND>(static_cast<INT_PTR>(GetPropInt(bar, Mngd_zct))), box);
  }
  PumpMessages();  // painting places them, but they stay hidden
  EXPECT_FALSE(IsWindowVisible(record.verticalBar));
  EXPECT_FALSE(IsWindowVisible(record.horizontalBar));
}

TEST_F(ListInstall, OwnerDrawnComboListAndListViewAreNotSkinned) {
  HWND ownerCombo = AddCombo(CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 10, 10, 200, 120, {"a"});
  HWND ownerList = FindWindowExA(ownerCombo, nullptr, "ComboLBox", nullptr);
  ASSERT_NE(ownerList, nullptr);
  ASSERT_NE(GetWindowLongA(ownerList, GWL_STYLE) & LBS_OWNERDRAWFIXED, 0);
  HWND ownerView = AddControl(WC_LISTVIEWA, LVS_REPORT | LVS_OWNERDRAWFIXED, 0, 250, 10, 200, 100);
  HWND plainView = AddControl(WC_LISTVIEWA, LVS_REPORT, 0, 250, 230, 200, 100);
  HWND ownerBox = AddControl("ListBox", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 0, 10, 250, 100, 50);
  const WNDPROC before[] = {ProcOf(ownerList), ProcOf(ownerView)};
  Install();
  EXPECT_EQ(ListIndex(ownerList), 0);
  EXPECT_EQ(ListIndex(ownerView), 0);
  EXPECT_EQ(ProcOf(ownerList), before[0]);
  EXPECT_EQ(ProcOf(ownerView), before[1]);
  EXPECT_GE(ListIndex(plainView), 1);
  // An owner-drawn list box is skinned, and known as owner-drawn.
  EXPECT_GE(ListIndex(ownerBox), 1);
  EXPECT_TRUE(IsOwnerDrawListBox(ownerBox));
  EXPECT_FALSE(IsOwnerDrawListBox(plainView));
}

TEST_F(ListInstall, InstallingTwiceKeepsOneRegistrationThatStillWorks) {
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 10, 10, 200, 120, 12);
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 150, 200, 100, {"a", "b"});
  HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
  Install();
  const WNDPROC saved[] = {SavedProcOf(box), SavedProcOf(combo), SavedProcOf(field)};
  Install();
  EXPECT_EQ(ListLength(host->Record().lists), 1);
  EXPECT_EQ(ListLength(host->Record().combos), 1);
  EXPECT_EQ(ListLength(host->Record().edits), 1);
  EXPECT_EQ(SavedProcOf(box), saved[0]);
  EXPECT_EQ(SavedProcOf(combo), saved[1]);
  EXPECT_EQ(SavedProcOf(field), saved[2]);
  // A skin procedure saved as its own predecessor would recurse forever here.
  EXPECT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 12);
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
}

}  // namespace
