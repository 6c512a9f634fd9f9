// The portable decisions of the list-type skins: class names matched
// without regard to case, and the owner-drawn controls left alone.
#include <gtest/gtest.h>

#include "skin/controls/list_combo_rules.h"

namespace {

TEST(ListRules, ClassNamesMapToKindsWithoutRegardToCase) {
  EXPECT_EQ(ListKindOfClass("ListBox"), ListKind::ListBox);
  EXPECT_EQ(ListKindOfClass("listbox"), ListKind::ListBox);
  EXPECT_EQ(ListKindOfClass("COMBOLBOX"), ListKind::ComboList);
  EXPECT_EQ(ListKindOfClass("SysListView32"), ListKind::ListView);
  EXPECT_EQ(ListKindOfClass("systreeview32"), ListKind::TreeView);
  EXPECT_EQ(ListKindOfClass("SysIPAddress32"), ListKind::IpAddress);
  EXPECT_EQ(ListKindOfClass("SysDateTimePick32"), ListKind::DateTimePicker);
  // Prefixes and extensions of a name are other classes.
  EXPECT_EQ(ListKindOfClass("List"), ListKind::Other);
  EXPECT_EQ(ListKindOfClass("ListBoxes"), ListKind::Other);
  EXPECT_EQ(ListKindOfClass(""), ListKind::Other);
  for (ListKind kind : kListInstallOrder) EXPECT_EQ(ListKindOfClass(ListKindClass(kind)), kind);
}

TEST(ListRules, OnlyOwnerDrawnComboListsAndListViewsAreSkipped) {
  EXPECT_TRUE(SkipsListRegistration(ListKind::ComboList, kListOwnerDrawFixed));
  EXPECT_FALSE(SkipsListRegistration(ListKind::ComboList, kListOwnerDrawVariable));
  EXPECT_TRUE(SkipsListRegistration(ListKind::ListView, kListViewOwnerDrawFixed | 0x1));
  EXPECT_FALSE(SkipsListRegistration(ListKind::ListView, 0x1 | 0x8));
  // A list box is registered owner-drawn or not; only its answers differ.
  EXPECT_FALSE(SkipsListRegistration(ListKind::ListBox, kListOwnerDrawFixed));
  EXPECT_FALSE(SkipsListRegistration(ListKind::TreeView, 0xFFFF));
  EXPECT_EQ(EraseAnswerFor(ListKind::ListBox, true, true), EraseAnswer::PassOn);
  EXPECT_EQ(EraseAnswerFor(ListKind::ListBox, false, true), EraseAnswer::Transparent);
}

}  // namespace
