// The skinned family over the host's known picture: combo boxes of the three
// styles, a list box, a list view with its header and a tree view. Saves the
// screen as combo_list_skins.png (in PX_CONTROL_OUT or the temporary folder)
// and checks that what is on screen is what the composite holds.
#include <windows.h>

#include <commctrl.h>

#include "tests/control_lists/list_fixture.h"

namespace {

using ListScreenshot = ListFixture;

PixelImage CaptureHost(HWND host) {
  RECT r = {};
  GetWindowRect(host, &r);
  HDC screen = GetDC(nullptr);
  PixelImage image = CaptureDc(screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
  ReleaseDC(nullptr, screen);
  return image;
}

void AddTreeItems(HWND tree) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>("根节点");
  HTREEITEM root = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  for (const char* text : {"first child", "second child", "third child"}) {
    insert.hParent = root;
    insert.item.pszText = const_cast<char*>(text);
    SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  }
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
}

void AddListViewItems(HWND view) {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 90;
  column.pszText = const_cast<char*>("地址");
  SendMessageA(view, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  column.pszText = const_cast<char*>("端口");
  SendMessageA(view, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
  const char* addresses[] = {"10.0.0.1", "10.0.0.2", "192.168.1.7", "172.16.4.4"};
  for (int i = 0; i < 4; ++i) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<char*>(addresses[i]);
    SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>("8080");
    SendMessageA(view, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
  }
}

TEST_F(ListScreenshot, SkinnedCombosListsAndTreeOverTheKnownPicture) {
  HWND dropList = AddCombo(CBS_DROPDOWNLIST, 12, 12, 150, 200, {"电信", "联通", "全部"});
  SendMessageA(dropList, CB_SETCURSEL, 1, 0);
  HWND dropDown = AddCombo(CBS_DROPDOWN, 12, 48, 150, 200, {"8080", "3128"});
  SendMessageA(dropDown, CB_SETCURSEL, 0, 0);
  HWND simple = AddCombo(CBS_SIMPLE, 12, 84, 150, 110, {"alpha", "beta", "gamma"});
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 12, 205, 150, 140, 30);
  HWND view = AddControl(WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE, 180, 12, 190, 150);
  AddListViewItems(view);
  HWND tree = AddControl(WC_TREEVIEWA, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT,
                         WS_EX_CLIENTEDGE, 180, 180, 190, 165);
  AddTreeItems(tree);
  Install();
  RedrawWindow(host->get(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessagesFor(300);
  // The mouse over the drop-down list's button.
  SendMessageA(dropList, WM_MOUSEMOVE, 0, MAKELPARAM(140, 10));
  PumpMessagesFor(100);

  const PixelImage shot = CaptureHost(host->get());
  EXPECT_TRUE(SavePng(shot, "combo_list_skins.png"));
  // No pixel of the key colour reaches the screen.
  EXPECT_EQ(CountNear(shot, 0xFF00FF, 0), 0);
  // The combo boxes and lists on screen match the composite.
  for (HWND w : {dropList, box, tree}) {
    const PixelImage screen = CaptureWindowArea(w);
    const PixelImage composite = CaptureCompositeOf(*host, w);
    EXPECT_LT(CountDifferent(screen, composite, 6), screen.width * screen.height / 50)
        << "window " << reinterpret_cast<INT_PTR>(w);
  }
  (void)dropDown;
  (void)simple;
}

}  // namespace
