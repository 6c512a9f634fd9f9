#include <gtest/gtest.h>

#include "test_windows.h"

#include <commctrl.h>

WindowOwner CreateTopLevel(HWND owner) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SkinStateTestFrame";
    return RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
  return WindowOwner(CreateWindowExA(0, "SkinStateTestFrame", "frame", WS_POPUP, 10, 10, 326, 393,
                                     owner, nullptr, GetModuleHandleA(nullptr), nullptr));
}

HWND CreateChild(HWND parent, const char* className, DWORD style) {
  return CreateWindowExA(0, className, "", WS_CHILD | style, 5, 60, 120, 80, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

TestFrame CreateSkinnedFrame() {
  TestFrame f;
  f.window = CreateTopLevel();
  HWND frame = f.window.get();
  f.button = CreateChild(frame, "Button", BS_PUSHBUTTON);
  f.edit = CreateChild(frame, "Edit", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL);
  f.editBar = CreateChild(frame, "Static", WS_DISABLED);
  f.editHorizontalBar = CreateChild(frame, "Static", WS_DISABLED);
  f.groupBox = CreateChild(frame, "Button", BS_GROUPBOX);
  f.radio = CreateChild(f.groupBox, "Button", BS_AUTORADIOBUTTON);
  f.groupEdit = CreateChild(f.groupBox, "Edit");
  f.label = CreateChild(frame, "Static");
  f.toolbar = CreateChild(frame, TOOLBARCLASSNAMEA);
  f.listBox = CreateChild(frame, "ListBox", WS_VSCROLL);
  f.listBar = CreateChild(frame, "Static", WS_DISABLED);
  f.trackbar = CreateChild(frame, TRACKBAR_CLASSA);
  f.combo = CreateChild(frame, "ComboBox", CBS_DROPDOWNLIST);

  auto record = NewWindowRecord();
  record->hwnd = frame;
  const int w = AppendWindowRecord(std::move(record));
  SetPropInt(frame, Hw_lbID, w);
  RegisterControl(w, &WindowRecord::buttons, f.button);
  const int e = RegisterControl(w, &WindowRecord::edits, f.edit);
  WindowRecordAt(w)->edits[e - 1]->verticalBar = f.editBar;
  WindowRecordAt(w)->edits[e - 1]->horizontalBar = f.editHorizontalBar;
  RegisterControl(w, &WindowRecord::containers, f.groupBox);
  RegisterControl(w, &WindowRecord::buttons, f.radio);
  RegisterControl(w, &WindowRecord::edits, f.groupEdit);
  RegisterControl(w, &WindowRecord::labels, f.label);
  RegisterControl(w, &WindowRecord::toolbars, f.toolbar);
  const int l = RegisterControl(w, &WindowRecord::lists, f.listBox);
  WindowRecordAt(w)->lists[l - 1]->verticalBar = f.listBar;
  RegisterControl(w, &WindowRecord::trackbars, f.trackbar);
  RegisterControl(w, &WindowRecord::combos, f.combo);
  for (HWND bar : {f.editBar, f.editHorizontalBar, f.listBar}) SetPropInt(bar, Hw_FuID, w);
  return f;
}

HDC CreateMemoryDcWithDib(int width, int height, HBITMAP* bitmap) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, dib);
  if (bitmap != nullptr) *bitmap = dib;
  return dc;
}

void SkinStateTest::SetUp() {
  ReleaseSkinState();
  InitSkinTables();
  SetRegisteredDcRelease(nullptr);
  ApplySkinStartupValues();
  ControlBackdropSet = 0;
  HotTitleButton = 0;
}
