// From a window to its records: FindWindowRecord, FindOwningWindowRecord,
// FindContainerRecord and the property-based record access of the skin
// procedures.
#include <gtest/gtest.h>

#include "test_windows.h"

namespace {

class Lookups : public ::testing::Test {
 protected:
  void SetUp() override { ResetSkinState(); }
  void TearDown() override { ReleaseSkinState(); }
};

TEST_F(Lookups, FindWindowRecordGivesTheFirstMatchingPosition) {
  WindowOwner a = CreateTopLevel();
  WindowOwner b = CreateTopLevel();
  for (HWND w : {a.get(), b.get(), a.get()}) {
    auto r = NewWindowRecord();
    r->hwnd = w;
    AppendWindowRecord(std::move(r));
  }
  EXPECT_EQ(FindWindowRecord(a.get()), 1);
  EXPECT_EQ(FindWindowRecord(b.get()), 2);
  WindowOwner c = CreateTopLevel();
  EXPECT_EQ(FindWindowRecord(c.get()), 0);
}

TEST_F(Lookups, ControlsFindTheirOwnerThroughParentsAndContainers) {
  TestFrame first = CreateSkinnedFrame();
  TestFrame second = CreateSkinnedFrame();
  HWND frame = second.window.get();
  EXPECT_EQ(FindOwningWindowRecord(frame), 2);
  EXPECT_EQ(FindOwningWindowRecord(second.button), 2);
  EXPECT_EQ(FindOwningWindowRecord(second.groupBox), 2);
  // A radio button inside a group box: two steps up.
  EXPECT_EQ(FindOwningWindowRecord(second.radio), 2);
  // A control inside a container inside a container.
  HWND inner = CreateChild(second.groupBox, "Button", BS_GROUPBOX);
  HWND deep = CreateChild(inner, "Button", BS_AUTOCHECKBOX);
  EXPECT_EQ(FindOwningWindowRecord(deep), 2);
  EXPECT_EQ(FindOwningWindowRecord(first.radio), 1);
}

TEST_F(Lookups, WindowsOutsideAnySkinnedWindowHaveNoOwner) {
  TestFrame skinned = CreateSkinnedFrame();
  WindowOwner plain = CreateTopLevel();
  EXPECT_EQ(FindOwningWindowRecord(plain.get()), 0);
  HWND child = CreateChild(plain.get(), "Button", BS_GROUPBOX);
  HWND grandchild = CreateChild(child, "Edit");
  EXPECT_EQ(FindOwningWindowRecord(child), 0);
  EXPECT_EQ(FindOwningWindowRecord(grandchild), 0);
  EXPECT_EQ(FindOwningWindowRecord(nullptr), 0);
}

TEST_F(Lookups, APopupOwnedByASkinnedFrameBelongsToIt) {
  TestFrame skinned = CreateSkinnedFrame();
  WindowOwner popup = CreateTopLevel(skinned.window.get());
  HWND child = CreateChild(popup.get(), "Edit");
  EXPECT_EQ(FindOwningWindowRecord(popup.get()), 1);
  EXPECT_EQ(FindOwningWindowRecord(child), 1);
}

TEST_F(Lookups, FindContainerRecordSearchesTheGivenWindowRecord) {
  TestFrame first = CreateSkinnedFrame();
  TestFrame second = CreateSkinnedFrame();
  HWND extra = CreateChild(second.window.get(), "Button", BS_GROUPBOX);
  RegisterControl(2, &WindowRecord::containers, extra);
  EXPECT_EQ(FindContainerRecord(2, second.groupBox), 1);
  EXPECT_EQ(FindContainerRecord(2, extra), 2);
  EXPECT_EQ(FindContainerRecord(1, extra), 0);
  EXPECT_EQ(FindContainerRecord(1, first.groupBox), 1);
  EXPECT_EQ(FindContainerRecord(2, second.button), 0);
  EXPECT_EQ(FindContainerRecord(0, second.groupBox), 0);
  EXPECT_EQ(FindContainerRecord(3, second.groupBox), 0);
}

TEST_F(Lookups, SkinProceduresReachTheirRecordsThroughProperties) {
  TestFrame f = CreateSkinnedFrame();
  HWND frame = f.window.get();
  ASSERT_NE(FrameRecordOf(frame), nullptr);
  EXPECT_EQ(FrameRecordOf(frame)->hwnd, frame);
  ButtonRecord* radio = ControlRecordOf(f.radio, &WindowRecord::buttons);
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->window, f.radio);
  ContainerRecord* group = ControlRecordOf(f.groupBox, &WindowRecord::containers);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->hwnd, f.groupBox);
  ASSERT_NE(ToolbarRecordOf(f.toolbar), nullptr);
  EXPECT_EQ(ToolbarRecordOf(f.toolbar)->hwnd, f.toolbar);
  // The toolbar has no Hw_ properties, a button no Kj_ ones.
  EXPECT_EQ(ControlRecordOf(f.toolbar, &WindowRecord::toolbars), nullptr);
  EXPECT_EQ(ToolbarRecordOf(f.button), nullptr);
}

TEST_F(Lookups, IndicesOutsideTheListsFindNothing) {
  TestFrame f = CreateSkinnedFrame();
  // An owner past the end of the table (a frame that was torn down).
  SetPropInt(f.button, Hw_FuID, 2);
  EXPECT_EQ(ControlRecordOf(f.button, &WindowRecord::buttons), nullptr);
  SetPropInt(f.button, Hw_FuID, 0);
  EXPECT_EQ(ControlRecordOf(f.button, &WindowRecord::buttons), nullptr);
  // A control index past its list.
  SetPropInt(f.button, Hw_FuID, 1);
  SetPropInt(f.button, Hw_lbID, 3);
  EXPECT_EQ(ControlRecordOf(f.button, &WindowRecord::buttons), nullptr);
  SetPropInt(f.button, Hw_lbID, -1);
  EXPECT_EQ(ControlRecordOf(f.button, &WindowRecord::buttons), nullptr);
  // A window without properties is not skinned.
  WindowOwner plain = CreateTopLevel();
  EXPECT_EQ(FrameRecordOf(plain.get()), nullptr);
  EXPECT_EQ(OwnerRecordOf(plain.get()), nullptr);
}

TEST(WindowProperties, IntegersRoundTripIncludingNegativeValues) {
  WindowOwner w = CreateTopLevel();
  EXPECT_EQ(GetPropInt(w.get(), Kj_Ztys), 0) << "absent reads 0";
  SetPropInt(w.get(), Kj_Ztys, -1);
  EXPECT_EQ(GetPropInt(w.get(), Kj_Ztys), -1);
  SetPropInt(w.get(), Kj_Ztys, 0xDDCA22);
  EXPECT_EQ(GetPropInt(w.get(), Kj_Ztys), 0xDDCA22);
  EXPECT_NE(GetPropA(w.get(), "Kj_Ztys"), nullptr) << "stored under the plain ASCII key";
}

// A skin procedure that answers WM_USER itself and passes the rest on.
LRESULT CALLBACK PassingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) return 42;
  return PassOn(window, message, wParam, lParam);
}

TEST(WindowProperties, PassOnCallsTheProcedureSavedInTheProperty) {
  WindowOwner top = CreateTopLevel();
  HWND edit = CreateChild(top.get(), "Edit");
  LONG_PTR saved = SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PassingProc));
  SetPropA(edit, Hw_hProc, reinterpret_cast<HANDLE>(saved));
  EXPECT_EQ(SendMessageA(edit, WM_USER, 0, 0), 42);
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
  char text[8] = {};
  EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text)), 3);
  EXPECT_STREQ(text, "abc");
}

}  // namespace
