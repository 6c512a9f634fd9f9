// Large lists without a frozen window: the click returns once the page is
// in, the shown list fills in slices from the message loop and ends as one
// fill would, a newer click wins, save and copy see the full list, closing
// ends the loop, the busy cursor shows while the work runs.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "app/busy_cursor.h"
#include "app/edit_text.h"
#include "app/list_fill.h"
#include "app/list_work.h"
#include "app/prefix_filter.h"
#include "gui_test_support.h"

namespace {

const Text kPageTail = "</div>\n</body>\n</html>\n";
const Text kContactLine = PX_CONTACT_LINE_EXPECTED;

int ShownLines(HWND window) {
  return static_cast<int>(SendMessageA(MainControl(window, kEdit20), EM_GETLINECOUNT, 0, 0)) - 1;
}

// As PumpUntil, but looks after every message, so that it sees each slice.
bool PumpEachUntil(HWND window, const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      if (!HandleNavigationKeys(window, msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      if (done()) return true;
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Clicks without waiting: the handler returns once the page is in.
void ClickOnly(HWND window, ControlId id) { SendMessageA(MainControl(window, id), BM_CLICK, 0, 0); }

// Starts an extract of a large page and pumps until the shown list has some
// of its lines while the fill still runs.
void StartLargeExtract(HWND window, const Text& region, const Text& count) {
  SetControlText(window, kEdit4, region);
  SetControlText(window, kEdit2, count);
  SetControlText(window, kEdit3, "");
  ClickOnly(window, kButton10);
  ASSERT_TRUE(PumpEachUntil(window, [&] { return ShownLines(window) > 0 || !ListWorkPending(window); },
                            60000));
  ASSERT_TRUE(ListWorkPending(window)) << "the fill ended before the test could act";
}

// What the box looks like: its client area's pixels.
std::vector<DWORD> BoxPixels(HWND box) {
  RECT client = {};
  GetClientRect(box, &client);
  const int w = client.right, h = client.bottom;
  HDC screen = GetDC(box);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + w * h);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(box, screen);
  return pixels;
}

struct BoxState {
  Text text;
  DWORD selectionStart = 0, selectionEnd = 0;
  LRESULT firstVisible = 0;
  std::vector<DWORD> pixels;
};

BoxState StateOf(HWND window) {
  HWND box = MainControl(window, kEdit20);
  PumpFor(window, 300);  // painted
  BoxState state;
  state.text = GetEditText(box);
  SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&state.selectionStart),
               reinterpret_cast<LPARAM>(&state.selectionEnd));
  state.firstVisible = SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0);
  state.pixels = BoxPixels(box);
  return state;
}

Text NumberedList(int lines) {
  Text list;
  for (int i = 0; i < lines; ++i) {
    list += (i % 3 == 0 ? "21." : "114.") + ValueToText(i) + ".1.1:80\r\n";
  }
  return list + kPageTail;
}

int LineCount(HWND box) { return static_cast<int>(SendMessageA(box, EM_GETLINECOUNT, 0, 0)); }

// A box as 编辑框20 is, with a vertical scroll bar, on the main window.
HWND MakeScrolledBox(HWND window) {
  const ControlSpec& spec = *FindControlSpec(kEdit20);
  HWND box = CreateWindowExA(spec.exStyle, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | spec.style,
                             spec.left, spec.top, spec.width, spec.height, window, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
  return box;
}

// What a box ends with: its text, caret, scroll position and scroll bar.
struct BoxEnd {
  Text text;
  DWORD selectionStart = 0, selectionEnd = 0;
  LRESULT firstVisible = 0;
  SCROLLINFO bar = {};
};

BoxEnd EndOf(HWND window, HWND box) {
  PumpFor(window, 300);  // painted
  BoxEnd end;
  end.text = GetEditText(box);
  SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&end.selectionStart),
               reinterpret_cast<LPARAM>(&end.selectionEnd));
  end.firstVisible = SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0);
  end.bar.cbSize = sizeof(end.bar);
  end.bar.fMask = SIF_ALL;
  GetScrollInfo(box, SB_VERT, &end.bar);
  return end;
}

// Moves the mouse, as the user would, to a point inside the box.
void MoveMouseInto(HWND box, int x, int y) {
  RECT place = {};
  GetWindowRect(box, &place);
  INPUT move = {};
  move.type = INPUT_MOUSE;
  move.mi.dx = (place.left + x) * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = (place.top + y) * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &move, sizeof(move));
}

// What reached the box, in order: 's' for each slice it took, 'i' for the
// mouse input it got after the third slice moved the mouse (while that
// slice ran). By then the first lines are painted and the slices add
// lines out of sight, so nothing but the input waits after that slice.
struct Arrivals {
  std::vector<char> events;
  int slices = 0;
  bool moved = false;
};
constexpr int kSliceThatMovesTheMouse = 3;

constexpr UINT_PTR kArrivalsSubclassId = 77;

LRESULT CALLBACK RecordArrivals(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
  Arrivals& arrivals = *reinterpret_cast<Arrivals*>(data);
  if (message == EM_REPLACESEL) {
    arrivals.events.push_back('s');
    if (++arrivals.slices == kSliceThatMovesTheMouse) {
      arrivals.moved = true;
      MoveMouseInto(box, 60, 60);
    }
  } else if (message == WM_MOUSEMOVE && arrivals.moved) {
    arrivals.events.push_back('i');
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

TEST(ListFill, SlicesEndAsOneFillDoes) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND box = MainControl(window, kEdit20);
  // Many slices, and a last one that is short.
  auto list = std::make_shared<const Text>(NumberedList(7 * kFillSliceLines / 2));
  const Text kept = FilterByPrefix(*list, "11");

  for (const char* before : {"", "old line\r\n"}) {
    SCOPED_TRACE(before);
    SetEditText(box, before);
    bool done = false;
    ASSERT_TRUE(StartListFill(box, list, "11", [&] { done = true; }));
    int slicesSeen = 0;
    int lastLines = 0;
    ASSERT_TRUE(PumpEachUntil(window, [&] {
      const int lines = ShownLines(window);
      if (lines != lastLines) ++slicesSeen;
      lastLines = lines;
      return done;
    }, 60000));
    EXPECT_GT(slicesSeen, 2) << "the lines came in several slices";
    EXPECT_FALSE(ListFillRunning(box));
    const BoxState sliced = StateOf(window);

    SetEditText(box, before);
    AppendEditText(box, kept);
    InvalidateRect(box, nullptr, TRUE);
    const BoxState whole = StateOf(window);

    EXPECT_TRUE(sliced.text == Text(before) + kept) << "every kept line, in order";
    EXPECT_EQ(sliced.selectionStart, whole.selectionStart);
    EXPECT_EQ(sliced.selectionEnd, whole.selectionEnd);
    EXPECT_EQ(sliced.selectionEnd, static_cast<DWORD>(GetWindowTextLengthW(box))) << "caret at the end";
    EXPECT_EQ(sliced.firstVisible, whole.firstVisible) << "scrolled as far";
    EXPECT_GT(sliced.firstVisible, 0);
    EXPECT_TRUE(sliced.pixels == whole.pixels) << "the box looks the same";
  }
}

TEST(ListFill, CaretMovedDuringAFillStillGetsEveryLineAtTheEnd) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND box = MainControl(window, kEdit20);
  auto list = std::make_shared<const Text>(NumberedList(6 * kFillSliceLines));
  SetEditText(box, "");
  bool done = false;
  ASSERT_TRUE(StartListFill(box, list, "11", [&] { done = true; }));
  bool moved = false;
  ASSERT_TRUE(PumpEachUntil(window, [&] {
    // As a click on the first line would: the caret at the start, a
    // selection of the first characters.
    if (!moved && ShownLines(window) > 0) {
      SendMessageA(box, EM_SETSEL, 0, 3);
      moved = true;
    }
    return done;
  }, 60000));
  ASSERT_TRUE(moved);
  EXPECT_TRUE(GetEditText(box) == FilterByPrefix(*list, "11"));
  DWORD start = 0, end = 0;
  SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end);
  EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(box)));
}

TEST(ListFill, NothingKeptLeavesTheBoxAsItWas) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND box = MainControl(window, kEdit20);
  SetEditText(box, "kept before\r\n");
  bool done = false;
  ASSERT_TRUE(StartListFill(box, std::make_shared<const Text>(NumberedList(3000)), "99",
                            [&] { done = true; }));
  ASSERT_TRUE(PumpUntil(window, [&] { return done; }, 30000));
  EXPECT_EQ(GetEditText(box), "kept before\r\n");
}

TEST(ListFill, ClickReturnsBeforeTheFillAndTheLoopCompletesIt) {
  MainWindowTest test;
  HWND window = test.Window();
  SetControlText(window, kEdit20, "old\r\n");
  SetControlText(window, kEdit4, "large");
  SetControlText(window, kEdit2, "100000");
  ClickOnly(window, kButton10);
  EXPECT_TRUE(ListWorkPending(window));
  EXPECT_TRUE(IsBusy(window));
  EXPECT_EQ(ControlText(window, kEdit20), "old\r\n") << "nothing shown yet";

  const Text expected = ExpectedEntries("dq=large&sl=100000&dk=&xl=2");
  const Text kept = LinesWithKey(expected, "11");
  bool sawPartial = false;
  ASSERT_TRUE(PumpEachUntil(window, [&] {
    const int lines = ShownLines(window);
    if (lines > 0 && lines < 40000) sawPartial = true;
    return !ListWorkPending(window);
  }, kListWorkLimitMs));
  EXPECT_TRUE(sawPartial) << "the loop ran while the list filled";
  EXPECT_FALSE(IsBusy(window));
  EXPECT_TRUE(ControlText(window, kEdit1) == expected + kPageTail);
  EXPECT_TRUE(ControlText(window, kEdit20) == kept);
}

// The most lines 编辑框20 showed while a click ran.
struct LinesWatch {
  HWND window = nullptr;
  int most = 0;
};
LinesWatch g_watch;

void CALLBACK WatchLines(HWND, UINT, UINT_PTR, DWORD) {
  const int lines = ShownLines(g_watch.window);
  if (lines > g_watch.most) g_watch.most = lines;
}

TEST(ListFill, NewerClickDuringAFillLeavesOnlyTheNewerResult) {
  MainWindowTest test;
  HWND window = test.Window();
  StartLargeExtract(window, "large", "100000");
  SetControlText(window, kEdit4, "slow300");
  SetControlText(window, kEdit2, "30");
  g_watch = LinesWatch{window, ShownLines(window)};
  const int atClick = g_watch.most;
  const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, WatchLines);
  Click(window, kButton10);
  KillTimer(nullptr, timer);
  EXPECT_LE(g_watch.most, atClick) << "the older fill went on after the newer click";
  PumpFor(window, 500);  // nothing of the older fill may follow
  const Text newer = ExpectedEntries("dq=slow300&sl=30&dk=&xl=2");
  EXPECT_EQ(ControlText(window, kEdit1), newer + kPageTail);
  EXPECT_EQ(ControlText(window, kEdit20), LinesWithKey(newer, "11"));
  EXPECT_FALSE(IsBusy(window));
}

TEST(ListFill, SaveAndCopyDuringAFillGiveTheFullList) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  StartLargeExtract(window, "large", "100000");
  const Text full = ExpectedEntries("dq=large&sl=100000&dk=&xl=2") + kPageTail;
  ClickOnly(window, kButton3);
  EXPECT_TRUE(ReadWholeFile("ip.txt") == full + "\r\n" + kContactLine) << "ip.txt differs";
  ASSERT_TRUE(ListWorkPending(window)) << "the fill ended before the copy";
  ClickOnly(window, kButton2);
  EXPECT_TRUE(ReadClipboardText() == full) << "clipboard differs";
  EXPECT_EQ(watcher.Texts(), (std::vector<Text>{"保存代理ip成功", "复制代理ip成功"}));
  ASSERT_TRUE(PumpUntil(window, [&] { return !ListWorkPending(window); }, kListWorkLimitMs));
}

TEST(ListFill, ClosingDuringAFillEndsTheLoop) {
  MainWindowTest test;
  HWND window = test.Window();
  StartLargeExtract(window, "large", "100000");
  // A watchdog ends the loop if closing does not.
  std::atomic<bool> fired{false};
  std::atomic<bool> stop{false};
  const DWORD loopThread = GetCurrentThreadId();
  std::thread watchdog([&] {
    for (int i = 0; i < 1500 && !stop; ++i) Sleep(10);
    if (stop) return;
    fired = true;
    PostThreadMessageA(loopThread, WM_QUIT, 0, 0);
  });
  const DWORD start = GetTickCount();
  PostMessageA(window, WM_CLOSE, 0, 0);
  RunMessageLoop(window);
  const DWORD took = GetTickCount() - start;
  stop = true;
  watchdog.join();
  EXPECT_FALSE(fired) << "the loop did not end";
  EXPECT_LT(took, 5000u);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(ListWorkPending(window));
  EXPECT_FALSE(IsBusy(window));
}

TEST(ListFill, BusyCursorShowsWhileTheWorkRuns) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND box = MainControl(window, kEdit20);
  RECT place = {};
  GetWindowRect(box, &place);
  SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  PumpFor(window, 200);
  HCURSOR working = LoadCursorA(nullptr, IDC_APPSTARTING);
  EXPECT_NE(GetCursor(), working);

  SetControlText(window, kEdit4, "large");
  SetControlText(window, kEdit2, "100000");
  ClickOnly(window, kButton10);
  EXPECT_EQ(GetCursor(), working) << "while the page is fetched and cut";
  ASSERT_TRUE(PumpEachUntil(window, [&] { return ShownLines(window) > 0; }, 60000));
  ASSERT_TRUE(ListWorkPending(window));
  EXPECT_EQ(GetCursor(), working) << "while the list fills";
  ASSERT_TRUE(PumpUntil(window, [&] { return !ListWorkPending(window); }, kListWorkLimitMs));
  EXPECT_NE(GetCursor(), working) << "back to normal when the result is complete";
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_IBEAM)) << "the list box's own cursor";
}

TEST(ListFill, BackToBackSlicesEndAsOneAppendScrollBarIncluded) {
  MainWindowTest test;
  HWND window = test.Window();
  // Slices sized by their time, many of them.
  auto list = std::make_shared<const Text>(NumberedList(12 * kFillSliceLines));
  const Text kept = FilterByPrefix(*list, "11");
  const Text before = "old line\r\n";

  HWND box = MakeScrolledBox(window);
  SetEditText(box, before);
  bool done = false;
  ASSERT_TRUE(StartListFill(box, list, "11", [&] { done = true; }));
  int slicesSeen = 0;
  int lastLines = LineCount(box);
  ASSERT_TRUE(PumpEachUntil(window, [&] {
    const int lines = LineCount(box);
    if (lines != lastLines) ++slicesSeen;
    lastLines = lines;
    return done;
  }, 60000));
  EXPECT_GT(slicesSeen, 2) << "the lines came in several slices";
  const BoxEnd filled = EndOf(window, box);
  DestroyWindow(box);

  box = MakeScrolledBox(window);
  SetEditText(box, before);
  AppendEditText(box, kept);
  const BoxEnd appended = EndOf(window, box);
  DestroyWindow(box);

  EXPECT_TRUE(filled.text == before + kept) << "every kept line, in order";
  EXPECT_EQ(filled.selectionStart, appended.selectionStart);
  EXPECT_EQ(filled.selectionEnd, appended.selectionEnd);
  EXPECT_EQ(filled.selectionEnd, static_cast<DWORD>(filled.text.size())) << "caret at the end";
  EXPECT_EQ(filled.firstVisible, appended.firstVisible) << "scrolled as far";
  EXPECT_GT(filled.firstVisible, 0);
  EXPECT_EQ(filled.bar.nMin, appended.bar.nMin);
  EXPECT_EQ(filled.bar.nMax, appended.bar.nMax);
  EXPECT_EQ(filled.bar.nPage, appended.bar.nPage);
  EXPECT_EQ(filled.bar.nPos, appended.bar.nPos) << "the thumb where one append leaves it";
}

TEST(ListFill, InputArrivingDuringASliceIsHandledBeforeTheNextSlice) {
  MainWindowTest test;
  HWND window = test.Window();
  HWND box = MainControl(window, kEdit20);
  SetEditText(box, "");
  // The cursor rests over the box; the first slice moves it within the box.
  MoveMouseInto(box, 20, 20);
  PumpFor(window, 200);
  Arrivals arrivals;
  ASSERT_TRUE(SetWindowSubclass(box, RecordArrivals, kArrivalsSubclassId,
                                reinterpret_cast<DWORD_PTR>(&arrivals)));
  bool done = false;
  // Slices grow by a quarter at most: 6,000 kept lines take more than
  // four of them.
  ASSERT_TRUE(StartListFill(box, std::make_shared<const Text>(NumberedList(9 * kFillSliceLines)),
                            "11", [&] { done = true; }));
  const bool ended = PumpEachUntil(window, [&] { return done; }, 60000);
  RemoveWindowSubclass(box, RecordArrivals, kArrivalsSubclassId);
  ASSERT_TRUE(ended);

  const Text order(arrivals.events.begin(), arrivals.events.end());
  const std::size_t input = order.find('i');
  ASSERT_NE(input, Text::npos) << "no mouse input reached the box: " << order;
  const std::size_t nextSlice = order.find('s', kSliceThatMovesTheMouse);
  ASSERT_NE(nextSlice, Text::npos) << "no slice after the one that moved the mouse: " << order;
  EXPECT_LT(input, nextSlice) << "slices and input as they came: " << order;
}
