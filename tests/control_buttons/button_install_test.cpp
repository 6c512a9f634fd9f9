// Installing the button skins: which controls are taken, what a record and
// the control carry afterwards, and that nothing is registered twice.
#include "button_fixture.h"

#include "graphics/gdiplus/gdiplus_values.h"

namespace {

using ButtonInstallTest = ButtonSkinTest;

TEST_F(ButtonInstallTest, PushButtonsBecomeOwnerDrawnRecordsWithProperties) {
  MakeHost();
  HWND plain = Add("确定", BS_PUSHBUTTON, 10, 10, 80, 26, 101);
  HWND def = Add("默认", BS_DEFPUSHBUTTON, 100, 10, 80, 26, 102);
  const WNDPROC buttonProc = reinterpret_cast<WNDPROC>(GetWindowLongA(plain, GWL_WNDPROC));
  Install();

  ASSERT_EQ(ListLength(Record().buttons), 2);
  // The list's empty first record is taken by the first button.
  EXPECT_EQ(FindButtonRecord(Index(), plain), 1);
  EXPECT_EQ(FindButtonRecord(Index(), def), 2);
  for (HWND b : {plain, def}) {
    ButtonRecord* r = RecordOf(b);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->window, b);
    EXPECT_EQ(r->kind, kButtonKindPush);
    EXPECT_EQ(r->glowColour, -1);
    EXPECT_EQ(GetPropInt(b, Hw_lbID), FindButtonRecord(Index(), b));
    EXPECT_EQ(GetPropInt(b, Hw_FuID), Index());
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongA(b, GWL_WNDPROC)), &ButtonSkinProc);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(b, Hw_hProc)), r->savedProc);
    EXPECT_EQ(r->savedProc, buttonProc);
    EXPECT_EQ(GetWindowLongA(b, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    // No font set: the defaults.
    EXPECT_EQ(r->fontFace, DefaultControlFontFace());
    EXPECT_EQ(r->fontSize, 12);
    EXPECT_EQ(r->fontStyle, 0);
  }
  EXPECT_EQ(RecordOf(plain)->caption, Text("确定"));
  EXPECT_EQ(RecordOf(def)->caption, Text("默认"));
  // The default button was painted by its owner through the skin.
  EXPECT_GE(host->MessageCount(WM_DRAWITEM), 2);
}

TEST_F(ButtonInstallTest, OtherButtonTypesAndOwnerDrawnButtonsAreLeftToOthers) {
  MakeHost();
  HWND owner = Add("own", BS_OWNERDRAW, 10, 10, 60, 24);
  HWND group = Add("组", BS_GROUPBOX, 10, 40, 200, 100);
  HWND radio = Add("手动", BS_RADIOBUTTON, 20, 60, 80, 20);
  HWND three = Add("三态", BS_AUTO3STATE, 20, 90, 80, 20);
  const LONG ownerStyle = GetWindowLongA(owner, GWL_STYLE);
  const LONG_PTR ownerProc = GetWindowLongA(owner, GWL_WNDPROC);
  Install();

  for (HWND c : {owner, group, radio, three}) {
    EXPECT_EQ(FindButtonRecord(Index(), c), 0);
    EXPECT_EQ(GetPropInt(c, Hw_lbID), 0);
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongA(c, GWL_WNDPROC)), &ButtonSkinProc);
  }
  EXPECT_EQ(GetWindowLongA(owner, GWL_STYLE), ownerStyle);
  EXPECT_EQ(GetWindowLongA(owner, GWL_WNDPROC), ownerProc);
  // Nothing registered: the list still holds only its empty record.
  ASSERT_EQ(ListLength(Record().buttons), 1);
  EXPECT_EQ(Record().buttons[0]->window, nullptr);
}

TEST_F(ButtonInstallTest, AnOwnerDrawnButtonOfTheApplicationIsNotPaintedByTheSkin) {
  MakeHost();
  HWND skinned = Add("skin", BS_PUSHBUTTON, 10, 10, 60, 24);
  HWND owner = Add("own", BS_OWNERDRAW, 80, 10, 60, 24);
  Install();
  Canvas canvas(60, 24);
  HDC memory = canvas.dc();
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = owner;
  item.hDC = memory;
  item.rcItem = RECT{0, 0, 60, 24};
  DispatchOwnerDraw(Index(), item);
  EXPECT_EQ(GetPixel(memory, 30, 12), RGB(0, 0, 0));
  // Borrowing a skinned button's index does not make it skinned either.
  SetPropInt(owner, Hw_lbID, GetPropInt(skinned, Hw_lbID));
  DispatchOwnerDraw(Index(), item);
  EXPECT_EQ(GetPixel(memory, 30, 12), RGB(0, 0, 0));
  // Radio buttons and check boxes paint themselves: nothing is drawn for them.
  HWND radio = Add("r", BS_AUTORADIOBUTTON, 150, 10, 60, 24);
  Install();
  item.hwndItem = radio;
  DispatchOwnerDraw(Index(), item);
  EXPECT_EQ(GetPixel(memory, 30, 12), RGB(0, 0, 0));
  // Nor for items that are not buttons.
  item.hwndItem = skinned;
  item.CtlType = ODT_LISTBOX;
  DispatchOwnerDraw(Index(), item);
  EXPECT_EQ(GetPixel(memory, 30, 12), RGB(0, 0, 0));
  // The skinned push button is painted.
  item.CtlType = ODT_BUTTON;
  DispatchOwnerDraw(Index(), item);
  EXPECT_NE(GetPixel(memory, 30, 12), RGB(0, 0, 0));
}

TEST_F(ButtonInstallTest, RadioButtonsAndCheckBoxesKeepTheirStyleAndRecordTheirState) {
  MakeHost();
  HWND radio = Add("电信", BS_AUTORADIOBUTTON, 10, 10, 80, 20);
  HWND check = Add("勾选", BS_AUTOCHECKBOX, 10, 40, 80, 20);
  HWND plainCheck = Add("普通", BS_CHECKBOX, 10, 70, 80, 20);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  const LONG radioStyle = GetWindowLongA(radio, GWL_STYLE);
  Install();

  ButtonRecord* r = RecordOf(radio);
  ButtonRecord* c = RecordOf(check);
  ButtonRecord* p = RecordOf(plainCheck);
  ASSERT_NE(r, nullptr);
  ASSERT_NE(c, nullptr);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(r->kind, kButtonKindRadio);
  EXPECT_EQ(c->kind, kButtonKindCheck);
  EXPECT_EQ(p->kind, kButtonKindCheck);
  EXPECT_EQ(r->checkedAtInstall, 0);
  EXPECT_EQ(c->checkedAtInstall, 1);
  EXPECT_EQ(r->parent, host->get());
  EXPECT_EQ(r->glowColour, -1);
  EXPECT_EQ(r->caption, Text("电信"));
  EXPECT_EQ(GetWindowLongA(radio, GWL_STYLE), radioStyle);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongA(check, GWL_WNDPROC)), &ButtonSkinProc);
  EXPECT_EQ(GetPropInt(check, Hw_FuID), Index());
}

TEST_F(ButtonInstallTest, InstallingTwiceRegistersNothingTwice) {
  MakeHost();
  HWND push = Add("一", BS_PUSHBUTTON, 10, 10, 60, 24);
  HWND radio = Add("二", BS_AUTORADIOBUTTON, 10, 40, 60, 20);
  HWND check = Add("三", BS_AUTOCHECKBOX, 10, 70, 60, 20);
  Install();
  const WNDPROC saved = reinterpret_cast<WNDPROC>(GetPropA(radio, Hw_hProc));
  Install();
  Install();

  EXPECT_EQ(ListLength(Record().buttons), 3);
  for (HWND b : {push, radio, check}) {
    int found = 0;
    for (const auto& r : Record().buttons) found += r->window == b ? 1 : 0;
    EXPECT_EQ(found, 1);
  }
  // Still the button's own procedure behind the skin: a click still works
  // (a second subclassing would make the skin call itself forever).
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(radio, Hw_hProc)), saved);
  EXPECT_NE(saved, &ButtonSkinProc);
  SendMessageA(radio, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(push, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks(push), 1);
}

TEST_F(ButtonInstallTest, ControlsInsideAContainerJoinTheTopLevelList) {
  MakeHost();
  HWND top = Add("顶", BS_PUSHBUTTON, 10, 10, 60, 24);
  HWND group = Add("运营商", BS_GROUPBOX, 80, 10, 200, 120);
  HWND inner = Add("内", BS_PUSHBUTTON, 10, 20, 60, 24, 0, group);
  HWND radio = Add("联通", BS_AUTORADIOBUTTON, 10, 60, 80, 20, 0, group);
  Install();
  Install(group);
  EXPECT_EQ(FindButtonRecord(Index(), top), 1);
  EXPECT_EQ(FindButtonRecord(Index(), inner), 2);
  EXPECT_EQ(FindButtonRecord(Index(), radio), 3);
  EXPECT_EQ(GetPropInt(radio, Hw_FuID), Index());
  EXPECT_EQ(RecordOf(radio)->parent, group);
  EXPECT_EQ(FindButtonRecord(Index(), group), 0);
}

TEST_F(ButtonInstallTest, NothingIsSkinnedWhileChildSkinsAreOff) {
  MakeHost();
  HWND push = Add("一", BS_PUSHBUTTON, 10, 10, 60, 24);
  HWND radio = Add("二", BS_AUTORADIOBUTTON, 10, 40, 60, 20);
  SkinChildControls = 0;
  Install();
  EXPECT_EQ(FindButtonRecord(Index(), push), 0);
  EXPECT_EQ(FindButtonRecord(Index(), radio), 0);
  EXPECT_EQ(GetWindowLongA(push, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  SkinChildControls = 1;
}

TEST_F(ButtonInstallTest, TheControlFontGivesFaceSizeAndStyle) {
  MakeHost();
  HWND push = Add("字", BS_PUSHBUTTON, 10, 10, 80, 30);
  HWND check = Add("字", BS_AUTOCHECKBOX, 10, 50, 80, 20);
  SendMessageA(push, WM_SETFONT, reinterpret_cast<WPARAM>(MakeFont(-16, FW_BOLD, "宋体")), FALSE);
  SendMessageA(check, WM_SETFONT, reinterpret_cast<WPARAM>(MakeFont(-14, FW_NORMAL, "宋体")), FALSE);
  Install();

  const ControlFont direct = ReadControlFont(push);
  // A 16-pixel cell: the em size GDI+ gives for it is 15 or 16 pixels.
  EXPECT_GE(direct.size, 15);
  EXPECT_LE(direct.size, 16);
  EXPECT_EQ(direct.style & FontStyleBold, FontStyleBold);
  EXPECT_FALSE(direct.face.empty());
  EXPECT_EQ(RecordOf(push)->fontSize, direct.size);
  EXPECT_EQ(RecordOf(push)->fontStyle, direct.style);
  EXPECT_EQ(RecordOf(push)->fontFace, direct.face);
  EXPECT_GE(RecordOf(check)->fontSize, 13);
  EXPECT_LE(RecordOf(check)->fontSize, 14);
  EXPECT_EQ(RecordOf(check)->fontStyle, 0);
}

}  // namespace
