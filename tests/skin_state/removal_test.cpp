// Removing a window record: the records after it move down, and every index
// kept in window properties is rewritten to the new position.
#include <vector>

#include "test_windows.h"

namespace {

using Removal = SkinStateTest;

// The owner index in every window of the frame that carries one.
void ExpectOwnerIndex(const TestFrame& f, int index) {
  EXPECT_EQ(GetPropInt(f.window.get(), Hw_lbID), index);
  EXPECT_EQ(GetPropInt(f.toolbar, Kj_FuID), index);
  for (HWND w : {f.button, f.edit, f.editBar, f.editHorizontalBar, f.groupBox, f.radio,
                 f.groupEdit, f.label, f.listBox, f.listBar, f.trackbar, f.combo}) {
    EXPECT_EQ(GetPropInt(w, Hw_FuID), index);
  }
}

// Reports which records a skinned button's procedure finds.
HWND lastOwnerFound = nullptr;
LRESULT CALLBACK RecordingButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 1) {
    ButtonRecord* r = ControlRecordOf(window, &WindowRecord::buttons);
    lastOwnerFound = r != nullptr && r->window == window ? OwnerRecordOf(window)->hwnd : nullptr;
  }
  return PassOn(window, message, wParam, lParam);
}

TEST_F(Removal, RemovingTheFirstOfTwoFramesRenumbersTheSecond) {
  TestFrame first = CreateSkinnedFrame();
  TestFrame second = CreateSkinnedFrame();
  for (HWND radio : {first.radio, second.radio}) {
    SetPropA(radio, Hw_hProc, reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                                  radio, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingButtonProc))));
  }
  RemoveWindowRecord(1);

  ASSERT_EQ(ListLength(WindowRecords), 1);
  ExpectOwnerIndex(second, 1);
  EXPECT_EQ(GetPropInt(second.radio, Hw_lbID), 2) << "indices in the class lists stay";
  EXPECT_EQ(FindOwningWindowRecord(second.radio), 1);
  SendMessageA(second.radio, WM_USER + 1, 0, 0);
  EXPECT_EQ(lastOwnerFound, second.window.get());
  // The removed frame's windows no longer reach the record now at index 1.
  ExpectOwnerIndex(first, 0);
  EXPECT_EQ(ToolbarRecordOf(first.toolbar), nullptr);
  SendMessageA(first.radio, WM_USER + 1, 0, 0);
  EXPECT_EQ(lastOwnerFound, nullptr);
  // The pass-on still reaches the control's own procedure.
  SendMessageA(second.radio, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
  char text[4] = {};
  GetWindowTextA(second.radio, text, sizeof(text));
  EXPECT_STREQ(text, "x");
}

TEST_F(Removal, OnlyTheRecordsAfterTheRemovedOneMove) {
  TestFrame a = CreateSkinnedFrame();
  TestFrame b = CreateSkinnedFrame();
  TestFrame c = CreateSkinnedFrame();
  HWND members[3];
  for (int i = 0; i < 3; ++i) {
    members[i] = CreateChild(c.window.get(), "Static");
    SetPropInt(members[i], Hw_FuID, i + 1);
    AppendRecord(ObjectLists[i * 3]);
    ObjectLists[i * 3].back()->hwnd = members[i];
  }
  RemoveWindowRecord(0);
  RemoveWindowRecord(4);
  RemoveWindowRecord(2);
  ASSERT_EQ(ListLength(WindowRecords), 2);
  ExpectOwnerIndex(a, 1);
  ExpectOwnerIndex(b, 0);
  ExpectOwnerIndex(c, 2);
  EXPECT_EQ(GetPropInt(members[0], Hw_FuID), 1);
  EXPECT_EQ(GetPropInt(members[1], Hw_FuID), 0);
  EXPECT_EQ(GetPropInt(members[2], Hw_FuID), 2);
  TestFrame d = CreateSkinnedFrame();
  ExpectOwnerIndex(d, 3);
}

// The memory-DC table's release routine, as the paint helpers announce it.
std::vector<HDC> handedToTable;
bool TableRelease(HDC dc) {
  handedToTable.push_back(dc);
  DeleteMemoryDcAndBitmap(dc);
  return true;
}

TEST_F(Removal, RemovalReleasesTheRecordsObjectsAndKeepsTheOthers) {
  TestFrame a = CreateSkinnedFrame();
  TestFrame b = CreateSkinnedFrame();
  HBITMAP backBuffer = nullptr, otherBuffer = nullptr;
  WindowRecordAt(1)->frameDC.reset(CreateMemoryDcWithDib(326, 393, &backBuffer));
  HDC frameDc = WindowRecordAt(1)->frameDC.get();
  WindowRecordAt(2)->frameDC.reset(CreateMemoryDcWithDib(326, 393, &otherBuffer));
  HDC otherDc = WindowRecordAt(2)->frameDC.get();
  auto released = std::make_shared<int>(0);
  WindowRecordAt(1)->tooltip = std::shared_ptr<ToolTip>(nullptr, [released](ToolTip*) { ++*released; });
  handedToTable.clear();
  SetRegisteredDcRelease(TableRelease);
  HDC copy = CreateMemoryDcWithDib(16, 16);
  WindowRecordAt(1)->frameCopy.reset(copy);

  RemoveWindowRecord(1);

  EXPECT_FALSE(IsLiveGdiObject(frameDc));
  EXPECT_FALSE(IsLiveGdiObject(backBuffer));
  EXPECT_EQ(*released, 1) << "the tooltip object goes with its record";
  EXPECT_EQ(handedToTable, std::vector<HDC>{copy}) << "the composite goes back to the table";
  EXPECT_FALSE(IsLiveGdiObject(copy));
  EXPECT_TRUE(IsLiveGdiObject(otherBuffer));
  EXPECT_EQ(WindowRecordAt(1)->frameDC.get(), otherDc);
}

}  // namespace
