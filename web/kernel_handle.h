// The one owner of a kernel handle (thread, mutex, file): closed exactly
// once, by Close or at the end of the owner's life. Both null and
// INVALID_HANDLE_VALUE mean "none", since the creating calls return either.
#pragma once

#include <windows.h>

class KernelHandle {
 public:
  explicit KernelHandle(HANDLE handle) : handle_(handle) {}
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  ~KernelHandle() { Close(); }

  bool IsValid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes now; false when closing reported an error (for a file: a write
  // that failed late). Closing nothing succeeds.
  bool Close() {
    if (!IsValid()) return true;
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = nullptr;
    return closed;
  }

 private:
  HANDLE handle_;
};
