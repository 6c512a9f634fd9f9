// What registered containers look like over the host's known picture.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "container_fixture.h"

namespace {

constexpr std::uint32_t kBlackRgb = 0x000000;
constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;

using GroupBoxLookTest = ContainerSkinTest;

#define EXPECT_NEAR_RGB(actual, expected, tolerance)                       \
  EXPECT_TRUE(NearRgb((actual), (expected), (tolerance)))                 \
      << #actual << " = " << RgbText(actual) << ", expected " << RgbText(expected)

TEST_F(GroupBoxLookTest, FrameIsTwoOutlinesBelowTheCaptionLine) {
  MakeHost();
  HWND box = GroupBox("", BS_LEFT, 10, 10, 200, 80);
  InstallContainerSkin(box);
  Settle();
  const PixelImage s = Screen(box);
  const PixelImage b = BehindClient(*host, box);
  ASSERT_EQ(s.width, 200);

  EXPECT_NEAR_RGB(s.At(100, 40), b.At(100, 40), 2);
  EXPECT_NEAR_RGB(s.At(100, 3), b.At(100, 3), 2);
  // Outer outline: black at alpha 40; inner: white at alpha 90.
  EXPECT_NEAR_RGB(s.At(0, 40), Blend(b.At(0, 40), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(1, 40), Blend(b.At(1, 40), kWhiteRgb, 90), 3);
  EXPECT_NEAR_RGB(s.At(100, 5), Blend(b.At(100, 5), kBlackRgb, 40), 3);
  EXPECT_NEAR_RGB(s.At(100, 6), Blend(b.At(100, 6), kWhiteRgb, 90), 3);
  EXPECT_NEAR_RGB(s.At(100, 79), Blend(b.At(100, 79), kBlackRgb, 40), 3);
  EXPECT_EQ(CountDifferent(CompositeOf(*host, box), s, 0), 0) << "the composite holds the look";
}

TEST_F(GroupBoxLookTest, CaptionSitsByTheAlignmentStyle) {
  MakeHost();
  const struct {
    DWORD style;
    char where;  // l, c, r
  } cases[] = {{BS_LEFT, 'l'}, {BS_CENTER, 'c'}, {BS_RIGHT, 'r'}, {0, 'r'}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style);
    HWND box = GroupBox("运营商", c.style, 10, 10, 200, 80);
    InstallContainerSkin(box);
    Settle();
    const PixelImage s = Screen(box);
    const PixelImage b = BehindClient(*host, box);
    // Caption ink away from the outlines (rows 5 and 6, the rounded sides).
    PixelImage text = s;
    for (int y = 0; y < s.height; ++y) {
      for (int x = 0; x < s.width; ++x) {
        if (y == 5 || y == 6 || x < 4 || x >= s.width - 4 || y > 20) {
          text.pixels[y * s.width + x] = b.pixels[y * s.width + x];
        }
      }
    }
    const InkBox ink = InkPixels(text, b, 150);
    ASSERT_GT(ink.count, 20) << "no caption text";
    EXPECT_GE(ink.top, 1);
    EXPECT_LE(ink.bottom, 16);
    const int leftGap = ink.left, rightGap = s.width - 1 - ink.right;
    if (c.where == 'c') {
      EXPECT_LE(std::abs(leftGap - rightGap), 3) << leftGap << " / " << rightGap;
    } else {
      const int gap = c.where == 'l' ? leftGap : rightGap;
      EXPECT_GE(gap, 10);
      EXPECT_LE(gap, 15);
    }
    // Under the caption the outer outline gives way to the picture.
    int outline = 0;
    for (int x = ink.left + 1; x < ink.right; ++x) {
      outline += NearRgb(s.At(x, 5), Blend(b.At(x, 5), kBlackRgb, 40), 2) &&
                 !NearRgb(s.At(x, 5), b.At(x, 5), 2);
    }
    EXPECT_LT(outline, (ink.right - ink.left) / 4);
    DestroyWindow(box);
  }
}

// While the window is inactive or being moved, uncovering a container or a
// label copies from the composite; an active window paints them afresh.
TEST_F(GroupBoxLookTest, UncoveringCopiesFromTheCompositeUnlessActive) {
  MakeHost();
  HWND box = GroupBox("运营商", BS_LEFT, 10, 10, 200, 80);
  HWND label = Label("数量:", 20, 120, 90, 24);
  InstallContainerSkin(box);
  ASSERT_EQ(InstallLabelSkin(label, MainWindowLabelOptions()), 1);
  Settle();
  const PixelImage painted[] = {Screen(box), Screen(label)};
  const PixelImage bare[] = {BehindClient(*host, box), BehindClient(*host, label)};
  for (int i = 0; i < 2; ++i) ASSERT_GT(CountDifferent(painted[i], bare[i], 8), 20) << "not drawn";
  host->ResetComposite();  // the composite now shows the bare picture there

  const struct {
    int active, moving;
    bool copies;
  } steps[] = {{0, 0, true}, {1, 1, true}, {1, 0, false}};
  for (const auto& step : steps) {
    Record().active = step.active;
    Record().moving = step.moving;
    int i = 0;
    for (HWND w : {box, label}) {
      SCOPED_TRACE(testing::Message() << "active " << step.active << " moving " << step.moving
                                      << (w == box ? " box" : " label"));
      RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      EXPECT_EQ(CountDifferent(Screen(w), step.copies ? bare[i] : painted[i], 1), 0);
      ++i;
    }
  }
  EXPECT_EQ(CountDifferent(CompositeOf(*host, box), painted[0], 1), 0);
}

TEST_F(GroupBoxLookTest, RadioButtonsInsideRepaintAndKeepOneChecked) {
  MakeHost();
  HWND box = GroupBox("运营商", BS_LEFT, 10, 10, 260, 60);
  HWND radios[3] = {Radio("全部", box, 10, 25, true), Radio("电信", box, 90, 25),
                    Radio("联通", box, 170, 25)};
  SendMessageA(radios[0], BM_SETCHECK, BST_CHECKED, 0);
  InstallContainerSkin(box);
  Settle();
  // Differences within the 13-pixel glyph column.
  auto glyphDifference = [](const PixelImage& a, const PixelImage& b) {
    int n = 0;
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < 13; ++x) n += NearRgb(a.At(x, y), b.At(x, y), 12) ? 0 : 1;
    }
    return n;
  };
  PixelImage first[3];  // radio 0 checked, the others not
  for (int i = 0; i < 3; ++i) first[i] = Screen(radios[i]);

  for (int pick : {1, 2, 0}) {
    SCOPED_TRACE(testing::Message() << "click " << pick);
    SendMessageA(radios[pick], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 10));
    SendMessageA(radios[pick], WM_LBUTTONUP, 0, MAKELPARAM(8, 10));
    PumpMessages();
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(SendMessageA(radios[i], BM_GETCHECK, 0, 0), i == pick ? BST_CHECKED : BST_UNCHECKED)
          << "radio " << i;
      const int changed = glyphDifference(Screen(radios[i]), first[i]);
      if ((i == pick) == (i == 0)) {
        EXPECT_LT(changed, 10) << "radio " << i << " does not look as it first did";
      } else {
        EXPECT_GT(changed, 10) << "radio " << i << " did not repaint";
      }
    }
  }
  EXPECT_EQ(FindContainerRecord(Index(), box), 1);
}

}  // namespace
