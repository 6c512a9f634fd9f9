// The label skin: registration, glow text over the picture, wrapping, text
// changes, and the choice between a full paint and a copy.
#include "container_fixture.h"

namespace {

using LabelSkinTest = ContainerSkinTest;

// The labels of the main window: 14 px, black, white glow, near/near, wrap.
int InstallLikeTheMainWindow(HWND label, int wrap = 1, std::optional<int> glow = 0xFFFFFF) {
  LabelSkinOptions options = MainWindowLabelOptions();
  options.wrap = wrap != 0;
  options.glowColour = glow;
  return InstallLabelSkin(label, options);
}

TEST_F(LabelSkinTest, LabelOutsideASkinnedWindowIsNotRegistered) {
  MakeHost();
  HWND top = CreateWindowExA(0, "STATIC", "x", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  WNDPROC original = CurrentProc(top);
  EXPECT_EQ(InstallLabelSkin(top), 0);
  EXPECT_EQ(CurrentProc(top), original);
  EXPECT_EQ(ListLength(Record().labels), 1);
  EXPECT_EQ(Record().labels[0]->hwnd, nullptr);
  DestroyWindow(top);
}

TEST_F(LabelSkinTest, GlowTextSitsTopLeftAndWrapsOnlyWhenAsked) {
  MakeHost();
  HWND glowing = Label("数量:", 20, 20, 90, 24);
  HWND plain = Label("数量:", 20, 60, 90, 24);
  HWND wrapped = Label("地区：地区：地区：", 20, 100, 64, 44);
  HWND single = Label("地区：地区：地区：", 120, 100, 64, 44);
  ASSERT_EQ(InstallLikeTheMainWindow(glowing), 1);
  ASSERT_EQ(InstallLikeTheMainWindow(plain, 1, std::nullopt), 1);
  ASSERT_EQ(InstallLikeTheMainWindow(wrapped), 1);
  ASSERT_EQ(InstallLikeTheMainWindow(single, 0), 1);
  Settle();

  const PixelImage s = Screen(glowing);
  const PixelImage b = BehindClient(*host, glowing);
  const InkBox ink = InkPixels(s, b, 150);
  ASSERT_GT(ink.count, 20) << "no text";
  EXPECT_LE(ink.left, 3);
  EXPECT_GE(ink.top, 1);
  EXPECT_LE(ink.top, 4);
  EXPECT_LE(ink.bottom, 17) << "14-pixel text near the top";
  EXPECT_LT(ink.right, 50);
  EXPECT_GT(LighterPixels(s, b, 25), 20) << "no white glow around the letters";
  EXPECT_EQ(CountDifferent(CompositeOf(*host, glowing), s, 0), 0);

  const PixelImage p = Screen(plain);
  EXPECT_GT(InkPixels(p, BehindClient(*host, plain), 150).count, 20);
  EXPECT_EQ(LighterPixels(p, BehindClient(*host, plain), 25), 0) << "a plain label has no glow";

  const InkBox w = InkPixels(Screen(wrapped), BehindClient(*host, wrapped), 150);
  const InkBox one = InkPixels(Screen(single), BehindClient(*host, single), 150);
  EXPECT_GT(w.bottom, 20) << "no second line";
  EXPECT_LT(one.bottom, 18) << "the single line wrapped";
  EXPECT_GT(one.right, 40) << "the single line lost its text";
}

TEST_F(LabelSkinTest, NewTextShowsAtOnceAndMatchesAFullPaint) {
  MakeHost();
  HWND label = Label("数量:", 20, 20, 90, 24);
  ASSERT_EQ(InstallLikeTheMainWindow(label), 1);
  Settle();
  const PixelImage before = Screen(label);

  SetWindowTextA(label, "ip开头：");
  const PixelImage after = Screen(label);  // no messages dispatched in between
  EXPECT_GT(CountDifferent(after, before, 8), 20) << "the label still shows the old text";
  EXPECT_EQ(CountDifferent(CompositeOf(*host, label), after, 0), 0);
  char stored[32] = {};
  GetWindowTextA(label, stored, sizeof(stored));
  EXPECT_STREQ(stored, "ip开头：");

  PumpMessages();
  LabelOf(label)->redraw = true;
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(CountDifferent(Screen(label), after, 2), 0)
      << "a full paint of the new text looks different from what the change showed";
}

}  // namespace
