// Installing the push button skin.
#include "skin/controls/buttons/button_records.h"
#include "skin/controls/buttons/button_styles.h"
#include "skin/controls/buttons/push_button_skin.h"

int FindButtonRecord(int windowIndex, HWND window) {
  return FindControlRecord(windowIndex, &WindowRecord::buttons, window);
}

void InstallPushButtonSkins(int windowIndex, HWND parent) {
  InstallOnChildren(parent, kButtonClass, [windowIndex](HWND child) {
    const DWORD style = StyleOf(child);
    if (!IsPushButtonStyle(style)) return;
    if (!RegisterButton(windowIndex, child, kButtonKindPush)) return;
    // Owner-drawn from now on: the containing window paints it on WM_DRAWITEM.
    SetWindowLongA(child, GWL_STYLE, static_cast<LONG>(style | BS_OWNERDRAW));
  });
}
