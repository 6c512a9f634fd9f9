// What the trackbar, progress bar, up-down and header skins share: the
// registration of a control in one of the window record's per-class lists,
// mouse-leave tracking, the stale marking of the container a control lies
// in, and the few GDI+ fill and outline steps their painters repeat.
#pragma once

#include <windows.h>

#include "graphics/gdiplus/gdiplus_objects.h"
#include "graphics/paint/colour_convert.h"
#include "skin/controls/parent_container_stale.h"
#include "skin/state/skin_state.h"

namespace bar_skin {

// hotControlClass values of these skins (progress bars take no part in hover).
inline constexpr int kHotClassTrackbar = 2;
inline constexpr int kHotClassUpDown = 8;
inline constexpr int kHotClassHeader = 9;

inline constexpr ColourRef kBarWhite = 0xFFFFFF;
inline constexpr ColourRef kBarBlack = 0x000000;

// A COLORREF at alpha as GDI+ colour.
inline Argb BarColour(ColourRef colour, int alpha) { return ColorrefToArgb(colour, alpha, true); }
// AccentColour at alpha.
inline Argb AccentAt(int alpha) { return BarColour(static_cast<ColourRef>(AccentColour), alpha); }

// True when window runs proc already: subclassing it again would make the
// skin procedure its own saved procedure.
bool IsSubclassedWith(HWND window, WNDPROC proc);

// Index of the record of window in list, or 0.
template <class T>
int FindRecordOf(const RecordList<T>& list, HWND window) {
  for (int i = 1; i <= ListLength(list); ++i) {
    if (list[i - 1]->window == window) return i;
  }
  return 0;
}

// Takes a record of the list by the registration rule, fills its window
// and savedProc, sets Hw_lbID, Hw_FuID and Hw_hProc and subclasses window
// with proc. Returns the record (nullptr when windowIndex is not valid or
// window is registered or subclassed by proc already).
template <class T>
T* RegisterSubclassedControl(int windowIndex, RecordList<T> WindowRecord::*list, HWND window,
                             WNDPROC proc) {
  WindowRecord* owner = WindowRecordAt(windowIndex);
  if (owner == nullptr || window == nullptr) return nullptr;
  if (FindRecordOf(owner->*list, window) != 0 || IsSubclassedWith(window, proc)) return nullptr;
  const int index = TakeControlRecord(owner->*list);
  T* record = RecordAt(owner->*list, index);
  record->window = window;
  SetPropInt(window, Hw_lbID, index);
  SetPropInt(window, Hw_FuID, windowIndex);
  record->savedProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
  SetPropA(window, Hw_hProc, reinterpret_cast<HANDLE>(record->savedProc));
  return record;
}

// The window style as an unsigned value.
DWORD StyleOf(HWND window);

// Asks for WM_MOUSELEAVE when the mouse leaves window.
void TrackMouseLeave(HWND window);

// WM_ERASEBKGND of the drawn controls: the background stays as it is.
LRESULT KeepBackground(HDC dc);

// The window's size from its window rectangle.
SIZE WindowSize(HWND window);

// A rounded rectangle path (AddRoundRect); empty when GDI+ refuses it.
GraphicsPath RoundRectPath(float x, float y, float w, float h, int r);

void FillSolid(Graphics& g, const GraphicsPath& path, Argb colour);
// A linear gradient from colour1 at from to colour2 at to.
void FillGradient(Graphics& g, const GraphicsPath& path, PointF from, PointF to, Argb colour1,
                  Argb colour2);
// A 1-unit outline.
void OutlinePath(Graphics& g, const GraphicsPath& path, Argb colour);
void OutlineRectangle(Graphics& g, float x, float y, float w, float h, Argb colour);

}  // namespace bar_skin
