// Registering, re-registering and removing containers.
#include <windows.h>

#include "container_fixture.h"
#include "skin/controls/buttons/push_button_skin.h"

namespace {

using ContainerInstallTest = ContainerSkinTest;

TEST_F(ContainerInstallTest, RegistersOnceAndListsItsRadioButtons) {
  MakeHost();
  HWND box = GroupBox("运营商", 0, 10, 10, 240, 60);
  HWND radios[] = {Radio("全部", box, 10, 24, true), Radio("电信", box, 80, 24),
                   Radio("联通", box, 150, 24)};
  WNDPROC original = CurrentProc(box);
  InstallContainerSkin(box);
  ContainerSkinOptions other;
  other.drawFrame = false;
  other.fillColour = 0x00FF00;
  other.fillAlpha = 10;
  other.drawBorder = true;
  InstallContainerSkin(box, other);
  RegisterContainer(box, 1, 0, 255, 0);

  ASSERT_EQ(ListLength(Record().containers), 1);
  EXPECT_EQ(FindContainerRecord(Index(), box), 1) << "the empty first record is reused";
  EXPECT_EQ(ContainerOf(box)->fillColour, 0) << "the second call changed the record";
  EXPECT_EQ(CurrentProc(box), &ContainerSkinProc);
  EXPECT_EQ(SavedProcOf(box), original) << "the skin procedure saved itself";
  EXPECT_EQ(ContainerOf(box)->savedProc, original);
  for (HWND radio : radios) {
    const int index = FindButtonRecord(Index(), radio);
    ASSERT_GE(index, 1);
    EXPECT_EQ(Record().buttons[index - 1]->kind, kButtonKindRadio);
    EXPECT_EQ(GetPropInt(radio, Hw_FuID), Index());
    EXPECT_EQ(GetPropInt(radio, Hw_lbID), index);
  }
}

TEST_F(ContainerInstallTest, RemovingOrDestroyingRenumbersTheOthers) {
  MakeHost();
  HWND first = GroupBox("一", 0, 10, 10, 150, 60);
  HWND second = GroupBox("二", 0, 170, 10, 150, 60);
  HWND third = GroupBox("三", 0, 10, 90, 150, 60);
  WNDPROC original = CurrentProc(first);
  for (HWND box : {first, second, third}) InstallContainerSkin(box);

  RemoveContainer(Index(), 1);
  EXPECT_EQ(CurrentProc(first), original);
  EXPECT_EQ(FindContainerRecord(Index(), first), 0);
  EXPECT_EQ(GetPropInt(second, Hw_lbID), 1);
  EXPECT_EQ(GetPropInt(third, Hw_lbID), 2);
  RemoveContainer(Index(), 7);  // no such record
  RemoveContainer(Index() + 5, 1);
  EXPECT_EQ(ListLength(Record().containers), 2);

  DestroyWindow(second);
  ASSERT_EQ(ListLength(Record().containers), 1);
  EXPECT_EQ(GetPropInt(third, Hw_lbID), 1);
  // The renumbered container still finds its own record.
  ContainerOf(third)->redraw = false;
  SendMessageA(third, WM_SHOWWINDOW, 1, 0);
  EXPECT_EQ(ContainerOf(third)->redraw, 1);
}

}  // namespace
