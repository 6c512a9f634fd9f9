// A failed extract says why, through the main window against the demo
// service's refusals, and save and copy never put nothing over a good list.
#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/build_settings.h"
#include "app/extract_failure.h"
#include "app/main_window.h"
#include "app/system_error_text.h"
#include "gui_test_support.h"

namespace {

const Text kFailed = "提取代理ip失败：";
const Text kNoList = kFailed + "提取服务的回答里没有代理列表";
const Text kNoConnection = kFailed + "连不上提取服务（";
const Text kNothingToSave = "没有代理ip可保存，请先提取ip";
const Text kNothingToCopy = "没有代理ip可复制，请先提取ip";

// One extract of region with old contents in both lists; what the boxes said.
std::vector<Text> FailedExtract(HWND window, const Text& region, ControlId button = kButton10) {
  ConfirmationWatcher watcher;
  SetControlText(window, kEdit1, "9.9.9.9:99\r\n");
  SetControlText(window, kEdit20, "9.9.9.9:99\r\n");
  EnterSettings(window, region, "10", "");
  Click(window, button);
  return watcher.Texts();
}

bool StartsWith(const Text& text, const Text& start) { return text.rfind(start, 0) == 0; }

TEST(ExtractFailure, AnswersWithoutAListSayWhatTheServiceSaid) {
  MainWindowTest test;
  HWND window = test.Window();
  struct Case {
    const char* region;
    Text message;
  };
  const Case cases[] = {
      // UTF-8 JSON: the address to white-list is the one the service saw.
      {"whitelist",
       kNoList + "：{\"code\":113,\"success\":false,\"msg\":\"请将127.0.0.1设置为白名单！\"}"},
      // The same kind of answer with its text in \u escapes.
      {"expired", kNoList + "：{\"code\":115,\"success\":false,\"msg\":\"套餐已过期\"}"},
      {"ratelimit", kNoList + "：提取太频繁，请稍后再试"},
      {"forbidden", kNoList + "（HTTP 403）：403 Forbidden 403 Forbidden nginx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.region);
    EXPECT_EQ(FailedExtract(window, c.region), std::vector<Text>{c.message});
    EXPECT_EQ(ControlText(window, kEdit1), "");
    EXPECT_EQ(ControlText(window, kEdit20), "");
  }
  // A long page without the marker is quoted up to 120 characters.
  const std::vector<Text> texts = FailedExtract(window, "nomarker");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(StartsWith(texts[0], kNoList + "：代理IP提取 导航 首页 提取结果 ")) << texts[0];
  EXPECT_EQ(texts[0].substr(texts[0].size() - 2), "…");
}

TEST(ExtractFailure, NoAnswerSaysWhyInTheSystemsWords) {
  MainWindowTest test;
  HWND window = test.Window();
  // Reset before any answer, bytes that are no HTTP answer, and half a
  // page with its list marker before a reset: no list comes of any.
  for (const char* region : {"resetnow", "nothttp", "reset"}) {
    SCOPED_TRACE(region);
    const std::vector<Text> texts = FailedExtract(window, region);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(StartsWith(texts[0], kNoConnection)) << texts[0];
    EXPECT_GT(texts[0].size(), kNoConnection.size() + 2) << "the reason is named";
    EXPECT_EQ(texts[0].substr(texts[0].size() - 2), "）");
    EXPECT_EQ(ControlText(window, kEdit1), "");
    EXPECT_EQ(ControlText(window, kEdit20), "");
  }

  // Nobody listens on the port: the system's words for a refused connection.
  OverrideServiceHostForTesting("127.0.0.1:1");
  const std::vector<Text> texts = FailedExtract(window, "any");
  OverrideServiceHostForTesting(DemoServiceHost());
  ExtractFailure refused;
  refused.kind = ExtractFailureKind::NoConnection;
  refused.networkReason = SystemErrorText(ERROR_INTERNET_CANNOT_CONNECT);
  EXPECT_EQ(texts, std::vector<Text>{ExtractFailureMessage(refused)});
}

TEST(ExtractFailure, NoAnswerInTimeSaysHowLongItWaited) {
  MainWindowTest test;
  HWND window = test.Window();
  OverrideServiceTimeoutForTesting(2);
  const DWORD start = GetTickCount();
  const std::vector<Text> texts = FailedExtract(window, "stall");
  const DWORD waited = GetTickCount() - start;
  OverrideServiceTimeoutForTesting(60);
  EXPECT_EQ(texts, std::vector<Text>{kFailed + "提取服务2秒内没有回答"});
  EXPECT_GE(waited, 1900u);
  EXPECT_EQ(ControlText(window, kEdit1), "");
  EXPECT_EQ(ControlText(window, kEdit20), "");
}

TEST(ExtractFailure, HiddenFetchButtonSaysWhyAndLeavesTheShownList) {
  MainWindowTest test;
  HWND window = test.Window();
  EXPECT_EQ(FailedExtract(window, "ratelimit", kButton1),
            std::vector<Text>{kNoList + "：提取太频繁，请稍后再试"});
  EXPECT_EQ(ControlText(window, kEdit1), "");
  EXPECT_EQ(ControlText(window, kEdit20), "9.9.9.9:99\r\n");
}

TEST(ExtractFailure, AMarkerIsAResultEvenWithoutLines) {
  MainWindowTest test;
  HWND window = test.Window();
  for (const char* region : {"markeronly", "empty"}) {
    SCOPED_TRACE(region);
    EXPECT_TRUE(FailedExtract(window, region).empty()) << "an empty list is no failure";
    EXPECT_EQ(ControlText(window, kEdit20), "");
  }
  EXPECT_EQ(ControlText(window, kEdit1), kDemoPageTail);
}

TEST(NothingToSave, AGoodFileAndClipboardSurviveAFailedExtract) {
  ScratchDirectory here;
  MainWindowTest test;
  HWND window = test.Window();
  ConfirmationWatcher watcher;
  ASSERT_TRUE(WriteClipboardText("before"));

  // Before the first extract there is nothing to save or copy.
  Click(window, kButton3);
  Click(window, kButton2);
  EXPECT_EQ(FilesHere(), std::vector<Text>{}) << "no ip.txt made";
  EXPECT_EQ(ReadClipboardText(), "before");

  EnterSettings(window, "kept", "20", "");
  Click(window, kButton10);
  Click(window, kButton3);
  Click(window, kButton2);
  const Text savedFile = ReadWholeFile("ip.txt");
  const Text copied = ReadClipboardText();
  ASSERT_NE(copied.find(':'), Text::npos) << copied;

  // A failed extract, an answer with only its marker, a page whose list is
  // nothing but closing tags: ip.txt and the clipboard stay as they were.
  for (const char* region : {"whitelist", "markeronly", "empty"}) {
    SCOPED_TRACE(region);
    EnterSettings(window, region, "20", "");
    Click(window, kButton10);
    Click(window, kButton3);
    Click(window, kButton2);
    EXPECT_EQ(ReadWholeFile("ip.txt"), savedFile);
    EXPECT_EQ(ReadClipboardText(), copied);
  }
  const std::vector<Text> texts = watcher.Texts();
  const std::vector<Text> expected = {
      kNothingToSave, kNothingToCopy, "保存代理ip成功", "复制代理ip成功",
      kNoList + "：{\"code\":113,\"success\":false,\"msg\":\"请将127.0.0.1设置为白名单！\"}",
      kNothingToSave, kNothingToCopy, kNothingToSave, kNothingToCopy,
      kNothingToSave, kNothingToCopy};
  EXPECT_EQ(texts, expected);
  EXPECT_EQ(FilesHere(), std::vector<Text>{"ip.txt"});
}

}  // namespace
