// Installing the button skins: which controls are taken, what their records
// hold, and that nothing is registered twice.
#include "button_fixture.h"

#include "skin/controls/buttons/button_styles.h"

namespace {

using ButtonInstallTest = ButtonSkinTest;

// Every button type goes to one skin or to none; the other style bits do
// not matter.
TEST(ButtonStyles, EachButtonTypeGoesToOneSkinOrToNone) {
  enum Skin { kNone, kPush, kCheck, kRadio };
  const Skin skins[16] = {
      kPush,   // 0x0 BS_PUSHBUTTON
      kPush,   // 0x1 BS_DEFPUSHBUTTON
      kCheck,  // 0x2 BS_CHECKBOX
      kCheck,  // 0x3 BS_AUTOCHECKBOX
      kNone,   // 0x4 BS_RADIOBUTTON: keeps the system look
      kNone,   // 0x5 BS_3STATE
      kNone,   // 0x6 BS_AUTO3STATE
      kNone,   // 0x7 BS_GROUPBOX
      kPush,   // 0x8 BS_USERBUTTON
      kRadio,  // 0x9 BS_AUTORADIOBUTTON
      kCheck,  // 0xA
      kNone,   // 0xB BS_OWNERDRAW: its owner draws it
      kNone,   kNone, kNone, kNone};
  for (std::uint32_t type = 0; type < 16; ++type) {
    for (std::uint32_t other : {0u, static_cast<std::uint32_t>(BS_LEFTTEXT | WS_TABSTOP | WS_GROUP)}) {
      const std::uint32_t style = type | other;
      const bool ownerDraw = IsOwnerDrawStyle(style);
      EXPECT_EQ(IsPushButtonStyle(style), skins[type] == kPush) << "type " << type;
      EXPECT_EQ(IsCheckBoxStyle(style) && !ownerDraw, skins[type] == kCheck) << "type " << type;
      EXPECT_EQ(IsRadioStyle(style) && !ownerDraw, skins[type] == kRadio) << "type " << type;
    }
  }
}

TEST_F(ButtonInstallTest, PlainCheckBoxesAndType0xAAreCheckBoxesAndAPlainRadioButtonKeepsItsLook) {
  MakeHost();
  HWND check = Add("勾选", BS_CHECKBOX, 10, 10, 80, 20);
  HWND box = Add("方框", 0xA, 10, 40, 80, 20);
  HWND radio = Add("单选", BS_RADIOBUTTON, 10, 70, 80, 20);
  const LONG_PTR radioProc = GetWindowLongPtrA(radio, GWLP_WNDPROC);
  const LONG checkStyle = GetWindowLongA(check, GWL_STYLE);
  Install();
  ASSERT_NE(RecordOf(check), nullptr);
  ASSERT_NE(RecordOf(box), nullptr);
  EXPECT_EQ(RecordOf(check)->kind, kButtonKindCheck);
  EXPECT_EQ(RecordOf(box)->kind, kButtonKindCheck);
  EXPECT_EQ(GetWindowLongA(check, GWL_STYLE), checkStyle) << "check boxes are not made owner-drawn";
  EXPECT_EQ(FindButtonRecord(Index(), radio), 0);
  EXPECT_EQ(GetWindowLongPtrA(radio, GWLP_WNDPROC), radioProc);
  EXPECT_EQ(GetPropA(radio, Hw_lbID), nullptr);
  // A check box of the plain kind is painted by the skin with its check state.
  const PixelImage unchecked = Screen(check);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_GT(CountDifferent(unchecked, Screen(check), 10), 20) << "no check mark painted at once";
}

TEST_F(ButtonInstallTest, PlainAndDefaultPushButtonsRadiosAndCheckBoxesAreSkinned) {
  MakeHost();
  HWND plain = Add("确定", BS_PUSHBUTTON, 10, 10, 80, 26, 101);
  HWND def = Add("默认", BS_DEFPUSHBUTTON, 100, 10, 80, 26, 102);
  HWND radio = Add("电信", BS_AUTORADIOBUTTON, 10, 40, 80, 20);
  HWND check = Add("勾选", BS_AUTOCHECKBOX, 10, 70, 80, 20);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  const WNDPROC buttonProc = reinterpret_cast<WNDPROC>(GetWindowLongA(plain, GWL_WNDPROC));
  const LONG radioStyle = GetWindowLongA(radio, GWL_STYLE);
  Install();

  EXPECT_EQ(FindButtonRecord(Index(), plain), 1) << "the list's empty first record is taken";
  EXPECT_EQ(FindButtonRecord(Index(), def), 2);
  for (HWND b : {plain, def}) {
    EXPECT_EQ(RecordOf(b)->kind, kButtonKindPush);
    EXPECT_EQ(RecordOf(b)->savedProc, buttonProc);
    EXPECT_EQ(GetWindowLongA(b, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  }
  EXPECT_GE(host->MessageCount(WM_DRAWITEM), 2) << "painted by the owner through the skin";
  EXPECT_EQ(RecordOf(radio)->kind, kButtonKindRadio);
  EXPECT_EQ(RecordOf(check)->checkedAtInstall, 1);
  EXPECT_EQ(GetWindowLongA(radio, GWL_STYLE), radioStyle) << "radio buttons keep their style";
  for (HWND b : {plain, def, radio, check}) {
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongA(b, GWL_WNDPROC)), &ButtonSkinProc);
    EXPECT_EQ(GetPropInt(b, Hw_FuID), Index());
  }
}

TEST_F(ButtonInstallTest, OwnerDrawnAndOtherButtonTypesAreLeftToOthers) {
  MakeHost();
  HWND skinned = Add("skin", BS_PUSHBUTTON, 10, 10, 60, 24);
  HWND owner = Add("own", BS_OWNERDRAW, 80, 10, 60, 24);
  HWND three = Add("三态", BS_AUTO3STATE, 20, 90, 80, 20);
  const LONG_PTR ownerProc = GetWindowLongA(owner, GWL_WNDPROC);
  Install();
  for (HWND c : {owner, three}) EXPECT_EQ(FindButtonRecord(Index(), c), 0);
  EXPECT_EQ(GetWindowLongA(owner, GWL_WNDPROC), ownerProc);

  // The owner draw paints the skinned push button only, even for an owner-
  // drawn button that borrows its index.
  Canvas canvas(60, 24);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = owner;
  item.hDC = canvas.dc();
  item.rcItem = RECT{0, 0, 60, 24};
  SetPropInt(owner, Hw_lbID, GetPropInt(skinned, Hw_lbID));
  DispatchOwnerDraw(Index(), item);
  EXPECT_EQ(GetPixel(canvas.dc(), 30, 12), RGB(0, 0, 0));
  item.hwndItem = skinned;
  DispatchOwnerDraw(Index(), item);
  EXPECT_NE(GetPixel(canvas.dc(), 30, 12), RGB(0, 0, 0));
}

TEST_F(ButtonInstallTest, InstallingTwiceRegistersNothingTwice) {
  MakeHost();
  HWND push = Add("一", BS_PUSHBUTTON, 10, 10, 60, 24);
  HWND radio = Add("二", BS_AUTORADIOBUTTON, 10, 40, 60, 20);
  Add("三", BS_AUTOCHECKBOX, 10, 70, 60, 20);
  Install();
  const WNDPROC saved = reinterpret_cast<WNDPROC>(GetPropA(radio, Hw_hProc));
  Install();
  Install();
  EXPECT_EQ(ListLength(Record().buttons), 3);
  // Still the button's own procedure behind the skin: a second subclassing
  // would make the skin call itself forever.
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(radio, Hw_hProc)), saved);
  SendMessageA(radio, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(push, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks(push), 1);
}

}  // namespace
