#include "app/list_file.h"

#include <windows.h>

const char* const kListFileName = "ip.txt";

namespace {

// Owns a file handle.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  // Closes now; false when closing reported an error (late write failure).
  bool Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return true;
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

// The folder part of path ("." when there is none), for the temporary file.
Text FolderOf(const Text& path) {
  const size_t slash = path.find_last_of("\\/");
  if (slash == Text::npos) return ".";
  if (slash == 0) return path.substr(0, 1);
  return path.substr(0, slash);
}

bool WriteAll(HANDLE file, const Text& content) {
  size_t done = 0;
  while (done < content.size()) {
    const DWORD piece = static_cast<DWORD>(
        content.size() - done > 0x10000000u ? 0x10000000u : content.size() - done);
    DWORD written = 0;
    if (!WriteFile(file, content.data() + done, piece, &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    done += written;
  }
  return true;
}

// The last error of a call that failed, never ERROR_SUCCESS.
DWORD LastFailure() {
  const DWORD code = GetLastError();
  return code != ERROR_SUCCESS ? code : ERROR_WRITE_FAULT;
}

FileWriteResult Failure(DWORD code) {
  FileWriteResult result;
  result.ok = false;
  result.reason = SystemErrorText(code);
  return result;
}

}  // namespace

Text ListFileContent(const Text& fullList, const Text& contactLine) {
  return fullList + "\r\n" + contactLine;
}

Text SystemErrorText(unsigned long code) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  Text text;
  if (length > 0 && buffer) text.assign(buffer, length);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  if (text.empty()) text = "错误 " + ValueToText(static_cast<long long>(code));
  return text;
}

FileWriteResult WriteFileReplacing(const Text& path, const Text& content) {
  char temporary[MAX_PATH + 1] = {};
  if (!GetTempFileNameA(FolderOf(path).c_str(), "ipt", 0, temporary)) return Failure(LastFailure());

  DWORD error = ERROR_SUCCESS;
  {
    FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
      error = LastFailure();
    } else if (!WriteAll(file.Get(), content) || !FlushFileBuffers(file.Get()) || !file.Close()) {
      error = LastFailure();
    }
  }
  if (error == ERROR_SUCCESS &&
      !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = LastFailure();
  }
  if (error != ERROR_SUCCESS) {
    DeleteFileA(temporary);
    return Failure(error);
  }
  FileWriteResult result;
  result.ok = true;
  return result;
}
