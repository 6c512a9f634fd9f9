// The owner types of the Win32 handles the program takes (GDI objects,
// icons, DCs, kernel handles), one per kind of handle, all in this header; the application,
// the graphics and the skin use the same ones. Each releases its handle exactly once on every path:
// when it is reset to another handle, when it goes out of scope, or when
// the record that holds it is removed or released at exit. They move but do
// not copy.
//
// Owning and borrowed forms: an owner holds what it releases; every routine
// that only uses a handle takes the plain handle (HDC, HBITMAP, ...), which
// an owner lends with get(). release() hands the handle over to a new owner
// (a window property, the memory-DC table, the system) and keeps nothing.
#pragma once

#include <windows.h>

#include <utility>

// The owning form for a handle kind described by Traits: Traits::Handle is
// the handle type, Traits::Release(handle) gives one non-zero handle back.
template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Releases the handle held (if any) and takes handle.
  void reset(Handle handle = nullptr) {
    Handle old = std::exchange(handle_, handle);
    if (old != nullptr && old != handle) Traits::Release(old);
  }
  // Gives up ownership without releasing.
  Handle release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

// ---------------------------------------------------------------------------
// GDI objects and icons.

template <class H>
struct GdiObjectTraits {
  using Handle = H;
  static void Release(H handle) { DeleteObject(handle); }
};
using GdiObjectOwner = UniqueHandle<GdiObjectTraits<HGDIOBJ>>;
// A bitmap, also a DIB section (CreateDib32).
using BitmapOwner = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using BrushOwner = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using RegionOwner = UniqueHandle<GdiObjectTraits<HRGN>>;

struct IconTraits {
  using Handle = HICON;
  static void Release(HICON icon) { DestroyIcon(icon); }
};
using IconOwner = UniqueHandle<IconTraits>;

// ---------------------------------------------------------------------------
// Memory DCs.

// Deletes a memory DC and then the bitmap that was selected into it.
void DeleteMemoryDcAndBitmap(HDC dc);

// A memory DC made with CreateCompatibleDC that owns the bitmap selected
// into it: releasing it deletes the DC and then the bitmap that is selected
// at that moment (the back buffer or cache bitmap); the stock bitmap a DC is
// created with is left alone. So whoever replaces the bitmap of such a DC
// deletes the bitmap it takes out, and the owner deletes the one still in.
struct MemoryDcTraits {
  using Handle = HDC;
  static void Release(HDC dc) { DeleteMemoryDcAndBitmap(dc); }
};
using MemoryDcOwner = UniqueHandle<MemoryDcTraits>;

// The memory-DC table (graphics/paint/memory_dc_table.h) announces how it
// releases one of its DCs (true when it knew and released dc) and all it
// still holds. The libraries below the paint helpers do not link them:
// RegisteredDcOwner and the skin's exit routine release through what the
// table announced.
using RegisteredDcRelease = bool (*)(HDC dc);
using RegisteredDcReleaseAll = void (*)();
void SetRegisteredDcRelease(RegisteredDcRelease release, RegisteredDcReleaseAll releaseAll = nullptr);
// Releases dc through the memory-DC table's routine; a DC the table does
// not know (or any DC before the table announced its routine) is released
// like a MemoryDcOwner's.
void ReleaseRegisteredDc(HDC dc);
// Releases every DC the table still holds; nothing before the table
// announced its routine.
void ReleaseAllRegisteredDcs();

// A memory DC from the memory-DC table: a composed control background, the
// composite DC (frameCopy).
struct RegisteredDcTraits {
  using Handle = HDC;
  static void Release(HDC dc) { ReleaseRegisteredDc(dc); }
};
using RegisteredDcOwner = UniqueHandle<RegisteredDcTraits>;

// A memory DC compatible with another DC (or the screen) that keeps what is
// selected into it only for its own lifetime: the objects it displaced go
// back in before DeleteDC. The selected objects stay their owners'.
class CompatibleDc {
 public:
  explicit CompatibleDc(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
  // With one object selected in from the start.
  CompatibleDc(HDC compatibleWith, HGDIOBJ object) : CompatibleDc(compatibleWith) {
    Select(object);
  }
  ~CompatibleDc();
  CompatibleDc(const CompatibleDc&) = delete;
  CompatibleDc& operator=(const CompatibleDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  // Selects object (not 0) into the DC; the first object displaced of each
  // kind is restored at the end.
  void Select(HGDIOBJ object);

 private:
  HDC dc_ = nullptr;
  HGDIOBJ displacedBitmap_ = nullptr;
  HGDIOBJ displacedOther_ = nullptr;
};

// ---------------------------------------------------------------------------
// Window DCs.

// A DC leased from a window and given back with ReleaseDC: its client area
// (GetDC), the whole window (GetWindowDC), or a DC the caller got elsewhere
// that is to be given back the same way (Adopt).
class WindowDc {
 public:
  static WindowDc Client(HWND window) { return WindowDc(window, GetDC(window)); }
  static WindowDc WholeWindow(HWND window) { return WindowDc(window, GetWindowDC(window)); }
  static WindowDc Adopt(HWND window, HDC dc) { return WindowDc(window, dc); }

  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(WindowDc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  // Gives back the DC held, then takes other's.
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this == &other) return *this;
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
    window_ = other.window_;
    dc_ = std::exchange(other.dc_, nullptr);
    return *this;
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  // Gives the DC to a routine that releases it itself.
  HDC release() { return std::exchange(dc_, nullptr); }

 private:
  WindowDc(HWND window, HDC dc) : window_(window), dc_(dc) {}
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// The DC of one WM_PAINT: BeginPaint when made, EndPaint at the end.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDc() {
    if (window_ != nullptr) EndPaint(window_, &paint_);
  }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC get() const { return dc_; }
  const PAINTSTRUCT& info() const { return paint_; }
  // Gives the DC to a routine that releases it itself (with ReleaseDC, as
  // the copy from the composite does); the paint then ends without EndPaint.
  HDC HandOver() {
    window_ = nullptr;
    return dc_;
  }

 private:
  HWND window_ = nullptr;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// ---------------------------------------------------------------------------
// Kernel handles.

// The one owner of a kernel handle (thread, mutex, file): closed exactly
// once, by Close or at the end of the owner's life. Both null and
// INVALID_HANDLE_VALUE mean "none", since the creating calls return either.
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
