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

namespace {

// A window class whose non-client area is one pixel wider on the left and
// three pixels taller at the top than the system makes it, so that the
// client box does not sit centred by whole pixels.
LRESULT CALLBACK LopsidedFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCALCSIZE) {
    const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    RECT* client =
        wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    client->left += 1;
    client->top += 3;
    return result;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateLopsidedChild(HWND parent, int width, int height, DWORD style) {
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = LopsidedFrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PaintTestLopsided";
    return RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return CreateChildWindow(parent, "PaintTestLopsided", 0, 0, width, height, style);
}

RECT ClientRectOf(HWND window) {
  RECT r = {};
  GetClientRect(window, &r);
  return r;
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
  if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << actual.left << ", " << actual.top << ", " << actual.right
                                       << ", " << actual.bottom << ") expected (" << expected.left << ", "
                                       << expected.top << ", " << expected.right << ", " << expected.bottom << ")";
}

}  // namespace

// The client box counts the standard scroll bars in and sits centred in
// the window rectangle, its offsets floored.
TEST_F(GeometryTest, ClientBoxTakesTheScrollBarsInAndFloorsOddMargins) {
  const int bar = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
  // 100 x 50 with 2-pixel borders and a vertical bar: the box is the client
  // area and the bar, inside the borders.
  HWND vertical =
      CreateChildWindow(frame->get(), "Edit", 0, 0, 100, 50, WS_VSCROLL | ES_MULTILINE, WS_EX_CLIENTEDGE);
  RECT client = ClientRectOf(vertical);
  ASSERT_EQ(client.right, 100 - 4 - bar);
  EXPECT_TRUE(SameRect(ClientBoxInWindow(vertical), RECT{2, 2, 98, 48}));

  HWND both = CreateChildWindow(frame->get(), "Edit", 0, 0, 101, 51, WS_VSCROLL | WS_HSCROLL | ES_MULTILINE,
                                WS_EX_CLIENTEDGE);
  client = ClientRectOf(both);
  ASSERT_EQ(client.bottom, 51 - 4 - barHeight);
  EXPECT_TRUE(SameRect(ClientBoxInWindow(both), RECT{2, 2, 99, 49}));

  // Odd margins: 1 + 0 across and 3 + 0 down with no bar; with both bars the
  // bars still count.
  HWND plain = CreateLopsidedChild(frame->get(), 40, 30, 0);
  EXPECT_TRUE(SameRect(ClientBoxInWindow(plain), RECT{0, 1, 39, 28}));
  HWND barred = CreateLopsidedChild(frame->get(), 61, 45, WS_VSCROLL | WS_HSCROLL);
  ASSERT_EQ(ClientRectOf(barred).right, 61 - 1 - bar);
  EXPECT_TRUE(SameRect(ClientBoxInWindow(barred), RECT{0, 1, 60, 43}));

  // Floored, not truncated, when the box is larger than the window.
  EXPECT_TRUE(SameRect(CentredBox(10, 10, 13, 12), RECT{-2, -1, 11, 11}));
}

// The screen DC of a window with only its unskinned children kept out:
// transparent ones too, hidden ones not, skinned ones not, and without
// the bounds GetDcWithoutChildren cuts at.
TEST_F(GeometryTest, DcWithoutUnskinnedChildrenKeepsOutOnlyUnskinnedOnes) {
  CreateChildWindow(frame->get(), "Static", 20, 120, 20, 60);  // past lastClientHeight
  HWND skinned = CreateChildWindow(frame->get(), "Static", 120, 10, 30, 30);
  SetPropInt(skinned, Hw_FuID, record);
  CreateChildWindow(frame->get(), "Static", 260, 100, 30, 30, 0, WS_EX_TRANSPARENT);
  HWND hidden = CreateChildWindow(frame->get(), "Static", 260, 10, 30, 30);
  ShowWindow(hidden, SW_HIDE);
  PixelCanvas canvas(300, 200, kBlank);
  EXPECT_EQ(GetDcWithoutUnskinnedChildren(frame->get(), canvas.dc, true), canvas.dc);
  PaintThrough(canvas.dc);
  EXPECT_EQ(canvas.Rgb(30, 130), kBlank);
  EXPECT_EQ(canvas.Rgb(30, 170), kBlank);   // not cut at lastClientHeight
  EXPECT_EQ(canvas.Rgb(60, 50), kBlank);    // the group box
  EXPECT_EQ(canvas.Rgb(130, 20), kPaint);   // skinned
  EXPECT_EQ(canvas.Rgb(270, 110), kBlank);  // transparent, still unskinned
  EXPECT_EQ(canvas.Rgb(270, 20), kPaint);   // hidden
  EXPECT_EQ(canvas.Rgb(5, 5), kPaint);
}

// Out of the composite onto the window: excluding only the unskinned
// children, the skinned ones are painted over as well; a DC handed in is
// given back and a fresh one used, so its clip plays no part.
TEST_F(GeometryTest, RepaintFromCompositeExcludesOnlyUnskinnedChildrenWhenAsked) {
  HDC composite = CreateFrameDc(300, 200);
  RememberMemoryDc(composite, static_cast<HBITMAP>(GetCurrentObject(composite, OBJ_BITMAP)), nullptr);
  WindowRecordAt(record)->frameCopy.reset(composite);
  AddContainer(record, group, 1);
  SetPropInt(groupChild, Hw_FuID, record);  // skinned
  CreateChildWindow(group, "Static", 100, 60, 30, 20);  // unskinned

  // What the group's own screen DC shows, in its client coordinates.
  const auto fillGroup = [this] {
    HDC dc = GetDC(group);
    HBRUSH brush = CreateSolidBrush(RGB(0x10, 0x20, 0x30));
    RECT all = {0, 0, 200, 120};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    GdiFlush();
    ReleaseDC(group, dc);
  };
  const auto shown = [this] {
    HDC dc = GetDC(group);
    auto pixels = std::make_unique<PixelCanvas>(200, 120);
    BitBlt(pixels->dc, 0, 0, 200, 120, dc, 0, 0, SRCCOPY);
    GdiFlush();
    ReleaseDC(group, dc);
    return pixels;
  };
  const auto composed = [](int x, int y) { return FramePixel(50 + x, 40 + y); };

  fillGroup();
  HDC given = GetDC(group);
  ExcludeClipRect(given, 0, 0, 200, 120);  // lets nothing through
  EXPECT_TRUE(RepaintFromComposite(group, false, true, given));
  auto after = shown();
  EXPECT_EQ(after->Rgb(5, 5), composed(5, 5));
  EXPECT_EQ(after->Rgb(15, 25), composed(15, 25));  // the skinned child is painted over
  EXPECT_EQ(after->Rgb(110, 65), kBlank);           // the unskinned one kept out

  // The default: every visible child kept out.
  fillGroup();
  EXPECT_TRUE(RepaintFromComposite(group, false, false, std::nullopt));
  after = shown();
  EXPECT_EQ(after->Rgb(5, 5), composed(5, 5));
  EXPECT_EQ(after->Rgb(15, 25), kBlank);
  EXPECT_EQ(after->Rgb(110, 65), kBlank);
}
