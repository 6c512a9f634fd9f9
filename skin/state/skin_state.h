// The skin's state: the window record table with everything nested in it,
// the module-wide values, the lookups from a window to its record, and the
// release of all of it.
//
// One WindowRecord per skinned top-level window. A window finds its record
// through window properties (window_properties.h): a frame through Hw_lbID,
// a control, container or label through Hw_FuID (window record) and Hw_lbID
// (its index in the class list or in containers), a toolbar through Kj_FuID
// and Kj_lbID. Indices are 1-based and always the current position: removing
// a window record renumbers the properties of every record after it.
//
// All of this belongs to the GUI thread; there are no locks.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "app/text_ops.h"
#include "geometry/boxes.h"
#include "win32/handle_owners.h"
#include "skin/state/record_list.h"
#include "skin/state/skin_codes.h"
#include "skin/state/stale_marks.h"
#include "win32/window_helpers.h"
#include "skin/state/window_properties.h"

// Pictures stay encoded bytes in the records and are decoded by the
// painters when they draw, so no record holds a GDI+ object. The one class
// object a record owns is its tooltip (graphics/tooltip). It is held
// through a shared_ptr so that skin/state needs only this declaration: the
// deleter is captured where the object is made (std::make_shared<ToolTip>()
// in the frame installer), and the last owner destroys it through its class.
class ToolTip;

// Callbacks: empty means none, and an empty callback is never called.
using SkinCallback = std::function<int()>;
using StatusItemCallback = std::function<int(int item)>;  // 1-based status item
// The title-button action routine (RunTitleButtonAction).
using TitleButtonActionRoutine = void (*)(int windowIndex, int button);

// ---------------------------------------------------------------------------
// Records nested in a window record.

// One drawn title-bar button, in order from left to right.
struct TitleButton {
  int width = 0;   // 26, the close button 38
  int height = 0;  // 18
  Bytes image;          // PNG glyph with alpha
  Bytes restoreImage;   // maximise button: glyph shown while maximised
  TitleButtonKind kind = kCloseButtonKind;
  Text name;       // tooltip text
  SkinCallback callback;  // custom button
  RectF rect;  // client coordinates
};

struct FadeState {
  int button = 0;  // 1-based title button, 0 = none
  int step = 0;    // 0-8
};

// A child window laid out on resize (stretchList, ContainerRecord::parts).
struct LayoutPart {
  HWND window = nullptr;
  int top = 0;
  int left = 0;
  int fullWidth = 0;
};

struct StatusItem {
  int width = 0;  // -1 = to the end of the bar
  Text text;
  Bytes image;
  int value = 0;
};

struct StatusTextStyle {
  bool customColour = false;  // false: the bitwise inverse of DefaultBackgroundColour
  int colour = 0;
  Text fontFace;
  int fontSize = 0;
  int glowColour = -1;  // halo of the status painter; -1 = plain text
  bool glowOn = false;
};

// One skinned container (group box, tab control, or a registered window).
struct ContainerRecord {
  HWND hwnd = nullptr;
  int fillColour = 0;      // COLORREF; 0 = no fill
  int fillAlpha = 0;       // low byte used
  bool drawBorder = false;
  WNDPROC savedProc = nullptr;
  bool redraw = false;
  bool backgroundStale = false;
  int width = 0, height = 0;
  ContainerFrameStyle frameStyle = kFrameStyleOther;
  bool drawFrame = false;
  Text fontFace;
  int fontSize = 0;
  int fontStyle = 0;
  std::vector<LayoutPart> parts;  // NewContainerParts(): one zero-filled entry
};

// ---------------------------------------------------------------------------
// Per-class control records (one list of each per window record).

// What every subclassed control's record starts with.
struct SubclassedControl {
  HWND window = nullptr;
  WNDPROC savedProc = nullptr;
};

// Push button, automatic radio button or check box.
struct ButtonRecord : SubclassedControl {
  ButtonKind kind = kButtonKindPush;
  Text caption;
  bool hasFocus = false;
  bool checkedAtInstall = false;
  HWND parent = nullptr;
  Text fontFace;
  int fontSize = 0;
  int fontStyle = 0;
  bool buttonDown = false;
  int glowColour = 0;  // -1 at install: plain caption
};

// Hit rectangles of a drawn scroll bar, in the bar window's coordinates, at
// the positions below.
using ScrollBarParts = std::array<RECT, 3>;
inline constexpr int kFirstArrowBox = 0;   // top or left arrow
inline constexpr int kSecondArrowBox = 1;  // bottom or right arrow
inline constexpr int kThumbBox = 2;

// The drawn scroll bars of an edit box or list-type control.
struct DrawnScrollBars {
  HWND verticalBar = nullptr;    // drawn scroll-bar window, 0 = none
  HWND horizontalBar = nullptr;
  ScrollBarParts verticalParts{};
  ScrollBarParts horizontalParts{};
};

struct EditRecord : SubclassedControl, DrawnScrollBars {
  bool hasFocus = false;
  bool hot = false;
  bool buttonDown = false;
};

struct ComboRecord : SubclassedControl {
  bool hasFocus = false;
};

// List box, list of a simple combo box, list view, tree view, IP address
// control or date-time picker.
struct ListRecord : SubclassedControl, DrawnScrollBars {
  bool hasFocus = false;
  bool hot = false;
  bool arrowKeyDown = false;
  bool stale = false;  // the next WM_PAINT composes the client area again
  bool hoverSeen = false;
};

struct TrackbarRecord : SubclassedControl {
  bool vertical = false;
  TickPlacement tickPlacement = kTicksTop;
  bool hot = false;
  bool selectionRange = false;
};

struct ProgressRecord : SubclassedControl {
  bool vertical = false;
};

struct UpDownRecord : SubclassedControl {
  bool hot = false;
  int hotHalf = 0;
  bool buttonDown = false;
  bool horizontal = false;
  LPARAM lastMouse = 0;
};

struct HeaderRecord : SubclassedControl {
  bool hot = false;
  int hotItem = 0;
  int paintedItem = 0;
  bool clickable = false;
  int pressedItem = 0;
  bool buttonDown = false;
  Text fontFace;
  int fontStyle = 0;
  int fontSize = 0;
};

struct ToolbarRecord {
  HWND hwnd = nullptr;
  WNDPROC savedProc = nullptr;
  int backgroundColour = 0;
  Text fontFace;
  int fontSize = 0;
  int fontStyle = 0;
  bool redraw = false;
  bool mouseTracking = false;
  bool extra = false;
};

struct LabelRecord {
  HWND hwnd = nullptr;
  int alignment = 0;
  int lineAlignment = 0;
  bool wrap = false;
  int textColour = 0;
  bool glowOn = false;
  int glowColour = 0;
  Text fontFace;
  int fontSize = 0;
  int fontStyle = 0;
  bool redraw = false;
};

// The window handle of a record, whatever its type calls the field.
template <class T>
auto RecordWindow(const T& r) -> decltype(HWND{r.window}) {
  return r.window;
}
template <class T>
auto RecordWindow(const T& r) -> decltype(HWND{r.hwnd}) {
  return r.hwnd;
}

// Takes a record of a per-class list or of containers by the registration
// rule (record_list.h): the empty first record as index 1, else a new one.
template <class T>
int TakeControlRecord(RecordList<T>& list) {
  return TakeRecord(list, [](const T& r) { return RecordWindow(r); });
}

// 1-based index of window's record in list, or 0 (also for window 0).
template <class T>
int FindRecordOf(const RecordList<T>& list, HWND window) {
  if (window == nullptr) return 0;
  for (int i = 1; i <= ListLength(list); ++i) {
    if (RecordWindow(*list[i - 1]) == window) return i;
  }
  return 0;
}

// ---------------------------------------------------------------------------
// The window record.

struct WindowRecord {
  HWND hwnd = nullptr;
  bool justShown = false;
  bool hiddenLatch = false;
  CloseEffect closeEffect = kCloseEffectNone;
  bool moving = false;
  bool sizing = false;
  bool childrenStale = false;
  bool eraseDone = false;
  bool active = false;
  int titleHeight = 0;
  bool showHelpButton = false;
  bool showMenuButton = false;
  bool hasMinimizeBox = false;
  bool hasMaximizeBox = false;
  bool showCloseButton = false;
  bool drawCaption = false;
  bool titleGloss = false;
  WNDPROC savedProc = nullptr;
  Bytes backgroundImage;
  BackgroundMode backgroundMode = kBackgroundTopLeft;
  int backgroundAverage = 0;  // COLORREF layout, top byte 0xFF
  int fillColour = 0;         // -1 = none
  int fillAlpha = 0;
  RecordList<TitleButton> titleButtons;
  int stripX = 0, stripY = 0, stripWidth = 0, stripHeight = 0;
  // Plain handles for bookkeeping: the cache bitmaps are selected into the
  // cache DCs and released with them; the old bitmaps are the DCs' stock ones.
  HBITMAP titleCacheOldBitmap = nullptr;
  HBITMAP titleCacheBitmap = nullptr;
  HBITMAP statusCacheOldBitmap = nullptr;
  HBITMAP statusCacheBitmap = nullptr;
  bool maximized = false;
  bool minimized = false;
  int minTrackWidth = 0, minTrackHeight = 0;
  int maxTrackWidth = 0, maxTrackHeight = 0;
  bool resizable = false;
  bool titleBarLive = false;
  int captionColour = 0;
  int captionGlowColour = 0;  // -1 = plain text
  Text captionFont;
  int captionSize = 0;
  bool captionBold = false;
  bool captionGlow = false;
  int hotButton = 0;
  HotControlClass hotControlClass = kHotClassButton;
  HWND hotControlParent = nullptr;
  SkinCallback helpCallback;
  SkinCallback menuCallback;
  SkinCallback closeCallback;  // the window closes only when it returns 1
  std::shared_ptr<ToolTip> tooltip;
  int statusHeight = 0;
  RectI statusRect;
  RecordList<StatusItem> statusItems;
  RecordList<RectI> statusItemRects;
  StatusTextStyle statusTextStyle;
  StatusItemCallback statusClickCallback;
  StatusItemCallback statusRightClickCallback;
  StatusItemCallback statusDoubleClickCallback;
  // Per-class control lists; NewWindowRecord creates each holding one
  // zero-filled record (a record whose window is 0 is no control).
  RecordList<ButtonRecord> buttons;  // push buttons, radio buttons, check boxes
  RecordList<EditRecord> edits;
  RecordList<ListRecord> lists;
  RecordList<TrackbarRecord> trackbars;
  RecordList<ProgressRecord> progressBars;
  RecordList<ComboRecord> combos;
  RecordList<UpDownRecord> upDowns;
  RecordList<HeaderRecord> headers;
  RecordList<ToolbarRecord> toolbars;
  RecordList<LabelRecord> labels;
  bool needsFullRedraw = false;
  MemoryDcOwner frameDC;        // back buffer, from the first render on
  MemoryDcOwner titleCacheDC;
  MemoryDcOwner statusCacheDC;
  RegisteredDcOwner frameCopy;  // composite DC, in the memory-DC table
  int hotControlIndex = 0;
  int controlUnderMouse = 0;
  RecordList<ContainerRecord> containers;
  std::vector<LayoutPart> stretchList;
  bool mouseTracking = false;
  FadeState fadeIn;
  FadeState fadeOut;
  bool fadeTimerOn = false;
  HWND shadowWindow = nullptr;  // drop-shadow window (CreateFrameShadow); the main window has none
  int shadowSpread = 0;
  // Shadow parameters.
  int shadowOffset = 0;
  int shadowDepth = 0;
  int shadowColour = 0;
  int shadowAlpha = 0;
  Bytes shadowImage;      // cached image of the shadow
  Bytes shadowPicture;    // picture drawn over the shadow
  int shadowPictureX = 0;
  int shadowPictureY = 0;
  bool shadowPictureClip = false;  // show the picture only around the frame
  bool shadowSuppressed = false;  // no drawn shadow under the picture
  bool shadowDragMoves = false;
  int lastClientWidth = 0, lastClientHeight = 0;
};

// A new window record with all fields 0 and each per-class control list and
// the container list holding one zero-filled record.
std::unique_ptr<WindowRecord> NewWindowRecord();
// A new container record's parts list: one zero-filled entry.
std::vector<LayoutPart> NewContainerParts();

// ---------------------------------------------------------------------------
// Other module tables.

struct MenuItemRecord {
  int command = 0;
  Text text;
  Bytes image;
};

// An owner-drawn popup-menu registration. This system registers none.
struct MenuRecord {
  HMENU menu = nullptr;
  StatusItemCallback commandCallback;  // called with the item's command number
  RecordList<MenuItemRecord> items;
};

// Member of one of the eight further object lists (none in this system);
// its Hw_FuID names its window record.
struct ObjectRecord {
  HWND hwnd = nullptr;
  bool redraw = false;
};

inline constexpr int kObjectListCount = 8;

extern RecordList<WindowRecord> WindowRecords;
extern RecordList<MenuRecord> MenuRecords;
extern std::array<RecordList<ObjectRecord>, kObjectListCount> ObjectLists;

// ---------------------------------------------------------------------------
// Module values. Those marked start-up are set by ApplySkinStartupValues
// (the skin module's start-up); before it they are 0.

inline int FrameEdge = 3;
inline TitleButtonActionRoutine TitleButtonAction = nullptr;  // set by the first frame install
inline int HotTitleButton = 0;                                // shared by all frames
inline int FirstResizePending = 0;                            // start-up 1
inline BackgroundMode DefaultBackgroundMode = kBackgroundTopLeft;
inline Bytes DefaultBackgroundImage;
inline int DefaultBackgroundColour = 0;                       // black
inline int SkinChildControls = 0;                             // start-up 1
inline int ControlOverlayAlpha = 0;                           // start-up 160
inline int ControlBackdropSet = 0;
inline int AccentColour = 0;                                  // start-up 0xDDCA22
inline int TrackbarFrameShown = 0;  // first option flag, start-up 1
inline int WideHotFrame = 0;        // second option flag, start-up 1

inline constexpr int kAccentColour = 0xDDCA22;

// SkinChildControls = 1, ControlOverlayAlpha = 160, AccentColour = 0xDDCA22,
// both option flags = 1, FirstResizePending = 1.
void ApplySkinStartupValues();

// SkinChildControls = skinChildren; ControlOverlayAlpha = overlayAlpha or
// 160; ControlBackdropSet = 1 exactly when overlayAlpha is given;
// TrackbarFrameShown = optionFlag or 1.
void SetControlSkinOptions(int skinChildren, std::optional<int> overlayAlpha = std::nullopt,
                           std::optional<int> optionFlag = std::nullopt);

// ---------------------------------------------------------------------------
// Lookups. Linear scans from position 1; the first match wins.

// 1-based position of the first window record whose hwnd is window, or 0.
int FindWindowRecord(HWND window);
// FindWindowRecord(window) when found; otherwise the record of the nearest
// ancestor reached through GetParent, one step at a time. The walk ends with
// 0 at a window without a parent or after checking the window that
// GetAncestor(window, GA_ROOTOWNER) gives.
int FindOwningWindowRecord(HWND window);
// 1-based position of the container record of window in window record
// windowIndex, or 0 (also for an invalid windowIndex).
int FindContainerRecord(int windowIndex, HWND window);

// The window record at index, or nullptr when the index is not valid.
WindowRecord* WindowRecordAt(int index);
// The record of a skinned frame through its Hw_lbID, or nullptr.
WindowRecord* FrameRecordOf(HWND frame);
// The owning window record of a skinned control, container or label through
// its Hw_FuID, or nullptr.
WindowRecord* OwnerRecordOf(HWND control);

// The record of a skinned control through Hw_FuID and Hw_lbID, both checked
// against the lists; nullptr when either is not valid. list names the class
// list, e.g. ControlRecordOf(button, &WindowRecord::buttons) or
// ControlRecordOf(groupBox, &WindowRecord::containers).
template <class T>
T* ControlRecordOf(HWND control, RecordList<T> WindowRecord::*list) {
  WindowRecord* owner = OwnerRecordOf(control);
  if (owner == nullptr) return nullptr;
  return RecordAt(owner->*list, GetPropInt(control, Hw_lbID));
}

// The first step of a skinned control's WM_MOUSEMOVE: when the control has
// a valid record in list (through Hw_FuID and Hw_lbID), asks for
// WM_MOUSELEAVE and returns the owning window record, for TakeHotControl.
// nullptr, nothing done, otherwise.
template <class T>
WindowRecord* MouseEntersControl(HWND control, RecordList<T> WindowRecord::*list) {
  if (ControlRecordOf(control, list) == nullptr) return nullptr;
  TrackMouseLeave(control);
  return OwnerRecordOf(control);
}

// The one hover step of every control skin's WM_MOUSEMOVE, for a control
// with a valid record in owner (its window record): records the control
// (its Hw_lbID) as the one under the mouse (controlUnderMouse); then, unless
// it is the hot control already (hotControlIndex and hotControlClass, with
// parent given also hotControlParent) and partChanged is false, paintHot
// draws its hot look and it becomes the hot control. partChanged is for a
// control whose parts light up one at a time (the half of an up-down
// control under the mouse). paintHot may run nested messages, so the owning
// record is taken afresh from control before it is written.
template <class PaintHot>
void TakeHotControl(HWND control, WindowRecord* owner, HotControlClass hotClass, PaintHot paintHot,
                    std::optional<HWND> parent = std::nullopt, bool partChanged = false) {
  owner->controlUnderMouse = GetPropInt(control, Hw_lbID);
  if (!partChanged && owner->hotControlIndex == owner->controlUnderMouse &&
      owner->hotControlClass == hotClass && (!parent || owner->hotControlParent == *parent)) {
    return;
  }
  paintHot();
  owner = OwnerRecordOf(control);
  if (owner == nullptr) return;
  owner->hotControlIndex = owner->controlUnderMouse;
  owner->hotControlClass = hotClass;
  if (parent) owner->hotControlParent = *parent;
}

// The first step of a skinned control's WM_MOUSELEAVE: when the control has
// a valid record in list, it is no longer the hot control (hotControlIndex
// 0) and its record is returned; nullptr, nothing done, otherwise.
template <class T>
T* MouseLeavesControl(HWND control, RecordList<T> WindowRecord::*list) {
  T* record = ControlRecordOf(control, list);
  if (record != nullptr) OwnerRecordOf(control)->hotControlIndex = 0;
  return record;
}

// ControlRecordOf, and only when that record is control's own (the index
// properties may be left over from a record that has since moved).
template <class T>
T* RegisteredRecordOf(HWND control, RecordList<T> WindowRecord::*list) {
  T* record = ControlRecordOf(control, list);
  return record != nullptr && record->window == control ? record : nullptr;
}

// The painters' lookup by index: the record at controlIndex of the class
// list of window record windowIndex, when both indices are valid and the
// record holds a window; nullptr otherwise.
template <class T>
T* ControlRecordAt(int windowIndex, RecordList<T> WindowRecord::*list, int controlIndex) {
  WindowRecord* owner = WindowRecordAt(windowIndex);
  T* record = owner != nullptr ? RecordAt(owner->*list, controlIndex) : nullptr;
  return record != nullptr && RecordWindow(*record) != nullptr ? record : nullptr;
}

// A toolbar's record through Kj_FuID and Kj_lbID, or nullptr.
ToolbarRecord* ToolbarRecordOf(HWND toolbar);

// 1-based index of window's record in the class list of window record
// windowIndex, or 0 (also for an invalid windowIndex).
template <class T>
int FindControlRecord(int windowIndex, RecordList<T> WindowRecord::*list, HWND window) {
  const WindowRecord* owner = WindowRecordAt(windowIndex);
  return owner != nullptr ? FindRecordOf(owner->*list, window) : 0;
}

// The registration of a skinned control: takes a record of the class list
// of window record windowIndex by the registration rule, fills its window,
// lets prepare fill the rest (it runs before the control is subclassed),
// sets Hw_lbID and Hw_FuID and subclasses window with proc, the replaced
// procedure going to the record's savedProc and to Hw_hProc. Returns the
// record; nullptr when windowIndex is not valid, window is 0, registered in
// that list already or running proc already.
template <class T, class Prepare>
T* RegisterSubclassedControl(int windowIndex, RecordList<T> WindowRecord::*list, HWND window,
                             WNDPROC proc, Prepare prepare) {
  WindowRecord* owner = WindowRecordAt(windowIndex);
  if (owner == nullptr || window == nullptr) return nullptr;
  if (FindRecordOf(owner->*list, window) != 0 || IsSubclassedWith(window, proc)) return nullptr;
  const int index = TakeControlRecord(owner->*list);
  T* record = RecordAt(owner->*list, index);
  record->window = window;
  prepare(*record);
  SetPropInt(window, Hw_lbID, index);
  SetPropInt(window, Hw_FuID, windowIndex);
  record->savedProc = ReplaceWindowProc(window, proc);
  return record;
}
template <class T>
T* RegisterSubclassedControl(int windowIndex, RecordList<T> WindowRecord::*list, HWND window,
                             WNDPROC proc) {
  return RegisterSubclassedControl(windowIndex, list, window, proc, [](T&) {});
}

// The walk of every per-class installer: install(child) for every direct
// child of parent of class className, in FindWindowExA order; nothing while
// SkinChildControls is 0.
template <class Install>
void InstallOnChildren(HWND parent, const char* className, Install install) {
  if (SkinChildControls == 0) return;
  ForEachChildOfClass(parent, className, install);
}

// ---------------------------------------------------------------------------
// Registration, removal and release.

// Appends a window record; returns its index (the new length).
int AppendWindowRecord(std::unique_ptr<WindowRecord> record);

// Deletes the window record at index (nothing happens for an invalid index)
// and releases it with everything it owns: its DCs and their bitmaps
// (reset frameDC, titleCacheDC, statusCacheDC, frameCopy through their
// owners instead of deleting the handles, or leave them to this), texts,
// byte buffers, lists and the tooltip object. The brushes and bitmaps in its
// controls' Kj_dxjb/Kj_wtjb are not touched: the teardown deletes them
// (DeleteCtlColorObjects). The removed window's own Hw_lbID and the Hw_FuID
// of its controls that still exist are set to 0, so they no longer point at
// the record that moved into its place. Then every remaining record is
// renumbered (RenumberWindowRecords).
void RemoveWindowRecord(int index);

// For every window record i from 1: Hw_lbID = i on its window; Hw_FuID = i
// on every control of its class lists, its containers, its labels and the
// non-zero drawn scroll-bar windows of its edit and list records; Kj_FuID =
// i on its toolbars. Object-list members whose Hw_FuID pointed past the
// removed position removedIndex move down by one; those that pointed at it
// get 0. removedIndex 0 leaves the object lists alone.
void RenumberWindowRecords(int removedIndex = 0);

// Module initialisation: every list created empty.
void InitSkinTables();

// Work that other skin modules add to the exit routine (the decoded arrow
// pictures, GDI+ shutdown). Steps run once, newest first, after the tables
// and the memory DCs left in the memory-DC table are released.
using SkinExitStep = void (*)();
void AddSkinExitStep(SkinExitStep step);

// The exit routine: releases every window record with all it holds (DCs,
// bitmaps, brushes held in its controls' Kj_dxjb/Kj_wtjb, texts, byte
// buffers, lists, tooltip objects), the menu records, the eight object
// lists, the default background image and the DCs left in the memory-DC
// table (ReleaseAllRegisteredDcs), then runs the exit steps.
// Calling it twice releases nothing twice.
void ReleaseSkinState();
// Registers ReleaseSkinState to run when the program ends (once, however
// often it is called); part of the program's start sequence.
void RegisterSkinExitRoutine();
