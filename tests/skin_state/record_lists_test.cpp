// The 1-based record lists and the "first empty record is reused" rule.
#include <gtest/gtest.h>

#include "test_windows.h"

namespace {

HWND FakeHandle(int n) { return reinterpret_cast<HWND>(static_cast<intptr_t>(n)); }

TEST(RecordLists, IndicesAreOneBasedAndCheckedAgainstTheLength) {
  RecordList<ButtonRecord> list;
  EXPECT_EQ(RecordAt(list, 1), nullptr);
  EXPECT_EQ(AppendRecord(list), 1);
  EXPECT_EQ(AppendRecord(list), 2);
  EXPECT_EQ(RecordAt(list, 0), nullptr);
  EXPECT_EQ(RecordAt(list, -1), nullptr);
  EXPECT_EQ(RecordAt(list, 3), nullptr);
  EXPECT_EQ(RecordAt(list, 1), list[0].get());
  EXPECT_EQ(RecordAt(list, 2), list[1].get());
  EXPECT_FALSE(IsValidIndex(list, 0));
  EXPECT_TRUE(IsValidIndex(list, 2));
  EXPECT_FALSE(IsValidIndex(list, 3));
}

TEST(RecordLists, RecordsKeepTheirAddressWhileTheListGrows) {
  RecordList<EditRecord> list;
  AppendRecord(list);
  EditRecord* first = RecordAt(list, 1);
  first->window = FakeHandle(7);
  for (int i = 0; i < 100; ++i) AppendRecord(list);
  EXPECT_EQ(RecordAt(list, 1), first);
  EXPECT_EQ(first->window, FakeHandle(7));
  EXPECT_EQ(ListLength(list), 101);
}

TEST(RecordLists, TheEmptyFirstRecordIsTakenAsIndexOne) {
  RecordList<ButtonRecord> list = ListWithEmptyRecord<ButtonRecord>();
  // Whatever was left in the empty record does not survive the take.
  list[0]->kind = 5;
  list[0]->caption = "stale";
  EXPECT_EQ(TakeControlRecord(list), 1);
  EXPECT_EQ(ListLength(list), 1);
  EXPECT_EQ(list[0]->kind, 0);
  EXPECT_TRUE(list[0]->caption.empty());

  list[0]->window = FakeHandle(11);
  EXPECT_EQ(TakeControlRecord(list), 2);
  EXPECT_EQ(ListLength(list), 2);
  EXPECT_EQ(list[0]->window, FakeHandle(11)) << "a filled first record is kept";
}

TEST(RecordLists, AnEmptyFirstRecordAmongOthersIsNotReused) {
  // Only a list that holds nothing but its initial empty record is taken
  // over; otherwise registered records would lose their indices.
  RecordList<LabelRecord> list = ListWithEmptyRecord<LabelRecord>();
  AppendRecord(list);
  list[1]->hwnd = FakeHandle(3);
  EXPECT_EQ(TakeControlRecord(list), 3);
  EXPECT_EQ(list[1]->hwnd, FakeHandle(3));
}

TEST(RecordLists, AnEmptyListAppends) {
  RecordList<ContainerRecord> list;
  EXPECT_EQ(TakeControlRecord(list), 1);
  EXPECT_EQ(TakeControlRecord(list), 1) << "its window is still 0, so it is taken again";
  list[0]->hwnd = FakeHandle(1);
  EXPECT_EQ(TakeControlRecord(list), 2);
}

TEST(RecordLists, ANewWindowRecordHasEachControlListWithOneEmptyRecord) {
  auto record = NewWindowRecord();
  EXPECT_EQ(ListLength(record->buttons), 1);
  EXPECT_EQ(ListLength(record->edits), 1);
  EXPECT_EQ(ListLength(record->lists), 1);
  EXPECT_EQ(ListLength(record->trackbars), 1);
  EXPECT_EQ(ListLength(record->progressBars), 1);
  EXPECT_EQ(ListLength(record->combos), 1);
  EXPECT_EQ(ListLength(record->upDowns), 1);
  EXPECT_EQ(ListLength(record->headers), 1);
  EXPECT_EQ(ListLength(record->toolbars), 1);
  EXPECT_EQ(ListLength(record->labels), 1);
  ASSERT_EQ(ListLength(record->containers), 1);
  EXPECT_EQ(record->buttons[0]->window, nullptr);
  EXPECT_EQ(record->containers[0]->hwnd, nullptr);
  ASSERT_EQ(record->containers[0]->parts.size(), 1u);
  EXPECT_EQ(record->containers[0]->parts[0].window, nullptr);
}

TEST(RecordLists, TheFirstControlOfANewWindowRecordGetsIndexOne) {
  ResetSkinState();
  TestFrame f = CreateSkinnedFrame();
  // The push button took the empty record, the radio button came second.
  EXPECT_EQ(GetPropInt(f.button, Hw_lbID), 1);
  EXPECT_EQ(GetPropInt(f.radio, Hw_lbID), 2);
  EXPECT_EQ(GetPropInt(f.groupBox, Hw_lbID), 1);
  EXPECT_EQ(GetPropInt(f.toolbar, Kj_lbID), 1);
  const WindowRecord& r = *WindowRecordAt(1);
  EXPECT_EQ(ListLength(r.buttons), 2);
  EXPECT_EQ(ListLength(r.edits), 2);
  EXPECT_EQ(ListLength(r.containers), 1);
  ReleaseSkinState();
}

}  // namespace
