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

constexpr int kRedRef = 0x0000FF, kGreenRef = 0x00FF00;  // COLORREF
constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00;  // DIB pixels

// A skinned window whose frameDC holds FramePixel, with a push button on
// it and a group box (container) holding a radio button, a plain panel
// with a button in it, and a second group box.
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
    inner = CreateChildWindow(group, "Button", 10, 120, 150, 30, BS_GROUPBOX);
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
  void ExpectFramePiece(const PixelCanvas& p, int originX, int originY, std::uint32_t fill = 0,
                        int alpha = 0) {
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        std::uint32_t expected = FramePixel(originX + x, originY + y);
        if (alpha > 0) expected = Blend(expected, fill, alpha);
        ASSERT_TRUE(NearRgb(p.Rgb(x, y), expected, alpha > 0 ? 3 : 0))
            << "pixel " << x << "," << y << ": " << std::hex << p.Rgb(x, y) << " expected " << expected;
      }
    }
  }

  std::unique_ptr<TestWindow> frame;
  int record = 0, groupIndex = 0;
  HWND button = nullptr, group = nullptr, radio = nullptr, panel = nullptr, deepButton = nullptr,
       inner = nullptr;
};

}  // namespace

TEST_F(ComposeTest, ControlsOnTheWindowGetTheFrameBehindThem) {
  ExpectFramePiece(*Compose(button, RECT{0, 0, 60, 25}), 20, 30);
  ExpectFramePiece(*Compose(button, RECT{5, 3, 25, 13}), 25, 33);  // rc not at 0, 0
  ExpectFramePiece(*Compose(frame->get(), RECT{0, 0, 320, 240}), 0, 0);
  // A zero-width rectangle still gives a DC that is released like any other.
  HDC empty = ComposeControlBackground(button, RECT{0, 0, 0, 25});
  EXPECT_TRUE(IsRememberedMemoryDc(empty));
  EXPECT_TRUE(ReleaseMemoryDc(empty));
}

TEST_F(ComposeTest, ChildAndGrandchildOfAGroupWithAndWithoutFill) {
  ExpectFramePiece(*Compose(radio, RECT{0, 0, 80, 20}), 110, 40);
  ExpectFramePiece(*Compose(deepButton, RECT{0, 0, 40, 20}), 115, 75);

  Group().fillColour = kRedRef;
  Group().fillAlpha = 128;
  auto tinted = Compose(radio, RECT{0, 0, 80, 20});
  ExpectFramePiece(*tinted, 110, 40, kRed, 128);
  SaveCanvasPng(*tinted, "paint_radio_tinted.png");
  ExpectFramePiece(*Compose(deepButton, RECT{0, 0, 40, 20}), 115, 75, kRed, 128);
  Group().fillAlpha = 0x100 + 64;  // low byte only
  ExpectFramePiece(*Compose(radio, RECT{0, 0, 80, 20}), 110, 40, kRed, 64);

  Group().drawFrame = 0;  // a container that draws no frame lends no fill
  ExpectFramePiece(*Compose(radio, RECT{0, 0, 80, 20}), 110, 40);
}

TEST_F(ComposeTest, FilledGroupBoxOnTheWindowFillsOnlyItsRoundedBox) {
  Group().fillColour = kGreenRef;
  auto p = Compose(group, RECT{0, 0, 180, 160});
  SaveCanvasPng(*p, "paint_group_fill.png");
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 180; x += 7) ASSERT_EQ(p->Rgb(x, y), FramePixel(100 + x, 20 + y)) << x << "," << y;
  }
  for (const POINT& in : {POINT{90, 8}, POINT{2, 80}, POINT{177, 80}, POINT{90, 152}})
    EXPECT_EQ(p->Rgb(in.x, in.y), kGreen) << in.x << "," << in.y;
  for (const POINT& out : {POINT{0, 5}, POINT{179, 5}, POINT{0, 158}, POINT{179, 158}, POINT{90, 159}})
    EXPECT_EQ(p->Rgb(out.x, out.y), FramePixel(100 + out.x, 20 + out.y)) << out.x << "," << out.y;
}

TEST_F(ComposeTest, NestedContainersUseTheirOwnAndTheOuterColours) {
  AddContainer(record, inner, 1, kGreenRef);
  Group().fillColour = kRedRef;
  auto p = Compose(inner, RECT{0, 0, 150, 30});
  SaveCanvasPng(*p, "paint_nested_group.png");
  EXPECT_EQ(p->Rgb(75, 2), kRed);  // around the box: the outer colour
  EXPECT_EQ(p->Rgb(0, 5), kRed);
  EXPECT_EQ(p->Rgb(75, 29), kRed);
  EXPECT_EQ(p->Rgb(75, 15), kGreen);

  Group().fillColour = 0;  // no outer fill: the background around the box
  auto plain = Compose(inner, RECT{0, 0, 150, 30});
  EXPECT_EQ(plain->Rgb(75, 2), FramePixel(185, 142));
  EXPECT_EQ(plain->Rgb(75, 15), kGreen);

  // A plain nested container is filled as a rectangle, and lends its colour
  // to the controls inside it.
  AddContainer(record, panel, 0, kGreenRef);
  ExpectFramePiece(*Compose(panel, RECT{0, 0, 120, 60}), 110, 70, kGreen, 255);
  ExpectFramePiece(*Compose(deepButton, RECT{0, 0, 40, 20}), 115, 75, kGreen, 255);
}

TEST_F(ComposeTest, OwnerLookupsStopAtTheFirstRegisteredWindow) {
  EXPECT_EQ(FindBackgroundOwner(frame->get()).kind, BackgroundOwnerKind::Top);
  EXPECT_EQ(FindBackgroundOwner(button).kind, BackgroundOwnerKind::Top);
  EXPECT_EQ(FindBackgroundOwner(group).kind, BackgroundOwnerKind::Top);  // itself not a container here
  const BackgroundOwner deep = FindBackgroundOwner(deepButton);
  EXPECT_EQ(deep.kind, BackgroundOwnerKind::Container);
  EXPECT_EQ(deep.recordIndex, record);
  EXPECT_EQ(deep.containerIndex, groupIndex);
  auto lonely = CreatePopup(0, 0, 20, 20);
  EXPECT_EQ(FindBackgroundOwner(lonely->get()).kind, BackgroundOwnerKind::None);

  EXPECT_EQ(FindFramedAncestorContainer(record, deepButton, nullptr), groupIndex);
  EXPECT_EQ(FindFramedAncestorContainer(record, deepButton, panel), 0);  // stop window
  EXPECT_EQ(FindFramedAncestorContainer(record, group, nullptr), 0);     // itself not tried
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
  RECT first = {};
  SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  ASSERT_EQ(first.bottom - first.top, 20);
  RECT page = TabPageRect(tab);
  EXPECT_EQ(page.bottom, 79);
  EXPECT_EQ(page.right, 200);

  AddContainer(record, tab, 2, kGreenRef);
  auto p = Compose(tab, RECT{0, 0, 200, 100});
  SaveCanvasPng(*p, "paint_tab_fill.png");
  EXPECT_EQ(p->Rgb(100, 2), kGreen);
  EXPECT_EQ(p->Rgb(2, 40), kGreen);
  EXPECT_EQ(p->Rgb(100, 90), FramePixel(110, 190));  // the tab row keeps the background
  EXPECT_EQ(p->Rgb(0, 0), FramePixel(10, 100));      // rounded corner

  SetWindowLongA(tab, GWL_STYLE, GetWindowLongA(tab, GWL_STYLE) & ~TCS_BOTTOM);  // tabs on top
  page = TabPageRect(tab);
  EXPECT_EQ(page.top, 21);
  EXPECT_EQ(page.bottom, 100);
  SetWindowLongA(tab, GWL_STYLE, GetWindowLongA(tab, GWL_STYLE) | TCS_VERTICAL | TCS_RIGHT);
  SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  page = TabPageRect(tab);
  EXPECT_EQ(page.right, 200 - (first.right - first.left) - 1);
  EXPECT_EQ(page.bottom, 100);
}
