// The tooltip object against the real comctl32 tooltip control: what the
// control reports back about the tools the object gave it.
#include "graphics/tooltip/tooltip.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A plain top-level window with a known client area to carry the tools.
class OwnerWindow {
 public:
  OwnerWindow(int clientWidth, int clientHeight) {
    static const char* kClass = "PxTooltipTestOwner";
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);  // fails harmlessly when already registered
    RECT r = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    hwnd_ = CreateWindowExA(0, kClass, "owner", WS_OVERLAPPEDWINDOW, 40, 40, r.right - r.left,
                            r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~OwnerWindow() { DestroyWindow(hwnd_); }
  OwnerWindow(const OwnerWindow&) = delete;
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

// What the control holds for one tool, read through TTM_GETTOOLINFOA.
struct ToolState {
  bool found = false;
  TOOLINFOA info = {};
  std::string text;
};

ToolState ReadTool(HWND tooltip, HWND owner, UINT_PTR id) {
  ToolState state;
  char infoText[256] = {};
  state.info.cbSize = TTTOOLINFOA_V1_SIZE;
  state.info.hwnd = owner;
  state.info.uId = id;
  state.info.lpszText = infoText;
  state.found = SendMessageA(tooltip, TTM_GETTOOLINFOA, 0,
                             reinterpret_cast<LPARAM>(&state.info)) != 0;
  if (state.found) state.text = infoText;
  return state;
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

class ToolTipTest : public ::testing::Test {
 protected:
  OwnerWindow owner{300, 200};
};

TEST_F(ToolTipTest, CreateMakesAnAlwaysTipControlThatWrapsAt600) {
  ToolTip tip;
  HWND h = tip.Create(owner.get());
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(tip.GetHandle(), h);
  EXPECT_EQ(tip.GetOwner(), owner.get());
  EXPECT_TRUE(GetWindowLongA(h, GWL_STYLE) & TTS_ALWAYSTIP);
  EXPECT_EQ(SendMessageA(h, TTM_GETMAXTIPWIDTH, 0, 0), 600);
  ToolTip balloon;
  ASSERT_NE(balloon.Create(owner.get(), true), nullptr);
  EXPECT_TRUE(GetWindowLongA(balloon.GetHandle(), GWL_STYLE) & TTS_BALLOON);
}

// The class name handed to CreateWindowExA, as the CBT hook sees it before
// the system resolves it to the registered class.
std::string ClassNamePassed;

LRESULT CALLBACK RecordClassName(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    const ULONG_PTR name = reinterpret_cast<ULONG_PTR>(create->lpszClass);
    ClassNamePassed = HIWORD(name) != 0 ? std::string(create->lpszClass) : std::string("#atom");
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ToolTipTest, CreateNamesTheClassAsTheSystemWritesIt) {
  ClassNamePassed.clear();
  HHOOK hook = SetWindowsHookExA(WH_CBT, RecordClassName, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  ToolTip tip;
  HWND h = tip.Create(owner.get());
  UnhookWindowsHookEx(hook);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(ClassNamePassed, "ToolTips_class32");
}

TEST_F(ToolTipTest, ToolWithoutRectCoversTheOwnersClientArea) {
  ToolTip tip;
  ASSERT_NE(tip.Create(owner.get()), nullptr);
  ASSERT_TRUE(tip.AddTool(RECT{5, 6, 7, 8}, false, "整个窗口", 7));
  RECT client = {};
  GetClientRect(owner.get(), &client);

  ToolState tool = ReadTool(tip.GetHandle(), owner.get(), 7);
  ASSERT_TRUE(tool.found);
  EXPECT_TRUE(Same(tool.info.rect, client));
  EXPECT_EQ(tool.text, "整个窗口");
}

TEST_F(ToolTipTest, TitleButtonToolsKeepTheirRectsAndCount) {
  ToolTip tip;
  ASSERT_NE(tip.Create(owner.get()), nullptr);
  const char* names[] = {"最小化", "最大化", "关闭"};
  for (UINT_PTR i = 1; i <= 3; ++i) {
    const LONG left = static_cast<LONG>(200 + (i - 1) * 27);
    ASSERT_TRUE(tip.AddTool(RECT{left, 1, left + 26, 19}, true, names[i - 1], i));
  }
  EXPECT_EQ(tip.GetToolCount(), 3);

  ToolState second = ReadTool(tip.GetHandle(), owner.get(), 2);
  ASSERT_TRUE(second.found);
  EXPECT_TRUE(Same(second.info.rect, RECT{227, 1, 253, 19}));
  EXPECT_EQ(second.text, "最大化");

  // Layout moves a tool and renames it ("还原" while maximised); the others
  // stay as they were.
  tip.SetToolRect(2, RECT{100, 2, 126, 20});
  tip.SetToolText(2, "还原");
  second = ReadTool(tip.GetHandle(), owner.get(), 2);
  EXPECT_TRUE(Same(second.info.rect, RECT{100, 2, 126, 20}));
  EXPECT_EQ(second.text, "还原");
  ToolState third = ReadTool(tip.GetHandle(), owner.get(), 3);
  EXPECT_TRUE(Same(third.info.rect, RECT{254, 1, 280, 19}));
  EXPECT_EQ(third.text, "关闭");

  // Deleting removes exactly that tool; an unknown id changes nothing.
  tip.DeleteTool(1);
  EXPECT_EQ(tip.GetToolCount(), 2);
  EXPECT_FALSE(ReadTool(tip.GetHandle(), owner.get(), 1).found);
  tip.DeleteTool(99);
  EXPECT_EQ(tip.GetToolCount(), 2);
}

// The control has no parent, so only the object can end it: one control per
// skinned window must not outlive the window's record.
TEST_F(ToolTipTest, ControlLivesExactlyAsLongAsItsObject) {
  HWND first = nullptr;
  {
    ToolTip tip;
    first = tip.Create(owner.get());
    ASSERT_TRUE(IsWindow(first));
    // Re-creating replaces the control instead of leaking the old one.
    HWND second = tip.Create(owner.get());
    ASSERT_TRUE(IsWindow(second));
    EXPECT_FALSE(IsWindow(first));
    first = second;

    // Moving hands the control over; the moved-from object lets it be.
    ToolTip moved(std::move(tip));
    EXPECT_EQ(tip.GetHandle(), nullptr);
    EXPECT_EQ(moved.GetHandle(), second);

    ToolTip target;
    target.Create(owner.get());
    HWND replaced = target.GetHandle();
    target = std::move(moved);
    EXPECT_FALSE(IsWindow(replaced));
    EXPECT_EQ(target.GetHandle(), second);
    EXPECT_TRUE(IsWindow(second));
  }
  EXPECT_FALSE(IsWindow(first));
}

// Destroying the object after its owner is gone (record released at exit)
// is safe.
TEST(ToolTipOwnerGone, ObjectOutlivingItsOwnerStillEndsTheControl) {
  ToolTip tip;
  {
    OwnerWindow owner(100, 50);
    ASSERT_NE(tip.Create(owner.get()), nullptr);
    ASSERT_TRUE(tip.AddTool(RECT{}, false, "关闭", 1));
  }
  HWND h = tip.GetHandle();
  EXPECT_TRUE(IsWindow(h));
  tip = ToolTip();
  EXPECT_FALSE(IsWindow(h));
}

}  // namespace
