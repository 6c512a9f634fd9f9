// Combo boxes under the skin: the edit field skinned and coloured by the
// combo box only with the backdrop, the drop-down and selection kept, and
// the drawn outline and button face read back from screen and composite.
#include <windows.h>

#include "skin/controls/edit/edit_skin.h"
#include "tests/control_lists/list_fixture.h"

namespace {

using ComboTest = ListFixture;

HWND EditFieldOf(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr); }

std::string TextOf(HWND window) {
  char buffer[256] = {};
  GetWindowTextA(window, buffer, sizeof(buffer));
  return buffer;
}

LRESULT AnswerColour(HWND combo, HWND field, HDC dc) {
  return SendMessageA(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                      reinterpret_cast<LPARAM>(field));
}

TEST_F(ComboTest, WithBackdropTheComboBoxAnswersItsSkinnedFieldWithFreshBrushes) {
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 10, 160, 200, {"a", "b"});
  Install();
  HWND field = EditFieldOf(combo);
  EXPECT_EQ(FindEditRecord(host->RecordIndex(), field), 1);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC)), &EditSkinProc);
  const int before = host->MessageCount(WM_CTLCOLOREDIT);
  InvalidateRect(field, nullptr, TRUE);
  UpdateWindow(field);
  PumpMessages();
  EXPECT_EQ(host->MessageCount(WM_CTLCOLOREDIT), before);

  SetPropInt(field, Kj_Ztys, static_cast<int>(RGB(0x12, 0x34, 0x56)));
  HDC dc = GetDC(field);
  SetBkMode(dc, OPAQUE);
  const HGDIOBJ first = reinterpret_cast<HGDIOBJ>(AnswerColour(combo, field, dc));
  const HGDIOBJ firstBitmap = PropObject(field, Kj_wtjb);
  EXPECT_EQ(first, PropObject(field, Kj_dxjb));
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetTextColor(dc), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  const HGDIOBJ second = reinterpret_cast<HGDIOBJ>(AnswerColour(combo, field, dc));
  ReleaseDC(field, dc);
  EXPECT_EQ(second, PropObject(field, Kj_dxjb));
  // The first pair is deleted (a handle value may be reused by the second).
  EXPECT_TRUE(second == first || GetObjectType(first) == 0);
  EXPECT_TRUE(PropObject(field, Kj_wtjb) == firstBitmap || GetObjectType(firstBitmap) == 0);
}

TEST_F(ComboTest, WithoutBackdropTheFieldKeepsItsProcedureAndTheHostColoursIt) {
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 10, 160, 200, {"a"});
  HWND field = EditFieldOf(combo);
  const LONG_PTR before = GetWindowLongPtrA(field, GWLP_WNDPROC);
  SetControlSkinOptions(1);
  ASSERT_EQ(ControlBackdropSet, 0);
  Install();
  EXPECT_EQ(ComboIndex(combo), 1);
  EXPECT_EQ(GetWindowLongPtrA(field, GWLP_WNDPROC), before);
  EXPECT_EQ(FindEditRecord(host->RecordIndex(), field), 0);
  const int messages = host->MessageCount(WM_CTLCOLOREDIT);
  HDC dc = GetDC(field);
  AnswerColour(combo, field, dc);
  ReleaseDC(field, dc);
  EXPECT_EQ(host->MessageCount(WM_CTLCOLOREDIT), messages + 1);
  EXPECT_EQ(PropObject(field, Kj_dxjb), nullptr);
}

TEST_F(ComboTest, SelectionDropDownAndTextKeepWorking) {
  HWND list = AddCombo(CBS_DROPDOWNLIST, 10, 10, 160, 200, {"alpha", "beta", "gamma"});
  SendMessageA(list, CB_SETCURSEL, 0, 0);
  HWND combo = AddCombo(CBS_DROPDOWN, 10, 50, 160, 200, {"8080", "3128", "1080"});
  SendMessageA(combo, CB_SETCURSEL, 2, 0);
  SendMessageA(EditFieldOf(combo), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
  int selectionChanges = 0;
  host->hook = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
    if (message == WM_COMMAND && reinterpret_cast<HWND>(lParam) == list &&
        HIWORD(wParam) == CBN_SELCHANGE) {
      ++selectionChanges;
    }
    return false;
  };
  Install();
  EXPECT_EQ(TextOf(combo), "1080");  // registration shows the selected item
  SendMessageA(combo, CB_SETCURSEL, 1, 0);
  EXPECT_EQ(TextOf(EditFieldOf(combo)), "3128");

  SetFocus(list);
  PumpMessages();
  SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
  PumpMessages();
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(TextOf(list), "beta");
  EXPECT_GE(selectionChanges, 1);
  SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
  PumpMessages();
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(SendMessageA(list, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_TRUE(IsWindowVisible(info.hwndList));
  SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);
  PumpMessages();
  EXPECT_EQ(SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0), 0);
  host->hook = nullptr;
}

std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, double t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= static_cast<std::uint32_t>(ca + (cb - ca) * t + 0.5) << shift;
  }
  return out;
}

TEST_F(ComboTest, OutlineAndButtonFacePlainHotAndFocused) {
  HWND combo = AddCombo(CBS_DROPDOWNLIST, 20, 20, 160, 200, {"abc"});
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  Install();
  auto paint = [&](bool hot, bool focus) {
    PaintComboBox(host->RecordIndex(), ComboIndex(combo), hot, focus);
  };
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)));
  const RECT b = info.rcButton;
  const int top = b.top, bh = b.bottom - b.top;
  ASSERT_GT(bh, 8);
  const int mid = top + bh / 2;
  // Outline: black 80 plain, accent 200 hot or focused.
  paint(false, false);
  ExpectPixel(combo, 0, mid, Blend(Behind(combo, 0, mid), kBlackRgb, 80), 4, "plain outline");
  paint(false, true);
  ExpectPixel(combo, 0, mid, Blend(Behind(combo, 0, mid), kAccentRgb, 200), 4, "focus outline");
  // Button face: accent 30 to 100 plain (focus changes nothing); white to
  // accent at 100 to 150 hot.
  const int x = b.left + 2;
  for (int y : {top + 3, mid, top + bh - 4}) {
    SCOPED_TRACE(y);
    const double t = (y + 0.5 - top) / (bh - 2);
    const std::uint32_t behind = Behind(combo, x, y);
    const std::uint32_t plain = Blend(behind, kAccentRgb, static_cast<int>(30 + 70 * t));
    paint(false, true);
    ExpectPixel(combo, x, y, plain, 10, "focused face");
    paint(true, false);
    ExpectPixel(combo, x, y,
                Blend(behind, Lerp(kWhiteRgb, kAccentRgb, t), static_cast<int>(100 + 50 * t)), 10,
                "hot face");
    paint(false, false);
    ExpectPixel(combo, x, y, plain, 10, "plain face");
  }
  // Indices that name no combo box paint nothing.
  PaintComboBox(host->RecordIndex(), 7, true);
  PaintComboBox(99, 1, true);
}

TEST_F(ComboTest, DropDownKeysOutItsEditField) {
  HWND combo = AddCombo(CBS_DROPDOWN, 20, 20, 160, 200, {"MMMMMM"});
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  Install();
  FillComposite(WindowRectRelativeTo(host->get(), combo), kMarker);
  PaintComboBox(host->RecordIndex(), ComboIndex(combo), false, false);
  const PixelImage composite = CaptureComposite(*host, combo);
  const RECT field = WindowRectInParent(EditFieldOf(combo));
  ASSERT_FALSE(IsRectEmpty(&field));
  int drawn = 0;
  for (int y = field.top; y < field.bottom; ++y) {
    for (int x = field.left; x < field.right; ++x) drawn += composite.At(x, y) != kMarker ? 1 : 0;
  }
  EXPECT_EQ(drawn, 0);
  EXPECT_NE(composite.At(0, field.top), kMarker);  // the outline is drawn
}

}  // namespace
