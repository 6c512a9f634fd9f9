// The steps every control skin shares: the hover step, the leave step, the
// installers' walk over the children of one class, and the release of the
// memory DCs left over when the skin's exit routine runs.
#include <vector>

#include "test_windows.h"

namespace {

using ControlSteps = SkinStateTest;

TEST_F(ControlSteps, TheHoverStepPaintsOnlyWhenTheHotControlChanges) {
  TestFrame f = CreateSkinnedFrame();
  WindowRecord* owner = OwnerRecordOf(f.button);
  ASSERT_NE(owner, nullptr);
  int paints = 0;
  auto paint = [&paints] { ++paints; };

  TakeHotControl(f.button, owner, kHotClassButton, paint);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(owner->controlUnderMouse, 1);
  EXPECT_EQ(owner->hotControlIndex, 1);
  EXPECT_EQ(owner->hotControlClass, kHotClassButton);
  TakeHotControl(f.button, owner, kHotClassButton, paint);
  EXPECT_EQ(paints, 1) << "the hot control is not painted again";

  // The same index in another class list is another control.
  TakeHotControl(f.trackbar, owner, kHotClassTrackbar, paint);
  EXPECT_EQ(paints, 2);
  EXPECT_EQ(owner->hotControlClass, kHotClassTrackbar);
  // A part of the hot control that lights up on its own (an up-down half).
  TakeHotControl(f.trackbar, owner, kHotClassTrackbar, paint, std::nullopt, true);
  EXPECT_EQ(paints, 3);
  // The radio button (index 2) after the push button (index 1).
  TakeHotControl(f.radio, owner, kHotClassButton, paint);
  EXPECT_EQ(paints, 4);
  EXPECT_EQ(owner->hotControlIndex, 2);
}

TEST_F(ControlSteps, TheEditHoverStepAlsoComparesTheParent) {
  TestFrame f = CreateSkinnedFrame();
  WindowRecord* owner = OwnerRecordOf(f.edit);
  int paints = 0;
  auto paint = [&paints] { ++paints; };
  TakeHotControl(f.edit, owner, kHotClassEdit, paint, GetParent(f.edit));
  TakeHotControl(f.edit, owner, kHotClassEdit, paint, GetParent(f.edit));
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(owner->hotControlParent, f.window.get());
  // Index 2 of the edit list lies in the group box: another parent.
  TakeHotControl(f.groupEdit, owner, kHotClassEdit, paint, GetParent(f.groupEdit));
  EXPECT_EQ(paints, 2);
  EXPECT_EQ(owner->hotControlParent, f.groupBox);
  // The same box with another parent (one it was moved to) is hot anew.
  TakeHotControl(f.groupEdit, owner, kHotClassEdit, paint, f.window.get());
  EXPECT_EQ(paints, 3);
  EXPECT_EQ(owner->hotControlParent, f.window.get());
}

TEST_F(ControlSteps, LeavingEndsTheHotControlOnlyForARegisteredControl) {
  TestFrame f = CreateSkinnedFrame();
  WindowRecord* owner = OwnerRecordOf(f.button);
  int paints = 0;
  TakeHotControl(f.button, owner, kHotClassButton, [&paints] { ++paints; });
  HWND stranger = CreateChild(f.window.get(), "Button");
  EXPECT_EQ(MouseLeavesControl(stranger, &WindowRecord::buttons), nullptr);
  EXPECT_EQ(owner->hotControlIndex, 1) << "a control without a record changes nothing";
  // A drawn scroll bar carries its window record but has no button record.
  EXPECT_EQ(MouseLeavesControl(f.editBar, &WindowRecord::buttons), nullptr);
  EXPECT_EQ(owner->hotControlIndex, 1);
  EXPECT_EQ(MouseLeavesControl(f.button, &WindowRecord::buttons), owner->buttons[0].get());
  EXPECT_EQ(owner->hotControlIndex, 0);
  TakeHotControl(f.button, owner, kHotClassButton, [&paints] { ++paints; });
  EXPECT_EQ(paints, 2) << "back over the button, it is painted hot again";
  EXPECT_EQ(MouseEntersControl(stranger, &WindowRecord::buttons), nullptr);
  EXPECT_EQ(MouseEntersControl(f.button, &WindowRecord::buttons), owner);
}

TEST_F(ControlSteps, InstallersWalkTheDirectChildrenOfTheirClassInOrder) {
  WindowOwner parent = CreateTopLevel();
  HWND first = CreateChild(parent.get(), "Button");
  CreateChild(parent.get(), "Edit");
  HWND second = CreateChild(parent.get(), "Button");
  HWND group = CreateChild(parent.get(), "Static");
  CreateChild(group, "Button");  // a grandchild is not walked
  std::vector<HWND> seen;
  InstallOnChildren(parent.get(), "Button", [&seen](HWND child) { seen.push_back(child); });
  EXPECT_EQ(seen, (std::vector<HWND>{first, second}));
  seen.clear();
  SkinChildControls = 0;
  InstallOnChildren(parent.get(), "Button", [&seen](HWND child) { seen.push_back(child); });
  EXPECT_TRUE(seen.empty()) << "the control skins are switched off";
  ForEachChildOfClass(parent.get(), nullptr, [&seen](HWND child) { seen.push_back(child); });
  EXPECT_EQ(seen.size(), 4u) << "every child, whatever the switch";
}

TEST_F(ControlSteps, APainterFindsOnlyARecordThatHoldsAControl) {
  TestFrame f = CreateSkinnedFrame();
  const int w = GetPropInt(f.window.get(), Hw_lbID);
  EXPECT_EQ(ControlRecordAt(w, &WindowRecord::buttons, 2)->window, f.radio);
  EXPECT_EQ(ControlRecordAt(w, &WindowRecord::containers, 1)->hwnd, f.groupBox);
  EXPECT_EQ(ControlRecordAt(w, &WindowRecord::buttons, 3), nullptr) << "past the end";
  EXPECT_EQ(ControlRecordAt(w + 1, &WindowRecord::buttons, 1), nullptr) << "no such window record";
  // The list of up-down controls holds only its zero-filled first record.
  EXPECT_EQ(ControlRecordAt(w, &WindowRecord::upDowns, 1), nullptr);
}

TEST_F(ControlSteps, TheDefaultOfAControlProcedureMarksTheContainerBehindAMovingControl) {
  TestFrame f = CreateSkinnedFrame();
  ContainerRecord* group = OwnerRecordOf(f.radio)->containers[0].get();
  group->backgroundStale = false;
  PassOnControlMessage(f.radio, WM_MOVE, 0, 0);
  EXPECT_FALSE(group->backgroundStale) << "only a change of place marks it";
  WINDOWPOS pos{};
  PassOnControlMessage(f.radio, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  EXPECT_TRUE(group->backgroundStale);
  group->backgroundStale = false;
  PassOnControlMessage(f.button, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  EXPECT_FALSE(group->backgroundStale) << "the button lies on the frame, not in the group box";
}

int releasedAll = 0;

TEST_F(ControlSteps, TheExitRoutineReleasesWhatTheMemoryDcTableStillHolds) {
  releasedAll = 0;
  ReleaseAllRegisteredDcs();  // nothing announced: nothing happens
  SetRegisteredDcRelease([](HDC) { return false; }, [] { ++releasedAll; });
  ReleaseSkinState();
  EXPECT_EQ(releasedAll, 1);
  SetRegisteredDcRelease(nullptr);
  ReleaseSkinState();
  EXPECT_EQ(releasedAll, 1);
}

}  // namespace
