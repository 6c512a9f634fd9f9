// From a window to its records: FindWindowRecord, FindOwningWindowRecord,
// FindContainerRecord and the property-based record access.
#include "test_windows.h"

namespace {

using Lookups = SkinStateTest;

TEST_F(Lookups, ControlsAndPopupsFindTheirOwnerThroughParentsAndContainers) {
  TestFrame first = CreateSkinnedFrame();
  TestFrame second = CreateSkinnedFrame();
  auto extra = NewWindowRecord();
  extra->hwnd = first.window.get();  // a duplicate: the first position wins
  AppendWindowRecord(std::move(extra));
  EXPECT_EQ(FindWindowRecord(first.window.get()), 1);
  EXPECT_EQ(FindOwningWindowRecord(second.button), 2);
  EXPECT_EQ(FindOwningWindowRecord(second.radio), 2);  // inside a group box
  HWND inner = CreateChild(second.groupBox, "Button", BS_GROUPBOX);
  EXPECT_EQ(FindOwningWindowRecord(CreateChild(inner, "Button", BS_AUTOCHECKBOX)), 2);
  WindowOwner popup = CreateTopLevel(second.window.get());
  EXPECT_EQ(FindOwningWindowRecord(CreateChild(popup.get(), "Edit")), 2);
  WindowOwner plain = CreateTopLevel();
  EXPECT_EQ(FindWindowRecord(plain.get()), 0);
  EXPECT_EQ(FindOwningWindowRecord(CreateChild(plain.get(), "Button", BS_GROUPBOX)), 0);
  EXPECT_EQ(FindOwningWindowRecord(nullptr), 0);
}

TEST_F(Lookups, FindContainerRecordSearchesTheGivenWindowRecord) {
  TestFrame first = CreateSkinnedFrame();
  TestFrame second = CreateSkinnedFrame();
  EXPECT_EQ(FindContainerRecord(2, second.groupBox), 1);
  EXPECT_EQ(FindContainerRecord(1, second.groupBox), 0);
  EXPECT_EQ(FindContainerRecord(2, second.button), 0);
  EXPECT_EQ(FindContainerRecord(3, second.groupBox), 0);
}

TEST_F(Lookups, PropertiesLeadToRecordsOnlyWhileBothIndicesAreValid) {
  TestFrame f = CreateSkinnedFrame();
  EXPECT_EQ(FrameRecordOf(f.window.get())->hwnd, f.window.get());
  EXPECT_EQ(ControlRecordOf(f.radio, &WindowRecord::buttons)->window, f.radio);
  EXPECT_EQ(ControlRecordOf(f.groupBox, &WindowRecord::containers)->hwnd, f.groupBox);
  EXPECT_EQ(ToolbarRecordOf(f.toolbar)->hwnd, f.toolbar);
  // The toolbar has no Hw_ properties, a button no Kj_ ones.
  EXPECT_EQ(ControlRecordOf(f.toolbar, &WindowRecord::toolbars), nullptr);
  EXPECT_EQ(ToolbarRecordOf(f.button), nullptr);
  for (auto [owner, index] : {std::pair{2, 1}, {0, 1}, {1, 3}, {1, -1}}) {
    SetPropInt(f.button, Hw_FuID, owner);
    SetPropInt(f.button, Hw_lbID, index);
    EXPECT_EQ(ControlRecordOf(f.button, &WindowRecord::buttons), nullptr) << owner << "/" << index;
  }
  SetPropInt(f.button, Kj_Ztys, -1);
  EXPECT_EQ(GetPropInt(f.button, Kj_Ztys), -1);
  EXPECT_NE(GetPropA(f.button, "Kj_Ztys"), nullptr) << "stored under the plain ASCII key";
}

}  // namespace
