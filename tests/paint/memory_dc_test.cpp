// DIB sections and the memory-DC table.
#include <gtest/gtest.h>

#include "graphics/paint/control_background.h"
#include "graphics/paint/dib_section.h"
#include "graphics/paint/memory_dc_table.h"
#include "paint_test_support.h"

namespace {

bool IsLive(HGDIOBJ handle) { return handle != nullptr && GetObjectType(handle) != 0; }

class MemoryDcTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetPaintState(); }
  void TearDown() override { ResetPaintState(); }
};

}  // namespace

TEST_F(MemoryDcTableTest, ReleaseSelectsBackDeletesAndIsHarmlessTwice) {
  HBITMAP first = CreateDib32(8, 8), second = CreateDib32(8, 8);
  DIBSECTION section = {};
  ASSERT_EQ(GetObjectA(second, sizeof(section), &section), static_cast<int>(sizeof(section)));
  EXPECT_EQ(section.dsBmih.biHeight * section.dsBm.bmBitsPixel, 8 * 32);  // bottom-up, 32 bpp
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, first);
  SelectObject(dc, second);
  RememberMemoryDc(dc, second, first);
  RememberMemoryDc(dc, second, first);  // again: overwritten, not doubled
  EXPECT_EQ(MemoryDcCount(), 1);
  EXPECT_TRUE(ReleaseMemoryDc(dc));
  EXPECT_FALSE(IsLive(dc));
  EXPECT_FALSE(IsLive(second));  // the bitmap that came out
  EXPECT_TRUE(IsLive(first));    // the previous object went back in
  DeleteObject(first);
  EXPECT_FALSE(ReleaseMemoryDc(dc));
  HDC stranger = CreateCompatibleDC(nullptr);
  EXPECT_FALSE(ReleaseMemoryDc(stranger));
  EXPECT_TRUE(IsLive(stranger));  // not ours: left alone
  DeleteDC(stranger);
  EXPECT_EQ(MemoryDcCount(), 0);
}

TEST_F(MemoryDcTableTest, RecordsAndTheExitRoutineReleaseThroughTheTable) {
  auto frame = CreatePopup(10, 10, 50, 50);
  const int w = AddWindowRecord(frame->get());
  HDC copy = CreateRememberedMemoryDc(50, 50);
  HGDIOBJ copyBitmap = GetCurrentObject(copy, OBJ_BITMAP);
  WindowRecordAt(w)->frameCopy.reset(copy);
  HDC forgotten = CreateRememberedMemoryDc(10, 10);
  EXPECT_EQ(MemoryDcCount(), 2);
  WindowRecordAt(w)->frameCopy.reset();
  EXPECT_EQ(MemoryDcCount(), 1);
  EXPECT_FALSE(IsLive(copy));
  EXPECT_FALSE(IsLive(copyBitmap));
  ReleaseSkinState();
  EXPECT_EQ(MemoryDcCount(), 0);
  EXPECT_FALSE(IsLive(forgotten));
}

// Wine answers 0 to GetGuiResources, so every composed DC and its bitmap
// are checked to be gone after release instead of counting GDI objects.
TEST_F(MemoryDcTableTest, ThousandCompositionsLeakNothing) {
  auto frame = CreatePopup(30, 30, 200, 150);
  const int w = AddWindowRecord(frame->get());
  WindowRecordAt(w)->frameDC.reset(CreateFrameDc(200, 150));
  HWND group = CreateChildWindow(frame->get(), "Button", 20, 20, 150, 100, BS_GROUPBOX);
  HWND radio = CreateChildWindow(group, "Button", 10, 20, 80, 20, BS_AUTORADIOBUTTON);
  AddContainer(w, group, 1, 0x00FF00, 90);  // fills make GDI+ work on every pass
  auto stranger = CreatePopup(300, 30, 60, 60);
  HWND strangerChild = CreateChildWindow(stranger->get(), "Button", 0, 0, 20, 20);
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  int freed = 0;
  for (int i = 0; i < 1000; ++i) {
    HDC dc = ComposeControlBackground(i % 2 ? group : radio, RECT{0, 0, 80, 20});
    ASSERT_NE(dc, nullptr);
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    ASSERT_TRUE(ReleaseMemoryDc(dc));
    freed += !IsLive(dc) && !IsLive(bitmap);
    // No skinned ancestor: 0, and nothing stays in the table.
    ASSERT_EQ(ComposeControlBackground(strangerChild, RECT{0, 0, 20, 20}), nullptr);
    ASSERT_EQ(MemoryDcCount(), 0);
  }
  EXPECT_EQ(freed, 1000);
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
}
