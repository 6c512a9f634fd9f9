#include <winsock2.h>

#include "tests/web/demo_service.h"

#include <tlhelp32.h>

#include <cstdlib>

#include "web/message_pump.h"

Text DemoHost() {
  const char* host = std::getenv("DEMO_SERVICE_HOST");
  return host ? Text(host) : Text("127.0.0.1:28081");
}

Text DemoUrl(const Text& path) { return "http://" + DemoHost() + path; }

Text FetchText(Text url, const FetchOptions& options) {
  const Bytes page = TimedFetch(url, options);
  return Text(page.begin(), page.end());
}

Text UniqueName(const char* stem) {
  static int serial = 0;
  return Text(stem) + ValueToText(static_cast<long long>(GetTickCount())) + "x" +
         ValueToText(++serial);
}

int ProcessThreadCount() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  CloseHandle(snapshot);
  return count;
}

namespace {

// The file name of the module that holds address ("?" when none does).
Text ModuleNameAt(const void* address) {
  HMODULE module = nullptr;
  char path[MAX_PATH] = {};
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<const char*>(address), &module) ||
      GetModuleFileNameA(module, path, MAX_PATH) == 0)
    return "?";
  const Text name(path);
  const std::size_t slash = name.find_last_of("\\/");
  return slash == Text::npos ? name : name.substr(slash + 1);
}

// Where each of the process's threads started: the module of its start
// address, so that a thread left behind shows whose it is (a fetch worker
// of the test program, or one the network library keeps).
Text ThreadStarts() {
  using QueryThread = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
  constexpr int kThreadStartAddress = 9;  // ThreadQuerySetWin32StartAddress
  const auto query = reinterpret_cast<QueryThread>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationThread")));
  if (!query) return "?";
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return "?";
  Text starts;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != GetCurrentProcessId()) continue;
    void* start = nullptr;
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
    if (thread) {
      if (query(thread, kThreadStartAddress, &start, sizeof(start), nullptr) != 0) start = nullptr;
      CloseHandle(thread);
    }
    if (!starts.empty()) starts += ", ";
    starts += start ? ModuleNameAt(start) : Text("?");
  }
  CloseHandle(snapshot);
  return starts;
}

}  // namespace

DWORD ProcessHandleCount() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) return count;
  // Wine reports no count: probe the low handle values instead.
  constexpr ULONG_PTR kHighestProbed = 0x4000;
  for (ULONG_PTR value = 4; value < kHighestProbed; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

bool SettlesTo(int threads, DWORD handles, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    ProcessPendingMessages();
    if (ProcessThreadCount() <= threads && ProcessHandleCount() <= handles) return true;
    if (GetTickCount() - start >= milliseconds) return false;
    Sleep(50);
  }
}

int ProcessSocketCount() {
  int count = 0;
  for (ULONG_PTR value = 4; value < 0x4000; value += 4) {
    int type = 0;
    int size = sizeof(type);
    if (getsockopt(static_cast<SOCKET>(value), SOL_SOCKET, SO_TYPE, reinterpret_cast<char*>(&type),
                   &size) == 0)
      ++count;
  }
  return count;
}

Holdings CurrentHoldings() {
  return Holdings{ProcessThreadCount(), ProcessHandleCount(), ProcessSocketCount()};
}

bool SettlesTo(const Holdings& before, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    ProcessPendingMessages();
    const Holdings now = CurrentHoldings();
    if (now.threads <= before.threads && now.handles <= before.handles &&
        now.sockets <= before.sockets)
      return true;
    if (GetTickCount() - start >= milliseconds) return false;
    Sleep(20);
  }
}

Text HoldingsChange(const Holdings& before) {
  const Holdings now = CurrentHoldings();
  return "threads " + ValueToText(before.threads) + " -> " + ValueToText(now.threads) +
         ", handles " + ValueToText(static_cast<long long>(before.handles)) + " -> " +
         ValueToText(static_cast<long long>(now.handles)) + ", sockets " +
         ValueToText(before.sockets) + " -> " + ValueToText(now.sockets) +
         "; threads started in " + ThreadStarts();
}

Text EchoedHeaderBlock(const Text& echo) {
  const size_t lineEnd = echo.find("\r\n");
  const size_t blank = echo.find("\r\n\r\n");
  if (lineEnd == Text::npos || blank == Text::npos) return Text();
  return echo.substr(lineEnd + 2, blank + 2 - (lineEnd + 2));
}
