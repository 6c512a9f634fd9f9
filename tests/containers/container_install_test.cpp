// Registering, re-registering and removing containers.
#include <windows.h>

#include <commctrl.h>

#include "container_fixture.h"
#include "skin/controls/push_button_skin.h"

namespace {

WNDPROC CurrentProc(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

using ContainerInstallTest = ContainerSkinTest;

TEST_F(ContainerInstallTest, GroupBoxIsRegisteredWithItsFontAndProperties) {
  MakeHost();
  TestFont font(14, "宋体");
  HWND box = GroupBox("运营商", 0, 10, 10, 200, 80);
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  WNDPROC original = CurrentProc(box);

  InstallContainerSkin(box);

  ContainerRecord* record = ContainerOf(box);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(FindContainerRecord(Index(), box), 1) << "the empty first record is reused";
  EXPECT_EQ(ListLength(Record().containers), 1);
  EXPECT_EQ(record->drawFrame, 1);
  EXPECT_EQ(record->frameStyle, 1);
  EXPECT_EQ(record->fillColour, 0);
  EXPECT_EQ(record->fillAlpha, 255);
  EXPECT_EQ(record->drawBorder, 0);
  EXPECT_EQ(record->redraw, 1);
  EXPECT_EQ(record->width, 200);
  EXPECT_EQ(record->height, 80);
  EXPECT_EQ(record->fontSize, 14);
  EXPECT_EQ(record->fontFace, ReadControlFont(box).face);
  EXPECT_FALSE(record->fontFace.empty());
  EXPECT_EQ(record->savedProc, original);
  ASSERT_EQ(record->parts.size(), 1u);
  EXPECT_EQ(record->parts[0].window, nullptr);

  EXPECT_EQ(CurrentProc(box), &ContainerSkinProc);
  EXPECT_EQ(SavedProcOf(box), original);
  EXPECT_EQ(GetPropInt(box, Hw_lbID), 1);
  EXPECT_EQ(GetPropInt(box, Hw_FuID), Index());
  EXPECT_EQ(GetPropInt(box, Mb_zpf), 0);
}

TEST_F(ContainerInstallTest, SecondInstallLeavesOneRecordAndOneSubclassing) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 200, 80);
  WNDPROC original = CurrentProc(box);
  InstallContainerSkin(box);
  InstallContainerSkin(box, 0, 0x00FF00, 10, 1);
  RegisterContainer(box, 1, 0, 255, 0);

  EXPECT_EQ(ListLength(Record().containers), 1);
  EXPECT_EQ(ContainerOf(box)->fillColour, 0) << "the second call changed the record";
  EXPECT_EQ(SavedProcOf(box), original) << "the skin procedure saved itself";
  EXPECT_EQ(Record().containers[0]->savedProc, original);
}

TEST_F(ContainerInstallTest, RadioButtonsInsideJoinTheWindowRecordsButtonList) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 240, 60);
  HWND all = Radio("全部", box, 10, 24, 60, 20, true);
  HWND telecom = Radio("电信", box, 80, 24, 60, 20);
  HWND nested = Radio("联通", box, 150, 24, 60, 20);

  InstallContainerSkin(box);

  for (HWND radio : {all, telecom, nested}) {
    const int index = FindButtonRecord(Index(), radio);
    ASSERT_GE(index, 1);
    EXPECT_EQ(Record().buttons[index - 1]->kind, kButtonKindRadio);
    EXPECT_EQ(GetPropInt(radio, Hw_FuID), Index());
    EXPECT_EQ(GetPropInt(radio, Hw_lbID), index);
  }
}

TEST_F(ContainerInstallTest, ArgumentsAndTheirDefaults) {
  MakeHost();
  HWND panel = host->AddControl("STATIC", "", SS_LEFT, 10, 10, 100, 60);
  HWND bordered = host->AddControl("STATIC", "", SS_LEFT, 120, 10, 100, 60);
  InstallContainerSkin(panel, 0, 0x123456, 0x1A7F);
  InstallContainerSkin(bordered, std::nullopt, std::nullopt, std::nullopt, 1);

  ContainerRecord* p = ContainerOf(panel);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->drawFrame, 0);
  EXPECT_EQ(p->frameStyle, 0);
  EXPECT_EQ(p->fillColour, 0x123456);
  EXPECT_EQ(p->fillAlpha, 0x7F) << "only the low byte of the alpha counts";
  EXPECT_EQ(p->fontSize, 0) << "only group boxes and tab controls read their font";
  ContainerRecord* b = ContainerOf(bordered);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->drawFrame, 1);
  EXPECT_EQ(b->drawBorder, 1);
  EXPECT_EQ(b->fillAlpha, 255);
  EXPECT_EQ(GetPropInt(bordered, Hw_lbID), 2);
}

TEST_F(ContainerInstallTest, TabControlAlwaysDrawsItsFrame) {
  MakeHost();
  HWND tab = host->AddControl(WC_TABCONTROLA, "", 0, 10, 10, 200, 100);
  InstallContainerSkin(tab, 0);
  ContainerRecord* record = ContainerOf(tab);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->drawFrame, 1);
  EXPECT_EQ(record->frameStyle, 2);
}

TEST_F(ContainerInstallTest, WindowWithoutSkinnedAncestorIsLeftAlone) {
  MakeHost();
  HWND lone = CreateWindowExA(0, "BUTTON", "x", WS_POPUP | BS_GROUPBOX, 0, 0, 100, 50, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  WNDPROC original = CurrentProc(lone);
  InstallContainerSkin(lone);
  EXPECT_EQ(CurrentProc(lone), original);
  EXPECT_EQ(GetPropInt(lone, Hw_hProc), 0);
  EXPECT_EQ(ListLength(Record().containers), 1);
  EXPECT_EQ(Record().containers[0]->hwnd, nullptr);
  DestroyWindow(lone);
}

TEST_F(ContainerInstallTest, MarkedAncestorIsRemembered) {
  MakeHost();
  HWND outer = host->AddControl("STATIC", "", SS_LEFT, 10, 10, 300, 200);
  HWND inner = host->AddControl("STATIC", "", SS_LEFT, 10, 10, 280, 180, 0, outer);
  HWND box = GroupBox("运营商", 0, 10, 10, 200, 80, inner);
  SetPropInt(outer, Wxk_Zpf, 1);
  SetPropInt(inner, Wxk_Zpf, 2);  // only the value 1 marks
  SetPropInt(box, Wxk_Zpf, 1);    // the container itself does not count

  InstallContainerSkin(box);
  EXPECT_EQ(GetPropInt(box, Mb_zpf), static_cast<int>(reinterpret_cast<INT_PTR>(outer)));
}

TEST_F(ContainerInstallTest, RemovingRenumbersTheOthersAndRestoresTheProcedure) {
  MakeHost();
  HWND first = GroupBox("一", 0, 10, 10, 150, 60);
  HWND second = GroupBox("二", 0, 170, 10, 150, 60);
  HWND third = GroupBox("三", 0, 10, 90, 150, 60);
  WNDPROC original = CurrentProc(first);
  for (HWND box : {first, second, third}) InstallContainerSkin(box);
  ASSERT_EQ(GetPropInt(third, Hw_lbID), 3);

  RemoveContainer(Index(), 1);

  EXPECT_EQ(CurrentProc(first), original);
  EXPECT_EQ(FindContainerRecord(Index(), first), 0);
  EXPECT_EQ(ListLength(Record().containers), 2);
  EXPECT_EQ(GetPropInt(second, Hw_lbID), 1);
  EXPECT_EQ(GetPropInt(third, Hw_lbID), 2);
  EXPECT_EQ(ContainerOf(third), Record().containers[1].get());

  RemoveContainer(Index(), 7);  // no such record
  RemoveContainer(Index() + 5, 1);
  EXPECT_EQ(ListLength(Record().containers), 2);
}

TEST_F(ContainerInstallTest, DestroyingAContainerRemovesItsRecord) {
  MakeHost();
  HWND first = GroupBox("一", 0, 10, 10, 150, 60);
  HWND second = GroupBox("二", 0, 170, 10, 150, 60);
  InstallContainerSkin(first);
  InstallContainerSkin(second);
  DestroyWindow(first);
  EXPECT_EQ(ListLength(Record().containers), 1);
  EXPECT_EQ(Record().containers[0]->hwnd, second);
  EXPECT_EQ(GetPropInt(second, Hw_lbID), 1);
  // The renumbered container still finds its own record.
  ContainerOf(second)->redraw = 0;
  SendMessageA(second, WM_SHOWWINDOW, 1, 0);
  EXPECT_EQ(ContainerOf(second)->redraw, 1);
}

}  // namespace
