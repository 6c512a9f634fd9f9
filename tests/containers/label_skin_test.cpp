// The label skin: registration, glow text over the picture, wrapping, text
// changes, and the choice between a full paint and a copy from the
// composite.
#include "container_fixture.h"

namespace {

using LabelSkinTest = ContainerSkinTest;

WNDPROC CurrentProc(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// The labels of the main window: 14 px, black, white glow, near/near, wrap.
int InstallLikeTheMainWindow(HWND label) {
  return InstallLabelSkin(label, std::nullopt, 14, std::nullopt, 0, 0xFFFFFF, 0, 0, 1);
}

TEST_F(LabelSkinTest, InstallWithOnlyTheHandleTakesTheDefaults) {
  MakeHost();
  HWND label = Label("数量:", 10, 10, 80, 20);
  WNDPROC original = CurrentProc(label);
  ASSERT_EQ(InstallLabelSkin(label), 1);
  LabelRecord* record = LabelOf(label);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->alignment, 0);
  EXPECT_EQ(record->lineAlignment, 1);
  EXPECT_EQ(record->wrap, 0);
  EXPECT_EQ(record->textColour, 0);
  EXPECT_EQ(record->glowOn, 0);
  EXPECT_EQ(record->glowColour, -1);
  EXPECT_EQ(record->fontFace, "宋体");
  EXPECT_EQ(record->fontSize, 12);
  EXPECT_EQ(record->fontStyle, 0);
  EXPECT_EQ(record->redraw, 1);
  EXPECT_EQ(CurrentProc(label), &LabelSkinProc);
  EXPECT_EQ(SavedProcOf(label), original);
  EXPECT_EQ(GetPropInt(label, Hw_FuID), Index());
  EXPECT_EQ(GetPropInt(label, Hw_lbID), 1);
  EXPECT_EQ(ListLength(Record().labels), 1) << "the empty first record is taken";

  HWND second = Label("端口：", 10, 40, 80, 20);
  ASSERT_EQ(InstallLabelSkin(second, Text("黑体"), 16, 1, 0x00FF00, 0, 2, 2, 1), 1);
  EXPECT_EQ(GetPropInt(second, Hw_lbID), 2);
  LabelRecord* given = LabelOf(second);
  EXPECT_EQ(given->fontFace, "黑体");
  EXPECT_EQ(given->fontSize, 16);
  EXPECT_EQ(given->fontStyle, 1);
  EXPECT_EQ(given->textColour, 0x00FF00);
  EXPECT_EQ(given->glowOn, 1) << "a glow colour of 0 is given all the same";
  EXPECT_EQ(given->glowColour, 0);
  EXPECT_EQ(given->alignment, 2);
  EXPECT_EQ(given->lineAlignment, 2);
  EXPECT_EQ(given->wrap, 1);
}

TEST_F(LabelSkinTest, LabelOutsideASkinnedWindowKeepsItsLook) {
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

TEST_F(LabelSkinTest, GlowTextSitsTopLeftOverThePicture) {
  MakeHost();
  HWND glowing = Label("数量:", 20, 20, 90, 24);
  HWND plain = Label("数量:", 20, 60, 90, 24);
  ASSERT_EQ(InstallLikeTheMainWindow(glowing), 1);
  ASSERT_EQ(InstallLabelSkin(plain, std::nullopt, 14, std::nullopt, 0, std::nullopt, 0, 0, 1), 1);
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
  for (int y = 0; y < s.height; ++y) {
    EXPECT_TRUE(NearRgb(s.At(85, y), b.At(85, y), 2)) << "right of the text, row " << y;
  }
  EXPECT_EQ(CountDifferent(CompositeOf(*host, glowing), s, 0), 0);

  const PixelImage p = Screen(plain);
  EXPECT_GT(InkPixels(p, BehindClient(*host, plain), 150).count, 20);
  EXPECT_EQ(LighterPixels(p, BehindClient(*host, plain), 25), 0) << "a plain label has no glow";
}

TEST_F(LabelSkinTest, DefaultLabelIsCentredVerticallyOnOneLine) {
  MakeHost();
  HWND label = Label("端口：端口：端口：端口：", 20, 20, 60, 40);
  ASSERT_EQ(InstallLabelSkin(label), 1);
  Settle();
  const InkBox ink = InkPixels(Screen(label), BehindClient(*host, label), 150);
  ASSERT_GT(ink.count, 20);
  const int middle = (ink.top + ink.bottom) / 2;
  EXPECT_NEAR(middle, 20, 3);
  EXPECT_LT(ink.bottom - ink.top, 14) << "the text took more than one line";
}

TEST_F(LabelSkinTest, WrapContinuesOnTheNextLineOnlyWhenAsked) {
  MakeHost();
  HWND wrapped = Label("地区：地区：地区：", 20, 20, 64, 44);
  HWND single = Label("地区：地区：地区：", 120, 20, 64, 44);
  ASSERT_EQ(InstallLikeTheMainWindow(wrapped), 1);
  ASSERT_EQ(InstallLabelSkin(single, std::nullopt, 14, std::nullopt, 0, 0xFFFFFF, 0, 0, 0), 1);
  Settle();
  const InkBox w = InkPixels(Screen(wrapped), BehindClient(*host, wrapped), 150);
  const InkBox s = InkPixels(Screen(single), BehindClient(*host, single), 150);
  EXPECT_GT(w.bottom, 20) << "no second line";
  EXPECT_LT(s.bottom, 18) << "the single line wrapped";
  EXPECT_GT(s.right, 40) << "the single line lost its text";
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
  LabelOf(label)->redraw = 1;
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(CountDifferent(Screen(label), after, 2), 0)
      << "a full paint of the new text looks different from what the change showed";
}

TEST_F(LabelSkinTest, UncoveringCopiesFromTheCompositeUnlessActive) {
  MakeHost();
  HWND label = Label("数量:", 20, 20, 90, 24);
  ASSERT_EQ(InstallLikeTheMainWindow(label), 1);
  Settle();
  const PixelImage painted = Screen(label);
  const PixelImage b = BehindClient(*host, label);
  host->ResetComposite();

  Record().active = 0;
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(CountDifferent(Screen(label), b, 1), 0) << "an inactive uncovering painted afresh";

  Record().active = 1;
  Record().moving = 1;
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(CountDifferent(Screen(label), b, 1), 0) << "a label was recomposed during a move";

  Record().moving = 0;
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(CountDifferent(Screen(label), painted, 1), 0);
}

TEST_F(LabelSkinTest, RedrawOnEraseFollowsTheWindowState) {
  MakeHost();
  HWND label = Label("数量:", 20, 20, 90, 24);
  ASSERT_EQ(InstallLabelSkin(label), 1);
  struct Case {
    int active, moving, sizing, expected;
  };
  const Case cases[] = {{1, 0, 0, 1}, {0, 0, 0, 0}, {1, 1, 0, 0}, {0, 1, 1, 1}, {1, 0, 1, 1}};
  for (const Case& c : cases) {
    Record().active = c.active;
    Record().moving = c.moving;
    Record().sizing = c.sizing;
    EXPECT_EQ(RedrawOnErase(label, false), c.expected)
        << c.active << c.moving << c.sizing;
  }
  Record().active = 1;
  Record().moving = 0;
  EXPECT_EQ(RedrawOnErase(label, true), 0) << "toolbar properties: no Kj_FuID";
  SetPropInt(label, Kj_FuID, Index());
  EXPECT_EQ(RedrawOnErase(label, true), 1);
  SetPropInt(label, Hw_FuID, Index() + 1);
  EXPECT_EQ(RedrawOnErase(label, false), 0) << "an index past the table";
}

}  // namespace
