// The command buttons end to end against the demo extraction service:
// extract and filter, the hidden fetch-only button, save, copy, failures and
// a retrieval overtaken by a newer one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "app/build_settings.h"
#include "app/list_file.h"
#include "app/system_error_text.h"
#include "app/main_window.h"
#include "gui_test_support.h"
#include "tests/web/demo_service.h"

namespace {

int CountLines(const Text& list) {
  int lines = 0;
  for (size_t at = list.find("\r\n"); at != Text::npos; at = list.find("\r\n", at + 2)) ++lines;
  return lines;
}

const Text kContactLine = PX_CONTACT_LINE_EXPECTED;

}  // namespace

TEST(Extract, ListsMatchTheServiceForRegionPortAndCarrier) {
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  SetControlText(window, kEdit20, "stale\r\n");
  struct Case {
    ControlId radio;
    const char* xl;
  };
  for (const Case& c : {Case{kRadio1, "3"}, Case{kRadio3, "1"}, Case{kRadio2, "2"}}) {
    SCOPED_TRACE(c.xl);
    Click(window, c.radio);
    EnterSettings(window, "北京", "25", "8080");
    Click(window, kButton10);
    const Text expected =
        ExpectedEntries("dq=%B1%B1%BE%A9&sl=25&dk=8080&xl=" + Text(c.xl));
    ASSERT_EQ(CountLines(expected), 25);
    // Only what follows the last of the page's two markers is the list.
    EXPECT_EQ(ControlText(window, kEdit1), expected + kDemoPageTail);
    // Each extract rebuilds the shown list.
    const Text kept = LinesWithKey(expected, "11");
    EXPECT_EQ(ControlText(window, kEdit20), kept);
  }
  EXPECT_TRUE(watcher.Texts().empty()) << "extracting shows no message";
}

TEST(Extract, PrefixDecidesTheShownLines) {
  MainWindowTest test;
  HWND window = test.Window();
  EnterSettings(window, "prefixes", "600", "");
  const Text expected = ExpectedEntries("dq=prefixes&sl=600&dk=&xl=2");
  ASSERT_EQ(CountLines(expected), 600);

  // A one-byte prefix keeps only lines whose first part is exactly that byte.
  SetControlText(window, kEdit30, "1");
  Click(window, kButton10);
  const Text ones = LinesWithKey(expected, "1");
  EXPECT_GT(CountLines(ones), 0) << "the data should hold first octet 1";
  EXPECT_EQ(ControlText(window, kEdit20), ones);
  SetControlText(window, kEdit30, "12");
  Click(window, kButton10);
  EXPECT_EQ(ControlText(window, kEdit20), LinesWithKey(expected, "12"));

  // Longer than a key, empty, or matching nothing: the list stays empty,
  // the full list is whole.
  for (const char* prefix : {"114", "", "-"}) {
    SCOPED_TRACE(prefix);
    SetControlText(window, kEdit30, prefix);
    Click(window, kButton10);
    EXPECT_EQ(ControlText(window, kEdit20), "");
    EXPECT_EQ(ControlText(window, kEdit1), expected + kDemoPageTail);
  }
}

TEST(Extract, PagesWithoutAListGiveEmptyLists) {
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  for (const char* region : {"nomarker", "empty", "utf8"}) {
    SCOPED_TRACE(region);
    SetControlText(window, kEdit1, "old\r\n");
    SetControlText(window, kEdit20, "old\r\n");
    EnterSettings(window, region, "10", "");
    Click(window, kButton10);
    const Text full = ControlText(window, kEdit1);
    EXPECT_EQ(full.find("old"), Text::npos);
    EXPECT_EQ(full.find(":"), Text::npos) << "no entries: " << full;
    EXPECT_EQ(ControlText(window, kEdit20), "");
  }
  // The pages without a marker say so; the one with it is an empty list.
  const Text noList = "提取代理ip失败：提取服务的回答里没有代理列表：";
  const std::vector<Text> texts = watcher.Texts();
  ASSERT_EQ(texts.size(), 2u);
  for (const Text& text : texts) EXPECT_EQ(text.substr(0, noList.size()), noList) << text;
}

TEST(Extract, ErrorPageIsCutAndZeroByteEndsThePage) {
  MainWindowTest test;
  HWND window = test.Window();
  EnterSettings(window, "error", "12", "");
  Click(window, kButton10);
  EXPECT_EQ(ControlText(window, kEdit1), ExpectedEntries("dq=error&sl=12&dk=&xl=2") + kDemoPageTail);

  EnterSettings(window, "zero", "10", "");
  Click(window, kButton10);
  const Text expected = ExpectedEntries("dq=zero&sl=10&dk=&xl=2");
  size_t at = 0;
  for (int i = 0; i < 3; ++i) at = expected.find("\r\n", at) + 2;
  EXPECT_EQ(ControlText(window, kEdit1), expected.substr(0, at));
}

TEST(Extract, UnreachableServiceEmptiesTheListsAndSaysWhy) {
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  SetControlText(window, kEdit20, "old\r\n");
  OverrideServiceHostForTesting("127.0.0.1:1");
  Click(window, kButton10);
  OverrideServiceHostForTesting(DemoServiceHost());
  EXPECT_EQ(ControlText(window, kEdit1), "");
  EXPECT_EQ(ControlText(window, kEdit20), "");
  const std::vector<Text> texts = watcher.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].rfind("提取代理ip失败：连不上提取服务（", 0), 0u) << texts[0];
}

TEST(Extract, HiddenButtonFetchesWithoutFiltering) {
  MainWindowTest test;
  HWND window = test.Window();
  SetControlText(window, kEdit20, "untouched\r\n");
  EnterSettings(window, "hidden", "15", "");
  Click(window, kButton1);
  EXPECT_EQ(ControlText(window, kEdit1), ExpectedEntries("dq=hidden&sl=15&dk=&xl=2") + kDemoPageTail);
  EXPECT_EQ(ControlText(window, kEdit20), "untouched\r\n");
}

namespace {

struct NestedClick {
  HWND window = nullptr;
  bool ran = false;
  DWORD finishedAt = 0;
};
NestedClick g_nested;

void CALLBACK StartNewerRetrieval(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EnterSettings(g_nested.window, "newer", "20", "");
  Click(g_nested.window, kButton10);
  g_nested.ran = true;
  g_nested.finishedAt = GetTickCount();
}

}  // namespace

TEST(Extract, OvertakenRetrievalKeepsTheNewerList) {
  MainWindowTest test;
  HWND window = test.Window();
  g_nested = NestedClick();
  g_nested.window = window;
  EnterSettings(window, "slow2500", "40", "");
  SetTimer(nullptr, 0, 300, StartNewerRetrieval);
  const DWORD start = GetTickCount();
  Click(window, kButton10);
  const DWORD finished = GetTickCount();

  ASSERT_TRUE(g_nested.ran);
  EXPECT_LT(g_nested.finishedAt - start, 2400u) << "the newer one finished first";
  // The older one gave up when overtaken instead of waiting for its page.
  EXPECT_LT(finished - g_nested.finishedAt, 300u);
  const Text newer = ExpectedEntries("dq=newer&sl=20&dk=&xl=2");
  EXPECT_EQ(ControlText(window, kEdit1), newer + kDemoPageTail);
  EXPECT_EQ(ControlText(window, kEdit20), LinesWithKey(newer, "11"));
}

namespace {

// The holdings once the process has made one fetch and its worker has gone.
Holdings Baseline(HWND window) {
  // GoogleTest starts a watcher thread when a thread first records a trace.
  { SCOPED_TRACE("baseline"); }
  EnterSettings(window, "warm", "1", "");
  Click(window, kButton10);
  Holdings last = CurrentHoldings();
  for (int i = 0; i < 40; ++i) {
    PumpFor(window, 50);
    const Holdings now = CurrentHoldings();
    if (now.threads == last.threads && now.handles == last.handles && now.sockets == last.sockets)
      break;
    last = now;
  }
  return CurrentHoldings();
}

int ServiceRequestCount() {
  return std::atoi(FetchText(DemoUrl("/requests")).c_str());
}

}  // namespace

TEST(Extract, OvertakenStalledRetrievalEndsItsWorkerAtOnce) {
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  const Holdings before = Baseline(window);
  g_nested = NestedClick();
  g_nested.window = window;
  // The older retrieval would wait its 60 s for a service that never answers.
  EnterSettings(window, "stall", "40", "");
  SetTimer(nullptr, 0, 300, StartNewerRetrieval);
  const DWORD start = GetTickCount();
  Click(window, kButton10);
  EXPECT_LT(GetTickCount() - start, 2000u);
  ASSERT_TRUE(g_nested.ran);
  EXPECT_EQ(ControlText(window, kEdit1), ExpectedEntries("dq=newer&sl=20&dk=&xl=2") + kDemoPageTail);
  EXPECT_TRUE(SettlesTo(before, 2000)) << HoldingsChange(before);
  // The older one, given up, does not say that it failed.
  EXPECT_TRUE(watcher.Texts().empty());
}

TEST(Extract, NoCarrierCheckedSendsNothingAndEmptiesTheLists) {
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  for (ControlId radio : {kRadio1, kRadio2, kRadio3})
    SendMessageA(MainControl(window, radio), BM_SETCHECK, BST_UNCHECKED, 0);
  SetControlText(window, kEdit1, "old\r\n");
  SetControlText(window, kEdit20, "old\r\n");
  EnterSettings(window, "none", "10", "");
  const int requests = ServiceRequestCount();
  const int threads = ProcessThreadCount();
  Click(window, kButton10);
  EXPECT_EQ(ServiceRequestCount(), requests) << "the service saw a request";
  EXPECT_EQ(ProcessThreadCount(), threads) << "no worker either";
  EXPECT_EQ(ControlText(window, kEdit1), "");
  EXPECT_EQ(ControlText(window, kEdit20), "");
  EXPECT_TRUE(watcher.Texts().empty()) << "nothing was asked, nothing failed";
}

TEST(Extract, ServiceRefusesWhatTheProgramMustNotSend) {
  // The demo service takes only the program's own request; the same query
  // as a GET, with a body or without its fixed tail gets no list.
  const Text query = "/tiqu.php?dq=ab&sl=3&dk=&xl=2&cf=4&tj=%CC%E1+%C8%A1";
  EXPECT_EQ(FetchText(DemoUrl(query)).rfind("refused: method GET", 0), 0u);
  FetchOptions post;
  post.method = 1;
  post.body = TextToBytes("x=1");
  EXPECT_EQ(FetchText(DemoUrl(query), post).rfind("refused: a body", 0), 0u);
  post.body = Bytes();
  EXPECT_EQ(FetchText(DemoUrl("/tiqu.php?dq=ab&sl=3&dk=&xl=2&cf=3&tj=%CC%E1+%C8%A1"), post)
                .rfind("refused: query tail", 0),
            0u);
  EXPECT_NE(FetchText(DemoUrl(query), post).find("主</h4>"), Text::npos);
}

namespace {

struct KeyLog {
  HWND window = nullptr;
  HWND focusBefore = nullptr;
  HWND focusAfterTab = nullptr;
  HWND nextTabItem = nullptr;
  DWORD escAt = 0;
  DWORD closeAt = 0;
};
KeyLog g_keys;

void CALLBACK PressTab(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  SetFocus(MainControl(g_keys.window, kEdit2));
  g_keys.focusBefore = GetFocus();
  g_keys.nextTabItem = GetNextDlgTabItem(g_keys.window, GetFocus(), FALSE);
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
}

void CALLBACK PressEsc(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_keys.focusAfterTab = GetFocus();
  g_keys.escAt = GetTickCount();
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
}

void CALLBACK CloseWindowNow(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_keys.closeAt = GetTickCount();
  PostMessageA(g_keys.window, WM_CLOSE, 0, 0);
}

}  // namespace

TEST(Close, ClosingTheWindowDuringAFetchEndsTheMessageLoopAtOnce) {
  ConfirmationWatcher watcher;
  Holdings before;
  {
    MainWindowTest warm;
    before = Baseline(warm.Window());
  }
  for (const char* region : {"stall", "trickle"}) {
    SCOPED_TRACE(region);
    MainWindowTest test;
    HWND window = test.Window();
    g_keys = KeyLog();
    g_keys.window = window;
    EnterSettings(window, region, "10", "");
    // The click runs inside the loop, as the user's would.
    PostMessageA(MainControl(window, kButton10), BM_CLICK, 0, 0);
    SetTimer(nullptr, 0, 500, CloseWindowNow);
    RunMessageLoop(window);
    const DWORD ended = GetTickCount();
    ASSERT_NE(g_keys.closeAt, 0u);
    EXPECT_LT(ended - g_keys.closeAt, 1000u);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(SettlesTo(before, 2000)) << HoldingsChange(before);
  }
  EXPECT_TRUE(watcher.Texts().empty()) << "a fetch ended by the closing says nothing";
}

TEST(Keys, TabAndEscWorkWhileAFetchWaits) {
  MainWindowTest test;
  HWND window = test.Window();
  g_keys = KeyLog();
  g_keys.window = window;
  EnterSettings(window, "stall", "10", "");
  HWND count = MainControl(window, kEdit2);
  PostMessageA(MainControl(window, kButton10), BM_CLICK, 0, 0);
  SetTimer(nullptr, 0, 400, PressTab);
  SetTimer(nullptr, 0, 800, PressEsc);
  // Should Tab or Esc go unseen, the window still closes.
  const UINT_PTR fallback = SetTimer(nullptr, 0, 5000, CloseWindowNow);
  RunMessageLoop(window);
  const DWORD ended = GetTickCount();
  KillTimer(nullptr, fallback);
  EXPECT_EQ(g_keys.closeAt, 0u) << "Esc did not close the window";
  ASSERT_NE(g_keys.escAt, 0u) << "the loop ended before Esc";
  EXPECT_EQ(g_keys.focusBefore, count);
  EXPECT_NE(g_keys.focusAfterTab, g_keys.focusBefore) << "Tab moved the focus";
  EXPECT_EQ(g_keys.focusAfterTab, g_keys.nextTabItem);
  EXPECT_LT(ended - g_keys.escAt, 1000u) << "Esc closed the window";
  EXPECT_FALSE(IsWindow(window));
}

TEST(Save, UnwritableFileIsReportedAndTheOldFileSurvives) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  // A previous save, now held open by another program without sharing.
  SetControlText(window, kEdit1, "1.1.1.1:80\r\n");
  Click(window, kButton3);
  const Text previous = ReadWholeFile("ip.txt");
  ASSERT_EQ(previous, "1.1.1.1:80\r\n\r\n" + kContactLine);
  HANDLE held = CreateFileA("ip.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  SetControlText(window, kEdit1, "2.2.2.2:80\r\n");
  Click(window, kButton3);
  CloseHandle(held);

  const std::vector<Text> texts = watcher.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "保存代理ip成功");
  const Text failed = "保存代理ip失败：";
  EXPECT_EQ(texts[1].substr(0, failed.size()), failed);
  EXPECT_GT(texts[1].size(), failed.size()) << "the reason follows";
  EXPECT_EQ(ReadWholeFile("ip.txt"), previous);
  EXPECT_EQ(FilesHere(), std::vector<Text>{"ip.txt"}) << "no temporary file left";
}

TEST(Save, SecondSaveOverALongerFileReplacesItWhole) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  SetControlText(window, kEdit1, "111.111.111.111:8080\r\n112.112.112.112:8080\r\n");
  Click(window, kButton3);
  SetControlText(window, kEdit1, "1.1.1.1:80\r\n");
  Click(window, kButton3);
  EXPECT_EQ(ReadWholeFile("ip.txt"), "1.1.1.1:80\r\n\r\n" + kContactLine);
  EXPECT_EQ(watcher.Texts(), (std::vector<Text>{"保存代理ip成功", "保存代理ip成功"}));
}

TEST(Save, ReadOnlyFileIsLeftAloneAndTheBoxSaysWhy) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  SetControlText(window, kEdit1, "4.4.4.4:80\r\n");
  Click(window, kButton3);
  const Text previous = ReadWholeFile("ip.txt");
  ASSERT_TRUE(SetFileAttributesA("ip.txt", FILE_ATTRIBUTE_READONLY));
  SetControlText(window, kEdit1, "5.5.5.5:80\r\n");
  Click(window, kButton3);
  EXPECT_EQ(ReadWholeFile("ip.txt"), previous);
  EXPECT_NE(GetFileAttributesA("ip.txt") & FILE_ATTRIBUTE_READONLY, 0u);
  const std::vector<Text> texts = watcher.Texts();
  ASSERT_EQ(texts.size(), 2u);
  // The reason is the system's own text for a denied access.
  EXPECT_EQ(texts[1], "保存代理ip失败：" + SystemErrorText(ERROR_ACCESS_DENIED));
  SetFileAttributesA("ip.txt", FILE_ATTRIBUTE_NORMAL);
}

TEST(Save, FileHeldOpenByAnotherProgramIsWrittenInPlace) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  SetControlText(window, kEdit1, "111.111.111.111:8080\r\n112.112.112.112:8080\r\n");
  Click(window, kButton3);
  // Another program reads the file and lets others write, not delete.
  HANDLE held = CreateFileA("ip.txt", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  SetControlText(window, kEdit1, "6.6.6.6:80\r\n");
  Click(window, kButton3);
  EXPECT_EQ(ReadWholeFile("ip.txt"), "6.6.6.6:80\r\n\r\n" + kContactLine);
  CloseHandle(held);
  EXPECT_EQ(watcher.Texts(), (std::vector<Text>{"保存代理ip成功", "保存代理ip成功"}));
  EXPECT_EQ(FilesHere(), std::vector<Text>{"ip.txt"}) << "no temporary file left";
}

TEST(Copy, BusyClipboardIsReportedAndLeftUnchanged) {
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  ASSERT_TRUE(WriteClipboardText("kept"));
  SetControlText(window, kEdit1, "3.3.3.3:80\r\n");

  // Another thread holds the clipboard open while the copy runs.
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const bool open = OpenClipboard(owner) != FALSE;
    SetEvent(opened);
    WaitForSingleObject(release, 10000);
    if (open) CloseClipboard();
    DestroyWindow(owner);
  });
  WaitForSingleObject(opened, 5000);
  Click(window, kButton2);
  SetEvent(release);
  holder.join();
  CloseHandle(opened);
  CloseHandle(release);

  EXPECT_EQ(watcher.Texts(), std::vector<Text>{"复制代理ip失败"});
  EXPECT_EQ(ReadClipboardText(), "kept");
}

TEST(LargeList, HundredThousandEntriesArriveWhole) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  ASSERT_TRUE(WriteClipboardText("before"));
  EnterSettings(window, "large", "100000", "");
  Click(window, kButton10);
  const Text expected = ExpectedEntries("dq=large&sl=100000&dk=&xl=2");
  ASSERT_EQ(CountLines(expected), 100000);
  const Text full = expected + kDemoPageTail;
  EXPECT_TRUE(ControlText(window, kEdit1) == full) << "编辑框1 differs from the service's list";
  const Text kept = LinesWithKey(expected, "11");
  EXPECT_GT(CountLines(kept), 10000);
  EXPECT_TRUE(ControlText(window, kEdit20) == kept) << "编辑框20 differs from the filtered list";

  Click(window, kButton3);
  EXPECT_TRUE(ReadWholeFile("ip.txt") == full + "\r\n" + kContactLine) << "ip.txt differs";
  EXPECT_EQ(FilesHere(), std::vector<Text>{"ip.txt"}) << "no temporary file left";
  Click(window, kButton2);
  EXPECT_TRUE(ReadClipboardText() == full) << "clipboard differs";
  EXPECT_EQ(watcher.Texts(), (std::vector<Text>{"保存代理ip成功", "复制代理ip成功"}));
}
