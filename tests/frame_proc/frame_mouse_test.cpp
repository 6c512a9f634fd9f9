// The mouse on the frame: moving by the title band, the strip that belongs
// to the title-bar buttons, resizing only when resizable (cursor shapes
// and hit tests), a click that starts on one button and ends on another,
// double clicks and status items.
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

bool AskedToMove(const TestFrame& frame) {
  const auto m = frame.Last(WM_NCLBUTTONDOWN);
  return m && m->wParam == HTCAPTION;
}

TEST_F(FrameMouse, PressInTheTitleBandMovesTheWindow) {
  TestFrame frame(WS_MINIMIZEBOX);
  frame.InstallLikeProgram();
  Press(frame.get(), 5, 20);
  EXPECT_TRUE(AskedToMove(frame));
  frame.ClearSeen();
  Press(frame.get(), 200, 50);  // last row of the band
  EXPECT_TRUE(AskedToMove(frame));
  frame.ClearSeen();
  Press(frame.get(), 200, 51);  // below the band
  EXPECT_FALSE(AskedToMove(frame));
  Press(frame.get(), 2, 20);  // on the edge, not resizable
  EXPECT_FALSE(AskedToMove(frame));
  EXPECT_EQ(frame.Count(WM_SYSCOMMAND), 0);
}

TEST_F(FrameMouse, PressInTheStripIsLeftToTheButtons) {
  TestFrame frame(WS_MINIMIZEBOX);
  frame.InstallLikeProgram();
  const WindowRecord& r = frame.Record();
  Press(frame.get(), r.stripX + 1, 10);
  Press(frame.get(), r.stripX + r.stripWidth, 3);
  Press(frame.get(), r.stripX + 30, r.stripHeight);
  EXPECT_FALSE(AskedToMove(frame));
  // Just below the strip the band moves the window again.
  Press(frame.get(), r.stripX + 30, r.stripHeight + 1);
  EXPECT_TRUE(AskedToMove(frame));
}

TEST_F(FrameMouse, DeadTitleBarNeitherMovesNorPresses) {
  TestFrame frame(WS_MINIMIZEBOX);
  InstallFrameSkin(frame.get(), 50, 0);
  Press(frame.get(), 5, 20);
  EXPECT_FALSE(AskedToMove(frame));
  const POINT minimise = ButtonCentre(frame.Record(), 1);
  HotTitleButton = 0;
  Press(frame.get(), minimise.x, minimise.y);
  SendMessageA(frame.get(), WM_LBUTTONUP, 0, ClientPoint(minimise.x, minimise.y));
  EXPECT_FALSE(IsIconic(frame.get()));
  EXPECT_EQ(frame.Record().minimized, 0);
}

TEST_F(FrameMouse, EdgesResizeOnlyAResizableFrame) {
  TestFrame fixed;
  InstallFrameSkin(fixed.get(), 50, std::nullopt, 0);
  RECT client{};
  GetClientRect(fixed.get(), &client);
  Press(fixed.get(), 1, 200);
  Press(fixed.get(), client.right - 1, client.bottom - 1);
  EXPECT_EQ(fixed.Count(WM_SYSCOMMAND), 0);

  TestFrame sizable;
  InstallFrameSkin(sizable.get(), 50);
  const struct {
    int x, y;
    WPARAM command;
  } cases[] = {
      {1, 200, SC_SIZE | WMSZ_LEFT},
      {client.right - 2, 200, SC_SIZE | WMSZ_RIGHT},
      {100, client.bottom - 1, SC_SIZE | WMSZ_BOTTOM},
      {2, 2, SC_SIZE | WMSZ_TOPLEFT},
      {2, client.bottom - 5, SC_SIZE | WMSZ_BOTTOMLEFT},
      {client.right - 10, client.bottom - 10, SC_SIZE | WMSZ_BOTTOMRIGHT},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    sizable.ClearSeen();
    sizable.Record().needsFullRedraw = 0;
    Press(sizable.get(), c.x, c.y);
    const auto m = sizable.Last(WM_SYSCOMMAND);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->wParam, c.command);
    EXPECT_EQ(sizable.Record().needsFullRedraw, 1);
    EXPECT_FALSE(AskedToMove(sizable));
  }
  // The top edge lies in the drag zone's rows but not its columns: x = 20,
  // y = 2 sizes; x = 20, y = 4 moves.
  sizable.ClearSeen();
  Press(sizable.get(), 20, 2);
  ASSERT_TRUE(sizable.Last(WM_SYSCOMMAND).has_value());
  EXPECT_EQ(sizable.Last(WM_SYSCOMMAND)->wParam, static_cast<WPARAM>(SC_SIZE | WMSZ_TOP));
  sizable.ClearSeen();
  Press(sizable.get(), 20, 4);
  EXPECT_TRUE(AskedToMove(sizable));
}

bool IsSizingCursor(HCURSOR cursor) {
  for (LPCSTR id : {IDC_SIZEWE, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZENESW}) {
    if (cursor == LoadCursorA(nullptr, id)) return true;
  }
  return false;
}

TEST_F(FrameMouse, NoSizingCursorOnAFixedFrame) {
  TestFrame fixed(WS_MINIMIZEBOX);
  fixed.InstallLikeProgram();
  ShowWindow(fixed.get(), SW_SHOWNA);
  PumpMessages();
  RECT client{};
  GetClientRect(fixed.get(), &client);
  const POINT edges[] = {{1, 200}, {client.right - 1, 200}, {100, client.bottom - 1},
                         {1, 1}, {client.right - 1, client.bottom - 1}};
  for (const POINT& p : edges) {
    SCOPED_TRACE(p.x * 1000 + p.y);
    // The system sees plain client area there: no sizing border of its own.
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
  InstallFrameSkin(sizable.get(), 50);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  SendMessageA(sizable.get(), WM_MOUSEMOVE, 0, ClientPoint(1, 200));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
  SendMessageA(sizable.get(), WM_MOUSEMOVE, 0, ClientPoint(2, 2));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENWSE));
  // Maximised: no sizing cursor either.
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  sizable.Record().maximized = 1;
  SendMessageA(sizable.get(), WM_MOUSEMOVE, 0, ClientPoint(1, 200));
  EXPECT_FALSE(IsSizingCursor(GetCursor()));
}

TEST_F(FrameMouse, PressOnMinimiseReleaseOnCloseCloses) {
  TestFrame frame(WS_MINIMIZEBOX);
  frame.InstallLikeProgram();
  frame.Record().closeEffect = 0;
  ShowWindow(frame.get(), SW_SHOWNA);
  PumpMessages();
  const POINT minimise = ButtonCentre(frame.Record(), 1);
  const POINT close = ButtonCentre(frame.Record(), 2);
  Press(frame.get(), minimise.x, minimise.y);
  EXPECT_EQ(HotTitleButton, 1);
  EXPECT_FALSE(AskedToMove(frame));
  SendMessageA(frame.get(), WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(close.x, close.y));
  EXPECT_EQ(HotTitleButton, 2);
  SendMessageA(frame.get(), WM_LBUTTONUP, 0, ClientPoint(close.x, close.y));
  EXPECT_FALSE(frame.Alive());
  EXPECT_EQ(ListLength(WindowRecords), 0);
}

TEST_F(FrameMouse, ClickOnMinimiseMinimises) {
  TestFrame frame(WS_MINIMIZEBOX);
  frame.InstallLikeProgram();
  ShowWindow(frame.get(), SW_SHOWNA);
  PumpMessages();
  const POINT minimise = ButtonCentre(frame.Record(), 1);
  Press(frame.get(), minimise.x, minimise.y);
  SendMessageA(frame.get(), WM_LBUTTONUP, 0, ClientPoint(minimise.x, minimise.y));
  EXPECT_TRUE(IsIconic(frame.get()));
  EXPECT_EQ(frame.Record().minimized, 1);
  // Painting while minimised renders nothing and clears the request.
  const HANDLE backBuffer = GetPropA(frame.get(), Ck_wtjbdx);
  ASSERT_NE(backBuffer, nullptr);
  frame.Record().needsFullRedraw = 1;
  SendMessageA(frame.get(), WM_PAINT, 0, 0);
  EXPECT_EQ(frame.Record().needsFullRedraw, 0);
  EXPECT_EQ(GetPropA(frame.get(), Ck_wtjbdx), backBuffer);
  // Restored, the same request renders a new back buffer.
  SendMessageA(frame.get(), WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpMessages();
  ASSERT_EQ(frame.Record().minimized, 0);
  frame.Record().needsFullRedraw = 1;
  SendMessageA(frame.get(), WM_PAINT, 0, 0);
  EXPECT_EQ(frame.Record().needsFullRedraw, 0);
  EXPECT_NE(GetPropA(frame.get(), Ck_wtjbdx), backBuffer);
}

TEST_F(FrameMouse, DoubleClickOnTheTitleMaximisesOnlyAResizableFrame) {
  TestFrame fixed(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  InstallFrameSkin(fixed.get(), 50, std::nullopt, 0);
  SendMessageA(fixed.get(), WM_LBUTTONDBLCLK, 0, ClientPoint(100, 20));
  EXPECT_EQ(fixed.Record().maximized, 0);
  EXPECT_FALSE(IsZoomed(fixed.get()));

  TestFrame sizable(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  InstallFrameSkin(sizable.get(), 50);
  SendMessageA(sizable.get(), WM_LBUTTONDBLCLK, 0, ClientPoint(100, 60));  // below the band
  EXPECT_EQ(sizable.Record().maximized, 0);
  SendMessageA(sizable.get(), WM_LBUTTONDBLCLK, 0, ClientPoint(100, 20));
  EXPECT_EQ(sizable.Record().maximized, 1);
  EXPECT_EQ(RecordAt(sizable.Record().titleButtons, 2)->name, "还原");
  // Again: restore.
  SendMessageA(sizable.get(), WM_LBUTTONDBLCLK, 0, ClientPoint(100, 20));
  EXPECT_EQ(sizable.Record().maximized, 0);
}

TEST_F(FrameMouse, StatusItemsCallBackWithTheirNumber) {
  TestFrame frame;
  std::vector<StatusItem> items(2);
  items[0].width = 60;
  items[1].width = -1;
  InstallFrameSkin(frame.get(), 50, std::nullopt, 0, std::nullopt, std::nullopt, std::nullopt,
                   std::nullopt, 20, items);
  WindowRecord& r = frame.Record();
  std::vector<int> clicks, doubles, rights;
  r.statusClickCallback = [&](int i) { clicks.push_back(i); return 0; };
  r.statusDoubleClickCallback = [&](int i) { doubles.push_back(i); return 0; };
  r.statusRightClickCallback = [&](int i) { rights.push_back(i); return 0; };
  const int y = r.statusRect.y + 5;
  Press(frame.get(), 10, y);
  Press(frame.get(), 100, y);
  Press(frame.get(), 100, 100);  // not on the bar
  SendMessageA(frame.get(), WM_LBUTTONDBLCLK, 0, ClientPoint(100, y));
  SendMessageA(frame.get(), WM_RBUTTONDOWN, 0, ClientPoint(10, y));
  EXPECT_EQ(clicks, (std::vector<int>{1, 2}));
  EXPECT_EQ(doubles, (std::vector<int>{2}));
  EXPECT_EQ(rights, (std::vector<int>{1}));
}

TEST_F(FrameMouse, MouseMoveAsksForHoverAndLeave) {
  TestFrame frame(WS_MINIMIZEBOX);
  frame.InstallLikeProgram();
  ShowWindow(frame.get(), SW_SHOWNA);
  PumpMessages();
  WindowRecord& r = frame.Record();
  const POINT close = ButtonCentre(r, 2);
  SendMessageA(frame.get(), WM_MOUSEMOVE, 0, ClientPoint(close.x, close.y));
  EXPECT_EQ(r.hotButton, 2);
  SendMessageA(frame.get(), WM_MOUSEHOVER, 0, ClientPoint(close.x, close.y));
  EXPECT_EQ(r.mouseTracking, 1);
  SendMessageA(frame.get(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(r.mouseTracking, 0);
  EXPECT_EQ(r.hotButton, 0);
  EXPECT_EQ(r.fadeOut.button, 2);
  // The fade runs out on the timer and the timer stops.
  PumpMessagesFor(400);
  EXPECT_EQ(r.fadeTimerOn, 0);
  EXPECT_EQ(r.fadeOut.button, 0);
}

// Real mouse input: the system's move loop drags the window by its title.
TEST_F(FrameMouse, TheWindowMovesByItsTitleBand) {
  TestFrame frame(WS_MINIMIZEBOX, 326, 393, 60, 60);
  frame.refuseLoops = false;
  frame.InstallLikeProgram();
  ShowWindow(frame.get(), SW_SHOW);
  SetForegroundWindow(frame.get());
  PumpMessagesFor(100);
  RECT before{};
  GetWindowRect(frame.get(), &before);

  POINT start{100, 25};
  ClientToScreen(frame.get(), &start);
  SetCursorPos(start.x, start.y);
  PumpMessagesFor(50);
  // The move loop runs inside the dispatch of the press, so the rest of the
  // gesture comes from another thread.
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
      const int x = start.x + (target.x - start.x) * step / 2;
      const int y = start.y + (target.y - start.y) * step / 2;
      input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
      input.mi.dx = (x * 65535 + sw / 2) / sw;
      input.mi.dy = (y * 65535 + sh / 2) / sh;
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

  RECT after{};
  GetWindowRect(frame.get(), &after);
  EXPECT_EQ(after.left - before.left, target.x - start.x);
  EXPECT_EQ(after.top - before.top, target.y - start.y);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
}

}  // namespace
