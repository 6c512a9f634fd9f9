// Small questions every skin asks of a window, in one place: its class,
// its text, its style and size, its children of one class, and the request
// for WM_MOUSELEAVE.
#pragma once

#include <windows.h>

#include <optional>

#include "app/text_ops.h"

// The window's class name (up to 255 bytes); empty for 0 or on failure.
Text ClassNameOf(HWND window);

// True when window's class name equals className, compared without case.
// False for window 0.
bool IsWindowClass(HWND window, const char* className);

// The window text; empty when there is none.
Text WindowTextOf(HWND window);

// The window style as an unsigned value.
DWORD StyleOf(HWND window);

// The window's size from its window rectangle.
SIZE WindowSize(HWND window);

// Runs visit(child) for every direct child of parent whose class is
// className (every child for nullptr), in FindWindowExA order.
template <class Visit>
void ForEachChildOfClass(HWND parent, const char* className, Visit visit) {
  for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child != nullptr;
       child = FindWindowExA(parent, child, className, nullptr)) {
    visit(child);
  }
}

// The update region a skin passes on with WM_NCPAINT when the standard
// frame and bars are not wanted: no valid region handle, which leaves the
// system nothing to paint into.
inline constexpr WPARAM kNoUpdateRegion = static_cast<WPARAM>(0xFFFFFFFF);

// Asks for WM_MOUSELEAVE when the mouse leaves window; with hoverTime
// given also for WM_MOUSEHOVER after that many milliseconds.
void TrackMouseLeave(HWND window, std::optional<DWORD> hoverTime = std::nullopt);
