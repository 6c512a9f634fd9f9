// What a container answers for the controls inside it, as the frame does
// for the controls on the window: control colours, the repaints asked for
// by commands and notifications, and what it passes on to its own
// procedure.
#include <windows.h>

#include <commctrl.h>

#include "container_fixture.h"

namespace {

class ContainerAnswersTest : public ContainerSkinTest {
 protected:
  void SetUp() override {
    ContainerSkinTest::SetUp();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    MakeHost(420, 320);
    panel = Panel(10, 10, 400, 300);
    edit = host->AddControl("EDIT", "abc", WS_BORDER, 10, 10, 120, 24, 0, panel);
    list = host->AddControl("LISTBOX", "", 0, 10, 40, 100, 60, 0, panel);
    ownerList = host->AddControl("LISTBOX", "", LBS_OWNERDRAWFIXED, 120, 40, 100, 60, 0, panel);
    combo = host->AddControl("COMBOBOX", "", CBS_DROPDOWN, 230, 40, 120, 100, 0, panel);
    label = host->AddControl("STATIC", "数量:", SS_LEFT, 10, 110, 80, 20, 0, panel);
    button = host->AddControl("BUTTON", "ok", BS_PUSHBUTTON, 100, 110, 80, 26, 0, panel);
    InstallContainerSkin(panel);
    Settle();
    ClearPanelMessages();
    dc = GetDC(panel);
  }
  void TearDown() override {
    ReleaseDC(panel, dc);
    ContainerSkinTest::TearDown();
  }
  LRESULT Colour(UINT message, HWND control) {
    return SendMessageA(panel, message, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(control));
  }
  // Sends the command code from control and says whether the control was
  // asked to repaint.
  bool CommandRepaints(HWND control, WORD code) {
    PumpMessages();
    ValidateRect(control, nullptr);
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(control));
    return GetUpdateRect(control, nullptr, FALSE) != FALSE;
  }
  void Notify(HWND from, UINT code) {
    NMHDR header{from, 0, code};
    SendMessageA(panel, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  }

  HWND panel = nullptr, edit = nullptr, list = nullptr, ownerList = nullptr, combo = nullptr,
       label = nullptr, button = nullptr;
  HDC dc = nullptr;
};

TEST_F(ContainerAnswersTest, ControlColoursAnsweredOrPassedOn) {
  SetPropInt(edit, Kj_Ztys, 0x123456);
  const auto brush = reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLOREDIT, edit));
  EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetPropA(edit, Kj_dxjb), brush);
  EXPECT_EQ(GetObjectType(GetPropA(edit, Kj_wtjb)), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(0x123456));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  const auto labelBrush = reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLORSTATIC, label));
  EXPECT_EQ(GetObjectType(labelBrush), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_NE(labelBrush, GetStockObject(NULL_BRUSH));
  const HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLORBTN, button)), hollow);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(Colour(WM_CTLCOLORLISTBOX, list)), hollow);
  EXPECT_EQ(PanelMessages(WM_CTLCOLOREDIT) + PanelMessages(WM_CTLCOLORSTATIC) +
                PanelMessages(WM_CTLCOLORBTN) + PanelMessages(WM_CTLCOLORLISTBOX),
            0)
      << "answered by the container";

  // An owner-drawn list box and the edit field of a combo box are passed on.
  Colour(WM_CTLCOLORLISTBOX, ownerList);
  EXPECT_EQ(PanelMessages(WM_CTLCOLORLISTBOX), 1);
  EXPECT_EQ(GetPropA(ownerList, Kj_dxjb), nullptr);
  HWND comboEdit = GetWindow(combo, GW_CHILD);
  ASSERT_NE(comboEdit, nullptr);
  Colour(WM_CTLCOLOREDIT, comboEdit);
  EXPECT_EQ(PanelMessages(WM_CTLCOLOREDIT), 1);
  // Without the backdrop setting every colour message is passed on.
  SetControlSkinOptions(1);
  Colour(WM_CTLCOLORSTATIC, label);
  Colour(WM_CTLCOLORBTN, button);
  EXPECT_EQ(PanelMessages(WM_CTLCOLORSTATIC), 1);
  EXPECT_EQ(PanelMessages(WM_CTLCOLORBTN), 1);
  SetControlSkinOptions(1, 0);
}

TEST_F(ContainerAnswersTest, CommandsRepaintTheControlsThatChanged) {
  EXPECT_TRUE(CommandRepaints(edit, EN_CHANGE));
  EXPECT_TRUE(CommandRepaints(edit, EN_UPDATE));
  EXPECT_TRUE(CommandRepaints(edit, EN_VSCROLL));
  EXPECT_FALSE(CommandRepaints(edit, EN_SETFOCUS));
  EXPECT_TRUE(CommandRepaints(list, LBN_SELCHANGE));
  EXPECT_TRUE(CommandRepaints(list, LBN_SELCANCEL));
  EXPECT_FALSE(CommandRepaints(list, LBN_DBLCLK));
  EXPECT_TRUE(CommandRepaints(combo, CBN_SELCHANGE));
  EXPECT_TRUE(CommandRepaints(combo, CBN_KILLFOCUS));
  EXPECT_FALSE(CommandRepaints(combo, CBN_DROPDOWN));
  EXPECT_EQ(PanelMessages(WM_COMMAND), 10) << "every command is passed on";
  // A container has no menu commands.
  SendMessageA(panel, WM_COMMAND, 1007, 0);
  EXPECT_EQ(PanelMessages(WM_COMMAND), 11);
  SetControlSkinOptions(1);
  EXPECT_FALSE(CommandRepaints(edit, EN_CHANGE)) << "nothing without the backdrop setting";
  SetControlSkinOptions(1, 0);
}

TEST_F(ContainerAnswersTest, NotificationsRepaintTreesAndMarkTabControls) {
  HWND tree = host->AddControl(WC_TREEVIEWA, "", 0, 10, 150, 120, 100, 0, panel);
  HWND tab = host->AddControl(WC_TABCONTROLA, "", 0, 150, 150, 200, 120, 0, panel);
  HWND spin = host->AddControl(UPDOWN_CLASSA, "", 0, 10, 40, 16, 24, 0, tab);
  InstallContainerSkin(tab);
  Settle();
  ContainerRecord* tabRecord = ContainerOf(tab);
  ASSERT_NE(tabRecord, nullptr);
  ClearPanelMessages();

  ValidateRect(tree, nullptr);
  Notify(tree, TVN_ITEMEXPANDINGA);
  EXPECT_TRUE(GetUpdateRect(tree, nullptr, FALSE));
  ValidateRect(tree, nullptr);
  Notify(tree, TVN_ITEMEXPANDEDA);
  EXPECT_TRUE(GetUpdateRect(tree, nullptr, FALSE));
  ValidateRect(tree, nullptr);
  Notify(tree, NM_CLICK);
  EXPECT_FALSE(GetUpdateRect(tree, nullptr, FALSE));

  ASSERT_FALSE(tabRecord->redraw);
  Notify(tab, TCN_SELCHANGE);
  EXPECT_FALSE(tabRecord->redraw) << "only the change about to happen";
  Notify(tab, TCN_SELCHANGING);
  EXPECT_TRUE(tabRecord->redraw);
  tabRecord->redraw = false;
  Notify(spin, UDN_DELTAPOS);
  EXPECT_TRUE(tabRecord->redraw) << "an up-down control on the tab control";
  tabRecord->redraw = false;
  Notify(edit, UDN_DELTAPOS);
  EXPECT_FALSE(tabRecord->redraw);
  EXPECT_EQ(PanelMessages(WM_NOTIFY), 7) << "every notification is passed on";
}

}  // namespace
