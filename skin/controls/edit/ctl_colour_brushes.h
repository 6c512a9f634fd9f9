// The brushes a window that holds skinned controls hands them on
// WM_CTLCOLOR*: the frame, the containers and a combo box for its edit
// field all answer through these two. The brush handed out stays in the
// control's Kj_dxjb (a background brush's bitmap in Kj_wtjb) until the next
// answer replaces it or the control goes (DeleteCtlColorObjects).
#pragma once

#include <windows.h>

// Text in the control's Kj_Ztys colour on a transparent background, over a
// pattern brush of the background behind the control
// (EditBackgroundBitmap). The objects held before are deleted first. False
// when no bitmap or brush can be made (nothing skinned lies behind the
// control): nothing is kept, and the message is to be passed on so that the
// control keeps its standard colours.
bool AnswerBackgroundBrush(HDC dc, HWND control, LRESULT& result);

// Text as above over the hollow stock brush, which replaces (and deletes)
// the brush held before.
LRESULT AnswerHollowBrush(HDC dc, HWND control);
