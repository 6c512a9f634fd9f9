// GDI object balance of the edit box skin: hover, leave and paint cycles
// create and release the same objects; every WM_CTLCOLOR* brush and bitmap
// handed out is gone once replaced or once the box is destroyed.
//
// Wine's GetGuiResources always answers 0, so objects are counted by
// probing the GDI handle table (LiveGdiObjectCount), and the handles the
// skin hands out are checked one by one with GetObjectType.
#include <set>

#include "graphics/paint/memory_dc_table.h"
#include "tests/control_edit/edit_fixture.h"

namespace {

using EditResources = EditFixture;

HGDIOBJ PropObject(HWND window, const char* name) {
  return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(GetPropInt(window, name)));
}

TEST_F(EditResources, ThousandHoverLeavePaintCyclesLeakNoGdiObject) {
  HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 30, 240, 180,
                      NumberedLines(60, 60).c_str());
  HWND single = AddEdit(kSingleLineStyle | WS_BORDER, 0, 30, 240, 200, 24, "abc");
  Install();
  std::set<HGDIOBJ> handedOut;
  auto cycle = [&](HWND box) {
    SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(8, 8));
    SendMessageA(box, WM_MOUSELEAVE, 0, 0);
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    SendMessageA(box, WM_NCPAINT, 1, 0);
    handedOut.insert(PropObject(box, Kj_dxjb));
    handedOut.insert(PropObject(box, Kj_wtjb));
  };
  for (int i = 0; i < 20; ++i) {  // warm-up: caches the system fills lazily
    cycle(edit);
    cycle(single);
  }
  PumpMessages();
  const int objects = LiveGdiObjectCount();
  const int memoryDcs = MemoryDcCount();
  for (int i = 0; i < 1000; ++i) {
    cycle(i % 2 == 0 ? edit : single);
    if (i % 50 == 0) PumpMessages();
  }
  PumpMessages();
  EXPECT_EQ(LiveGdiObjectCount(), objects);
  EXPECT_EQ(MemoryDcCount(), memoryDcs);

  // Of all the brushes and bitmaps handed out only the boxes' current ones live.
  handedOut.erase(nullptr);
  const std::set<HGDIOBJ> current = {PropObject(edit, Kj_dxjb), PropObject(edit, Kj_wtjb),
                                     PropObject(single, Kj_dxjb), PropObject(single, Kj_wtjb)};
  EXPECT_GT(handedOut.size(), current.size());
  int live = 0;
  for (HGDIOBJ h : handedOut) {
    if (current.count(h) == 0 && GetObjectType(h) != 0) ++live;
  }
  EXPECT_EQ(live, 0);
  DestroyWindow(edit);
  DestroyWindow(single);
  for (HGDIOBJ h : current) EXPECT_EQ(GetObjectType(h), 0u);
}

}  // namespace
