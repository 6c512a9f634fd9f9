#include "gui_test_support.h"

#include <gtest/gtest.h>
#include <wininet.h>

#include <cstdlib>
#include <string>

#include "app/build_settings.h"
#include "app/list_work.h"
#include "app/window_created.h"

Text DemoServiceHost() {
  const char* host = std::getenv("DEMO_SERVICE_HOST");
  return host && *host ? Text(host) : Text("127.0.0.1:28081");
}

bool PumpUntil(HWND mainWindow, const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;  // the window posts it when closed
      if (HandleNavigationKeys(mainWindow, msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(HWND mainWindow, DWORD ms) {
  PumpUntil(mainWindow, [] { return false; }, ms);
}

void TypeText(HWND control, const Text& text) {
  // As UTF-16 WM_CHAR, whatever the test desktop's keyboard layout.
  if (text.empty()) return;
  std::wstring wide(text.size(), L'\0');
  const int units = MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()),
                                        &wide[0], static_cast<int>(wide.size()));
  for (int i = 0; i < units; ++i) SendMessageW(control, WM_CHAR, wide[i], 1);
}

void Click(HWND mainWindow, ControlId id) {
  SendMessageA(MainControl(mainWindow, id), BM_CLICK, 0, 0);
  // The list work of a retrieval goes on from the message loop.
  PumpUntil(mainWindow, [mainWindow] { return !ListWorkPending(mainWindow); }, kListWorkLimitMs);
}

Text ControlText(HWND mainWindow, ControlId id) {
  HWND control = MainControl(mainWindow, id);
  const int length = GetWindowTextLengthA(control);
  Text text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(control, &text[0], length + 1)));
  return text;
}

void SetControlText(HWND mainWindow, ControlId id, const Text& text) {
  SetWindowTextA(MainControl(mainWindow, id), text.c_str());
}

void EnterSettings(HWND mainWindow, const Text& region, const Text& count, const Text& port) {
  SetControlText(mainWindow, kEdit4, region);
  SetControlText(mainWindow, kEdit2, count);
  SetControlText(mainWindow, kEdit3, port);
}

const Text kDemoPageTail = "</div>\n</body>\n</html>\n";

Text ExpectedEntries(const Text& query) {
  const Text url = "http://" + DemoServiceHost() + "/expect?" + query;
  Text body;
  HINTERNET session = InternetOpenA("px-test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  HINTERNET request = session ? InternetOpenUrlA(session, url.c_str(), nullptr, 0,
                                                 INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0)
                              : nullptr;
  char piece[8192];
  DWORD read = 0;
  while (request && InternetReadFile(request, piece, sizeof(piece), &read) && read > 0) {
    body.append(piece, read);
  }
  if (request) InternetCloseHandle(request);
  if (session) InternetCloseHandle(session);
  return body;
}

Text LinesWithKey(const Text& list, const Text& prefix) {
  Text kept;
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find("\r\n", start);
    if (end == Text::npos) end = list.size();
    const Text line = list.substr(start, end - start);
    const Text firstPart = line.substr(0, line.find('.'));
    if (!line.empty() && firstPart.substr(0, 2) == prefix) kept += line + "\r\n";
    start = end + 2;
  }
  return kept;
}

Text ReadClipboardText() {
  Text text;
  if (!OpenClipboard(nullptr)) return "<clipboard not open>";
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data) {
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    if (bytes) {
      text = bytes;
      GlobalUnlock(data);
    }
  } else {
    text = "<no text>";
  }
  CloseClipboard();
  return text;
}

bool WriteClipboardText(const Text& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  bool ok = false;
  if (block) {
    memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    ok = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!ok) GlobalFree(block);
  }
  CloseClipboard();
  return ok;
}

Text ReadWholeFile(const Text& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  Text content;
  char piece[65536];
  DWORD read = 0;
  while (ReadFile(file, piece, sizeof(piece), &read, nullptr) && read > 0) content.append(piece, read);
  CloseHandle(file);
  return content;
}

std::vector<Text> FilesHere() {
  std::vector<Text> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("*", &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const Text name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// --- ConfirmationWatcher ------------------------------------------------------

namespace {

BOOL CALLBACK FirstStaticText(HWND child, LPARAM param) {
  char className[32] = {}, text[1024] = {};
  GetClassNameA(child, className, sizeof(className));
  if (lstrcmpiA(className, "Static") == 0) GetWindowTextA(child, text, sizeof(text));
  if (!text[0]) return TRUE;
  *reinterpret_cast<Text*>(param) = text;
  return FALSE;
}

}  // namespace

ConfirmationWatcher::ConfirmationWatcher() : thread_([this] { Watch(); }) {}

ConfirmationWatcher::~ConfirmationWatcher() {
  stop_ = true;
  thread_.join();
}

void ConfirmationWatcher::Watch() {
  while (!stop_) {
    HWND box = FindWindowA(nullptr, "岚舟提示");
    if (!box || !IsWindowVisible(box)) {
      Sleep(20);
      continue;
    }
    Text text;  // the box's first non-empty static text is its message
    EnumChildWindows(box, FirstStaticText, reinterpret_cast<LPARAM>(&text));
    {
      std::lock_guard<std::mutex> lock(mutex_);
      texts_.push_back(text);
    }
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(10);
  }
}

std::vector<Text> ConfirmationWatcher::Texts() {
  std::lock_guard<std::mutex> lock(mutex_);
  return texts_;
}

// --- ScratchDirectory -----------------------------------------------------------

namespace {

void RemoveTree(const Text& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const Text name = found.cFileName;
      if (name == "." || name == "..") continue;
      const Text full = path + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

}  // namespace

ScratchDirectory::ScratchDirectory() {
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  previous_ = current;
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  static int counter = 0;
  path_ = Text(base) + "px-app-test-" + ValueToText(static_cast<long long>(GetCurrentProcessId())) +
          "-" + ValueToText(++counter);
  RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
  SetCurrentDirectoryA(path_.c_str());
}

ScratchDirectory::~ScratchDirectory() {
  SetCurrentDirectoryA(previous_.c_str());
  RemoveTree(path_);
}

// --- Skin module start-up ----------------------------------------------------------

namespace {

// The skin module's start-up, run once before any window as the program does.
class SkinModuleEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { StartSkinModule(); }
};

::testing::Environment* const kSkinModule =
    ::testing::AddGlobalTestEnvironment(new SkinModuleEnvironment);

}  // namespace

// --- MainWindowTest -------------------------------------------------------------

MainWindowTest::MainWindowTest() {
  OverrideServiceHostForTesting(DemoServiceHost());
  window_ = CreateMainWindow(GetModuleHandleA(nullptr));
}

MainWindowTest::~MainWindowTest() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  // Closing the window posts WM_QUIT; the next test starts with a clean queue.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message != WM_QUIT) DispatchMessageA(&msg);
  }
}
