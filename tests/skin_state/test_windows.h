// Real windows and hand-built skin records for the skin-state tests.
#pragma once

#include <windows.h>

#include <type_traits>

#include "skin/state/skin_state.h"

// Destroys its window on every path.
class WindowOwner {
 public:
  WindowOwner() = default;
  explicit WindowOwner(HWND window) : window_(window) {}
  ~WindowOwner() { reset(); }
  WindowOwner(WindowOwner&& other) noexcept : window_(other.window_) { other.window_ = nullptr; }
  WindowOwner& operator=(WindowOwner&& other) noexcept;
  WindowOwner(const WindowOwner&) = delete;
  WindowOwner& operator=(const WindowOwner&) = delete;
  HWND get() const { return window_; }
  void reset();

 private:
  HWND window_ = nullptr;
};

// A hidden top-level window of a test class (DefWindowProcA).
WindowOwner CreateTopLevel(HWND owner = nullptr);
// A child window of a system class.
HWND CreateChild(HWND parent, const char* className, DWORD style = 0);

// A skinned frame as the installers leave it: a top-level window with a
// window record and controls registered in its lists with their properties.
struct TestFrame {
  WindowOwner window;
  HWND button = nullptr;        // push button on the frame
  HWND edit = nullptr;          // edit box on the frame
  HWND editBar = nullptr;       // its drawn vertical scroll bar
  HWND editHorizontalBar = nullptr;
  HWND groupBox = nullptr;      // container
  HWND radio = nullptr;         // radio button inside the group box
  HWND groupEdit = nullptr;     // edit box inside the group box
  HWND label = nullptr;
  HWND toolbar = nullptr;
  HWND listBox = nullptr;
  HWND listBar = nullptr;       // drawn scroll bar of the list box
  HWND trackbar = nullptr;
  HWND combo = nullptr;
};

// Creates the windows, appends a window record for them and registers every
// control as its installer would; returns the frame (its record index is
// FindWindowRecord(frame.window.get())).
TestFrame CreateSkinnedFrame();

// Registers control in list of window record windowIndex (take the record,
// fill its window, set Hw_lbID and Hw_FuID); returns the control index.
template <class T>
int RegisterControl(int windowIndex, RecordList<T> WindowRecord::*list, HWND control) {
  WindowRecord* record = WindowRecordAt(windowIndex);
  int index = TakeControlRecord(record->*list);
  T& r = *RecordAt(record->*list, index);
  if constexpr (std::is_same_v<T, ToolbarRecord> || std::is_same_v<T, LabelRecord> ||
                std::is_same_v<T, ContainerRecord>) {
    r.hwnd = control;
  } else {
    r.window = control;
  }
  if constexpr (std::is_same_v<T, ToolbarRecord>) {
    SetPropInt(control, Kj_lbID, index);
    SetPropInt(control, Kj_FuID, windowIndex);
  } else {
    SetPropInt(control, Hw_lbID, index);
    SetPropInt(control, Hw_FuID, windowIndex);
  }
  return index;
}

// A memory DC with a 32-bit DIB of the given size selected into it.
HDC CreateMemoryDcWithDib(int width, int height, HBITMAP* bitmap = nullptr);
// True while handle names a live GDI object.
bool IsLiveGdiObject(HGDIOBJ handle);
// GDI objects of this process as the system counts them.
DWORD GdiObjectCount();

// Starts every test from empty tables with the start-up values.
void ResetSkinState();
