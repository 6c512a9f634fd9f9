// Window geometry, child clipping, presentation into the composite DC and
// child invalidation, on real windows.
#include <gtest/gtest.h>

#include "graphics/paint/child_invalidation.h"
#include "graphics/paint/clipping.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/window_geometry.h"
#include "paint_test_support.h"

namespace {

constexpr std::uint32_t kBlank = 0x102030, kPaint = 0xE0C0A0;

bool SameRect(const RECT& r, int left, int top, int right, int bottom) {
  return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}

// Paints all of dc that its clip lets through; the canvas then shows what
// was excluded (still kBlank).
void PaintThrough(HDC dc) {
  HBRUSH brush = CreateSolidBrush(RGB(0xE0, 0xC0, 0xA0));
  RECT all = {0, 0, 1000, 1000};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  GdiFlush();
}

class GeometryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPaintState();
    frame = CreatePopup(100, 200, 300, 200);
    record = AddWindowRecord(frame->get());
    WindowRecordAt(record)->lastClientWidth = 300;
    WindowRecordAt(record)->lastClientHeight = 150;
    group = CreateChildWindow(frame->get(), "Button", 50, 40, 200, 120, BS_GROUPBOX);
    groupChild = CreateChildWindow(group, "Button", 10, 20, 40, 20);
  }
  void TearDown() override { ResetPaintState(); }

  std::unique_ptr<TestWindow> frame;
  int record = 0;
  HWND group = nullptr, groupChild = nullptr;
};

}  // namespace

TEST(RectArithmetic, CentringFloorsAndChildRectsAreCut) {
  EXPECT_TRUE(SameRect(CentredBox(100, 50, 96, 46), 2, 2, 98, 48));
  EXPECT_TRUE(SameRect(CentredBox(101, 50, 96, 46), 2, 2, 98, 48));   // floor(5 / 2)
  EXPECT_TRUE(SameRect(CentredBox(10, 10, 13, 14), -2, -2, 11, 12));  // floor(-3 / 2)
  EXPECT_TRUE(SameRect(ClampChildRect(RECT{-5, -6, 50, 60}, false, 0, 0), 0, 0, 50, 60));
  EXPECT_TRUE(SameRect(ClampChildRect(RECT{10, 20, 500, 600}, true, 300, 200), 10, 20, 300, 200));
  EXPECT_TRUE(SameRect(ClampChildRect(RECT{310, 220, 400, 300}, true, 300, 200), 310, 220, 310, 220));
}

TEST_F(GeometryTest, WhereWindowsAndClientAreasLie) {
  HWND edit = CreateChildWindow(frame->get(), "Edit", 10, 20, 100, 50, ES_MULTILINE | WS_VSCROLL,
                                WS_EX_CLIENTEDGE);
  RECT client = {};
  GetClientRect(edit, &client);
  ASSERT_EQ(client.bottom, 46);  // 2-pixel borders
  ASSERT_LT(client.right, 96);   // and a vertical scroll bar
  EXPECT_TRUE(SameRect(ClientBoxInWindow(edit), 2, 2, 98, 48));
  EXPECT_TRUE(SameRect(ClientBoxInSkinnedWindow(edit), 12, 22, 108, 68));
  HWND plain = CreateChildWindow(frame->get(), "Static", 10, 20, 100, 50);
  EXPECT_TRUE(SameRect(ClientBoxInSkinnedWindow(plain), 10, 20, 110, 70));

  EXPECT_TRUE(SameRect(WindowRectInSkinnedWindow(groupChild), 60, 60, 100, 80));
  EXPECT_TRUE(SameRect(WindowRectRelativeTo(group, groupChild), 10, 20, 50, 40));
  EXPECT_TRUE(SameRect(RectInParentClient(groupChild), 10, 20, 50, 40));
  EXPECT_TRUE(SameRect(RectInParentClient(frame->get()), 0, 0, 0, 0));
  EXPECT_TRUE(IsTransparentWindow(CreateChildWindow(group, "Static", 0, 0, 5, 5, 0, WS_EX_TRANSPARENT)));
  EXPECT_FALSE(IsTransparentWindow(groupChild));
}

TEST_F(GeometryTest, DcWithoutChildrenCutsAtTheKnownBounds) {
  CreateChildWindow(frame->get(), "Static", 20, 120, 20, 60);  // past the last client height
  HWND hidden = CreateChildWindow(frame->get(), "Static", 260, 10, 30, 30);
  ShowWindow(hidden, SW_HIDE);
  CreateChildWindow(frame->get(), "Static", 260, 100, 30, 30, 0, WS_EX_TRANSPARENT);
  PixelCanvas canvas(300, 200, kBlank);
  EXPECT_EQ(GetDcWithoutChildren(frame->get(), canvas.dc, true), canvas.dc);
  PaintThrough(canvas.dc);
  EXPECT_EQ(canvas.Rgb(30, 130), kBlank);  // excluded up to the bound
  EXPECT_EQ(canvas.Rgb(30, 160), kPaint);  // cut at lastClientHeight
  EXPECT_EQ(canvas.Rgb(60, 50), kBlank);   // the group box
  EXPECT_EQ(canvas.Rgb(270, 20), kPaint);  // hidden
  EXPECT_EQ(canvas.Rgb(270, 110), kPaint);  // transparent

  // A container is cut at its recorded size.
  CreateChildWindow(group, "Button", -10, 100, 50, 40);
  AddContainer(record, group, 1);
  WindowRecordAt(record)->containers[0]->height = 110;
  PixelCanvas inGroup(200, 120, kBlank);
  GetDcWithoutChildren(group, inGroup.dc, true);
  PaintThrough(inGroup.dc);
  EXPECT_EQ(inGroup.Rgb(15, 25), kBlank);
  EXPECT_EQ(inGroup.Rgb(0, 105), kBlank);
  EXPECT_EQ(inGroup.Rgb(0, 115), kPaint);

  // A skinned control that is no container keeps its whole area; an
  // unskinned window is not clamped.
  SetPropInt(groupChild, Hw_FuID, record);
  CreateChildWindow(groupChild, "Static", 5, 5, 10, 10);
  PixelCanvas control(40, 20, kBlank);
  GetDcWithoutChildren(groupChild, control.dc, true);
  PaintThrough(control.dc);
  EXPECT_EQ(control.Rgb(8, 8), kPaint);
  SetPropInt(groupChild, Hw_FuID, 0);
  PixelCanvas unskinned(40, 20, kBlank);
  GetDcWithoutChildren(groupChild, unskinned.dc, true);
  PaintThrough(unskinned.dc);
  EXPECT_EQ(unskinned.Rgb(8, 8), kBlank);
}

TEST_F(GeometryTest, OtherExclusions) {
  HWND skinned = CreateChildWindow(group, "Static", 60, 20, 30, 20);
  SetPropInt(skinned, Hw_FuID, record);
  CreateChildWindow(group, "Static", 110, 20, 30, 20, 0, WS_EX_TRANSPARENT);
  PixelCanvas unskinnedOnly(200, 120, kBlank);
  GetDcWithoutUnskinnedChildren(group, unskinnedOnly.dc, true);
  PaintThrough(unskinnedOnly.dc);
  EXPECT_EQ(unskinnedOnly.Rgb(15, 25), kBlank);
  EXPECT_EQ(unskinnedOnly.Rgb(65, 25), kPaint);   // skinned: painted over
  EXPECT_EQ(unskinnedOnly.Rgb(115, 25), kBlank);  // transparent but unskinned: kept out

  PixelCanvas composite(300, 200, kBlank);  // skinned-window coordinates
  ExcludeVisibleChildren(group, composite.dc);
  PaintThrough(composite.dc);
  EXPECT_EQ(composite.Rgb(65, 65), kBlank);
  EXPECT_EQ(composite.Rgb(165, 65), kPaint);  // transparent: not excluded
}

TEST_F(GeometryTest, PresentToCompositeAndRepaintFromIt) {
  HDC composite = CreateFrameDc(300, 200);
  RememberMemoryDc(composite, static_cast<HBITMAP>(GetCurrentObject(composite, OBJ_BITMAP)), nullptr);
  WindowRecordAt(record)->frameCopy.reset(composite);
  SetPropInt(group, Hw_FuID, record);
  PixelCanvas source(200, 120, kPaint);

  EXPECT_TRUE(PresentToComposite(group, source.dc, false, true));
  auto after = ReadPixels(composite, 300, 200);
  EXPECT_EQ(after->Rgb(50, 40), kPaint);
  EXPECT_EQ(after->Rgb(249, 159), kPaint);
  EXPECT_EQ(after->Rgb(49, 40), FramePixel(49, 40));
  EXPECT_EQ(after->Rgb(65, 65), FramePixel(65, 65));  // the visible child stays out
  HRGN clip = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(composite, clip), 0);  // clip reset
  DeleteObject(clip);

  HWND bar = CreateChildWindow(frame->get(), "Static", 0, 170, 40, 20);  // a toolbar: Kj_FuID
  SetPropInt(bar, Kj_FuID, record);
  EXPECT_FALSE(PresentToComposite(bar, source.dc, false, true));
  EXPECT_TRUE(PresentToComposite(bar, source.dc, true, false));
  EXPECT_EQ(ReadPixels(composite, 300, 200)->Rgb(20, 180), kPaint);

  // Out again: the client box of the group from the composite, its child kept out.
  PixelCanvas target(200, 120, kBlank);
  BitBlt(composite, 0, 0, 300, 200, nullptr, 0, 0, WHITENESS);
  AddContainer(record, group, 1);
  EXPECT_TRUE(RepaintFromComposite(group, false, false, target.dc));
  GdiFlush();
  EXPECT_EQ(target.Rgb(0, 0), 0xFFFFFFu);
  EXPECT_EQ(target.Rgb(199, 119), 0xFFFFFFu);
  EXPECT_EQ(target.Rgb(15, 25), kBlank);
  EXPECT_TRUE(RepaintFromComposite(group, false, true));  // onto the screen
  EXPECT_FALSE(RepaintFromComposite(CreateChildWindow(frame->get(), "Static", 0, 0, 5, 5), false, false));
}

TEST_F(GeometryTest, InvalidateVisibleChildrenMarksOnlyVisibleOnes) {
  HWND hidden = CreateChildWindow(frame->get(), "Static", 0, 0, 20, 20);
  ShowWindow(hidden, SW_HIDE);
  for (HWND w : {group, hidden}) ValidateRect(w, nullptr);
  InvalidateVisibleChildren(frame->get());
  EXPECT_TRUE(GetUpdateRect(group, nullptr, FALSE));
  EXPECT_FALSE(GetUpdateRect(hidden, nullptr, FALSE));
}
