// What containers other than group boxes look like over the host's known
// picture: a container that keeps its own painting, the generic border,
// the fill colour over the container and what lies inside it, and the tab
// control.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "container_fixture.h"

namespace {

constexpr std::uint32_t kBlackRgb = 0x000000;
constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
// AccentColour (COLORREF 0xDDCA22) as 0x00RRGGBB.
constexpr std::uint32_t kAccentRgb = 0x22CADD;

#define EXPECT_NEAR_RGB(actual, expected, tolerance)                       \
  EXPECT_TRUE(NearRgb((actual), (expected), (tolerance)))                 \
      << #actual << " = " << RgbText(actual) << ", expected " << RgbText(expected)

int Distance(std::uint32_t a, std::uint32_t b) {
  int d = 0;
  for (int shift : {16, 8, 0}) {
    d += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
  }
  return d;
}

int Brightness(std::uint32_t rgb) { return Distance(rgb, 0); }

class ContainerLookTest : public ContainerSkinTest {
 protected:
  void SetUp() override {
    ContainerSkinTest::SetUp();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    ClearPanelMessages();
  }
  HWND Tab(DWORD style, int selected) {
    HWND tab = host->AddControl(WC_TABCONTROLA, "", style, 10, 10, 300, 200);
    const char* names[] = {"一", "二二", "三三三"};
    for (int i = 0; i < 3; ++i) {
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>(names[i]);
      SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(tab, TCM_SETCURSEL, selected, 0);
    return tab;
  }
  static RECT ItemRect(HWND tab, int index) {
    RECT r{};
    SendMessageA(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
  }
};

// drawFrame 0: the container's own procedure paints it, the skin only
// answers its erase.
TEST_F(ContainerLookTest, WithoutTheFrameTheContainerPaintsItself) {
  MakeHost();
  HWND own = Panel(10, 10, 150, 100);
  HWND framed = Panel(180, 10, 150, 100);
  ContainerSkinOptions noFrame;
  noFrame.drawFrame = false;
  InstallContainerSkin(own, noFrame);
  InstallContainerSkin(framed);
  ClearPanelMessages();
  Settle();
  EXPECT_FALSE(ContainerOf(own)->drawFrame);
  EXPECT_NEAR_RGB(Screen(own).At(75, 50), kPanelColour, 0);
  EXPECT_NEAR_RGB(Screen(framed).At(75, 50), BehindClient(*host, framed).At(75, 50), 0);
  EXPECT_GE(PanelMessages(WM_PAINT, own), 1);
  EXPECT_EQ(PanelMessages(WM_PAINT, framed), 0) << "the skin paints a framed one";

  HDC dc = GetDC(own);
  SetBkMode(dc, OPAQUE);
  EXPECT_EQ(SendMessageA(own, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  ReleaseDC(own, dc);
  EXPECT_EQ(PanelMessages(WM_ERASEBKGND), 0);
}

TEST_F(ContainerLookTest, GenericBorderIsTwoOutlinesOnlyWhenAsked) {
  MakeHost();
  HWND bordered = Panel(10, 10, 150, 100);
  HWND plain = Panel(180, 10, 150, 100);
  ContainerSkinOptions border;
  border.drawBorder = true;
  InstallContainerSkin(bordered, border);
  InstallContainerSkin(plain);
  Settle();
  const PixelImage s = Screen(bordered);
  const PixelImage b = BehindClient(*host, bordered);
  // Outer outline black at 40 on the edge, inner white at 100 inside it.
  EXPECT_NEAR_RGB(s.At(0, 50), Blend(b.At(0, 50), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(149, 50), Blend(b.At(149, 50), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(75, 0), Blend(b.At(75, 0), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(75, 99), Blend(b.At(75, 99), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(1, 50), Blend(b.At(1, 50), kWhiteRgb, 100), 3);
  EXPECT_NEAR_RGB(s.At(75, 1), Blend(b.At(75, 1), kWhiteRgb, 100), 3);
  EXPECT_NEAR_RGB(s.At(75, 50), b.At(75, 50), 0);
  EXPECT_EQ(CountDifferent(Screen(plain), BehindClient(*host, plain), 0), 0) << "no border";
}

// The fill lies over the container's background and over the background
// of everything painted inside it; only the low byte of its alpha counts.
TEST_F(ContainerLookTest, FillColourTintsTheContainerAndWhatIsInside) {
  MakeHost();
  HWND panel = Panel(10, 10, 200, 120);
  HWND label = Label("", 20, 60, 100, 30, panel);
  ContainerSkinOptions fill;
  fill.fillColour = 0x0000FF;  // red
  fill.fillAlpha = 0x180;      // 0x80
  InstallContainerSkin(panel, fill);
  ASSERT_EQ(InstallLabelSkin(label), 1);
  Settle();
  EXPECT_EQ(ContainerOf(panel)->fillAlpha & 0xFF, 0x80);
  const PixelImage s = Screen(panel);
  const PixelImage b = BehindClient(*host, panel);
  for (const POINT p : {POINT{5, 5}, POINT{100, 30}, POINT{190, 110}}) {
    EXPECT_NEAR_RGB(s.At(p.x, p.y), Blend(b.At(p.x, p.y), 0xFF0000, 0x80), 3);
  }
  const PixelImage ls = Screen(label);
  const PixelImage lb = BehindClient(*host, label);
  EXPECT_NEAR_RGB(ls.At(50, 15), Blend(lb.At(50, 15), 0xFF0000, 0x80), 3);

  // A group box is tinted inside its rounded box only.
  HWND box = GroupBox("", BS_LEFT, 220, 140, 120, 100);
  ContainerSkinOptions boxFill;
  boxFill.fillColour = 0x00FF00;  // green
  boxFill.fillAlpha = 200;
  InstallContainerSkin(box, boxFill);
  Settle();
  const PixelImage gs = Screen(box);
  const PixelImage gb = BehindClient(*host, box);
  EXPECT_NEAR_RGB(gs.At(60, 50), Blend(gb.At(60, 50), 0x00FF00, 200), 3);
  EXPECT_NEAR_RGB(gs.At(60, 2), gb.At(60, 2), 0) << "above the box";
}

TEST_F(ContainerLookTest, TabControlPageTabsAndTheSelectedTabsGap) {
  MakeHost(360, 260);
  HWND tab = Tab(0, 1);
  ContainerSkinOptions noFrame;
  noFrame.drawFrame = false;
  InstallContainerSkin(tab, noFrame);
  Settle();
  ASSERT_TRUE(ContainerOf(tab)->drawFrame) << "a tab control always draws";
  EXPECT_EQ(ContainerOf(tab)->frameStyle, kFrameStyleTabControl);
  const PixelImage s = Screen(tab);
  const PixelImage b = BehindClient(*host, tab);
  SavePng(s, "container_tab_top.png");
  const RECT first = ItemRect(tab, 0), chosen = ItemRect(tab, 1);
  const int rows = static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
  const int pageTop = (chosen.bottom - chosen.top) * rows + 1;
  ASSERT_GT(pageTop, 10);

  // Page outlines: black at 80 on the page's edge, white at 120 inside.
  EXPECT_NEAR_RGB(s.At(0, 120), Blend(b.At(0, 120), kBlackRgb, 80), 3);
  EXPECT_NEAR_RGB(s.At(1, 120), Blend(b.At(1, 120), kWhiteRgb, 120), 3);
  EXPECT_NEAR_RGB(s.At(299, 120), Blend(b.At(299, 120), kBlackRgb, 80), 3);
  EXPECT_NEAR_RGB(s.At(150, 120), b.At(150, 120), 0) << "the page shows the background";
  const int firstMid = (first.left + first.right) / 2;
  EXPECT_LT(Brightness(s.At(firstMid, pageTop)) + 60, Brightness(b.At(firstMid, pageTop)))
      << "outlines under the other tab";
  // The selected tab joins the page: no outline under it.
  const int chosenMid = (chosen.left + chosen.right) / 2;
  EXPECT_NEAR_RGB(s.At(chosenMid, pageTop), b.At(chosenMid, pageTop), 0);

  // The tabs: the selected one is nearer the accent colour towards the
  // page; both carry their text.
  const int y = chosen.bottom - 3;
  EXPECT_LT(Distance(s.At(chosen.left + 3, y), kAccentRgb) + 40,
            Distance(s.At(first.left + 3, y), kAccentRgb))
      << RgbText(s.At(chosen.left + 3, y)) << " vs " << RgbText(s.At(first.left + 3, y));
  const InkBox ink = InkPixels(s, b, 200, chosen.top, chosen.bottom - 1);
  EXPECT_GT(ink.count, 10) << "dark text over the light tabs";
  EXPECT_GE(ink.left, first.left);
  EXPECT_LE(ink.right, ItemRect(tab, 2).right);
  EXPECT_EQ(CountDifferent(CompositeOf(*host, tab), s, 0), 0) << "the composite holds the look";
}

TEST_F(ContainerLookTest, TabsAlongTheBottomPutThePageAbove) {
  MakeHost(360, 260);
  HWND tab = Tab(TCS_BOTTOM, 0);
  InstallContainerSkin(tab);
  Settle();
  const PixelImage s = Screen(tab);
  const PixelImage b = BehindClient(*host, tab);
  SavePng(s, "container_tab_bottom.png");
  const RECT chosen = ItemRect(tab, 0);
  ASSERT_GT(chosen.top, 100) << "tabs at the bottom";
  EXPECT_NEAR_RGB(s.At(150, 0), Blend(b.At(150, 0), kBlackRgb, 80), 3) << "page top";
  EXPECT_NEAR_RGB(s.At(0, 60), Blend(b.At(0, 60), kBlackRgb, 80), 3);
  int drawn = 0, all = 0;
  for (int y = chosen.top; y < chosen.bottom; ++y) {
    for (int x = chosen.left; x < chosen.right; ++x) {
      ++all;
      drawn += NearRgb(s.At(x, y), b.At(x, y), 20) ? 0 : 1;
    }
  }
  EXPECT_GT(drawn * 2, all) << "the selected tab is drawn";
}

}  // namespace
