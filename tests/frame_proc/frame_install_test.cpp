// Installing the frame skin on real windows: title height, the title-bar
// buttons for the style combinations, subclassing, background picture,
// status bar and settings.
#include <gtest/gtest.h>

#include "graphics/assets/skin_pictures.h"
#include "graphics/gdiplus/image.h"
#include "skin/frame/frame_install.h"
#include "skin/frame/frame_proc.h"
#include "tests/frame_proc/frame_fixture.h"

namespace {

class FrameInstall : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

constexpr std::nullopt_t kNo = std::nullopt;

TEST_F(FrameInstall, TitleHeightBelowTwentyFiveIsRaised) {
  for (const auto& [given, expected] :
       std::vector<std::pair<std::optional<int>, int>>{{10, 25}, {50, 50}, {kNo, 25}}) {
    TestFrame frame;
    FrameSkinOptions options;
    options.titleHeight = given;
    InstallFrameSkin(frame.get(), options);
    EXPECT_EQ(frame.Record().titleHeight, expected);
  }
}

TEST_F(FrameInstall, ButtonSetsAndStripsForTheStyles) {
  const struct {
    DWORD style;
    std::optional<bool> live, help, menu, hideClose;
    std::vector<int> kinds;
    int stripWidth;
  } cases[] = {
      {0, kNo, kNo, kNo, kNo, {0}, 41},
      {WS_MINIMIZEBOX, kNo, kNo, kNo, kNo, {2, 0}, 68},
      {WS_MINIMIZEBOX | WS_MAXIMIZEBOX, kNo, 1, 1, kNo, {4, 3, 2, 1, 0}, 4 * 26 + 38 + 4 + 3},
      {WS_MINIMIZEBOX, kNo, kNo, kNo, 1, {2}, 29},
      {WS_MINIMIZEBOX, 0, kNo, kNo, kNo, {2}, 29},  // dead title bar: no close
  };
  for (const auto& c : cases) {
    TestFrame frame(c.style);
    FrameSkinOptions options;
    options.titleHeight = 30;
    options.titleBarLive = c.live;
    options.showHelpButton = c.help;
    options.showMenuButton = c.menu;
    options.hideCloseButton = c.hideClose;
    InstallFrameSkin(frame.get(), options);
    const WindowRecord& r = frame.Record();
    std::vector<int> kinds;
    for (const auto& b : r.titleButtons) kinds.push_back(b->kind);
    EXPECT_EQ(kinds, c.kinds);
    EXPECT_EQ(r.stripWidth, c.stripWidth);
    EXPECT_EQ(r.stripHeight, 22);
    RECT client{};
    GetClientRect(frame.get(), &client);
    EXPECT_EQ(r.stripX, client.right - c.stripWidth + 1);
    for (int i = 0; i < ListLength(r.titleButtons); ++i) {
      const TitleButton& b = *r.titleButtons[i];
      EXPECT_FLOAT_EQ(b.rect.x, static_cast<float>(r.stripX + 2 + 27 * i));
      EXPECT_FLOAT_EQ(b.rect.width, b.kind == 0 ? 40.0f : 26.0f);
      EXPECT_EQ(b.restoreImage.empty(), b.kind != 1);
    }
  }
}

TEST_F(FrameInstall, SubclassesOnceAndTellsGivenZeroFromNotGiven) {
  TestFrame frame(WS_MINIMIZEBOX | WS_CLIPCHILDREN);
  const auto ownProc = reinterpret_cast<WNDPROC>(GetWindowLongA(frame.get(), GWL_WNDPROC));
  InstallFrameSkin(frame.get(), TitleHeightOptions(50, false));
  const WindowRecord& r = frame.Record();
  EXPECT_EQ(GetWindowLongA(frame.get(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongA(frame.get(), GWL_WNDPROC)), FrameSkinProc);
  EXPECT_EQ(SavedProcOf(frame.get()), ownProc);
  EXPECT_EQ(r.resizable, 0);
  EXPECT_EQ(r.titleBarLive, 1);
  // A second install changes nothing and does not subclass again.
  FrameSkinOptions other;
  other.titleHeight = 30;
  other.titleBarLive = false;
  other.resizable = true;
  other.showHelpButton = true;
  other.showMenuButton = true;
  InstallFrameSkin(frame.get(), other);
  EXPECT_EQ(ListLength(WindowRecords), 1);
  EXPECT_EQ(frame.Record().titleHeight, 50);
  EXPECT_EQ(ListLength(frame.Record().titleButtons), 2);
  EXPECT_EQ(SavedProcOf(frame.get()), ownProc);
}

bool Near(Argb a, Argb b, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

TEST_F(FrameInstall, CornerModesFadeTheInnerEdgeAndTheBottom) {
  const Bytes picture = CopyPictureBytes(MainBackground());
  Bitmap original;
  ASSERT_TRUE(original.CreateFromBytes(picture));
  const int w = static_cast<int>(original.Width()), h = static_cast<int>(original.Height());
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    TestFrame frame;
    FrameSkinOptions options;
    options.titleHeight = 50;
    options.backgroundImage = picture;
    options.backgroundMode = static_cast<BackgroundMode>(mode);
    InstallFrameSkin(frame.get(), options);
    const WindowRecord& r = frame.Record();
    Bitmap faded;
    ASSERT_TRUE(faded.CreateFromBytes(r.backgroundImage));
    ASSERT_EQ(static_cast<int>(faded.Width()), w);
    const Argb average = 0xFF000000u | ((r.backgroundAverage & 0xFF) << 16) |
                         (r.backgroundAverage & 0xFF00) | ((r.backgroundAverage >> 16) & 0xFF);
    const int outerX = mode == 0 ? 5 : w - 6;
    EXPECT_TRUE(Near(faded.GetPixel(outerX, 5), original.GetPixel(outerX, 5), 2));
    EXPECT_TRUE(Near(faded.GetPixel(w / 3, h - 1), average, 12));
    EXPECT_TRUE(Near(faded.GetPixel(mode == 0 ? w - 1 : 0, h / 3), average, 12));
    EXPECT_TRUE(Near(faded.GetPixel(w / 2, h / 3), original.GetPixel(w / 2, h / 3), 2));
  }
  EXPECT_TRUE(FadeImageEdges(Bytes{1, 2, 3, 4}, 0xFF102030u, false).empty());
}

TEST_F(FrameInstall, StatusBarFollowsTheWidth) {
  TestFrame frame;
  std::vector<StatusItem> items(2);
  items[0].width = 60;
  items[1].width = -1;
  FrameSkinOptions options;
  options.titleHeight = 50;
  options.statusHeight = 20;
  options.statusItems = items;
  InstallFrameSkin(frame.get(), options);
  WindowRecord& r = frame.Record();
  RECT client{};
  GetClientRect(frame.get(), &client);
  EXPECT_EQ(r.statusRect.y, client.bottom - 3 - 20 - 1);
  ASSERT_EQ(ListLength(r.statusItemRects), 2);
  EXPECT_EQ(RecordAt(r.statusItemRects, 2)->x, 63);
  SetWindowPos(frame.get(), nullptr, 0, 0, 426, 393, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(frame.get(), &client);
  EXPECT_EQ(r.statusRect.width, client.right - 6);
  EXPECT_EQ(RecordAt(r.statusItemRects, 2)->width, client.right - 3 - 63);
}

TEST_F(FrameInstall, SettingsNeedASkinnedWindowAndKeepWhatIsNotGiven) {
  TestFrame bare;
  CaptionStyle font;
  font.font = Text("黑体");
  EXPECT_FALSE(SetCloseEffect(bare.get(), kCloseEffectPulse));
  EXPECT_FALSE(SetCaptionStyle(bare.get(), font));
  TestFrame frame;
  InstallFrameSkin(frame.get(), TitleHeightOptions(50));
  CaptionStyle halo;
  halo.colour = 0;
  halo.glowColour = 0xFFFFFF;
  halo.glow = true;
  EXPECT_TRUE(SetCaptionStyle(frame.get(), halo));
  const WindowRecord& r = frame.Record();
  EXPECT_EQ(r.captionColour, 0);
  EXPECT_EQ(r.captionGlowColour, 0xFFFFFF);
  EXPECT_EQ(r.captionFont, "宋体");
  EXPECT_EQ(r.captionSize, 12);
}

}  // namespace
