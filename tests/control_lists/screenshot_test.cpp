// The skinned family over the host's known picture, saved as
// combo_list_skins.png (in PX_CONTROL_OUT or the temporary folder): what is
// on screen must be what the composite holds, with no key colour showing.
#include <windows.h>

#include <commctrl.h>

#include "tests/control_lists/list_fixture.h"

namespace {

using ListScreenshot = ListFixture;

TEST_F(ListScreenshot, SkinnedCombosListsAndTreeOverTheKnownPicture) {
  HWND dropList = AddCombo(CBS_DROPDOWNLIST, 12, 12, 150, 200, {"电信", "联通", "全部"});
  SendMessageA(dropList, CB_SETCURSEL, 1, 0);
  HWND dropDown = AddCombo(CBS_DROPDOWN, 12, 48, 150, 200, {"8080", "3128"});
  SendMessageA(dropDown, CB_SETCURSEL, 0, 0);
  AddCombo(CBS_SIMPLE, 12, 84, 150, 110, {"alpha", "beta", "gamma"});
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 12, 205, 150, 140, 30);
  HWND view = AddControl(WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE, 180, 12, 190, 150);
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 90;
  column.pszText = const_cast<char*>("地址");
  SendMessageA(view, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  column.pszText = const_cast<char*>("端口");
  SendMessageA(view, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.pszText = const_cast<char*>("192.168.1.7");
  SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  HWND tree = AddControl(WC_TREEVIEWA, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT,
                         WS_EX_CLIENTEDGE, 180, 180, 190, 165);
  TVINSERTSTRUCTA insert = {};
  insert.hParent = TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>("根节点");
  insert.hParent = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  insert.item.pszText = const_cast<char*>("child");
  SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(insert.hParent));
  Install();
  RedrawWindow(host->get(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessagesFor(300);
  SendMessageA(dropList, WM_MOUSEMOVE, 0, MAKELPARAM(140, 10));  // over the button
  PumpMessagesFor(100);

  RECT r = {};
  GetWindowRect(host->get(), &r);
  HDC screenDc = GetDC(nullptr);
  const PixelImage shot = CaptureDc(screenDc, r.left, r.top, r.right - r.left, r.bottom - r.top);
  ReleaseDC(nullptr, screenDc);
  EXPECT_TRUE(SavePng(shot, "combo_list_skins.png"));
  EXPECT_EQ(CountNear(shot, 0xFF00FF, 0), 0);
  for (HWND w : {dropList, box, tree}) {
    const PixelImage screen = CaptureWindowArea(w);
    EXPECT_LT(CountDifferent(screen, CaptureComposite(*host, w), 6), screen.width * screen.height / 50)
        << "window " << reinterpret_cast<INT_PTR>(w);
  }
}

}  // namespace
