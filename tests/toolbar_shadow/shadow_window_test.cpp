// The shadow window of a skinned frame: it is made once, follows the frame,
// hides and shows with the frame's window states, goes with WM_CLOSE, and
// its picture costs no GDI objects.
#include <gtest/gtest.h>

#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/image.h"
#include "graphics/paint/memory_dc_table.h"
#include "skin/frame/shadow_window.h"
#include "tests/control_host/control_host.h"
#include "tests/frame_proc/frame_fixture.h"

namespace {

constexpr int kSpread = 12;

bool Visible(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

RECT WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// Expects shadow to exceed frame by spread on every side.
void ExpectAround(HWND shadow, HWND frame, int spread) {
  const RECT f = WindowRectOf(frame);
  const RECT s = WindowRectOf(shadow);
  EXPECT_EQ(s.left, f.left - spread);
  EXPECT_EQ(s.top, f.top - spread);
  EXPECT_EQ(s.right, f.right + spread);
  EXPECT_EQ(s.bottom, f.bottom + spread);
}

class ShadowWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFrameSkinState();
    frame = std::make_unique<TestFrame>(WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU, 300, 220,
                                        80, 90);
    frame->InstallLikeProgram();
    ShowWindow(frame->get(), SW_SHOWNOACTIVATE);
    PumpMessages();
  }
  void TearDown() override {
    frame.reset();
    PumpMessages();
    EXPECT_EQ(MemoryDcCount(), 0);
    ResetFrameSkinState();
  }
  std::unique_ptr<TestFrame> frame;
};

TEST_F(ShadowWindow, IsMadeOnceBehindASkinnedFrameOnly) {
  TestFrame plain;
  EXPECT_EQ(CreateFrameShadow(plain.get(), kSpread), nullptr) << "no record, no shadow";

  HWND shadow = CreateFrameShadow(frame->get(), kSpread);
  ASSERT_NE(shadow, nullptr);
  EXPECT_EQ(frame->Record().shadowWindow, shadow);
  EXPECT_EQ(frame->Record().shadowSpread, kSpread);
  EXPECT_EQ(CreateFrameShadow(frame->get(), 30), shadow) << "a second call makes no second window";
  EXPECT_EQ(frame->Record().shadowSpread, kSpread);

  char cls[32] = {};
  GetClassNameA(shadow, cls, sizeof cls);
  EXPECT_STREQ(cls, "duvaZedado");
  EXPECT_NE(GetWindowLongA(shadow, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(GetWindow(shadow, GW_OWNER), nullptr) << "an owned shadow would lie above its frame";
  EXPECT_EQ(reinterpret_cast<HWND>(GetPropA(shadow, Yyck_Glck)), frame->get());
  EXPECT_EQ(GetPropInt(shadow, Yyck_yysd), kSpread);
  EXPECT_EQ(GetPropInt(shadow, Yyck_Tmd), kDefaultShadowAlpha);
  EXPECT_TRUE(Visible(shadow)) << "the frame is showing";
  ExpectAround(shadow, frame->get(), kSpread);
}

TEST_F(ShadowWindow, TakesTheRecordsShadowValues) {
  WindowRecord& record = frame->Record();
  record.shadowOffset = 3;
  record.shadowDepth = 7;
  record.shadowColour = 0x102030;
  record.shadowAlpha = 200;
  HWND shadow = CreateFrameShadow(frame->get(), kSpread);
  ASSERT_NE(shadow, nullptr);
  EXPECT_EQ(GetPropInt(shadow, Yyck_yyWz), 3);
  EXPECT_EQ(GetPropInt(shadow, Yyck_yysd), 7);
  EXPECT_EQ(GetPropInt(shadow, Yyck_yyys), 0x102030);
  EXPECT_EQ(GetPropInt(shadow, Yyck_Tmd), 200);
}

TEST_F(ShadowWindow, FollowsTheFrameWhenItMovesAndResizes) {
  HWND shadow = CreateFrameShadow(frame->get(), kSpread);
  ASSERT_NE(shadow, nullptr);
  // The frame procedure places the shadow from the new position and size
  // of the move.
  MoveWindow(frame->get(), 140, 150, 300, 220, FALSE);
  PumpMessages();
  ExpectAround(shadow, frame->get(), kSpread);
  SetWindowPos(frame->get(), nullptr, 60, 70, 340, 260, SWP_NOZORDER | SWP_NOACTIVATE);
  PumpMessages();
  ExpectAround(shadow, frame->get(), kSpread);
  // A drag moves without a size, a resize keeps the place: the shadow
  // still ends up around the frame.
  SetWindowPos(frame->get(), nullptr, 90, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpMessages();
  ExpectAround(shadow, frame->get(), kSpread);
  SetWindowPos(frame->get(), nullptr, 0, 0, 280, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpMessages();
  ExpectAround(shadow, frame->get(), kSpread);
}

TEST_F(ShadowWindow, PlaceShadowUsesGivenPlaceOrTheFrameAndSkipsAHiddenShadow) {
  HWND shadow = CreateFrameShadow(frame->get(), kSpread);
  ASSERT_NE(shadow, nullptr);
  PlaceShadow(frame->get(), true, 10, 20, 100, 50);
  RECT s = WindowRectOf(shadow);
  EXPECT_EQ(s.left, 10 - kSpread);
  EXPECT_EQ(s.top, 20 - kSpread);
  EXPECT_EQ(s.right - s.left, 100 + 2 * kSpread);
  EXPECT_EQ(s.bottom - s.top, 50 + 2 * kSpread);
  // Not all four given: around the frame.
  PlaceShadow(frame->get(), false, 10, 20);
  ExpectAround(shadow, frame->get(), kSpread);

  ShowWindow(shadow, SW_HIDE);
  const RECT before = WindowRectOf(shadow);
  PlaceShadow(frame->get(), false, 300, 300, 40, 40);
  const RECT after = WindowRectOf(shadow);
  EXPECT_TRUE(EqualRect(&before, &after)) << "a hidden shadow stays where it is";
  PlaceShadow(nullptr, true);  // no record: nothing, no crash
}

TEST_F(ShadowWindow, HidesOnMinimiseAndMaximiseAndShowsOnRestore) {
  HWND shadow = CreateFrameShadow(frame->get(), kSpread);
  ASSERT_NE(shadow, nullptr);
  ASSERT_TRUE(Visible(shadow));

  SendMessageA(frame->get(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  PumpMessages();
  EXPECT_FALSE(Visible(shadow)) << "minimised";
  SendMessageA(frame->get(), WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpMessages();
  EXPECT_TRUE(Visible(shadow)) << "restored from minimised";
  ExpectAround(shadow, frame->get(), kSpread);

  SendMessageA(frame->get(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  PumpMessages();
  EXPECT_FALSE(Visible(shadow)) << "maximised";
}

TEST_F(ShadowWindow, GoesWithTheFramesClose) {
  HWND shadow = CreateFrameShadow(frame->get(), kSpread);
  ASSERT_NE(shadow, nullptr);
  SendMessageA(frame->get(), WM_CLOSE, 0, 0);
  PumpMessages();
  EXPECT_FALSE(IsWindow(shadow));
}

TEST_F(ShadowWindow, UpdateLayeredRefusesWhatCannotWork) {
  // A plain window is not layered; a layered one without a source has
  // nothing to show.
  EXPECT_FALSE(UpdateLayered(frame->get(), CreateRememberedMemoryDc(10, 10)));
  ReleaseAllMemoryDcs();
  HWND shadow = CreateFrameShadow(frame->get(), kSpread);
  ASSERT_NE(shadow, nullptr);
  EXPECT_FALSE(UpdateLayered(shadow)) << "the shadow has no frameDC of its own";
  HDC dc = CreateRememberedMemoryDc(50, 50);
  EXPECT_TRUE(UpdateLayered(shadow, dc, 255, std::nullopt, std::nullopt, 50, 50));
  ReleaseMemoryDc(dc);
}

TEST(ShadowLayers, TogetherCoverTheWantedAlpha) {
  for (int layers : {1, 2, 5, 12, 30}) {
    for (int alpha : {1, 40, 90, 200, 255}) {
      const int single = ShadowLayerAlpha(alpha, layers);
      ASSERT_GE(single, 1);
      ASSERT_LE(single, alpha);
      double remaining = 1.0;
      for (int k = 0; k < layers; ++k) remaining *= 1.0 - single / 255.0;
      const double covered = (1.0 - remaining) * 255.0;
      EXPECT_NEAR(covered, alpha, layers + 1.0) << alpha << " over " << layers << " layers";
    }
  }
  EXPECT_EQ(ShadowLayerAlpha(0, 10), 0);
  EXPECT_EQ(ShadowLayerAlpha(300, 1), 255);
}

TEST_F(ShadowWindow, ManyRendersLeaveNoGdiObjectBehind) {
  HWND shadow = CreateFrameShadow(frame->get(), kSpread);
  ASSERT_NE(shadow, nullptr);
  RenderShadow(shadow);
  const int objects = LiveGdiObjectCount();
  const int dcs = MemoryDcCount();  // the frame's composite is one of them
  for (int i = 0; i < 200; ++i) RenderShadow(shadow);
  EXPECT_EQ(LiveGdiObjectCount(), objects);
  EXPECT_EQ(MemoryDcCount(), dcs);
}

}  // namespace

namespace {

// The soft shadow drawn on a transparent 80 x 60 ARGB bitmap.
class SoftShadowPicture : public ::testing::Test {
 protected:
  void SetUp() override { ResetControlSkinState(); }
  void Draw(int offset, int depth, int colour, int alpha) {
    ASSERT_TRUE(picture.CreateFromScan0(80, 60, PixelFormat32bppARGB));
    Graphics g;
    ASSERT_TRUE(g.FromImage(picture));
    DrawSoftShadow(g, 80, 60, offset, depth, colour, alpha);
  }
  int AlphaAt(int x, int y) const { return static_cast<int>(picture.GetPixel(x, y) >> 24); }
  Bitmap picture;
};

TEST_F(SoftShadowPicture, FadesOutTowardsTheEdgeAndReachesTheAlphaInside) {
  Draw(0, 10, 0x0000FF, 160);  // red
  EXPECT_EQ(AlphaAt(0, 0), 0) << "the rounded corner stays clear";
  EXPECT_NEAR(AlphaAt(40, 30), 160, 12) << "the middle carries the wanted alpha";
  const Argb middle = picture.GetPixel(40, 30);
  EXPECT_GT((middle >> 16) & 0xFF, 200u) << "in the shadow colour";
  EXPECT_LT(middle & 0xFF, 40u);
  // Along the middle row the alpha grows from the edge inwards.
  int previous = -1;
  for (int x = 0; x <= 10; ++x) {
    const int a = AlphaAt(x, 30);
    EXPECT_GE(a, previous) << "at x " << x;
    previous = a;
  }
  EXPECT_LT(AlphaAt(0, 30), AlphaAt(9, 30) / 2) << "the edge is soft, not a hard step";
}

TEST_F(SoftShadowPicture, OffsetMovesTheShadowRightAndDown) {
  Draw(6, 4, 0, 200);
  EXPECT_EQ(AlphaAt(2, 30), 0) << "left of the moved shadow";
  EXPECT_EQ(AlphaAt(40, 2), 0) << "above the moved shadow";
  EXPECT_GT(AlphaAt(78, 30), 0) << "it reaches the right edge";
  EXPECT_GT(AlphaAt(40, 58), 0) << "it reaches the bottom edge";
  EXPECT_GT(AlphaAt(40, 30), 150);
}

TEST_F(SoftShadowPicture, ZeroAlphaDrawsNothing) {
  Draw(0, 8, 0, 0);
  for (int y = 0; y < 60; y += 7) {
    for (int x = 0; x < 80; x += 7) ASSERT_EQ(AlphaAt(x, y), 0);
  }
}

}  // namespace
