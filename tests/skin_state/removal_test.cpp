// Removing a window record: the records after it move down, and every index
// kept in window properties is rewritten to the new position.
#include <gtest/gtest.h>

#include <vector>

#include "test_windows.h"

namespace {

class Removal : public ::testing::Test {
 protected:
  void SetUp() override { ResetSkinState(); }
  void TearDown() override { ReleaseSkinState(); }
};

// Every window that carries its owner's index, with the property holding it.
std::vector<std::pair<HWND, const char*>> OwnerTies(const TestFrame& f) {
  return {{f.button, Hw_FuID},   {f.edit, Hw_FuID},      {f.editBar, Hw_FuID},
          {f.editHorizontalBar, Hw_FuID}, {f.groupBox, Hw_FuID}, {f.radio, Hw_FuID},
          {f.groupEdit, Hw_FuID}, {f.label, Hw_FuID},    {f.toolbar, Kj_FuID},
          {f.listBox, Hw_FuID},  {f.listBar, Hw_FuID},   {f.trackbar, Hw_FuID},
          {f.combo, Hw_FuID}};
}

void ExpectOwnerIndex(const TestFrame& f, int index) {
  EXPECT_EQ(GetPropInt(f.window.get(), Hw_lbID), index);
  for (auto [window, name] : OwnerTies(f)) {
    EXPECT_EQ(GetPropInt(window, name), index) << name << " of a control";
  }
}

TEST_F(Removal, RemovingTheFirstOfTwoFramesRenumbersTheSecond) {
  TestFrame first = CreateSkinnedFrame();
  TestFrame second = CreateSkinnedFrame();
  ExpectOwnerIndex(second, 2);
  const int radioIndex = GetPropInt(second.radio, Hw_lbID);

  RemoveWindowRecord(1);

  ASSERT_EQ(ListLength(WindowRecords), 1);
  EXPECT_EQ(WindowRecordAt(1)->hwnd, second.window.get());
  ExpectOwnerIndex(second, 1);
  // The indices within the class lists do not change.
  EXPECT_EQ(GetPropInt(second.radio, Hw_lbID), radioIndex);
  EXPECT_EQ(FindWindowRecord(second.window.get()), 1);
  EXPECT_EQ(FindOwningWindowRecord(second.radio), 1);
  EXPECT_EQ(FindContainerRecord(1, second.groupBox), 1);
}

TEST_F(Removal, TheRemovedWindowAndItsControlsNoLongerPointAtARecord) {
  TestFrame first = CreateSkinnedFrame();
  TestFrame second = CreateSkinnedFrame();
  RemoveWindowRecord(1);
  // Index 1 now belongs to the second frame; the first frame's windows
  // must not reach its records.
  ExpectOwnerIndex(first, 0);
  EXPECT_EQ(FrameRecordOf(first.window.get()), nullptr);
  EXPECT_EQ(ControlRecordOf(first.button, &WindowRecord::buttons), nullptr);
  EXPECT_EQ(ToolbarRecordOf(first.toolbar), nullptr);
  // Their other properties stay: properties are never removed.
  EXPECT_EQ(GetPropInt(first.button, Hw_lbID), 1);
}

// Reports which record a skinned button's procedure found for a message.
HWND lastOwnerFound = nullptr;
HWND lastControlFound = nullptr;
LRESULT CALLBACK RecordingButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 1) {
    lastOwnerFound = nullptr;
    lastControlFound = nullptr;
    if (ButtonRecord* r = ControlRecordOf(window, &WindowRecord::buttons)) {
      lastControlFound = r->window;
      lastOwnerFound = OwnerRecordOf(window)->hwnd;
    }
  }
  return PassOn(window, message, wParam, lParam);
}

void Subclass(HWND window, WNDPROC proc) {
  LONG_PTR saved = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
  SetPropA(window, Hw_hProc, reinterpret_cast<HANDLE>(saved));
}

TEST_F(Removal, AMessageAfterTheRemovalFindsTheRightRecord) {
  TestFrame first = CreateSkinnedFrame();
  TestFrame second = CreateSkinnedFrame();
  Subclass(second.radio, RecordingButtonProc);
  Subclass(first.radio, RecordingButtonProc);

  RemoveWindowRecord(1);

  SendMessageA(second.radio, WM_USER + 1, 0, 0);
  EXPECT_EQ(lastOwnerFound, second.window.get());
  EXPECT_EQ(lastControlFound, second.radio);
  SendMessageA(first.radio, WM_USER + 1, 0, 0);
  EXPECT_EQ(lastOwnerFound, nullptr) << "a control of the removed frame is passed on";
  // The pass-on still reaches the control's own procedure.
  SendMessageA(second.radio, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
  char text[4] = {};
  GetWindowTextA(second.radio, text, sizeof(text));
  EXPECT_STREQ(text, "x");
}

TEST_F(Removal, RemovingAMiddleRecordMovesOnlyTheOnesAfterIt) {
  TestFrame a = CreateSkinnedFrame();
  TestFrame b = CreateSkinnedFrame();
  TestFrame c = CreateSkinnedFrame();
  RemoveWindowRecord(2);
  ASSERT_EQ(ListLength(WindowRecords), 2);
  ExpectOwnerIndex(a, 1);
  ExpectOwnerIndex(b, 0);
  ExpectOwnerIndex(c, 2);
  // A frame skinned afterwards is appended at the end.
  TestFrame d = CreateSkinnedFrame();
  ExpectOwnerIndex(d, 3);
  RemoveWindowRecord(ListLength(WindowRecords));
  ExpectOwnerIndex(a, 1);
  ExpectOwnerIndex(c, 2);
}

TEST_F(Removal, AnInvalidIndexRemovesNothing) {
  TestFrame a = CreateSkinnedFrame();
  TestFrame b = CreateSkinnedFrame();
  RemoveWindowRecord(0);
  RemoveWindowRecord(3);
  RemoveWindowRecord(-1);
  EXPECT_EQ(ListLength(WindowRecords), 2);
  ExpectOwnerIndex(a, 1);
  ExpectOwnerIndex(b, 2);
}

TEST_F(Removal, ObjectListMembersFollowTheirRecords) {
  TestFrame a = CreateSkinnedFrame();
  TestFrame b = CreateSkinnedFrame();
  TestFrame c = CreateSkinnedFrame();
  HWND members[3];
  for (int i = 0; i < 3; ++i) {
    members[i] = CreateChild(c.window.get(), "Static");
    SetPropInt(members[i], Hw_FuID, i + 1);
    int n = AppendRecord(ObjectLists[i * 3]);
    ObjectLists[i * 3][n - 1]->hwnd = members[i];
  }
  RemoveWindowRecord(2);
  EXPECT_EQ(GetPropInt(members[0], Hw_FuID), 1);
  EXPECT_EQ(GetPropInt(members[1], Hw_FuID), 0);
  EXPECT_EQ(GetPropInt(members[2], Hw_FuID), 2);
}

TEST_F(Removal, RemovalReleasesTheRecordsDcsAndKeepsTheOthers) {
  TestFrame a = CreateSkinnedFrame();
  TestFrame b = CreateSkinnedFrame();
  HBITMAP backBuffer = nullptr, titleBitmap = nullptr, otherBuffer = nullptr;
  WindowRecord& ra = *WindowRecordAt(1);
  ra.frameDC.reset(CreateMemoryDcWithDib(326, 393, &backBuffer));
  ra.titleCacheDC.reset(CreateMemoryDcWithDib(326, 50, &titleBitmap));
  ra.titleCacheBitmap = titleBitmap;
  HDC frameDc = ra.frameDC.get();
  WindowRecordAt(2)->frameDC.reset(CreateMemoryDcWithDib(326, 393, &otherBuffer));
  HDC otherDc = WindowRecordAt(2)->frameDC.get();
  auto released = std::make_shared<int>(0);
  ra.tooltip = std::shared_ptr<ToolTip>(nullptr, [released](ToolTip*) { ++*released; });

  RemoveWindowRecord(1);

  EXPECT_FALSE(IsLiveGdiObject(frameDc));
  EXPECT_FALSE(IsLiveGdiObject(backBuffer));
  EXPECT_FALSE(IsLiveGdiObject(titleBitmap));
  EXPECT_EQ(*released, 1) << "the tooltip object goes with its record";
  EXPECT_TRUE(IsLiveGdiObject(otherDc));
  EXPECT_TRUE(IsLiveGdiObject(otherBuffer));
  EXPECT_EQ(WindowRecordAt(1)->frameDC.get(), otherDc);
}

// The memory-DC table's release routine, as the paint helpers announce it.
std::vector<HDC> handedToTable;
bool TableRelease(HDC dc) {
  handedToTable.push_back(dc);
  DeleteMemoryDcAndBitmap(dc);
  return true;
}

TEST_F(Removal, TheCompositeDcGoesBackToTheMemoryDcTable) {
  TestFrame a = CreateSkinnedFrame();
  handedToTable.clear();
  SetRegisteredDcRelease(TableRelease);
  HDC copy = CreateMemoryDcWithDib(16, 16);
  WindowRecordAt(1)->frameCopy.reset(copy);
  RemoveWindowRecord(1);
  ASSERT_EQ(handedToTable.size(), 1u);
  EXPECT_EQ(handedToTable[0], copy);
  EXPECT_FALSE(IsLiveGdiObject(copy));
}

}  // namespace
