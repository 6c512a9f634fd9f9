// The exe of the unpacked release package: its version resource carries the
// project version, and it starts on its own, shows the main window and ends
// cleanly when the window is closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "px_version.h"

namespace {

// The unpacked exe as a Windows path (Unix folders are on drive Z:).
std::string PackagedExe() {
  const char* folder = std::getenv("PX_PACKAGE_FOLDER");
  if (!folder || !*folder) return std::string();
  std::string path = folder;
  if (path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path + "\\proxy-extract.exe";
}

std::vector<char> VersionBlock(const std::string& exe) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
  std::vector<char> block(size);
  if (size == 0 || !GetFileVersionInfoA(exe.c_str(), 0, size, block.data())) block.clear();
  return block;
}

std::string VersionString(std::vector<char>& block, const char* name) {
  const std::string key = std::string("\\StringFileInfo\\080403a8\\") + name;
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) ||
      !value) {
    return "(missing)";
  }
  return std::string(value);
}

// The program's process; ended by force if a test leaves it running.
class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess() {
    if (info_.hProcess) {
      if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
      }
      CloseHandle(info_.hProcess);
    }
    if (info_.hThread) CloseHandle(info_.hThread);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Start(const std::string& exe, const std::string& folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + exe + "\"";
    return CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info_) != FALSE;
  }
  HANDLE Process() const { return info_.hProcess; }
  DWORD Id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_ = {};
};

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM param) {
  WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[64] = {};
  char caption[64] = {};
  GetClassNameA(window, className, sizeof(className));
  GetWindowTextA(window, caption, sizeof(caption));
  if (owner == search->processId && IsWindowVisible(window) &&
      std::string(className) == kMainWindowClass && std::string(caption) == kMainWindowCaption) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The visible main window of the process, waiting at most timeoutMs.
HWND WaitForMainWindow(const ChildProcess& child, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    WindowSearch search = {child.Id(), nullptr};
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (WaitForSingleObject(child.Process(), 0) != WAIT_TIMEOUT) return nullptr;  // it ended
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(100);
  }
}

std::string ScratchFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "px-package-start";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

TEST(ReleasePackage, VersionResourceCarriesTheProjectVersion) {
  const std::string exe = PackagedExe();
  ASSERT_FALSE(exe.empty()) << "PX_PACKAGE_FOLDER is not set";
  std::vector<char> block = VersionBlock(exe);
  ASSERT_FALSE(block.empty()) << exe << " has no version resource";

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_NE(fixed, nullptr);
  const WORD expected[] = {PX_VERSION_NUMBERS};
  const WORD file[] = {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                       HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
  const WORD product[] = {HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
                          HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS)};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(file[i], expected[i]) << "file version part " << i;
    EXPECT_EQ(product[i], expected[i]) << "product version part " << i;
  }
  EXPECT_EQ(VersionString(block, "FileVersion"), PX_VERSION_TEXT);
  EXPECT_EQ(VersionString(block, "ProductVersion"), PX_VERSION_TEXT);
  EXPECT_EQ(VersionString(block, "OriginalFilename"), "proxy-extract.exe");
}

TEST(ReleasePackage, StartsShowsItsWindowAndClosesCleanly) {
  const std::string exe = PackagedExe();
  ASSERT_FALSE(exe.empty()) << "PX_PACKAGE_FOLDER is not set";
  ChildProcess child;
  ASSERT_TRUE(child.Start(exe, ScratchFolder())) << "cannot start " << exe << ", error "
                                                 << GetLastError();

  HWND window = WaitForMainWindow(child, 30000);
  ASSERT_NE(window, nullptr) << "the main window did not appear";
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  EXPECT_EQ(bounds.right - bounds.left, kMainWindowWidth);
  EXPECT_EQ(bounds.bottom - bounds.top, kMainWindowHeight);

  // Closing the window ends the program, after its close effect, with 0.
  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(child.Process(), 20000), WAIT_OBJECT_0)
      << "the program did not end after its window was closed";
  DWORD exitCode = 0;
  ASSERT_TRUE(GetExitCodeProcess(child.Process(), &exitCode));
  EXPECT_EQ(exitCode, 0u);
}
