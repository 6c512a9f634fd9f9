// GDI+ start and shutdown, the exit routine's shutdown and the shadow
// window class.
#include <vector>

#include "gdiplus_test_support.h"
#include "app/resource_ids.h"
#include "graphics/gdiplus/shadow_window_class.h"
#include "skin/frame/skin_start.h"
#include "skin/state/skin_state.h"

namespace {

TEST(GdiPlusLifetime, EverySessionIsShutDownExactlyOnce) {
  const int before = LiveGdiPlusSessions();
  std::uintptr_t outer = StartGdiPlus();
  std::uintptr_t inner = StartGdiPlus(1);
  ASSERT_NE(outer, 0u);
  ASSERT_NE(inner, 0u);
  ShutdownGdiPlus(0, false);  // no token: the saved (latest) one, then cleared
  EXPECT_EQ(LiveGdiPlusSessions(), before + 1);
  ShutdownGdiPlus(0, false);
  ShutdownGdiPlus(0, true);      // token 0 given: nothing
  ShutdownGdiPlus(12345, true);  // a token never handed out: nothing
  EXPECT_EQ(LiveGdiPlusSessions(), before + 1);
  Bitmap bitmap;
  EXPECT_TRUE(bitmap.CreateFromScan0(2, 2)) << "the outer session still works";
  bitmap.Dispose();
  ShutdownGdiPlus(outer, true);
  ShutdownGdiPlus(outer, true);  // already gone: GDI+ is left alone
  EXPECT_EQ(LiveGdiPlusSessions(), before);
}

std::vector<WPARAM> ncPresses;
std::vector<HWND> rendered;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_NCLBUTTONDOWN) return DefWindowProcA(hwnd, msg, wParam, lParam);
  ncPresses.push_back(wParam);
  return 0;  // no modal move loop in the test
}

// The exit routine in TearDown must leave no GDI+ session behind.
class SkinStartup : public ::testing::Test {
 protected:
  void SetUp() override {
    InitSkinTables();
    sessionsBefore_ = LiveGdiPlusSessions();
  }
  void TearDown() override {
    SetShadowRenderRoutine(nullptr);
    ReleaseSkinState();
    EXPECT_EQ(LiveGdiPlusSessions(), sessionsBefore_);
  }
  int sessionsBefore_ = 0;
};

TEST_F(SkinStartup, FramePathThenExitRoutineShutGdiPlusDownOnce) {
  StartSkin(IDI_PROGRAM_ICON);
  EXPECT_EQ(LiveGdiPlusSessions(), sessionsBefore_ + 1);
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "duvaZedado", &wc));
  EXPECT_EQ(wc.lpfnWndProc, ShadowWindowProc);
  ShutdownGdiPlus(GdiPlusToken, true);  // what the main window does on WM_QUIT
  EXPECT_EQ(LiveGdiPlusSessions(), sessionsBefore_);
  EXPECT_EQ(GdiPlusToken, 0u);
}

TEST_F(SkinStartup, ShadowWindowPressMovesTheFrameOnlyWhenAllowed) {
  StartSkin(IDI_PROGRAM_ICON);
  WNDCLASSA ownerClass = {};
  ownerClass.lpfnWndProc = OwnerProc;
  ownerClass.hInstance = GetModuleHandleA(nullptr);
  ownerClass.lpszClassName = "PxShadowOwnerTest";
  RegisterClassA(&ownerClass);
  HWND owner = CreateWindowExA(0, "PxShadowOwnerTest", "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  HWND shadow = CreateWindowExA(WS_EX_TOOLWINDOW, "duvaZedado", "", WS_POPUP, 0, 0, 60, 60, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(owner && shadow);
  SetPropA(shadow, Yyck_Glck, owner);
  auto record = NewWindowRecord();
  record->hwnd = owner;
  WindowRecord* raw = record.get();
  SetPropInt(owner, Hw_lbID, AppendWindowRecord(std::move(record)));

  ncPresses.clear();
  SendMessageA(shadow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(ncPresses.empty()) << "shadowDragMoves is 0";
  raw->shadowDragMoves = true;
  SendMessageA(shadow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_EQ(ncPresses.size(), 1u);
  EXPECT_EQ(ncPresses[0], static_cast<WPARAM>(HTCAPTION));
  SetPropInt(owner, Hw_lbID, 0);  // an owner without a record: nothing
  SendMessageA(shadow, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(ncPresses.size(), 1u);

  // WM_SIZE redraws the shadow through the frame skin's routine, if set.
  rendered.clear();
  SetShadowRenderRoutine([](HWND w) { rendered.push_back(w); });
  SetWindowPos(shadow, nullptr, 0, 0, 80, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_FALSE(rendered.empty());
  EXPECT_EQ(rendered.back(), shadow);
  DestroyWindow(shadow);
  DestroyWindow(owner);
}

}  // namespace
