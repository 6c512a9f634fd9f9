// The main window: its class, the fixed table of its nineteen controls, its
// event table and the message loop.
#pragma once

#include <windows.h>

#include <cstddef>

extern const char* const kMainWindowCaption;  // "岚舟软件-dadavadavu"
extern const char* const kMainWindowClass;
constexpr int kMainWindowWidth = 326;
constexpr int kMainWindowHeight = 393;

// Child window identifiers of the controls. They stay clear of IDOK and
// IDCANCEL, which the keyboard navigation sends for Enter and Esc.
enum ControlId : int {
  kEdit1 = 1001,  // full list, off the window's right edge
  kEdit2 = 1002,  // count
  kEdit3 = 1003,  // port
  kEdit4 = 1004,  // region
  kEdit20 = 1020,  // filtered list shown to the user
  kEdit30 = 1030,  // address prefix
  kButton1 = 1101,  // fetch only; clipped away by its group box
  kButton2 = 1102,  // copy
  kButton3 = 1103,  // save
  kButton10 = 1110,  // extract and filter
  kRadio1 = 1201,  // all carriers
  kRadio2 = 1202,  // telecom
  kRadio3 = 1203,  // unicom
  kGroup1 = 1301,  // carrier radios
  kGroup2 = 1302,  // frames the command buttons
  kLabel3 = 1403,
  kLabel4 = 1404,
  kLabel5 = 1405,
  kLabel6 = 1406,
};

enum class ControlKind { EditBox, Label, PushButton, GroupBox, RadioButton };

// One control of the window. Geometry is relative to the parent's client
// area; the parent is the window or a group box created earlier.
struct ControlSpec {
  const char* name;  // "编辑框2", ...
  ControlId id;
  ControlKind kind;
  int parentId;  // 0: the main window
  int left, top, width, height;
  const char* text;
  DWORD style;  // besides WS_CHILD | WS_VISIBLE
  DWORD exStyle;
  bool integerInput;  // typed characters other than 0-9 and "-" are dropped
};

// The controls in the order they are created.
extern const ControlSpec kMainControls[];
extern const std::size_t kMainControlCount;

// The table entry of a control; null for an unknown id.
const ControlSpec* FindControlSpec(int id);

// Creates the window and all its controls, raises the created event and
// shows the window centred on the screen. Null when the window could not be
// created.
HWND CreateMainWindow(HINSTANCE instance);

// The control's window, wherever it lies in the window.
HWND MainControl(HWND mainWindow, ControlId id);

// Keyboard navigation of the window (Tab between controls, Esc closes);
// true when it consumed msg.
bool HandleNavigationKeys(HWND mainWindow, MSG& msg);

// Runs the message loop until the window is closed; returns the exit code.
int RunMessageLoop(HWND mainWindow);
