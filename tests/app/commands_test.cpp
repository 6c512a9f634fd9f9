// The command buttons end to end against the demo extraction service:
// extract and filter, the hidden fetch-only button, save, copy, failures and
// a retrieval overtaken by a newer one.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "app/build_settings.h"
#include "app/main_window.h"
#include "gui_test_support.h"

namespace {

const Text kPageTail = "</div>\n</body>\n</html>\n";  // what follows the last entry

// Fills the settings boxes as the user would.
void EnterSettings(HWND window, const Text& region, const Text& count, const Text& port) {
  SetControlText(window, kEdit4, region);
  SetControlText(window, kEdit2, count);
  SetControlText(window, kEdit3, port);
}

int CountLines(const Text& list) {
  int lines = 0;
  for (size_t at = list.find("\r\n"); at != Text::npos; at = list.find("\r\n", at + 2)) ++lines;
  return lines;
}

const Text kContactLine = PX_CONTACT_LINE_EXPECTED;

}  // namespace

TEST(Extract, FullListAndFilteredListMatchTheService) {
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  EnterSettings(window, "ab", "40", "");
  Click(window, kButton10);

  const Text expected = ExpectedEntries("dq=ab&sl=40&dk=&xl=2");
  ASSERT_EQ(CountLines(expected), 40);
  // The page carries the marker twice (navigation and list heading); only
  // what follows the last one is the list.
  EXPECT_EQ(ControlText(window, kEdit1), expected + kPageTail);
  const Text kept = LinesWithKey(expected, "11");
  EXPECT_GT(CountLines(kept), 0);
  EXPECT_LT(CountLines(kept), 40);
  EXPECT_EQ(ControlText(window, kEdit20), kept);
  EXPECT_TRUE(watcher.Texts().empty()) << "extracting shows no message";
}

TEST(Extract, QueryCarriesRegionPortAndCarrier) {
  MainWindowTest test;
  HWND window = test.Window();
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
    EXPECT_EQ(ControlText(window, kEdit1), expected + kPageTail);
    EXPECT_EQ(ControlText(window, kEdit20), LinesWithKey(expected, "11"));
  }
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
  const Text shown = ControlText(window, kEdit20);
  for (size_t at = 0; at < shown.size();) {
    EXPECT_EQ(shown.compare(at, 2, "1."), 0) << shown.substr(at, 20);
    const size_t end = shown.find("\r\n", at);
    if (end == Text::npos) break;
    at = end + 2;
  }

  // Longer than a key, empty, or matching nothing: the list stays empty,
  // the full list is whole.
  for (const char* prefix : {"114", "", "00", "-"}) {
    SCOPED_TRACE(prefix);
    SetControlText(window, kEdit30, prefix);
    Click(window, kButton10);
    EXPECT_EQ(ControlText(window, kEdit20), "");
    EXPECT_EQ(ControlText(window, kEdit1), expected + kPageTail);
  }

  // Two-digit prefixes other than 11.
  SetControlText(window, kEdit30, "12");
  Click(window, kButton10);
  EXPECT_EQ(ControlText(window, kEdit20), LinesWithKey(expected, "12"));
}

TEST(Extract, EachExtractRebuildsTheShownList) {
  MainWindowTest test;
  HWND window = test.Window();
  SetControlText(window, kEdit20, "stale\r\n");
  EnterSettings(window, "twice", "30", "");
  Click(window, kButton10);
  Click(window, kButton10);
  EXPECT_EQ(ControlText(window, kEdit20), LinesWithKey(ExpectedEntries("dq=twice&sl=30&dk=&xl=2"), "11"));
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
  EXPECT_TRUE(watcher.Texts().empty());
}

TEST(Extract, ServerErrorPageIsStillCut) {
  MainWindowTest test;
  HWND window = test.Window();
  EnterSettings(window, "error", "12", "");
  Click(window, kButton10);
  EXPECT_EQ(ControlText(window, kEdit1), ExpectedEntries("dq=error&sl=12&dk=&xl=2") + kPageTail);
}

TEST(Extract, ZeroByteEndsThePage) {
  MainWindowTest test;
  HWND window = test.Window();
  EnterSettings(window, "zero", "10", "");
  Click(window, kButton10);
  const Text expected = ExpectedEntries("dq=zero&sl=10&dk=&xl=2");
  size_t at = 0;
  for (int i = 0; i < 3; ++i) at = expected.find("\r\n", at) + 2;
  EXPECT_EQ(ControlText(window, kEdit1), expected.substr(0, at));
}

TEST(Extract, UnreachableServiceEmptiesTheListsWithoutMessage) {
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  SetControlText(window, kEdit20, "old\r\n");
  OverrideServiceHostForTesting("127.0.0.1:1");
  Click(window, kButton10);
  OverrideServiceHostForTesting(DemoServiceHost());
  EXPECT_EQ(ControlText(window, kEdit1), "");
  EXPECT_EQ(ControlText(window, kEdit20), "");
  EXPECT_TRUE(watcher.Texts().empty());
}

TEST(Extract, NoCarrierCheckedQueriesNothing) {
  MainWindowTest test;
  HWND window = test.Window();
  EnterSettings(window, "nocarrier", "10", "");
  for (ControlId id : {kRadio1, kRadio2, kRadio3}) {
    SendMessageA(MainControl(window, id), BM_SETCHECK, BST_UNCHECKED, 0);
  }
  Click(window, kButton10);
  EXPECT_EQ(ControlText(window, kEdit1), "");
  EXPECT_EQ(ControlText(window, kEdit20), "");
}

TEST(Extract, HiddenButtonFetchesWithoutFiltering) {
  MainWindowTest test;
  HWND window = test.Window();
  SetControlText(window, kEdit20, "untouched\r\n");
  EnterSettings(window, "hidden", "15", "");
  Click(window, kButton1);
  EXPECT_EQ(ControlText(window, kEdit1), ExpectedEntries("dq=hidden&sl=15&dk=&xl=2") + kPageTail);
  EXPECT_EQ(ControlText(window, kEdit20), "untouched\r\n");
}

namespace {

// State of the nested click started while the first retrieval waits.
struct NestedClick {
  HWND window = nullptr;
  bool ran = false;
  DWORD finishedAt = 0;
};
NestedClick g_nested;

void CALLBACK StartNewerRetrieval(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  // The first click is still waiting for its slow page here.
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
  EXPECT_GE(finished - start, 2400u) << "the first retrieval waited for its slow page";
  EXPECT_LT(g_nested.finishedAt - start, 2400u) << "the newer one finished first";
  const Text newer = ExpectedEntries("dq=newer&sl=20&dk=&xl=2");
  EXPECT_EQ(ControlText(window, kEdit1), newer + kPageTail);
  EXPECT_EQ(ControlText(window, kEdit20), LinesWithKey(newer, "11"));
}

TEST(Save, WritesFullListAndContactLineAndConfirms) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  EnterSettings(window, "save", "30", "");
  SetControlText(window, kEdit30, "00");  // nothing shown; the full list is saved anyway
  Click(window, kButton10);
  ASSERT_EQ(ControlText(window, kEdit20), "");
  Click(window, kButton3);

  const Text full = ExpectedEntries("dq=save&sl=30&dk=&xl=2") + kPageTail;
  EXPECT_EQ(ReadWholeFile("ip.txt"), full + "\r\n" + kContactLine);
  ASSERT_EQ(watcher.Boxes().size(), 1u);
  EXPECT_EQ(watcher.Boxes()[0].text, "保存代理ip成功");
  EXPECT_FALSE(watcher.Boxes()[0].owned);
  EXPECT_TRUE(watcher.Boxes()[0].hasIcon);
  EXPECT_EQ(FilesHere(), std::vector<Text>{"ip.txt"}) << "no temporary file left";
}

TEST(Save, SavingAgainReplacesTheFile) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  EnterSettings(window, "first", "50", "");
  Click(window, kButton10);
  Click(window, kButton3);
  EnterSettings(window, "second", "5", "");
  Click(window, kButton10);
  Click(window, kButton3);
  EXPECT_EQ(ReadWholeFile("ip.txt"),
            ExpectedEntries("dq=second&sl=5&dk=&xl=2") + kPageTail + "\r\n" + kContactLine);
  EXPECT_EQ(watcher.Texts(), (std::vector<Text>{"保存代理ip成功", "保存代理ip成功"}));
}

TEST(Save, EmptyListSavesOnlyTheContactLine) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  SetControlText(window, kEdit1, "");
  Click(window, kButton3);
  EXPECT_EQ(ReadWholeFile("ip.txt"), "\r\n" + kContactLine);
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

TEST(Save, FolderNamedLikeTheFileIsReported) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  ASSERT_TRUE(CreateDirectoryA("ip.txt", nullptr));
  Click(window, kButton3);
  const std::vector<Text> texts = watcher.Texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].rfind("保存代理ip失败：", 0), 0u) << texts[0];
  EXPECT_TRUE(GetFileAttributesA("ip.txt") & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(FilesHere(), std::vector<Text>{"ip.txt"});
}

TEST(Copy, PutsTheFullListOnTheClipboardAndConfirms) {
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  EnterSettings(window, "copy", "30", "");
  SetControlText(window, kEdit30, "00");
  Click(window, kButton10);
  ASSERT_TRUE(WriteClipboardText("before"));
  Click(window, kButton2);
  EXPECT_EQ(ReadClipboardText(), ExpectedEntries("dq=copy&sl=30&dk=&xl=2") + kPageTail);
  ASSERT_EQ(watcher.Boxes().size(), 1u);
  EXPECT_EQ(watcher.Boxes()[0].text, "复制代理ip成功");
  EXPECT_FALSE(watcher.Boxes()[0].owned);
}

TEST(Copy, EmptyListCopiesEmptyText) {
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  SetControlText(window, kEdit1, "");
  ASSERT_TRUE(WriteClipboardText("before"));
  Click(window, kButton2);
  EXPECT_EQ(ReadClipboardText(), "");
  EXPECT_EQ(watcher.Texts(), std::vector<Text>{"复制代理ip成功"});
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
  EnterSettings(window, "large", "100000", "");
  Click(window, kButton10);
  const Text expected = ExpectedEntries("dq=large&sl=100000&dk=&xl=2");
  ASSERT_EQ(CountLines(expected), 100000);
  const Text full = expected + kPageTail;
  EXPECT_TRUE(ControlText(window, kEdit1) == full) << "编辑框1 differs from the service's list";
  const Text kept = LinesWithKey(expected, "11");
  EXPECT_GT(CountLines(kept), 10000);
  EXPECT_TRUE(ControlText(window, kEdit20) == kept) << "编辑框20 differs from the filtered list";

  Click(window, kButton3);
  EXPECT_TRUE(ReadWholeFile("ip.txt") == full + "\r\n" + kContactLine) << "ip.txt differs";
  Click(window, kButton2);
  EXPECT_TRUE(ReadClipboardText() == full) << "clipboard differs";
  EXPECT_EQ(watcher.Texts(), (std::vector<Text>{"保存代理ip成功", "复制代理ip成功"}));
}
