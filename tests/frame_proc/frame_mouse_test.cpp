// The mouse on the frame: moving by the title band, the strip that belongs
// to the title-bar buttons, resizing only when resizable, a press on one
// button released on another, and a real drag.
#include <gtest/gtest.h>

#include <thread>

#include "skin/frame/frame_install.h"
#include "skin/frame/frame_proc.h"
#include "skin/frame/title_buttons.h"
#include "tests/control_host/control_host.h"
#include "tests/frame_proc/frame_fixture.h"

namespace {

class FrameMouse : public ::testing::Test {
 protected:
  void SetUp() override { ResetFrameSkinState(); }
};

void Press(HWND window, int x, int y) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(x, y));
}

// Whether the last press asked the window for a move by its caption.
bool PressMoves(TestFrame& frame, int x, int y) {
  frame.ClearSeen();
  Press(frame.get(), x, y);
  const auto m = frame.Last(WM_NCLBUTTONDOWN);
  return m && m->wParam == HTCAPTION;
}

TEST_F(FrameMouse, TitleBandMovesTheWindowButNotInTheStrip) {
  TestFrame frame(WS_MINIMIZEBOX);
  frame.InstallLikeProgram();
  const WindowRecord& r = frame.Record();
  EXPECT_TRUE(PressMoves(frame, 5, 20));
  EXPECT_TRUE(PressMoves(frame, 200, 50));   // last row of the band
  EXPECT_FALSE(PressMoves(frame, 200, 51));  // below the band
  EXPECT_FALSE(PressMoves(frame, 2, 20));    // on the edge, not resizable
  EXPECT_EQ(frame.Count(WM_SYSCOMMAND), 0);
  EXPECT_FALSE(PressMoves(frame, r.stripX + 1, 10));
  EXPECT_FALSE(PressMoves(frame, r.stripX + r.stripWidth, 3));
  EXPECT_FALSE(PressMoves(frame, r.stripX + 30, r.stripHeight));
  EXPECT_TRUE(PressMoves(frame, r.stripX + 30, r.stripHeight + 1));
}

TEST_F(FrameMouse, EdgesResizeOnlyAResizableFrame) {
  TestFrame fixed;
  InstallFrameSkin(fixed.get(), TitleHeightOptions(50, false));
  RECT client{};
  GetClientRect(fixed.get(), &client);
  Press(fixed.get(), 1, 200);
  Press(fixed.get(), client.right - 1, client.bottom - 1);
  EXPECT_EQ(fixed.Count(WM_SYSCOMMAND), 0);

  TestFrame sizable;
  InstallFrameSkin(sizable.get(), TitleHeightOptions(50));
  const struct {
    int x, y;
    WPARAM command;
  } cases[] = {
      {1, 200, SC_SIZE | WMSZ_LEFT},
      {2, client.bottom - 5, SC_SIZE | WMSZ_BOTTOMLEFT},
      {client.right - 10, client.bottom - 10, SC_SIZE | WMSZ_BOTTOMRIGHT},
      {20, 2, SC_SIZE | WMSZ_TOP},  // in the band's rows, left of its columns
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    sizable.ClearSeen();
    sizable.Record().needsFullRedraw = false;
    Press(sizable.get(), c.x, c.y);
    const auto m = sizable.Last(WM_SYSCOMMAND);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->wParam, c.command);
    EXPECT_EQ(sizable.Record().needsFullRedraw, 1);
  }
  EXPECT_TRUE(PressMoves(sizable, 20, 4));
}

bool IsSizingCursor(HCURSOR cursor) {
  for (LPCSTR id : {IDC_SIZEWE, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZENESW}) {
    if (cursor == LoadCursorA(nullptr, id)) return true;
  }
  return false;
}

TEST_F(FrameMouse, NoSizingCursorOnAFixedOrMaximisedFrame) {
  TestFrame fixed(WS_MINIMIZEBOX);
  fixed.InstallLikeProgram();
  ShowWindow(fixed.get(), SW_SHOWNA);
  PumpMessages();
  RECT client{};
  GetClientRect(fixed.get(), &client);
  for (const POINT& p : {POINT{1, 200}, POINT{100, client.bottom - 1}, POINT{1, 1},
                         POINT{client.right - 1, client.bottom - 1}}) {
    SCOPED_TRACE(p.x * 1000 + p.y);
    POINT screen = p;
    ClientToScreen(fixed.get(), &screen);
    EXPECT_EQ(SendMessageA(fixed.get(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)),
              HTCLIENT);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SendMessageA(fixed.get(), WM_SETCURSOR, reinterpret_cast<WPARAM>(fixed.get()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    SendMessageA(fixed.get(), WM_MOUSEMOVE, 0, ClientPoint(p.x, p.y));
    EXPECT_FALSE(IsSizingCursor(GetCursor()));
  }

  TestFrame sizable(WS_MINIMIZEBOX);
  InstallFrameSkin(sizable.get(), TitleHeightOptions(50));
  SendMessageA(sizable.get(), WM_MOUSEMOVE, 0, ClientPoint(2, 2));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENWSE));
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  sizable.Record().maximized = true;
  SendMessageA(sizable.get(), WM_MOUSEMOVE, 0, ClientPoint(1, 200));
  EXPECT_FALSE(IsSizingCursor(GetCursor()));
}

TEST_F(FrameMouse, PressOnMinimiseReleaseOnCloseCloses) {
  TestFrame frame(WS_MINIMIZEBOX);
  frame.InstallLikeProgram();
  frame.Record().closeEffect = kCloseEffectNone;
  ShowWindow(frame.get(), SW_SHOWNA);
  PumpMessages();
  const POINT minimise = ButtonCentre(frame.Record(), 1);
  const POINT close = ButtonCentre(frame.Record(), 2);
  Press(frame.get(), minimise.x, minimise.y);
  EXPECT_EQ(HotTitleButton, 1);
  SendMessageA(frame.get(), WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(close.x, close.y));
  EXPECT_EQ(HotTitleButton, 2);
  SendMessageA(frame.get(), WM_LBUTTONUP, 0, ClientPoint(close.x, close.y));
  EXPECT_FALSE(frame.Alive());
  EXPECT_EQ(ListLength(WindowRecords), 0);
}

// Real mouse input: the system's move loop drags the window by its title.
// The loop runs inside the dispatch of the press, so the gesture comes from
// another thread.
TEST_F(FrameMouse, TheWindowMovesByItsTitleBand) {
  TestFrame frame(WS_MINIMIZEBOX, 326, 393, 60, 60);
  frame.refuseLoops = false;
  frame.InstallLikeProgram();
  ShowWindow(frame.get(), SW_SHOW);
  SetForegroundWindow(frame.get());
  PumpMessagesFor(100);
  RECT before{}, after{};
  GetWindowRect(frame.get(), &before);
  POINT start{100, 25};
  ClientToScreen(frame.get(), &start);
  SetCursorPos(start.x, start.y);
  PumpMessagesFor(50);
  const POINT target{start.x + 60, start.y + 40};
  std::thread gesture([start, target] {
    const int sw = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int sh = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &input, sizeof(INPUT));
    for (int step = 1; step <= 2; ++step) {
      Sleep(100);
      input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
      input.mi.dx = ((start.x + (target.x - start.x) * step / 2) * 65535 + sw / 2) / sw;
      input.mi.dy = ((start.y + (target.y - start.y) * step / 2) * 65535 + sh / 2) / sh;
      SendInput(1, &input, sizeof(INPUT));
    }
    Sleep(100);
    input.mi = MOUSEINPUT{};
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(INPUT));
  });
  PumpMessagesFor(800);
  gesture.join();
  PumpMessagesFor(50);
  GetWindowRect(frame.get(), &after);
  EXPECT_EQ(after.left - before.left, target.x - start.x);
  EXPECT_EQ(after.top - before.top, target.y - start.y);
}

}  // namespace
