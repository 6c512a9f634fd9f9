// Combo boxes under the skin: registration with the selected item's text,
// the edit field skinned only with the backdrop and coloured by the combo
// box, the drop-down and the selection still working, and the hover, focus
// and invalidation bookkeeping of the subclass procedure.
#include <windows.h>

#include "skin/controls/edit_skin.h"
#include "skin/controls/list_combo_rules.h"
#include "tests/control_lists/list_fixture.h"

namespace {

using ComboBehaviour = ListFixture;

HWND EditFieldOf(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr); }

std::string TextOf(HWND window) {
  char buffer[256] = {};
  GetWindowTextA(window, buffer, sizeof(buffer));
  return buffer;
}

HGDIOBJ PropObject(HWND window, const char* name) {
  return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(window, name)));
}

bool HasUpdateRegion(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

TEST_F(ComboBehaviour, RegistrationShowsTheSelectedItemsText) {
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 10, 160, 200, {"alpha", "beta", "gamma"});
  SendMessageA(combo, CB_SETCURSEL, 2, 0);
  // The edit field is typed over without changing the selection.
  SendMessageA(EditFieldOf(combo), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
  ASSERT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
  ASSERT_EQ(TextOf(combo), "typed");
  Install();
  EXPECT_EQ(TextOf(combo), "gamma");

  // Without a selection the text stays as it is.
  HWND other = AddCombo(CBS_DROPDOWN, 10, 50, 160, 200, {"alpha"});
  SendMessageA(EditFieldOf(other), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("free text"));
  Install();
  EXPECT_EQ(TextOf(other), "free text");
}

TEST_F(ComboBehaviour, RecordPropertiesAndProcedure) {
  HWND first = AddCombo(CBS_DROPDOWNLIST, 10, 10, 160, 200, {"a"});
  HWND second = AddCombo(CBS_DROPDOWNLIST, 10, 50, 160, 200, {"b"});
  Install();
  const int windowIndex = host->RecordIndex();
  EXPECT_EQ(ComboIndex(first), 1);
  EXPECT_EQ(ComboIndex(second), 2);
  for (HWND combo : {first, second}) {
    EXPECT_EQ(GetPropInt(combo, Hw_lbID), ComboIndex(combo));
    EXPECT_EQ(GetPropInt(combo, Hw_FuID), windowIndex);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(combo, GWLP_WNDPROC)), &ComboSkinProc);
    EXPECT_EQ(SavedProcOf(combo), ComboOf(combo).savedProc);
    EXPECT_EQ(ComboOf(combo).hasFocus, 0);
  }
}

TEST_F(ComboBehaviour, EditFieldIsSkinnedOnlyWithTheBackdrop) {
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 10, 160, 200, {"a"});
  Install();
  HWND field = EditFieldOf(combo);
  ASSERT_NE(field, nullptr);
  const int index = FindEditRecord(host->RecordIndex(), field);
  ASSERT_EQ(index, 1);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC)), &EditSkinProc);
  EXPECT_EQ(GetPropInt(field, Hw_lbID), 1);
  EXPECT_EQ(GetPropInt(field, Hw_FuID), host->RecordIndex());
  EXPECT_EQ(GetPropInt(field, Kj_Ztys), 0);
  EXPECT_EQ(SavedProcOf(field), host->Record().edits[0]->savedProc);
  EXPECT_EQ(host->Record().edits[0]->verticalBar, nullptr);
  EXPECT_EQ(host->Record().edits[0]->horizontalBar, nullptr);
}

TEST_F(ComboBehaviour, WithoutBackdropTheEditFieldKeepsItsProcedure) {
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 10, 160, 200, {"a"});
  HWND field = EditFieldOf(combo);
  const LONG_PTR before = GetWindowLongPtrA(field, GWLP_WNDPROC);
  SetControlSkinOptions(1);
  ASSERT_EQ(ControlBackdropSet, 0);
  Install();
  EXPECT_EQ(ComboIndex(combo), 1);
  EXPECT_EQ(GetWindowLongPtrA(field, GWLP_WNDPROC), before);
  EXPECT_EQ(FindEditRecord(host->RecordIndex(), field), 0);
  EXPECT_EQ(GetPropInt(field, Hw_FuID), 0);
}

TEST_F(ComboBehaviour, TheComboBoxAnswersItsFieldsColourWithAFreshBrush) {
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 10, 160, 200, {"a"});
  Install();
  HWND field = EditFieldOf(combo);
  SetPropInt(field, Kj_Ztys, static_cast<int>(RGB(0x12, 0x34, 0x56)));
  HDC dc = GetDC(field);
  SetBkMode(dc, OPAQUE);
  const LRESULT first = SendMessageA(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(field));
  ASSERT_NE(first, 0);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(first), PropObject(field, Kj_dxjb));
  HGDIOBJ firstBitmap = PropObject(field, Kj_wtjb);
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetObjectType(firstBitmap), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(GetTextColor(dc), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);

  const LRESULT second = SendMessageA(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(field));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(second), PropObject(field, Kj_dxjb));
  // The first pair is gone (a handle value may be reused by the second).
  if (reinterpret_cast<HGDIOBJ>(second) != reinterpret_cast<HGDIOBJ>(first)) {
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), 0u);
  }
  if (PropObject(field, Kj_wtjb) != firstBitmap) {
    EXPECT_EQ(GetObjectType(firstBitmap), 0u);
  }
  ReleaseDC(field, dc);

  // The brush holds the background behind the field.
  BITMAP info = {};
  ASSERT_NE(GetObjectA(PropObject(field, Kj_wtjb), sizeof(info), &info), 0);
  RECT client = {};
  GetClientRect(field, &client);
  EXPECT_EQ(info.bmWidth, client.right);
  EXPECT_EQ(info.bmHeight, client.bottom);
}

TEST_F(ComboBehaviour, TheHostNeverSeesTheFieldsColourMessageWithBackdrop) {
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 10, 160, 200, {"a", "b"});
  Install();
  const int before = host->MessageCount(WM_CTLCOLOREDIT);
  InvalidateRect(EditFieldOf(combo), nullptr, TRUE);
  UpdateWindow(EditFieldOf(combo));
  PumpMessages();
  EXPECT_EQ(host->MessageCount(WM_CTLCOLOREDIT), before);
  EXPECT_NE(PropObject(EditFieldOf(combo), Kj_dxjb), nullptr);
}

TEST_F(ComboBehaviour, WithoutBackdropTheColourMessageGoesOnToTheHost) {
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 10, 160, 200, {"a", "b"});
  SetControlSkinOptions(1);
  Install();
  const int before = host->MessageCount(WM_CTLCOLOREDIT);
  HDC dc = GetDC(EditFieldOf(combo));
  SendMessageA(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(EditFieldOf(combo)));
  ReleaseDC(EditFieldOf(combo), dc);
  EXPECT_EQ(host->MessageCount(WM_CTLCOLOREDIT), before + 1);
  EXPECT_EQ(PropObject(EditFieldOf(combo), Kj_dxjb), nullptr);
}

TEST_F(ComboBehaviour, DropDownAndSelectionKeepWorking) {
  HWND combo = AddCombo(CBS_DROPDOWNLIST, 10, 10, 160, 200, {"alpha", "beta", "gamma"});
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  int selectionChanges = 0;
  host->hook = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
    if (message == WM_COMMAND && reinterpret_cast<HWND>(lParam) == combo &&
        HIWORD(wParam) == CBN_SELCHANGE) {
      ++selectionChanges;
    }
    return false;
  };
  Install();
  SetFocus(combo);
  PumpMessages();
  SendMessageA(combo, WM_KEYDOWN, VK_DOWN, 0);
  PumpMessages();
  EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(TextOf(combo), "beta");
  EXPECT_GE(selectionChanges, 1);

  SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
  PumpMessages();
  EXPECT_NE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), 0);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_TRUE(IsWindowVisible(info.hwndList));
  SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
  PumpMessages();
  EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), 0);
  host->hook = nullptr;
}

TEST_F(ComboBehaviour, SelectingFillsTheDropDownsEditField) {
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 10, 160, 200, {"8080", "3128"});
  Install();
  SendMessageA(combo, CB_SETCURSEL, 1, 0);
  PumpMessages();
  EXPECT_EQ(TextOf(EditFieldOf(combo)), "3128");
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1080"));
  EXPECT_EQ(TextOf(EditFieldOf(combo)), "1080");
}

TEST_F(ComboBehaviour, HoverBookkeepingUsesClassThree) {
  HWND first = AddCombo(CBS_DROPDOWNLIST, 10, 10, 160, 200, {"a"});
  HWND second = AddCombo(CBS_DROPDOWNLIST, 10, 50, 160, 200, {"b"});
  Install();
  WindowRecord& record = host->Record();
  SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(record.controlUnderMouse, 2);
  EXPECT_EQ(record.hotControlIndex, 2);
  EXPECT_EQ(record.hotControlClass, kHotClassCombo);
  SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(record.hotControlIndex, 1);
  SendMessageA(first, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(record.hotControlIndex, 0);
  EXPECT_EQ(record.hotControlClass, kHotClassCombo);
}

TEST_F(ComboBehaviour, FocusIsRecordedBetweenSetAndKill) {
  HWND combo = AddCombo(CBS_DROPDOWNLIST, 10, 10, 160, 200, {"a"});
  HWND box = AddListBox(0, 0, 10, 100, 100, 100, 3);
  Install();
  SetFocus(combo);
  EXPECT_EQ(ComboOf(combo).hasFocus, 1);
  SetFocus(box);
  EXPECT_EQ(ComboOf(combo).hasFocus, 0);
}

TEST_F(ComboBehaviour, FieldNotificationsAndTextInvalidate) {
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 10, 160, 200, {"a"});
  HWND list = AddCombo(CBS_DROPDOWNLIST, 10, 50, 160, 200, {"a"});
  Install();
  PumpMessages();
  HWND field = EditFieldOf(combo);
  for (WORD code : {static_cast<WORD>(EN_CHANGE), static_cast<WORD>(EN_UPDATE),
                    static_cast<WORD>(EN_VSCROLL), static_cast<WORD>(EN_HSCROLL)}) {
    ValidateRect(field, nullptr);
    SendMessageA(combo, WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(field));
    EXPECT_TRUE(HasUpdateRegion(field)) << code;
  }
  ValidateRect(field, nullptr);
  SendMessageA(combo, WM_COMMAND, MAKEWPARAM(0, EN_SETFOCUS), reinterpret_cast<LPARAM>(field));
  EXPECT_FALSE(HasUpdateRegion(field));

  // A text change repaints a combo box with an edit field as a whole.
  ValidateRect(combo, nullptr);
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
  EXPECT_TRUE(HasUpdateRegion(combo));
  PumpMessages();
  ValidateRect(list, nullptr);
  SendMessageA(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("a"));
  EXPECT_FALSE(HasUpdateRegion(list));
}

}  // namespace
