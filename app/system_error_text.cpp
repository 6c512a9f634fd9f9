#include "app/system_error_text.h"

#include <windows.h>
#include <wininet.h>

namespace {

// The message of code from module's message table (null: the system's).
Text FormattedMessage(HMODULE module, unsigned long code) {
  DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                (module ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM);
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(flags, module, code, 0, reinterpret_cast<char*>(&buffer), 0,
                                      nullptr);
  Text text;
  if (length > 0 && buffer) text.assign(buffer, length);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  return text;
}

bool IsInternetError(unsigned long code) {
  return code >= INTERNET_ERROR_BASE && code <= INTERNET_ERROR_LAST;
}

}  // namespace

Text SystemErrorText(unsigned long code) {
  Text text;
  // WinINet's codes are described by WinINet itself, which this process
  // has loaded.
  if (IsInternetError(code)) {
    if (HMODULE wininet = GetModuleHandleA("wininet.dll")) text = FormattedMessage(wininet, code);
  }
  if (text.empty()) text = FormattedMessage(nullptr, code);
  if (text.empty()) text = "错误 " + ValueToText(static_cast<long long>(code));
  return text;
}
