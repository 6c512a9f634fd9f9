// Helpers for driving the real main window in tests: a message pump, typing
// and clicking, a watcher that answers the confirmation boxes, a plain HTTP
// reader for the demo service's expected lists, a scratch current directory.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "app/text_ops.h"

Text DemoServiceHost();

// Pumps messages through the window's keyboard navigation, as the program's
// loop does, until done() holds or timeoutMs pass.
bool PumpUntil(HWND mainWindow, const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(HWND mainWindow, DWORD ms);

void TypeText(HWND control, const Text& text);

// Clicks the control; after a retrieval, pumps messages until its list work
// (cut, store, fill of the shown list) is done, at most kListWorkLimitMs.
// A bound, not a measure: under an emulated Wine on a busy machine the
// 100,000-entry click has taken more than two minutes.
constexpr DWORD kListWorkLimitMs = 300000;
void Click(HWND mainWindow, ControlId id);

Text ControlText(HWND mainWindow, ControlId id);
void SetControlText(HWND mainWindow, ControlId id, const Text& text);

// Region (编辑框4), count (编辑框2) and port (编辑框3) for the next extract.
void EnterSettings(HWND mainWindow, const Text& region, const Text& count, const Text& port);

// What follows the last entry on the demo service's page.
extern const Text kDemoPageTail;

// The demo service's entries for a query (fetched with plain WinINet, not
// the program's web client), each followed by "\r\n".
Text ExpectedEntries(const Text& query);

// The lines of list whose first part (before ".") starts with prefix.
Text LinesWithKey(const Text& list, const Text& prefix);

Text ReadClipboardText();
bool WriteClipboardText(const Text& text);

Text ReadWholeFile(const Text& path);
std::vector<Text> FilesHere();

// Answers every confirmation box ("岚舟提示") while it lives, noting its text.
class ConfirmationWatcher {
 public:
  ConfirmationWatcher();
  ~ConfirmationWatcher();
  ConfirmationWatcher(const ConfirmationWatcher&) = delete;
  ConfirmationWatcher& operator=(const ConfirmationWatcher&) = delete;
  std::vector<Text> Texts();

 private:
  void Watch();
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Text> texts_;
  std::thread thread_;
};

// Makes a fresh empty folder the current directory for the test's life.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
 private:
  Text previous_;
  Text path_;
};

// The program's main window, pointed at the demo service.
class MainWindowTest {
 public:
  MainWindowTest();
  ~MainWindowTest();
  MainWindowTest(const MainWindowTest&) = delete;
  MainWindowTest& operator=(const MainWindowTest&) = delete;
  HWND Window() const { return window_; }

 private:
  HWND window_ = nullptr;
};
