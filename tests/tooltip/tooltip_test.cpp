// The tooltip object against the real comctl32 tooltip control: what the
// control reports back about the tools the object gave it.
#include "graphics/tooltip/tooltip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
  ~OwnerWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

// What the control holds for one tool, read through TTM_GETTOOLINFOA and
// TTM_GETTEXTA.
struct ToolState {
  bool found = false;
  TOOLINFOA info = {};
  std::string text;
};

ToolState ReadTool(HWND tooltip, HWND owner, UINT_PTR id) {
  ToolState state;
  // The control copies the text into lpszText when a buffer is given, and
  // reports a callback tool by the LPSTR_TEXTCALLBACKA marker there.
  char infoText[256] = {};
  state.info.cbSize = TTTOOLINFOA_V1_SIZE;
  state.info.hwnd = owner;
  state.info.uId = id;
  state.info.lpszText = infoText;
  state.found = SendMessageA(tooltip, TTM_GETTOOLINFOA, 0,
                             reinterpret_cast<LPARAM>(&state.info)) != 0;
  if (state.found && state.info.lpszText != LPSTR_TEXTCALLBACKA) {
    char buffer[1024] = {};
    TOOLINFOA query = {};
    query.cbSize = TTTOOLINFOA_V1_SIZE;
    query.hwnd = owner;
    query.uId = id;
    query.lpszText = buffer;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&query));
    state.text = buffer;
  }
  return state;
}

std::vector<UINT_PTR> EnumerateToolIds(HWND tooltip) {
  std::vector<UINT_PTR> ids;
  for (UINT i = 0;; ++i) {
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    if (!SendMessageA(tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&info))) break;
    ids.push_back(info.uId);
  }
  return ids;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

class ToolTipTest : public ::testing::Test {
 protected:
  OwnerWindow owner{300, 200};
};

TEST_F(ToolTipTest, CreateMakesAnAlwaysTipControlThatWrapsAt600) {
  ASSERT_NE(owner.get(), nullptr);
  ToolTip tip;
  HWND h = tip.Create(owner.get());
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(tip.GetHandle(), h);
  EXPECT_EQ(tip.GetOwner(), owner.get());
  char cls[64] = {};
  GetClassNameA(h, cls, sizeof(cls));
  EXPECT_EQ(lstrcmpiA(cls, "tooltips_class32"), 0) << cls;
  LONG style = GetWindowLongA(h, GWL_STYLE);
  EXPECT_TRUE(style & TTS_ALWAYSTIP);
  EXPECT_FALSE(style & TTS_BALLOON);
  // No parent or owner window: the control is not tied to the skinned window.
  EXPECT_EQ(GetWindow(h, GW_OWNER), nullptr);
  EXPECT_EQ(SendMessageA(h, TTM_GETMAXTIPWIDTH, 0, 0), 600);
  EXPECT_EQ(tip.GetToolCount(), 0);

  ToolTip balloon;
  ASSERT_NE(balloon.Create(owner.get(), true), nullptr);
  EXPECT_TRUE(GetWindowLongA(balloon.GetHandle(), GWL_STYLE) & TTS_BALLOON);
}

TEST_F(ToolTipTest, ToolWithoutRectCoversTheOwnersClientArea) {
  ToolTip tip;
  ASSERT_NE(tip.Create(owner.get()), nullptr);
  RECT ignored = {5, 6, 7, 8};
  ASSERT_TRUE(tip.AddTool(ignored, false, "整个窗口", 7));
  RECT client = {};
  GetClientRect(owner.get(), &client);
  ASSERT_EQ(client.right, 300);
  ASSERT_EQ(client.bottom, 200);

  ToolState tool = ReadTool(tip.GetHandle(), owner.get(), 7);
  ASSERT_TRUE(tool.found);
  EXPECT_TRUE(SameRect(tool.info.rect, client)) << RectText(tool.info.rect);
  EXPECT_EQ(tool.info.hwnd, owner.get());
  EXPECT_TRUE(tool.info.uFlags & TTF_SUBCLASS);
  EXPECT_FALSE(tool.info.uFlags & TTF_IDISHWND);
  EXPECT_EQ(tool.text, "整个窗口");
  EXPECT_EQ(EnumerateToolIds(tip.GetHandle()), std::vector<UINT_PTR>{7});
}

TEST_F(ToolTipTest, TitleButtonToolsKeepTheirRectsAndCount) {
  ToolTip tip;
  ASSERT_NE(tip.Create(owner.get()), nullptr);
  const char* names[] = {"最小化", "最大化", "关闭"};
  for (UINT_PTR i = 1; i <= 3; ++i) {
    RECT r = {static_cast<LONG>(200 + (i - 1) * 27), 1, static_cast<LONG>(226 + (i - 1) * 27),
              19};
    ASSERT_TRUE(tip.AddTool(r, true, names[i - 1], i));
  }
  EXPECT_EQ(tip.GetToolCount(), 3);
  std::vector<UINT_PTR> ids = EnumerateToolIds(tip.GetHandle());
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(ids, (std::vector<UINT_PTR>{1, 2, 3}));

  ToolState second = ReadTool(tip.GetHandle(), owner.get(), 2);
  ASSERT_TRUE(second.found);
  EXPECT_TRUE(SameRect(second.info.rect, RECT{227, 1, 253, 19})) << RectText(second.info.rect);
  EXPECT_EQ(second.text, "最大化");

  // Layout moves a tool and renames it ("还原" while maximised); the others
  // stay as they were.
  tip.SetToolRect(2, RECT{100, 2, 126, 20});
  tip.SetToolText(2, "还原");
  second = ReadTool(tip.GetHandle(), owner.get(), 2);
  EXPECT_TRUE(SameRect(second.info.rect, RECT{100, 2, 126, 20})) << RectText(second.info.rect);
  EXPECT_EQ(second.text, "还原");
  ToolState third = ReadTool(tip.GetHandle(), owner.get(), 3);
  EXPECT_TRUE(SameRect(third.info.rect, RECT{254, 1, 280, 19})) << RectText(third.info.rect);
  EXPECT_EQ(third.text, "关闭");

  // Deleting removes exactly that tool; an unknown id changes nothing.
  tip.DeleteTool(1);
  EXPECT_EQ(tip.GetToolCount(), 2);
  EXPECT_FALSE(ReadTool(tip.GetHandle(), owner.get(), 1).found);
  tip.DeleteTool(99);
  EXPECT_EQ(tip.GetToolCount(), 2);
}

TEST_F(ToolTipTest, CallbackToolAsksTheOwnerForItsText) {
  ToolTip tip;
  ASSERT_NE(tip.Create(owner.get()), nullptr);
  ASSERT_TRUE(tip.AddCallbackTool(RECT{0, 0, 40, 20}, 5));
  ToolState tool = ReadTool(tip.GetHandle(), owner.get(), 5);
  ASSERT_TRUE(tool.found);
  EXPECT_EQ(tool.info.lpszText, LPSTR_TEXTCALLBACKA);
  EXPECT_TRUE(SameRect(tool.info.rect, RECT{0, 0, 40, 20})) << RectText(tool.info.rect);
}

// Points the mouse at a tool of a shown owner and waits until the control
// has popped its tip up by itself (it watches the owner through
// TTF_SUBCLASS); returns the tip window's size, 0 x 0 when it never shows.
SIZE ShowTipFor(HWND tooltip, HWND owner, POINT clientPoint) {
  ShowWindow(tooltip, SW_HIDE);
  POINT screen = clientPoint;
  ClientToScreen(owner, &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageA(owner, WM_MOUSEMOVE, 0, MAKELPARAM(clientPoint.x, clientPoint.y));
  DWORD start = GetTickCount();
  while (!IsWindowVisible(tooltip) && GetTickCount() - start < 5000) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
  if (!IsWindowVisible(tooltip)) return SIZE{0, 0};
  RECT r = {};
  GetWindowRect(tooltip, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

TEST_F(ToolTipTest, LongNameWrapsAt600Pixels) {
  ToolTip tip;
  ASSERT_NE(tip.Create(owner.get()), nullptr);
  ASSERT_EQ(SendMessageA(tip.GetHandle(), TTM_GETMAXTIPWIDTH, 0, 0), 600);
  SendMessageA(tip.GetHandle(), TTM_SETDELAYTIME, TTDT_INITIAL, 1);
  std::string longName;
  for (int i = 0; i < 40; ++i) longName += "最小化窗口 ";
  ASSERT_TRUE(tip.AddTool(RECT{0, 0, 100, 100}, true, "关闭", 1));
  ASSERT_TRUE(tip.AddTool(RECT{150, 0, 250, 100}, true, longName, 2));
  ShowWindow(owner.get(), SW_SHOWNORMAL);
  SetForegroundWindow(owner.get());
  UpdateWindow(owner.get());

  SIZE shortTip = ShowTipFor(tip.GetHandle(), owner.get(), POINT{50, 50});
  ASSERT_GT(shortTip.cy, 0) << "the tip of the short name never showed";
  SendMessageA(owner.get(), WM_MOUSEMOVE, 0, MAKELPARAM(120, 50));  // off both tools
  SIZE longTip = ShowTipFor(tip.GetHandle(), owner.get(), POINT{200, 50});
  ASSERT_GT(longTip.cy, 0) << "the tip of the long name never showed";
  // Wrapped: no wider than the limit plus the control's margins, close to
  // it, and several lines high.
  EXPECT_LE(longTip.cx, 600 + 40);
  EXPECT_GT(longTip.cx, 400);
  EXPECT_GE(longTip.cy, 2 * shortTip.cy - 8) << shortTip.cy;
}

TEST_F(ToolTipTest, ObjectWithoutControlDoesNothing) {
  ToolTip tip;
  EXPECT_EQ(tip.GetHandle(), nullptr);
  EXPECT_FALSE(tip.AddTool(RECT{0, 0, 1, 1}, false, "关闭", 1));
  EXPECT_FALSE(tip.AddCallbackTool(RECT{0, 0, 1, 1}, 2));
  tip.SetToolText(1, "还原");
  tip.SetToolRect(1, RECT{0, 0, 2, 2});
  tip.DeleteTool(1);
  tip.SetMaxWidth(10);
  EXPECT_EQ(tip.GetToolCount(), 0);
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
    { ToolTip emptied = std::move(tip); }
    EXPECT_TRUE(IsWindow(second));

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
