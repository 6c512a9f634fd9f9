// Window geometry, child clipping and presentation into the composite DC,
// on real windows.
#include <gtest/gtest.h>

#include "graphics/paint/child_invalidation.h"
#include "graphics/paint/clipping.h"
#include "graphics/paint/composite_present.h"
#include "graphics/paint/memory_dc_table.h"
#include "graphics/paint/window_geometry.h"
#include "paint_test_support.h"

namespace {

constexpr std::uint32_t kBlank = 0x102030, kPaint = 0xE0C0A0;

// Paints all that dc's clip lets through; what stays kBlank was excluded.
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
    WindowRecordAt(record)->lastClientHeight = 150;
    WindowRecordAt(record)->lastClientWidth = 300;
    group = CreateChildWindow(frame->get(), "Button", 50, 40, 200, 120, BS_GROUPBOX);
    groupChild = CreateChildWindow(group, "Button", 10, 20, 40, 20);
  }
  void TearDown() override { ResetPaintState(); }

  std::unique_ptr<TestWindow> frame;
  int record = 0;
  HWND group = nullptr, groupChild = nullptr;
};

}  // namespace

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
  EXPECT_EQ(canvas.Rgb(270, 20), kPaint);   // hidden
  EXPECT_EQ(canvas.Rgb(270, 110), kPaint);  // transparent
  HWND edit = CreateChildWindow(frame->get(), "Edit", 10, 20, 100, 50, 0, WS_EX_CLIENTEDGE);
  RECT box = ClientBoxInSkinnedWindow(edit), expected = {12, 22, 108, 68};  // inside 2-pixel borders
  EXPECT_TRUE(EqualRect(&box, &expected));
}

TEST_F(GeometryTest, PresentToCompositeRepaintFromItAndInvalidate) {
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

  // Out again: the group's client box from the composite, its child kept out.
  PixelCanvas target(200, 120, kBlank);
  AddContainer(record, group, 1);
  EXPECT_TRUE(RepaintFromComposite(group, false, false, target.dc));
  GdiFlush();
  EXPECT_EQ(target.Rgb(199, 119), kPaint);
  EXPECT_EQ(target.Rgb(15, 25), kBlank);

  HWND hidden = CreateChildWindow(frame->get(), "Static", 0, 0, 20, 20);
  ShowWindow(hidden, SW_HIDE);
  for (HWND w : {group, hidden}) ValidateRect(w, nullptr);
  InvalidateVisibleChildren(frame->get());
  EXPECT_TRUE(GetUpdateRect(group, nullptr, FALSE));
  EXPECT_FALSE(GetUpdateRect(hidden, nullptr, FALSE));
}
