// The message handlers behind FrameSkinProc, one per message that does real
// work. Internal to the frame skin: the procedure calls them with the
// window's current record index, already checked.
#pragma once

#include <windows.h>

// Showing, erasing, painting (frame_proc_paint.cpp).
void OnFrameShowWindow(HWND window, int index, WPARAM wParam);
LRESULT OnFrameEraseBackground(HWND window, int index, WPARAM wParam);
LRESULT OnFramePaint(HWND window, int index, WPARAM wParam, LPARAM lParam);
void OnFrameSetText(int index, LPARAM lParam);

// Sizes and window states (frame_proc_size.cpp).
void OnFrameSize(HWND window, int index);
void OnFrameGetMinMaxInfo(int index, LPARAM lParam);
void OnFrameWindowPosChanging(HWND window, LPARAM lParam);
void OnFrameWindowPosChanged(HWND window, int index);
void OnFrameSysCommand(int index, WPARAM wParam);
void OnFrameQueryOpen(int index);

// Mouse (frame_proc_mouse.cpp).
void OnFrameMouseMove(HWND window, int index, LPARAM lParam);
void OnFrameLeftButtonDown(HWND window, int index, LPARAM lParam);
void OnFrameLeftButtonUp(int index);
void OnFrameLeftDoubleClick(int index, LPARAM lParam);
void OnFrameRightButtonDown(int index, LPARAM lParam);

// Controls lying on the frame (frame_proc_controls.cpp).
void OnFrameCommand(WPARAM wParam, LPARAM lParam);
void OnFrameNotify(LPARAM lParam);
// True with the brush in result when the frame answers the colour message.
bool OnFrameCtlColor(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// Releases the brushes and bitmaps handed to the frame's direct children.
void OnFrameDestroy(HWND window);

// Closing (frame_teardown.cpp): asks the close callback, then plays the
// close effect and passes the message on.
LRESULT OnFrameClose(HWND window, int index, WPARAM wParam, LPARAM lParam);

// The current index of a skinned frame, 0 when it has no valid record.
int FrameIndexOf(HWND window);
