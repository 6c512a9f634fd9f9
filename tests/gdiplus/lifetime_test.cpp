// GDI+ start and shutdown, the skin module's start-up values and the
// shadow window class.
#include <vector>

#include "gdiplus_test_support.h"
#include "graphics/gdiplus/shadow_window_class.h"
#include "skin/state/skin_state.h"

namespace {

TEST(GdiPlusLifetime, EachSessionIsShutDownOnce) {
  const int before = LiveGdiPlusSessions();
  std::uintptr_t token = StartGdiPlus();
  ASSERT_NE(token, 0u);
  EXPECT_EQ(LiveGdiPlusSessions(), before + 1);
  ShutdownGdiPlus(token, true);
  EXPECT_EQ(LiveGdiPlusSessions(), before);
  // The second call finds the session gone and leaves GDI+ alone.
  ShutdownGdiPlus(token, true);
  ShutdownGdiPlus(0, false);
  EXPECT_EQ(LiveGdiPlusSessions(), before);
}

TEST(GdiPlusLifetime, WithoutATokenTheSavedOneIsUsedAndCleared) {
  const int before = LiveGdiPlusSessions();
  std::uintptr_t outer = StartGdiPlus();
  std::uintptr_t inner = StartGdiPlus(1);
  ASSERT_NE(outer, 0u);
  ASSERT_NE(inner, 0u);
  ShutdownGdiPlus(0, false);  // the latest start
  EXPECT_EQ(LiveGdiPlusSessions(), before + 1);
  ShutdownGdiPlus(0, false);  // saved token already cleared: nothing
  EXPECT_EQ(LiveGdiPlusSessions(), before + 1);
  // The outer session still works.
  Bitmap bitmap;
  EXPECT_TRUE(bitmap.CreateFromScan0(2, 2));
  bitmap.Dispose();
  ShutdownGdiPlus(outer, true);
  EXPECT_EQ(LiveGdiPlusSessions(), before);
}

TEST(GdiPlusLifetime, GivenTokenPathThenSavedTokenPathShutsDownOnce) {
  const int before = LiveGdiPlusSessions();
  std::uintptr_t token = StartGdiPlus();
  ASSERT_NE(token, 0u);
  ShutdownGdiPlus(token, true);   // the main window's path
  ShutdownGdiPlus(0, false);      // the exit path afterwards
  EXPECT_EQ(LiveGdiPlusSessions(), before);
  ShutdownGdiPlus(0, true);       // token 0 given: nothing
  ShutdownGdiPlus(12345, true);   // a token never handed out: nothing
  EXPECT_EQ(LiveGdiPlusSessions(), before);
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
std::vector<WPARAM> ncPresses;
std::vector<HWND> rendered;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCLBUTTONDOWN) {
    ncPresses.push_back(wParam);
    return 0;  // no modal move loop in the test
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RecordRender(HWND shadow) { rendered.push_back(shadow); }

class SkinStartup : public ::testing::Test {
 protected:
  void SetUp() override {
    InitSkinTables();
    sessionsBefore_ = LiveGdiPlusSessions();
  }
  void TearDown() override {
    SetShadowRenderRoutine(nullptr);
    ReleaseSkinState();  // runs the GDI+ shutdown step
    EXPECT_EQ(LiveGdiPlusSessions(), sessionsBefore_);
  }
  int sessionsBefore_ = 0;
};

TEST_F(SkinStartup, SetsTheStartupValuesAndRegistersTheShadowClass) {
  SkinChildControls = 0;
  ControlOverlayAlpha = 0;
  AccentColour = 0;
  FirstResizePending = 0;
  InitGraphicsModule();
  EXPECT_NE(GdiPlusToken, 0u);
  EXPECT_EQ(LiveGdiPlusSessions(), sessionsBefore_ + 1);
  EXPECT_EQ(SkinChildControls, 1);
  EXPECT_EQ(ControlOverlayAlpha, 160);
  EXPECT_EQ(AccentColour, 0xDDCA22);
  EXPECT_EQ(TrackbarFrameShown, 1);
  EXPECT_EQ(WideHotFrame, 1);
  EXPECT_EQ(FirstResizePending, 1);

  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "duvaZedado", &wc));
  EXPECT_EQ(wc.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
  EXPECT_EQ(wc.lpfnWndProc, ShadowWindowProc);
  EXPECT_EQ(wc.cbClsExtra, 0);
  EXPECT_EQ(wc.cbWndExtra, 0);
  EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
  EXPECT_EQ(wc.hIcon, ClassIcon);
  // Registering again is not an error.
  EXPECT_TRUE(RegisterShadowWindowClass());
}

TEST_F(SkinStartup, FramePathThenExitRoutineShutGdiPlusDownOnce) {
  InitGraphicsModule();
  ASSERT_EQ(LiveGdiPlusSessions(), sessionsBefore_ + 1);
  ShutdownGdiPlus(GdiPlusToken, true);  // what the main window does on WM_QUIT
  EXPECT_EQ(LiveGdiPlusSessions(), sessionsBefore_);
  EXPECT_EQ(GdiPlusToken, 0u);
  // TearDown runs the exit routine: it must find nothing left to shut down.
}

TEST_F(SkinStartup, ShadowWindowPressMovesTheFrameOnlyWhenAllowed) {
  InitGraphicsModule();
  WNDCLASSA ownerClass = {};
  ownerClass.lpfnWndProc = OwnerProc;
  ownerClass.hInstance = GetModuleHandleA(nullptr);
  ownerClass.lpszClassName = "PxShadowOwnerTest";
  RegisterClassA(&ownerClass);
  HWND owner = CreateWindowExA(0, "PxShadowOwnerTest", "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  HWND shadow = CreateWindowExA(WS_EX_TOOLWINDOW, "duvaZedado", "", WS_POPUP, 0, 0, 60, 60, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(shadow, nullptr);
  SetPropA(shadow, Yyck_Glck, owner);

  auto record = NewWindowRecord();
  record->hwnd = owner;
  WindowRecord* raw = record.get();
  int index = AppendWindowRecord(std::move(record));
  SetPropInt(owner, Hw_lbID, index);

  ncPresses.clear();
  SendMessageA(shadow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(ncPresses.empty()) << "shadowDragMoves is 0";

  raw->shadowDragMoves = 1;
  SendMessageA(shadow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_EQ(ncPresses.size(), 1u);
  EXPECT_EQ(ncPresses[0], static_cast<WPARAM>(HTCAPTION));

  // A shadow without an owner property, or an owner without a record, does
  // nothing.
  SetPropInt(owner, Hw_lbID, 0);
  SendMessageA(shadow, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(ncPresses.size(), 1u);

  // WM_SIZE redraws the shadow through the frame skin's routine.
  rendered.clear();
  SendMessageA(shadow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(60, 60));
  EXPECT_TRUE(rendered.empty());
  SetShadowRenderRoutine(RecordRender);
  SetWindowPos(shadow, nullptr, 0, 0, 80, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_FALSE(rendered.empty());
  EXPECT_EQ(rendered.back(), shadow);

  DestroyWindow(shadow);
  DestroyWindow(owner);
}

}  // namespace
