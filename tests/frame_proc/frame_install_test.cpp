// Installing the frame skin on real windows: the record it fills, the
// title-bar buttons for the style combinations, the background picture,
// the subclassing and the settings.
#include <gtest/gtest.h>

#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/image.h"
#include "graphics/paint/image_colour.h"
#include "graphics/tooltip/tooltip.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/push_button_skin.h"
#include "skin/frame/frame_install.h"
#include "skin/frame/frame_proc.h"
#include "tests/frame_proc/frame_fixture.h"

namespace {

class FrameInstall : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

std::vector<int> Kinds(const WindowRecord& record) {
  std::vector<int> kinds;
  for (const auto& b : record.titleButtons) kinds.push_back(b->kind);
  return kinds;
}

Bytes Background() { return CopyPictureBytes(MainBackground()); }

TEST_F(FrameInstall, TitleHeightBelowTwentyFiveIsRaised) {
  TestFrame low;
  InstallFrameSkin(low.get(), 10);
  EXPECT_EQ(low.Record().titleHeight, 25);
  TestFrame given;
  InstallFrameSkin(given.get(), 50);
  EXPECT_EQ(given.Record().titleHeight, 50);
  TestFrame notGiven;
  InstallFrameSkin(notGiven.get());
  EXPECT_EQ(notGiven.Record().titleHeight, 25);
}

TEST_F(FrameInstall, MinimiseBoxOnlyGivesMinimiseAndClose) {
  TestFrame frame(WS_MINIMIZEBOX);
  InstallFrameSkin(frame.get());
  const WindowRecord& r = frame.Record();
  EXPECT_EQ(Kinds(r), (std::vector<int>{2, 0}));
  EXPECT_EQ(r.stripWidth, 68);
  EXPECT_EQ(r.stripHeight, 22);
  EXPECT_EQ(RecordAt(r.titleButtons, 1)->name, "最小化");
  EXPECT_EQ(RecordAt(r.titleButtons, 2)->name, "关闭");
  EXPECT_EQ(RecordAt(r.titleButtons, 2)->width, 38);
  // Laid out at the client area's right edge: minimise 2 pixels into the
  // strip, close one pitch further with its 40-pixel hit rectangle.
  RECT client{};
  GetClientRect(frame.get(), &client);
  EXPECT_EQ(r.stripX, client.right - 68 + 1);
  EXPECT_FLOAT_EQ(RecordAt(r.titleButtons, 1)->rect.x, static_cast<float>(r.stripX + 2));
  EXPECT_FLOAT_EQ(RecordAt(r.titleButtons, 2)->rect.x, static_cast<float>(r.stripX + 29));
  EXPECT_FLOAT_EQ(RecordAt(r.titleButtons, 2)->rect.width, 40.0f);
}

TEST_F(FrameInstall, EveryButtonInItsOrder) {
  TestFrame frame(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  InstallFrameSkin(frame.get(), 30, std::nullopt, std::nullopt, 1, 1);
  const WindowRecord& r = frame.Record();
  EXPECT_EQ(Kinds(r), (std::vector<int>{4, 3, 2, 1, 0}));
  EXPECT_EQ(r.stripWidth, 4 * 26 + 38 + 4 + 3);
  EXPECT_EQ(RecordAt(r.titleButtons, 1)->name, "帮助");
  EXPECT_EQ(RecordAt(r.titleButtons, 2)->name, "主菜单");
  EXPECT_EQ(RecordAt(r.titleButtons, 4)->name, "最大化");
  // Each button has its own glyph; only the maximise button a second one.
  for (const auto& b : r.titleButtons) {
    EXPECT_FALSE(b->image.empty());
    EXPECT_EQ(b->height, 18);
    EXPECT_EQ(b->restoreImage.empty(), b->kind != 1);
  }
  EXPECT_EQ(RecordAt(r.titleButtons, 4)->restoreImage, CopyPictureBytes(RestoreButtonFace()));
  EXPECT_EQ(RecordAt(r.titleButtons, 5)->image, CopyPictureBytes(CloseButtonFace()));
}

TEST_F(FrameInstall, CloseButtonGoesWithHiddenFlagOrDeadTitleBar) {
  TestFrame plain;
  InstallFrameSkin(plain.get());
  EXPECT_EQ(Kinds(plain.Record()), (std::vector<int>{0}));
  EXPECT_EQ(plain.Record().stripWidth, 41);

  TestFrame hidden(WS_MINIMIZEBOX);
  InstallFrameSkin(hidden.get(), std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                   std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                   std::nullopt, std::nullopt, std::nullopt, std::nullopt, 1);
  EXPECT_EQ(Kinds(hidden.Record()), (std::vector<int>{2}));
  EXPECT_EQ(hidden.Record().showCloseButton, 0);

  TestFrame dead(WS_MINIMIZEBOX);
  InstallFrameSkin(dead.get(), std::nullopt, 0);
  EXPECT_EQ(dead.Record().titleBarLive, 0);
  EXPECT_EQ(Kinds(dead.Record()), (std::vector<int>{2}));
}

TEST_F(FrameInstall, TooltipWindowOnlyWhenTitleBarGivenLive) {
  TestFrame notGiven(WS_MINIMIZEBOX);
  InstallFrameSkin(notGiven.get());
  ASSERT_TRUE(notGiven.Record().tooltip);
  EXPECT_EQ(notGiven.Record().tooltip->GetHandle(), nullptr);
  EXPECT_EQ(notGiven.Record().titleBarLive, 1);

  TestFrame given(WS_MINIMIZEBOX);
  InstallFrameSkin(given.get(), std::nullopt, 1);
  ToolTip& tip = *given.Record().tooltip;
  ASSERT_NE(tip.GetHandle(), nullptr);
  EXPECT_EQ(tip.GetToolCount(), 2);
  HWND tipWindow = tip.GetHandle();
  // The tooltip window goes with the frame.
  DestroyWindow(given.get());
  EXPECT_FALSE(IsWindow(tipWindow));
}

TEST_F(FrameInstall, RecordAndWindowAfterInstall) {
  TestFrame frame(WS_MINIMIZEBOX | WS_CLIPCHILDREN);
  const auto ownProc = reinterpret_cast<WNDPROC>(GetWindowLongA(frame.get(), GWL_WNDPROC));
  InstallFrameSkin(frame.get(), 50, std::nullopt, 0);
  ASSERT_EQ(ListLength(WindowRecords), 1);
  EXPECT_EQ(frame.Index(), 1);
  const WindowRecord& r = frame.Record();
  EXPECT_EQ(r.hwnd, frame.get());
  const LONG style = GetWindowLongA(frame.get(), GWL_STYLE);
  EXPECT_EQ(style & WS_CLIPCHILDREN, 0);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongA(frame.get(), GWL_WNDPROC)), FrameSkinProc);
  EXPECT_EQ(SavedProcOf(frame.get()), ownProc);
  EXPECT_EQ(r.savedProc, ownProc);
  EXPECT_EQ(r.needsFullRedraw, 1);
  // Given 0 is not the same as not given.
  EXPECT_EQ(r.resizable, 0);
  EXPECT_EQ(r.titleBarLive, 1);
  EXPECT_EQ(r.drawCaption, 1);
  EXPECT_EQ(r.fillColour, -1);
  EXPECT_EQ(r.fillAlpha, 255);
  EXPECT_EQ(r.hasMinimizeBox, 1);
  EXPECT_EQ(r.hasMaximizeBox, 0);
  RECT client{};
  GetClientRect(frame.get(), &client);
  EXPECT_EQ(r.lastClientWidth, client.right);
  EXPECT_EQ(r.lastClientHeight, client.bottom);
  EXPECT_EQ(FrameEdge, 3);
  EXPECT_NE(TitleButtonAction, nullptr);
}

TEST_F(FrameInstall, SecondInstallChangesNothing) {
  TestFrame frame;
  InstallFrameSkin(frame.get(), 50);
  const WindowRecord* first = &frame.Record();
  InstallFrameSkin(frame.get(), 30, 0, 1, 1, 1);
  EXPECT_EQ(ListLength(WindowRecords), 1);
  EXPECT_EQ(&frame.Record(), first);
  EXPECT_EQ(first->titleHeight, 50);
  EXPECT_EQ(ListLength(first->titleButtons), 1);
  // Still one subclassing: the saved procedure is the window's own.
  EXPECT_NE(SavedProcOf(frame.get()), FrameSkinProc);
}

TEST_F(FrameInstall, StretchedPictureIsKeptAsGiven) {
  TestFrame frame;
  const Bytes picture = Background();
  InstallFrameSkin(frame.get(), 50, std::nullopt, 0, std::nullopt, std::nullopt, std::nullopt, 1,
                   std::nullopt, std::nullopt, picture, 3);
  const WindowRecord& r = frame.Record();
  EXPECT_EQ(r.backgroundImage, picture);
  EXPECT_EQ(r.backgroundMode, 3);
  EXPECT_EQ(static_cast<std::uint32_t>(r.backgroundAverage) >> 24, 0xFFu);
  EXPECT_EQ(static_cast<std::uint32_t>(r.backgroundAverage),
            AverageImageColour(picture, 2000, 0, 0));
}

TEST_F(FrameInstall, NoPictureMeansNoBackgroundAndDefaultMode) {
  TestFrame frame;
  DefaultBackgroundMode = 2;
  InstallFrameSkin(frame.get(), 50, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                   std::nullopt, std::nullopt, std::nullopt, std::nullopt, Bytes());
  EXPECT_TRUE(frame.Record().backgroundImage.empty());
  EXPECT_EQ(frame.Record().backgroundAverage, 0);
  EXPECT_EQ(frame.Record().backgroundMode, 2);
  DefaultBackgroundMode = 0;
}

// The pixels of an encoded picture as 0xAARRGGBB.
struct Decoded {
  Bitmap bitmap;
  int width = 0, height = 0;
};
bool Decode(const Bytes& bytes, Decoded& out) {
  if (!out.bitmap.CreateFromBytes(bytes)) return false;
  out.width = static_cast<int>(out.bitmap.Width());
  out.height = static_cast<int>(out.bitmap.Height());
  return true;
}

bool Near(Argb a, Argb b, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

TEST_F(FrameInstall, CornerModesFadeTheInnerEdgeAndTheBottom) {
  const Bytes picture = Background();
  Decoded original;
  ASSERT_TRUE(Decode(picture, original));
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    TestFrame frame;
    InstallFrameSkin(frame.get(), 50, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                     std::nullopt, std::nullopt, std::nullopt, std::nullopt, picture, mode);
    const WindowRecord& r = frame.Record();
    ASSERT_GE(r.backgroundImage.size(), 8u);
    EXPECT_EQ(r.backgroundImage[0], 0x89);  // PNG signature
    EXPECT_EQ(r.backgroundImage[1], 'P');
    Decoded faded;
    ASSERT_TRUE(Decode(r.backgroundImage, faded));
    ASSERT_EQ(faded.width, original.width);
    ASSERT_EQ(faded.height, original.height);

    const Argb average = 0xFF000000u | ((r.backgroundAverage & 0xFF) << 16) |
                         (r.backgroundAverage & 0xFF00) | ((r.backgroundAverage >> 16) & 0xFF);
    const int w = faded.width, h = faded.height;
    // The outer corner stays the picture; the bottom row and the inner
    // edge column have become the average colour.
    const int outerX = mode == 0 ? 5 : w - 6;
    EXPECT_TRUE(Near(faded.bitmap.GetPixel(outerX, 5), original.bitmap.GetPixel(outerX, 5), 2));
    EXPECT_TRUE(Near(faded.bitmap.GetPixel(w / 3, h - 1), average, 12));
    const int innerX = mode == 0 ? w - 1 : 0;
    EXPECT_TRUE(Near(faded.bitmap.GetPixel(innerX, h / 3), average, 12));
    // Outside both bands nothing changed.
    EXPECT_TRUE(
        Near(faded.bitmap.GetPixel(w / 2, h / 3), original.bitmap.GetPixel(w / 2, h / 3), 2));
  }
}

TEST_F(FrameInstall, FadingSomethingThatIsNoPictureGivesNothing) {
  EXPECT_TRUE(FadeImageEdges(Bytes{1, 2, 3, 4}, 0xFF102030u, false).empty());
  EXPECT_TRUE(FadeImageEdges(Bytes(), 0xFF102030u, true).empty());
}

TEST_F(FrameInstall, ControlsOnTheWindowAreSkinned) {
  TestFrame frame;
  HWND button = frame.AddControl("BUTTON", "提取ip", BS_PUSHBUTTON, 20, 300, 80, 26);
  HWND check = frame.AddControl("BUTTON", "check", BS_AUTOCHECKBOX, 20, 240, 80, 20);
  HWND edit = frame.AddControl("EDIT", "", WS_BORDER | ES_MULTILINE | WS_VSCROLL, 20, 80, 200, 100);
  frame.InstallLikeProgram();
  const int index = frame.Index();
  EXPECT_NE(FindButtonRecord(index, button), 0);
  EXPECT_NE(FindButtonRecord(index, check), 0);
  EXPECT_NE(GetWindowLongA(button, GWL_STYLE) & BS_OWNERDRAW, 0);
  EXPECT_NE(FindEditRecord(index, edit), 0);
  EXPECT_EQ(GetPropInt(edit, Hw_FuID), index);
}

TEST_F(FrameInstall, StatusBarAlongTheBottom) {
  TestFrame frame;
  std::vector<StatusItem> items(2);
  items[0].width = 60;
  items[0].text = "就绪";
  items[1].width = -1;
  items[1].value = 7;
  InstallFrameSkin(frame.get(), 50, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                   std::nullopt, std::nullopt, 20, items);
  WindowRecord& r = frame.Record();
  RECT client{};
  GetClientRect(frame.get(), &client);
  EXPECT_EQ(r.statusHeight, 20);
  EXPECT_EQ(r.statusRect.y, client.bottom - 3 - 20 - 1);
  ASSERT_EQ(ListLength(r.statusItems), 2);
  EXPECT_EQ(RecordAt(r.statusItems, 1)->text, "就绪");
  EXPECT_EQ(RecordAt(r.statusItems, 2)->value, 7);
  ASSERT_EQ(ListLength(r.statusItemRects), 2);
  EXPECT_EQ(RecordAt(r.statusItemRects, 2)->x, 63);
  EXPECT_EQ(RecordAt(r.statusItemRects, 2)->width, client.right - 3 - 63);
  EXPECT_EQ(r.statusTextStyle.colour, 0xFFFFFF);
  EXPECT_EQ(r.statusTextStyle.fontFace, "宋体");

  // A wider window: the bar and the last item follow at the next layout.
  SetWindowPos(frame.get(), nullptr, 0, 0, 426, 393, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(frame.get(), &client);
  EXPECT_EQ(r.statusRect.width, client.right - 6);
  EXPECT_EQ(RecordAt(r.statusItemRects, 2)->width, client.right - 3 - 63);
}

TEST_F(FrameInstall, SettingsNeedASkinnedWindow) {
  TestFrame bare;
  EXPECT_FALSE(SetCloseEffect(bare.get(), 2));
  EXPECT_FALSE(SetCaptionStyle(bare.get(), Text("黑体")));

  TestFrame frame;
  InstallFrameSkin(frame.get(), 50);
  EXPECT_TRUE(SetCloseEffect(frame.get(), 1));
  EXPECT_EQ(frame.Record().closeEffect, 1);
  EXPECT_TRUE(SetCaptionStyle(frame.get(), std::nullopt, std::nullopt, 0, 0xFFFFFF,
                              std::nullopt, 1));
  const WindowRecord& r = frame.Record();
  EXPECT_EQ(r.captionColour, 0);
  EXPECT_EQ(r.captionGlowColour, 0xFFFFFF);
  EXPECT_EQ(r.captionGlow, 1);
  // Settings not given keep their install values.
  EXPECT_EQ(r.captionFont, "宋体");
  EXPECT_EQ(r.captionSize, 12);
  EXPECT_EQ(r.captionBold, 1);
}

}  // namespace
