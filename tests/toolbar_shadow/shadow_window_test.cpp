// The shadow window of a skinned frame: it is made once, follows the frame,
// hides and shows with the frame's window states, goes with WM_CLOSE, and
// its picture costs no GDI objects.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "graphics/gdiplus/graphics.h"
#include "graphics/gdiplus/image.h"
#include "graphics/paint/memory_dc_table.h"
#include "skin/frame/shadow_window.h"
#include "tests/control_host/control_host.h"
#include "tests/frame_proc/frame_fixture.h"
#include "tests/frame_proc/import_replacement.h"

namespace {

constexpr int kSpread = 12;

bool Visible(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

// Row y counted from the bottom edge of a picture h high.
int RowFromBottom(int h, int y) { return h - 1 - y; }

RECT WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// Expects shadow to exceed frame by spread on every side.
void ExpectAround(HWND shadow, HWND frame, int spread) {
  RECT f = WindowRectOf(frame);
  InflateRect(&f, spread, spread);
  const RECT s = WindowRectOf(shadow);
  EXPECT_TRUE(EqualRect(&f, &s));
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
  EXPECT_EQ(CreateFrameShadow(frame->get(), 30), shadow) << "a second call makes no second window";
  EXPECT_EQ(frame->Record().shadowSpread, kSpread);

  EXPECT_EQ(GetWindow(shadow, GW_OWNER), nullptr) << "an owned shadow would lie above its frame";
  EXPECT_TRUE(Visible(shadow)) << "the frame is showing";
  ExpectAround(shadow, frame->get(), kSpread);
}

TEST_F(ShadowWindow, FollowsTheFrameWhenItMovesAndResizes) {
  HWND shadow = CreateFrameShadow(frame->get(), kSpread);
  ASSERT_NE(shadow, nullptr);
  // The frame procedure places the shadow from the new position and size
  // of the move.
  MoveWindow(frame->get(), 140, 150, 300, 220, FALSE);
  PumpMessages();
  ExpectAround(shadow, frame->get(), kSpread);
  // A drag moves without a size.
  SetWindowPos(frame->get(), nullptr, 90, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpMessages();
  ExpectAround(shadow, frame->get(), kSpread);
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

// The picture handed to UpdateLayeredWindow, with its alpha, taken from the
// source DC while the call is made.
struct LayeredPicture {
  HWND window = nullptr;
  POINT position{};
  SIZE size{};
  int alpha = -1;
  DWORD flags = 0;
  std::vector<std::uint32_t> argb;  // top row first
  int AlphaAt(int x, int y) const {
    return static_cast<int>(argb[static_cast<size_t>(y) * size.cx + x] >> 24);
  }
};
std::vector<LayeredPicture> layeredPictures;
using UpdateLayeredFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                      BLENDFUNCTION*, DWORD);
UpdateLayeredFn systemUpdateLayered = nullptr;

BOOL WINAPI RecordingUpdateLayered(HWND window, HDC screen, POINT* position, SIZE* size, HDC source,
                                   POINT* sourcePoint, COLORREF key, BLENDFUNCTION* blend,
                                   DWORD flags) {
  LayeredPicture p;
  p.window = window;
  if (position != nullptr) p.position = *position;
  if (size != nullptr) p.size = *size;
  if (blend != nullptr) p.alpha = blend->SourceConstantAlpha;
  p.flags = flags;
  HGDIOBJ bitmap = GetCurrentObject(source, OBJ_BITMAP);
  if (size != nullptr && bitmap != nullptr && size->cx > 0 && size->cy > 0) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size->cx;
    info.bmiHeader.biHeight = -size->cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    p.argb.resize(static_cast<size_t>(size->cx) * size->cy);
    if (GetDIBits(source, static_cast<HBITMAP>(bitmap), 0, size->cy, p.argb.data(), &info,
                  DIB_RGB_COLORS) != size->cy) {
      p.argb.clear();
    }
  }
  layeredPictures.push_back(std::move(p));
  return systemUpdateLayered(window, screen, position, size, source, sourcePoint, key, blend, flags);
}

// RenderShadow hands the system a soft black ring the size of the shadow
// window: clear at the rounded corners, fading in over the spread, about
// the shadow's alpha under the frame.
TEST_F(ShadowWindow, RenderHandsTheSoftShadowToTheLayeredWindow) {
  HWND shadow = CreateFrameShadow(frame->get(), kSpread);
  ASSERT_NE(shadow, nullptr);
  const ImportReplacement replaced("user32.dll", "UpdateLayeredWindow",
                                   reinterpret_cast<void*>(RecordingUpdateLayered));
  ASSERT_NE(replaced.original(), nullptr);
  systemUpdateLayered = reinterpret_cast<UpdateLayeredFn>(replaced.original());
  layeredPictures.clear();
  RenderShadow(shadow);
  ASSERT_EQ(layeredPictures.size(), 1u);
  const LayeredPicture& p = layeredPictures[0];
  const RECT r = WindowRectOf(shadow);
  EXPECT_EQ(p.window, shadow);
  EXPECT_EQ(p.position.x, r.left);
  EXPECT_EQ(p.position.y, r.top);
  ASSERT_EQ(p.size.cx, r.right - r.left);
  ASSERT_EQ(p.size.cy, r.bottom - r.top);
  EXPECT_EQ(p.alpha, 255);
  EXPECT_EQ(p.flags, static_cast<DWORD>(ULW_ALPHA));
  ASSERT_FALSE(p.argb.empty());

  const int w = p.size.cx, h = p.size.cy;
  EXPECT_EQ(p.AlphaAt(0, 0), 0) << "rounded corner";
  EXPECT_EQ(p.AlphaAt(w - 1, h - 1), 0) << "rounded corner";
  EXPECT_NEAR(p.AlphaAt(w / 2, h / 2), kDefaultShadowAlpha, 12) << "under the frame";
  EXPECT_EQ(p.argb[static_cast<size_t>(h / 2) * w + w / 2] & 0xFFFFFFu, 0u) << "black";
  for (int x = 1; x <= kSpread; ++x) {
    EXPECT_GE(p.AlphaAt(x, h / 2), p.AlphaAt(x - 1, h / 2)) << "at x " << x;
    EXPECT_GE(p.AlphaAt(w / 2, RowFromBottom(h, x)), p.AlphaAt(w / 2, RowFromBottom(h, x - 1)));
  }
  EXPECT_LT(p.AlphaAt(0, h / 2), p.AlphaAt(kSpread - 1, h / 2) / 2) << "a soft edge";
  EXPECT_GT(p.AlphaAt(kSpread / 2, h / 2), 0) << "the ring shows beside the frame";

  // A record that suppresses the drawn shadow hands over a clear picture.
  frame->Record().shadowSuppressed = true;
  RenderShadow(shadow);
  ASSERT_EQ(layeredPictures.size(), 2u);
  ASSERT_FALSE(layeredPictures[1].argb.empty());
  EXPECT_EQ(layeredPictures[1].AlphaAt(w / 2, h / 2), 0);
  EXPECT_EQ(layeredPictures[1].AlphaAt(kSpread / 2, h / 2), 0);
}

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
  EXPECT_GT((picture.GetPixel(40, 30) >> 16) & 0xFF, 200u) << "in the shadow colour";
  // Along the middle row the alpha grows from the edge inwards.
  for (int x = 1; x <= 10; ++x) EXPECT_GE(AlphaAt(x, 30), AlphaAt(x - 1, 30)) << "at x " << x;
  EXPECT_LT(AlphaAt(0, 30), AlphaAt(9, 30) / 2) << "the edge is soft, not a hard step";
}

}  // namespace
