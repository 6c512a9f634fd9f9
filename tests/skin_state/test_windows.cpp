#include "test_windows.h"

#include <commctrl.h>

#include <type_traits>

namespace {

const char kFrameClass[] = "SkinStateTestFrame";

void RegisterFrameClass() {
  static bool registered = false;
  if (registered) return;
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kFrameClass;
  RegisterClassExA(&wc);
  registered = true;
}

}  // namespace

WindowOwner& WindowOwner::operator=(WindowOwner&& other) noexcept {
  if (this != &other) {
    reset();
    window_ = other.window_;
    other.window_ = nullptr;
  }
  return *this;
}

void WindowOwner::reset() {
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
}

WindowOwner CreateTopLevel(HWND owner) {
  RegisterFrameClass();
  return WindowOwner(CreateWindowExA(0, kFrameClass, "frame", WS_POPUP, 10, 10, 326, 393, owner,
                                     nullptr, GetModuleHandleA(nullptr), nullptr));
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
  int w = AppendWindowRecord(std::move(record));
  SetPropInt(frame, Hw_lbID, w);

  RegisterControl(w, &WindowRecord::buttons, f.button);
  int e = RegisterControl(w, &WindowRecord::edits, f.edit);
  WindowRecordAt(w)->edits[e - 1]->verticalBar = f.editBar;
  WindowRecordAt(w)->edits[e - 1]->horizontalBar = f.editHorizontalBar;
  SetPropInt(f.editBar, Hw_FuID, w);
  SetPropInt(f.editHorizontalBar, Hw_FuID, w);
  RegisterControl(w, &WindowRecord::containers, f.groupBox);
  RegisterControl(w, &WindowRecord::buttons, f.radio);
  RegisterControl(w, &WindowRecord::edits, f.groupEdit);
  RegisterControl(w, &WindowRecord::labels, f.label);
  RegisterControl(w, &WindowRecord::toolbars, f.toolbar);
  int l = RegisterControl(w, &WindowRecord::lists, f.listBox);
  WindowRecordAt(w)->lists[l - 1]->verticalBar = f.listBar;
  SetPropInt(f.listBar, Hw_FuID, w);
  RegisterControl(w, &WindowRecord::trackbars, f.trackbar);
  RegisterControl(w, &WindowRecord::combos, f.combo);
  return f;
}

HDC CreateMemoryDcWithDib(int width, int height, HBITMAP* bitmap) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, dib);
  if (bitmap != nullptr) *bitmap = dib;
  return dc;
}

bool IsLiveGdiObject(HGDIOBJ handle) { return handle != nullptr && GetObjectType(handle) != 0; }

DWORD GdiObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

void ResetSkinState() {
  ReleaseSkinState();
  InitSkinTables();
  SetRegisteredDcRelease(nullptr);
  ApplySkinStartupValues();
  ControlBackdropSet = 0;
  HotTitleButton = 0;
}
