// The 1-based record lists, the "first empty record is reused" rule and the
// module options.
#include "test_windows.h"

namespace {

HWND FakeHandle(int n) { return reinterpret_cast<HWND>(static_cast<intptr_t>(n)); }

TEST(RecordLists, IndicesAreOneBasedAndRecordsKeepTheirAddress) {
  RecordList<EditRecord> list;
  EXPECT_EQ(AppendRecord(list), 1);
  EditRecord* first = RecordAt(list, 1);
  first->window = FakeHandle(7);
  for (int i = 0; i < 100; ++i) AppendRecord(list);
  EXPECT_EQ(RecordAt(list, 1), first);
  EXPECT_EQ(RecordAt(list, 101), list[100].get());
  EXPECT_EQ(RecordAt(list, 0), nullptr);
  EXPECT_EQ(RecordAt(list, 102), nullptr);
  EXPECT_FALSE(IsValidIndex(list, -1));
}

TEST(RecordLists, OnlyALoneEmptyFirstRecordIsTakenOver) {
  RecordList<ButtonRecord> list = ListWithEmptyRecord<ButtonRecord>();
  list[0]->kind = kButtonKindCheck;  // whatever was left in it does not survive the take
  EXPECT_EQ(TakeControlRecord(list), 1);
  EXPECT_EQ(list[0]->kind, 0);
  list[0]->window = FakeHandle(11);
  EXPECT_EQ(TakeControlRecord(list), 2);
  EXPECT_EQ(list[0]->window, FakeHandle(11)) << "a filled first record is kept";
  // An empty first record among others is not reused: they would lose their indices.
  RecordList<LabelRecord> labels = ListWithEmptyRecord<LabelRecord>();
  AppendRecord(labels);
  labels[1]->hwnd = FakeHandle(3);
  EXPECT_EQ(TakeControlRecord(labels), 3);
  EXPECT_EQ(labels[1]->hwnd, FakeHandle(3));
}

using RecordListsOnFrames = SkinStateTest;

TEST_F(RecordListsOnFrames, TheFirstControlOfANewWindowRecordGetsIndexOne) {
  TestFrame f = CreateSkinnedFrame();
  EXPECT_EQ(GetPropInt(f.button, Hw_lbID), 1);
  EXPECT_EQ(GetPropInt(f.radio, Hw_lbID), 2);
  EXPECT_EQ(GetPropInt(f.toolbar, Kj_lbID), 1);
  EXPECT_EQ(ListLength(WindowRecordAt(1)->buttons), 2);
  EXPECT_EQ(ListLength(WindowRecordAt(1)->containers), 1);
}

TEST_F(RecordListsOnFrames, OptionsNotGivenReturnToTheirDefaults) {
  SetControlSkinOptions(0, 200, 0);
  EXPECT_EQ(SkinChildControls, 0);
  EXPECT_EQ(ControlOverlayAlpha, 200);
  EXPECT_EQ(ControlBackdropSet, 1);
  EXPECT_EQ(TrackbarFrameShown, 0);
  SetControlSkinOptions(1);
  EXPECT_EQ(ControlOverlayAlpha, 160);
  EXPECT_EQ(ControlBackdropSet, 0) << "an alpha not given differs from one given as 160";
  EXPECT_EQ(TrackbarFrameShown, 1);
  SetControlSkinOptions(1, 160);
  EXPECT_EQ(ControlBackdropSet, 1);
}

}  // namespace
