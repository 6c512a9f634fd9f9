// Background composition: the right piece of a known frame picture for
// controls at every depth, with and without container fills.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "graphics/paint/background_owner.h"
#include "graphics/paint/control_background.h"
#include "graphics/paint/memory_dc_table.h"
#include "paint_test_support.h"

namespace {

constexpr int kRedRef = 0x0000FF, kGreenRef = 0x00FF00;      // COLORREF
constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00;  // DIB pixels

// A skinned window whose frameDC holds FramePixel, with a push button on
// it and a group box (container) holding a radio button and a plain panel
// with a button in it.
class ComposeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPaintState();
    frame = CreatePopup(40, 40, 320, 240);
    record = AddWindowRecord(frame->get());
    WindowRecordAt(record)->frameDC.reset(CreateFrameDc(320, 240));
    button = CreateChildWindow(frame->get(), "Button", 20, 30, 60, 25);
    group = CreateChildWindow(frame->get(), "Button", 100, 20, 180, 160, BS_GROUPBOX);
    radio = CreateChildWindow(group, "Button", 10, 20, 80, 20, BS_AUTORADIOBUTTON);
    panel = CreateChildWindow(group, "Static", 10, 50, 120, 60);
    deepButton = CreateChildWindow(panel, "Button", 5, 5, 40, 20);
    groupIndex = AddContainer(record, group, 1);
  }
  void TearDown() override {
    EXPECT_EQ(MemoryDcCount(), 0) << "a composed DC stayed in the table";
    ResetPaintState();
  }

  ContainerRecord& Group() { return *WindowRecordAt(record)->containers[groupIndex - 1]; }

  std::unique_ptr<PixelCanvas> Compose(HWND window, RECT rc) {
    HDC dc = ComposeControlBackground(window, rc);
    EXPECT_TRUE(IsRememberedMemoryDc(dc));
    auto pixels = ReadPixels(dc, rc.right - rc.left, rc.bottom - rc.top);
    EXPECT_TRUE(ReleaseMemoryDc(dc));
    return pixels;
  }

  // Every pixel is the frame at (originX + x, originY + y), with fill laid
  // over it at alpha when alpha > 0.
  void ExpectFramePiece(const PixelCanvas& p, int originX, int originY, std::uint32_t fill = 0, int alpha = 0) {
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        std::uint32_t expected = FramePixel(originX + x, originY + y);
        if (alpha > 0) expected = Blend(expected, fill, alpha);
        ASSERT_TRUE(NearRgb(p.Rgb(x, y), expected, alpha > 0 ? 3 : 0))
            << "pixel " << x << "," << y << ": " << std::hex << p.Rgb(x, y) << " expected " << expected;
      }
  }

  std::unique_ptr<TestWindow> frame;
  int record = 0, groupIndex = 0;
  HWND button = nullptr, group = nullptr, radio = nullptr, panel = nullptr, deepButton = nullptr;
};

}  // namespace

TEST_F(ComposeTest, ChildAndGrandchildGetTheFrameBehindThemWithAndWithoutFill) {
  ExpectFramePiece(*Compose(button, RECT{5, 3, 25, 13}), 25, 33);  // rc not at 0, 0
  ExpectFramePiece(*Compose(radio, RECT{0, 0, 80, 20}), 110, 40);
  ExpectFramePiece(*Compose(deepButton, RECT{0, 0, 40, 20}), 115, 75);

  Group().fillColour = kRedRef;
  Group().fillAlpha = 128;
  ExpectFramePiece(*Compose(radio, RECT{0, 0, 80, 20}), 110, 40, kRed, 128);
  ExpectFramePiece(*Compose(deepButton, RECT{0, 0, 40, 20}), 115, 75, kRed, 128);
  Group().fillAlpha = 0x100 + 64;  // low byte only
  ExpectFramePiece(*Compose(radio, RECT{0, 0, 80, 20}), 110, 40, kRed, 64);
  Group().drawFrame = false;  // a container that draws no frame lends no fill
  ExpectFramePiece(*Compose(radio, RECT{0, 0, 80, 20}), 110, 40);

  // A plain nested container is filled as a rectangle and lends its colour.
  AddContainer(record, panel, 0, kGreenRef);
  ExpectFramePiece(*Compose(deepButton, RECT{0, 0, 40, 20}), 115, 75, kGreen, 255);
}

TEST_F(ComposeTest, FilledGroupBoxOnTheWindowFillsOnlyItsRoundedBox) {
  Group().fillColour = kGreenRef;
  auto p = Compose(group, RECT{0, 0, 180, 160});
  for (int x = 0; x < 180; x += 7) ASSERT_EQ(p->Rgb(x, 2), FramePixel(100 + x, 22)) << x;
  for (const POINT& in : {POINT{90, 8}, POINT{2, 80}, POINT{177, 80}, POINT{90, 152}})
    EXPECT_EQ(p->Rgb(in.x, in.y), kGreen) << in.x << "," << in.y;
  for (const POINT& out : {POINT{0, 5}, POINT{179, 158}, POINT{90, 159}})
    EXPECT_EQ(p->Rgb(out.x, out.y), FramePixel(100 + out.x, 20 + out.y)) << out.x << "," << out.y;
}

TEST_F(ComposeTest, OwnerLookupsStopAtTheFirstRegisteredWindow) {
  EXPECT_EQ(FindBackgroundOwner(group).kind, BackgroundOwnerKind::Top);  // itself not a container here
  const BackgroundOwner deep = FindBackgroundOwner(deepButton);
  EXPECT_EQ(deep.kind, BackgroundOwnerKind::Container);
  EXPECT_EQ(deep.containerIndex, groupIndex);
  auto lonely = CreatePopup(0, 0, 20, 20);
  EXPECT_EQ(FindBackgroundOwner(lonely->get()).kind, BackgroundOwnerKind::None);
  EXPECT_EQ(FindFramedAncestorContainer(record, deepButton, panel), 0);  // stop window
}

TEST_F(ComposeTest, TabControlPageAndFill) {
  // One row of 20-pixel tabs at the bottom of a 200 x 100 client area.
  HWND tab = CreateChildWindow(frame->get(), WC_TABCONTROLA, 10, 100, 200, 100, TCS_BOTTOM | TCS_FIXEDWIDTH);
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  char text[] = "page";
  item.pszText = text;
  SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  SendMessageA(tab, TCM_SETITEMSIZE, 0, MAKELPARAM(60, 20));
  EXPECT_EQ(TabPageRect(tab).bottom, 79);
  AddContainer(record, tab, 2, kGreenRef);
  auto p = Compose(tab, RECT{0, 0, 200, 100});
  EXPECT_EQ(p->Rgb(100, 2), kGreen);
  EXPECT_EQ(p->Rgb(100, 90), FramePixel(110, 190));  // the tab row keeps the background
  EXPECT_EQ(p->Rgb(0, 0), FramePixel(10, 100));      // rounded corner
}

// A group box inside a filled container: around its rounded box it shows
// the outer container's colour, inside only its own fill over the frame.
TEST_F(ComposeTest, NestedGroupBoxTakesTheOuterColourAroundItsBox) {
  HWND inner = CreateChildWindow(group, "Button", 20, 100, 120, 50, BS_GROUPBOX);
  const int innerIndex = AddContainer(record, inner, 1, kGreenRef, 128);
  Group().fillColour = kRedRef;
  auto p = Compose(inner, RECT{0, 0, 120, 50});
  // Frame behind the inner box: window (120, 120) + (x, y).
  for (const POINT& out : {POINT{60, 2}, POINT{0, 5}, POINT{119, 48}, POINT{60, 49}})
    EXPECT_EQ(p->Rgb(out.x, out.y), kRed) << out.x << "," << out.y;
  for (const POINT& in : {POINT{60, 25}, POINT{3, 10}, POINT{116, 45}})
    EXPECT_TRUE(NearRgb(p->Rgb(in.x, in.y), Blend(FramePixel(120 + in.x, 120 + in.y), kGreen, 128), 3))
        << in.x << "," << in.y << ": " << std::hex << p->Rgb(in.x, in.y);

  // An outer container without a fill leaves the frame around the box.
  Group().fillColour = 0;
  p = Compose(inner, RECT{0, 0, 120, 50});
  EXPECT_EQ(p->Rgb(60, 2), FramePixel(180, 122));
  EXPECT_EQ(p->Rgb(0, 5), FramePixel(120, 125));
  // Not a group box: the whole rectangle is the inner fill, nothing of the outer colour.
  Group().fillColour = kRedRef;
  WindowRecordAt(record)->containers[innerIndex - 1]->frameStyle = kFrameStyleOther;
  p = Compose(inner, RECT{0, 0, 120, 50});
  EXPECT_TRUE(NearRgb(p->Rgb(60, 2), Blend(FramePixel(180, 122), kGreen, 128), 3));
}

// No pixels to paint: the DC still comes back from the table and goes back
// into it like any other, fills and all.
TEST_F(ComposeTest, ZeroWidthRectangleGivesAReleasableDc) {
  Group().fillColour = kRedRef;
  for (HWND window : {button, radio, group}) {
    HDC dc = ComposeControlBackground(window, RECT{0, 0, 0, 20});
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(IsRememberedMemoryDc(dc));
    EXPECT_TRUE(ReleaseMemoryDc(dc));
    EXPECT_FALSE(ReleaseMemoryDc(dc));
  }
  EXPECT_EQ(MemoryDcCount(), 0);
}
