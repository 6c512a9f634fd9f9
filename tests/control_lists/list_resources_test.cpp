// GDI object balance of the combo box and list-type skins. Wine's
// GetGuiResources always answers 0, so objects are counted by probing the
// GDI handle table (LiveGdiObjectCount) and handed-out handles are checked
// one by one with GetObjectType.
#include <windows.h>

#include <commctrl.h>

#include <set>

#include "graphics/paint/memory_dc_table.h"
#include "tests/control_lists/list_fixture.h"

namespace {

using ListResources = ListFixture;

TEST_F(ListResources, ThousandPaintCyclesLeakNoGdiObject) {
  HWND dropList = AddCombo(CBS_DROPDOWNLIST, 10, 10, 150, 200, {"alpha", "beta"});
  SendMessageA(dropList, CB_SETCURSEL, 0, 0);
  HWND dropDown = AddCombo(CBS_DROPDOWN, 10, 45, 150, 200, {"8080"});
  HWND box = AddListBox(WS_VSCROLL, WS_EX_CLIENTEDGE, 10, 90, 150, 120, 40);
  HWND tree = AddControl(WC_TREEVIEWA, 0, WS_EX_CLIENTEDGE, 200, 10, 200, 120);
  HWND view = AddControl(WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE, 200, 150, 200, 120);
  Install();
  HWND field = FindWindowExA(dropDown, nullptr, "Edit", nullptr);
  std::set<HGDIOBJ> handedOut;
  auto cycle = [&](int i) {
    HWND combo = i % 2 == 0 ? dropList : dropDown;
    SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(combo, WM_MOUSELEAVE, 0, 0);
    SendMessageA(combo, WM_NCPAINT, 1, 0);
    InvalidateRect(combo, nullptr, TRUE);
    UpdateWindow(combo);
    HDC dc = GetDC(field);
    SendMessageA(dropDown, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    ReleaseDC(field, dc);
    handedOut.insert(PropObject(field, Kj_dxjb));
    handedOut.insert(PropObject(field, Kj_wtjb));

    HWND list = i % 3 == 0 ? box : i % 3 == 1 ? tree : view;
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(8, 8));
    SendMessageA(list, WM_MOUSELEAVE, 0, 0);
    SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);  // stale: composed afresh
    SendMessageA(list, WM_KEYUP, VK_DOWN, 0);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    InvalidateRect(list, nullptr, TRUE);  // not stale: copied from the composite
    UpdateWindow(list);
    SendMessageA(list, WM_NCPAINT, 1, 0);
  };
  for (int i = 0; i < 30; ++i) cycle(i);  // warm-up: the system caches fills lazily
  PumpMessages();
  const int objects = LiveGdiObjectCount();
  const int memoryDcs = MemoryDcCount();
  for (int i = 0; i < 1000; ++i) {
    cycle(i);
    if (i % 50 == 0) PumpMessages();
  }
  PumpMessages();
  EXPECT_EQ(LiveGdiObjectCount(), objects);
  EXPECT_EQ(MemoryDcCount(), memoryDcs);

  handedOut.erase(nullptr);
  const std::set<HGDIOBJ> current = {PropObject(field, Kj_dxjb), PropObject(field, Kj_wtjb)};
  EXPECT_GT(handedOut.size(), current.size());
  int live = 0;
  for (HGDIOBJ h : handedOut) live += current.count(h) == 0 && GetObjectType(h) != 0 ? 1 : 0;
  EXPECT_EQ(live, 0);

  // The field's last brush and bitmap go with the combo box.
  HGDIOBJ brush = PropObject(field, Kj_dxjb), bitmap = PropObject(field, Kj_wtjb);
  ASSERT_NE(GetObjectType(brush), 0u);
  DestroyWindow(dropDown);
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

}  // namespace
