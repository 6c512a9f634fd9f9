// Real windows and hand-built skin records for the skin-state tests.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "skin/state/skin_state.h"

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using WindowOwner = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// A hidden top-level window of a test class (DefWindowProcA).
WindowOwner CreateTopLevel(HWND owner = nullptr);
HWND CreateChild(HWND parent, const char* className, DWORD style = 0);

// A skinned frame as the installers leave it: a top-level window with a
// window record and controls registered in its lists with their properties.
struct TestFrame {
  WindowOwner window;
  HWND button, edit, editBar, editHorizontalBar, groupBox, radio, groupEdit, label, toolbar,
      listBox, listBar, trackbar, combo;  // radio and groupEdit inside groupBox; bars drawn
};
TestFrame CreateSkinnedFrame();

// Registers control in list of window record windowIndex as its installer
// would (take the record, fill its window, set the index properties).
template <class T>
int RegisterControl(int windowIndex, RecordList<T> WindowRecord::*list, HWND control) {
  const int index = TakeControlRecord(WindowRecordAt(windowIndex)->*list);
  T& r = *RecordAt(WindowRecordAt(windowIndex)->*list, index);
  constexpr bool toolbar = std::is_same_v<T, ToolbarRecord>;
  if constexpr (toolbar || std::is_same_v<T, LabelRecord> || std::is_same_v<T, ContainerRecord>) {
    r.hwnd = control;
  } else {
    r.window = control;
  }
  SetPropInt(control, toolbar ? Kj_lbID : Hw_lbID, index);
  SetPropInt(control, toolbar ? Kj_FuID : Hw_FuID, windowIndex);
  return index;
}

// A memory DC with a 32-bit DIB selected into it.
HDC CreateMemoryDcWithDib(int width, int height, HBITMAP* bitmap = nullptr);
inline bool IsLiveGdiObject(HGDIOBJ handle) { return handle != nullptr && GetObjectType(handle) != 0; }

// Empty tables with the start-up values, before and after each test.
class SkinStateTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { ReleaseSkinState(); }
};
