#include "app/list_file.h"

#include <windows.h>

#include "app/system_error_text.h"
#include "win32/handle_owners.h"

const char* const kListFileName = "ip.txt";

namespace {

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

FileWriteResult Success() {
  FileWriteResult result;
  result.ok = true;
  return result;
}

bool IsReadOnlyFile(const Text& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
         (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// The replace fails this way when another program holds the file open
// without letting others delete it.
bool IsHeldOpen(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
         error == ERROR_LOCK_VIOLATION;
}

bool SetFileSize(HANDLE file, unsigned long long size) {
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(size);
  return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

// Writes content over the existing file at path, which another program
// holds open but lets others write. The room is taken first, so a full disk
// fails before any old byte is overwritten.
FileWriteResult WriteInPlace(const Text& path, const Text& content) {
  KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE | GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) return Failure(LastFailure());
  LARGE_INTEGER oldSize = {};
  if (!GetFileSizeEx(file.get(), &oldSize)) return Failure(LastFailure());
  if (static_cast<unsigned long long>(oldSize.QuadPart) < content.size() &&
      !SetFileSize(file.get(), content.size())) {
    const DWORD error = LastFailure();
    SetFileSize(file.get(), static_cast<unsigned long long>(oldSize.QuadPart));
    return Failure(error);
  }
  LARGE_INTEGER start = {};
  if (!SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN) ||
      !WriteAll(file.get(), content) || !SetEndOfFile(file.get()) ||
      !FlushFileBuffers(file.get()) || !file.Close())
    return Failure(LastFailure());
  return Success();
}

}  // namespace

Text ListFileContent(const Text& fullList, const Text& contactLine) {
  return fullList + "\r\n" + contactLine;
}

FileWriteResult WriteFileReplacing(const Text& path, const Text& content) {
  // Left as it is, as a plain create would leave it.
  if (IsReadOnlyFile(path)) return Failure(ERROR_ACCESS_DENIED);

  char temporary[MAX_PATH + 1] = {};
  if (!GetTempFileNameA(FolderOf(path).c_str(), "ipt", 0, temporary)) return Failure(LastFailure());

  DWORD error = ERROR_SUCCESS;
  {
    KernelHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
      error = LastFailure();
    } else if (!WriteAll(file.get(), content) || !FlushFileBuffers(file.get()) || !file.Close()) {
      error = LastFailure();
    }
  }
  if (error == ERROR_SUCCESS &&
      MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return Success();
  }
  const bool written = error == ERROR_SUCCESS;
  if (written) error = LastFailure();
  DeleteFileA(temporary);
  // The new content could be written, but the file could not be replaced:
  // held open by another program, it may still take the bytes in place.
  if (written && IsHeldOpen(error) && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    const FileWriteResult inPlace = WriteInPlace(path, content);
    if (inPlace.ok) return inPlace;
  }
  return Failure(error);
}
