// What registered containers look like over the host's known picture: the
// group-box frame and caption, fills, the generic border, a tab control,
// and the radio buttons inside a group box.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "container_fixture.h"

namespace {

constexpr std::uint32_t kBlackRgb = 0x000000;
constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
constexpr std::uint32_t kRedRgb = 0xFF0000;

using GroupBoxLookTest = ContainerSkinTest;

#define EXPECT_NEAR_RGB(actual, expected, tolerance)                                 \
  EXPECT_TRUE(NearRgb((actual), (expected), (tolerance)))                           \
      << #actual << " = " << RgbText(actual) << ", expected " << RgbText(expected)

int Distance(std::uint32_t a, std::uint32_t b) {
  int d = 0;
  for (int shift : {16, 8, 0}) {
    d += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
  }
  return d;
}

// Caption text over the picture, away from the outlines (rows 5 and 6, and
// the columns of the rounded sides).
InkBox CaptionInk(const PixelImage& s, const PixelImage& b) {
  PixelImage text = s;
  for (int y = 0; y < s.height; ++y) {
    for (int x = 0; x < s.width; ++x) {
      const bool outline = y == 5 || y == 6 || x < 4 || x >= s.width - 4 || y > 20;
      if (outline) text.pixels[y * s.width + x] = b.pixels[y * s.width + x];
    }
  }
  return InkPixels(text, b, 150);
}

TEST_F(GroupBoxLookTest, FrameIsTwoOutlinesBelowTheCaptionLine) {
  MakeHost();
  HWND box = GroupBox("", BS_LEFT, 10, 10, 200, 80);
  InstallContainerSkin(box);
  Settle();
  const PixelImage s = Screen(box);
  const PixelImage b = BehindClient(*host, box);
  ASSERT_EQ(s.width, 200);
  ASSERT_EQ(s.height, 80);

  EXPECT_NEAR_RGB(s.At(100, 40), b.At(100, 40), 2);  // inside: the picture unchanged
  for (int y = 0; y < 5; ++y) EXPECT_NEAR_RGB(s.At(100, y), b.At(100, y), 2);
  // Outer outline: black at alpha 40; inner: white at alpha 90.
  EXPECT_NEAR_RGB(s.At(0, 40), Blend(b.At(0, 40), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(1, 40), Blend(b.At(1, 40), kWhiteRgb, 90), 3);
  EXPECT_NEAR_RGB(s.At(199, 40), Blend(b.At(199, 40), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(100, 5), Blend(b.At(100, 5), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(100, 6), Blend(b.At(100, 6), kWhiteRgb, 90), 3);
  EXPECT_NEAR_RGB(s.At(100, 79), Blend(b.At(100, 79), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(100, 78), Blend(b.At(100, 78), kWhiteRgb, 90), 3);

  EXPECT_EQ(CountDifferent(CompositeOf(*host, box), s, 0), 0) << "the composite holds the look";
}

// An empty caption still takes a caption rectangle one pixel wide: the
// outlines are broken there, which shows where the caption goes.
TEST_F(GroupBoxLookTest, EmptyCaptionBreaksTheOutlinesWhereTheCaptionGoes) {
  MakeHost();
  struct Case {
    DWORD style;
    int column;
  };
  const Case cases[] = {{BS_LEFT, 10}, {BS_CENTER, 99}, {BS_RIGHT, 189}, {0, 189}};
  for (const Case& c : cases) {
    HWND box = GroupBox("", c.style, 10, 10, 200, 80);
    InstallContainerSkin(box);
    Settle();
    const PixelImage s = Screen(box);
    const PixelImage b = BehindClient(*host, box);
    SCOPED_TRACE(testing::Message() << "style " << c.style);
    for (int y = 1; y <= 15; ++y) EXPECT_NEAR_RGB(s.At(c.column, y), b.At(c.column, y), 2);
    for (int x : {c.column - 1, c.column + 1}) {
      EXPECT_NEAR_RGB(s.At(x, 5), Blend(b.At(x, 5), kBlackRgb, 40), 3);
      EXPECT_NEAR_RGB(s.At(x, 6), Blend(b.At(x, 6), kWhiteRgb, 90), 3);
    }
    DestroyWindow(box);
  }
}

TEST_F(GroupBoxLookTest, CaptionSitsByTheAlignmentStyle) {
  MakeHost();
  struct Case {
    DWORD style;
    const char* where;
  };
  const Case cases[] = {{BS_LEFT, "left"}, {BS_CENTER, "centre"}, {BS_RIGHT, "right"}, {0, "right"}};
  for (const Case& c : cases) {
    HWND box = GroupBox("运营商", c.style, 10, 10, 200, 80);
    InstallContainerSkin(box);
    Settle();
    const PixelImage s = Screen(box);
    const PixelImage b = BehindClient(*host, box);
    SCOPED_TRACE(testing::Message() << "style " << c.style);
    const InkBox ink = CaptionInk(s, b);
    ASSERT_GT(ink.count, 20) << "no caption text";
    EXPECT_GE(ink.top, 1);
    EXPECT_LE(ink.bottom, 16);
    const int leftGap = ink.left;
    const int rightGap = s.width - 1 - ink.right;
    if (std::string(c.where) == "left") {
      EXPECT_GE(leftGap, 10);
      EXPECT_LE(leftGap, 15);
    } else if (std::string(c.where) == "right") {
      EXPECT_GE(rightGap, 10);
      EXPECT_LE(rightGap, 15);
    } else {
      EXPECT_LE(std::abs(leftGap - rightGap), 3) << leftGap << " / " << rightGap;
    }
    // Under the caption the outer outline gives way to the picture (a few
    // edge pixels of the letters may darken the picture by the same share).
    int outline = 0;
    for (int x = ink.left + 1; x < ink.right; ++x) {
      const std::uint32_t line = Blend(b.At(x, 5), kBlackRgb, 40);
      const bool hit = NearRgb(s.At(x, 5), line, 2) && !NearRgb(s.At(x, 5), b.At(x, 5), 2);
      outline += hit ? 1 : 0;
    }
    EXPECT_LT(outline, (ink.right - ink.left) / 4);
    DestroyWindow(box);
  }
}

TEST_F(GroupBoxLookTest, CaptionColourComesFromKjZtys) {
  MakeHost();
  HWND box = GroupBox("运营商", BS_LEFT, 10, 10, 200, 80);
  SetPropInt(box, Kj_Ztys, 0x0000FF);  // COLORREF red
  InstallContainerSkin(box);
  Settle();
  HWND plain = GroupBox("运营商", BS_LEFT, 10, 100, 200, 80);
  InstallContainerSkin(plain);
  Settle();
  auto reddened = [&](HWND window) {
    const PixelImage s = Screen(window);
    const PixelImage b = BehindClient(*host, window);
    int red = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < s.width; ++x) {
        red += NearRgb(s.At(x, y), kRedRgb, 70) && !NearRgb(b.At(x, y), kRedRgb, 70) ? 1 : 0;
      }
    }
    return red;
  };
  EXPECT_GT(reddened(box), 15);
  EXPECT_EQ(reddened(plain), 0) << "the caption is black without Kj_Ztys";
}

TEST_F(GroupBoxLookTest, InactiveUncoveringCopiesFromTheComposite) {
  MakeHost();
  HWND box = GroupBox("运营商", BS_LEFT, 10, 10, 200, 80);
  InstallContainerSkin(box);
  Settle();
  const PixelImage painted = Screen(box);
  const PixelImage b = BehindClient(*host, box);
  host->ResetComposite();  // the composite now shows the bare picture there

  Record().active = 0;
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(CountDifferent(Screen(box), b, 1), 0) << "the paint was not a copy";

  Record().active = 1;
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(CountDifferent(Screen(box), painted, 1), 0) << "the paint was not a full one";
  EXPECT_EQ(CountDifferent(CompositeOf(*host, box), painted, 1), 0);
}

TEST_F(GroupBoxLookTest, FillCoversTheBoxAndTheBackgroundOfItsChildren) {
  MakeHost();
  HWND box = GroupBox("运营商", BS_LEFT, 10, 10, 240, 90);
  HWND radio = Radio("电信", box, 10, 30, 150, 20, true);
  InstallContainerSkin(box, std::nullopt, 0x0000FF, 128);
  Settle();
  const PixelImage s = Screen(box);
  const PixelImage b = BehindClient(*host, box);
  EXPECT_NEAR_RGB(s.At(200, 70), Blend(b.At(200, 70), kRedRgb, 128), 4);
  EXPECT_NEAR_RGB(s.At(200, 2), b.At(200, 2), 2) << "above the box stays bare";
  // The caption's background is filled only from 4 pixels below its top.
  EXPECT_NEAR_RGB(s.At(10, 2), b.At(10, 2), 2);

  const PixelImage r = Screen(radio);
  const PixelImage rb = BehindClient(*host, radio);
  ASSERT_EQ(r.width, 150);
  EXPECT_NEAR_RGB(r.At(145, 10), Blend(rb.At(145, 10), kRedRgb, 128), 4);
}

TEST_F(GroupBoxLookTest, RegisteredPanelDrawsTheGenericBorderOnlyWhenAsked) {
  MakeHost();
  HWND bordered = host->AddControl("STATIC", "", SS_LEFT, 10, 10, 120, 60);
  HWND plain = host->AddControl("STATIC", "面板", SS_LEFT, 150, 10, 120, 60);
  InstallContainerSkin(bordered, std::nullopt, std::nullopt, std::nullopt, 1);
  InstallContainerSkin(plain);
  Settle();
  const PixelImage s = Screen(bordered);
  const PixelImage b = BehindClient(*host, bordered);
  EXPECT_NEAR_RGB(s.At(0, 30), Blend(b.At(0, 30), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(1, 30), Blend(b.At(1, 30), kWhiteRgb, 100), 3);
  EXPECT_NEAR_RGB(s.At(60, 0), Blend(b.At(60, 0), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(60, 30), b.At(60, 30), 2);
  EXPECT_EQ(CountDifferent(Screen(plain), BehindClient(*host, plain), 1), 0)
      << "the panel's own text or a border was drawn";
}

TEST_F(GroupBoxLookTest, TabControlShowsItsPageAndTabs) {
  MakeHost();
  HWND tab = host->AddControl(WC_TABCONTROLA, "", 0, 10, 10, 240, 140);
  for (const char* name : {"第一页", "第二页"}) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(name);
    SendMessageA(tab, TCM_INSERTITEMA, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0),
                 reinterpret_cast<LPARAM>(&item));
  }
  InstallContainerSkin(tab);
  Settle();
  RECT selected{}, other{};
  SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&selected));
  SendMessageA(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&other));
  const PixelImage s = Screen(tab);
  const PixelImage b = BehindClient(*host, tab);
  const int pageTop = selected.bottom - selected.top + 1;
  const int y = (pageTop + s.height) / 2;
  EXPECT_NEAR_RGB(s.At(0, y), Blend(b.At(0, y), kBlackRgb, 80), 3);
  EXPECT_NEAR_RGB(s.At(120, y), b.At(120, y), 2);

  const auto accent = static_cast<std::uint32_t>(0x22CADD);  // the accent colour as RGB
  const int sy = selected.bottom - 4;
  const std::uint32_t inSelected = s.At(selected.left + 3, sy);
  const std::uint32_t inOther = s.At(other.left + 3, sy);
  EXPECT_LT(Distance(inSelected, accent), Distance(b.At(selected.left + 3, sy), accent))
      << "the selected tab is not tinted: " << RgbText(inSelected);
  EXPECT_LT(Distance(inSelected, accent), Distance(inOther, accent));
  SavePng(s, "containers_tab.png");
}

TEST_F(GroupBoxLookTest, RadioButtonsInsideRepaintAndKeepOneChecked) {
  MakeHost();
  HWND box = GroupBox("运营商", BS_LEFT, 10, 10, 260, 60);
  HWND radios[3] = {Radio("全部", box, 10, 25, 70, 20, true, 101),
                    Radio("电信", box, 90, 25, 70, 20, false, 102),
                    Radio("联通", box, 170, 25, 70, 20, false, 103)};
  SendMessageA(radios[0], BM_SETCHECK, BST_CHECKED, 0);
  InstallContainerSkin(box);
  Settle();
  // The look of each radio button by its check state, as first seen.
  PixelImage looks[3][2];
  for (int i = 0; i < 3; ++i) {
    looks[i][i == 0 ? 1 : 0] = Screen(radios[i]);
    ASSERT_GT(CountDifferent(looks[i][i == 0 ? 1 : 0], BehindClient(*host, radios[i]), 8), 20)
        << "radio " << i << " not painted";
  }
  auto glyphDifference = [](const PixelImage& a, const PixelImage& b) {
    int n = 0;
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < 13; ++x) n += NearRgb(a.At(x, y), b.At(x, y), 12) ? 0 : 1;
    }
    return n;
  };

  for (int pick : {1, 2, 0}) {
    SCOPED_TRACE(testing::Message() << "click " << pick);
    SendMessageA(radios[pick], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 10));
    SendMessageA(radios[pick], WM_LBUTTONUP, 0, MAKELPARAM(8, 10));
    PumpMessages();
    for (int i = 0; i < 3; ++i) {
      const int state = i == pick ? 1 : 0;
      EXPECT_EQ(SendMessageA(radios[i], BM_GETCHECK, 0, 0), state == 1 ? BST_CHECKED : BST_UNCHECKED)
          << "radio " << i;
      const PixelImage now = Screen(radios[i]);
      if (!looks[i][state].Empty()) {
        EXPECT_LT(glyphDifference(now, looks[i][state]), 10) << "radio " << i << " state " << state;
      } else {
        EXPECT_GT(glyphDifference(now, looks[i][1 - state]), 10)
            << "radio " << i << " did not repaint for state " << state;
        looks[i][state] = now;
      }
    }
  }
  // The group box survived the clicks of its children.
  EXPECT_EQ(FindContainerRecord(Index(), box), 1);
}

}  // namespace
