// Owners of the GDI handles that skin records hold. Each releases its handle
// exactly once: when reset to another handle, when the record is removed,
// or when the skin state is released at exit. They move but do not copy.
#pragma once

#include <windows.h>

// A memory DC made with CreateCompatibleDC. Releasing it deletes the DC and
// then the bitmap that was selected into it at that moment (the back buffer
// or cache bitmap); the stock bitmap a DC is created with is left alone.
// So whoever replaces the bitmap of such a DC deletes the bitmap it takes
// out, and the owner deletes the one still in.
class MemoryDcOwner {
 public:
  MemoryDcOwner() = default;
  explicit MemoryDcOwner(HDC dc) : dc_(dc) {}
  ~MemoryDcOwner() { reset(); }
  MemoryDcOwner(MemoryDcOwner&& other) noexcept : dc_(other.release()) {}
  MemoryDcOwner& operator=(MemoryDcOwner&& other) noexcept;
  MemoryDcOwner(const MemoryDcOwner&) = delete;
  MemoryDcOwner& operator=(const MemoryDcOwner&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  // Releases the DC held (if any) and takes dc.
  void reset(HDC dc = nullptr);
  // Gives up ownership without releasing.
  HDC release();

 private:
  HDC dc_ = nullptr;
};

// The composite DC (frameCopy). It is registered in the memory-DC table of
// the paint helpers, which own its release (ReleaseMemoryDc). skin/state
// sits below the paint helpers and does not link them, so the table
// announces its release routine with SetRegisteredDcRelease; this owner
// hands its DC to that routine. Until a routine is announced it releases
// the DC like a MemoryDcOwner.
class RegisteredDcOwner {
 public:
  RegisteredDcOwner() = default;
  explicit RegisteredDcOwner(HDC dc) : dc_(dc) {}
  ~RegisteredDcOwner() { reset(); }
  RegisteredDcOwner(RegisteredDcOwner&& other) noexcept : dc_(other.release()) {}
  RegisteredDcOwner& operator=(RegisteredDcOwner&& other) noexcept;
  RegisteredDcOwner(const RegisteredDcOwner&) = delete;
  RegisteredDcOwner& operator=(const RegisteredDcOwner&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void reset(HDC dc = nullptr);
  HDC release();

 private:
  HDC dc_ = nullptr;
};

// Release routine of the memory-DC table: true when it knew and released dc.
using RegisteredDcRelease = bool (*)(HDC dc);
void SetRegisteredDcRelease(RegisteredDcRelease release);

// Deletes a memory DC and then the bitmap that was selected into it.
void DeleteMemoryDcAndBitmap(HDC dc);
