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

// The demo service the tests talk to ("127.0.0.1:port"), from the
// environment that ctest sets.
Text DemoServiceHost();

// Dispatches this thread's messages, passing them through the window's
// keyboard navigation like the program's loop does, until done() holds or
// timeoutMs pass. Returns done()'s last value.
bool PumpUntil(HWND mainWindow, const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(HWND mainWindow, DWORD ms);

// Types the GBK text into the control, one WM_CHAR per character.
void TypeText(HWND control, const Text& text);

// BM_CLICK on the control; returns when its handler has finished.
void Click(HWND mainWindow, ControlId id);

Text ControlText(HWND mainWindow, ControlId id);
void SetControlText(HWND mainWindow, ControlId id, const Text& text);

// GET of the whole body over plain WinINet, independent of the program's own
// web client.
Text HttpGet(const Text& url);

// The demo service's entries for a query, each followed by "\r\n".
Text ExpectedEntries(const Text& query);

// The lines of list (each ended by "\r\n") whose first two bytes before the
// first "." equal prefix, each followed by "\r\n".
Text LinesWithKey(const Text& list, const Text& prefix);

Text ReadClipboardText();
bool WriteClipboardText(const Text& text);

Text ReadWholeFile(const Text& path);
bool FileExists(const Text& path);
// Names of the files in the current directory.
std::vector<Text> FilesHere();

// Answers every confirmation box ("岚舟提示") while it lives: reads the
// message, notes whether the box has an owner and an icon, and presses OK.
class ConfirmationWatcher {
 public:
  struct Box {
    Text text;
    bool owned = false;
    bool hasIcon = false;
  };
  ConfirmationWatcher();
  ~ConfirmationWatcher();
  ConfirmationWatcher(const ConfirmationWatcher&) = delete;
  ConfirmationWatcher& operator=(const ConfirmationWatcher&) = delete;
  std::vector<Box> Boxes();
  std::vector<Text> Texts();

 private:
  void Watch();
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Box> boxes_;
  std::thread thread_;
};

// Makes a fresh empty folder the current directory for the test's life.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const Text& Path() const { return path_; }

 private:
  Text previous_;
  Text path_;
};

// Creates the program's main window pointed at the demo service and
// destroys it afterwards.
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
