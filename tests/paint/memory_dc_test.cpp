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

TEST(DibSection, ThirtyTwoBitBottomUp) {
  HBITMAP dib = CreateDib32(37, 21);
  ASSERT_NE(dib, nullptr);
  DIBSECTION section = {};
  ASSERT_EQ(GetObjectA(dib, sizeof(section), &section), static_cast<int>(sizeof(section)));
  EXPECT_EQ(section.dsBm.bmWidth, 37);
  EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
  EXPECT_EQ(section.dsBmih.biHeight, 21);  // positive: bottom-up
  EXPECT_EQ(section.dsBmih.biCompression, static_cast<DWORD>(BI_RGB));
  DeleteObject(dib);
  EXPECT_EQ(CreateDib32(0, 10), nullptr);
}

TEST_F(MemoryDcTableTest, ReleaseSelectsBackDeletesAndIsHarmlessTwice) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP first = CreateDib32(8, 8), second = CreateDib32(8, 8);
  SelectObject(dc, first);
  SelectObject(dc, second);
  RememberMemoryDc(dc, second, first);
  RememberMemoryDc(dc, second, first);  // again: the entry is overwritten, not doubled
  EXPECT_EQ(MemoryDcCount(), 1);

  EXPECT_TRUE(ReleaseMemoryDc(dc));
  EXPECT_FALSE(IsLive(dc));
  EXPECT_FALSE(IsLive(second));  // the bitmap that came out
  EXPECT_TRUE(IsLive(first));    // the previous object went back in
  DeleteObject(first);
  EXPECT_FALSE(ReleaseMemoryDc(dc));
  EXPECT_FALSE(ReleaseMemoryDc(nullptr));
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

TEST_F(MemoryDcTableTest, ThousandCompositionsLeakNothing) {
  auto frame = CreatePopup(30, 30, 200, 150);
  const int w = AddWindowRecord(frame->get());
  WindowRecordAt(w)->frameDC.reset(CreateFrameDc(200, 150));
  HWND group = CreateChildWindow(frame->get(), "Button", 20, 20, 150, 100, BS_GROUPBOX);
  HWND radio = CreateChildWindow(group, "Button", 10, 20, 80, 20, BS_AUTORADIOBUTTON);
  AddContainer(w, group, 1, 0x00FF00, 90);  // fills make GDI+ work on every pass
  auto stranger = CreatePopup(300, 30, 60, 60);
  HWND strangerChild = CreateChildWindow(stranger->get(), "Button", 0, 0, 20, 20);
  ReleaseMemoryDc(ComposeControlBackground(group, RECT{0, 0, 150, 100}));  // warm-up

  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  int freed = 0;
  for (int i = 0; i < 1000; ++i) {
    const bool even = i % 2 == 0;
    HDC dc = ComposeControlBackground(even ? radio : group, even ? RECT{0, 0, 80, 20} : RECT{0, 0, 150, 100});
    ASSERT_NE(dc, nullptr);
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    ASSERT_TRUE(ReleaseMemoryDc(dc));
    if (!IsLive(dc) && !IsLive(bitmap)) ++freed;
    // No skinned ancestor: 0, and nothing stays in the table.
    ASSERT_EQ(ComposeControlBackground(strangerChild, RECT{0, 0, 20, 20}), nullptr);
    ASSERT_EQ(ComposeControlBackground(stranger->get(), RECT{0, 0, 60, 60}), nullptr);
    ASSERT_EQ(MemoryDcCount(), 0);
  }
  EXPECT_EQ(freed, 1000);
  const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (before != 0) {
    EXPECT_LE(after, before + 2);
  } else {
    // Wine does not implement GetGuiResources (it answers 0); the handle
    // checks above carry the test there.
    std::printf("GetGuiResources answers 0 here: checked by handle state\n");
  }
}
