// GDI object balance of the edit box skin over hover, leave and paint
// cycles. Wine's GetGuiResources always answers 0, so objects are counted by
// probing the GDI handle table (LiveGdiObjectCount).
#include "graphics/paint/memory_dc_table.h"
#include "tests/control_edit/edit_fixture.h"

namespace {

using EditResources = EditFixture;

TEST_F(EditResources, ThousandHoverLeavePaintCyclesLeakNoGdiObject) {
  HWND edit = AddEdit(kMultiLineStyle, WS_EX_CLIENTEDGE, 30, 30, 240, 180,
                      NumberedLines(60, 60).c_str());
  HWND single = AddEdit(kSingleLineStyle | WS_BORDER, 0, 30, 240, 200, 24, "abc");
  Install();
  auto cycle = [](HWND box) {
    SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(8, 8));
    SendMessageA(box, WM_MOUSELEAVE, 0, 0);
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    SendMessageA(box, WM_NCPAINT, 1, 0);
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
}

}  // namespace
