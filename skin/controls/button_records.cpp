// Registration of button controls in a window record's button list.
#include "skin/controls/button_records.h"

#include <vector>

#include "skin/controls/push_button_skin.h"

ButtonRecord* ButtonRecordOf(HWND window) {
  return ControlRecordOf(window, &WindowRecord::buttons);
}

bool HasButtonSkinProc(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongA(window, GWL_WNDPROC)) == &ButtonSkinProc;
}

int RegisterButton(int windowIndex, HWND window, int kind) {
  WindowRecord* owner = WindowRecordAt(windowIndex);
  if (owner == nullptr) return 0;
  const int index = TakeControlRecord(owner->buttons);
  ButtonRecord& record = *RecordAt(owner->buttons, index);
  record.window = window;
  record.kind = kind;
  record.glowColour = -1;
  record.caption = WindowTextOf(window);
  SetPropInt(window, Hw_lbID, index);
  SetPropInt(window, Hw_FuID, windowIndex);
  record.savedProc = reinterpret_cast<WNDPROC>(
      SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(&ButtonSkinProc)));
  SetPropA(window, Hw_hProc, reinterpret_cast<HANDLE>(record.savedProc));
  return index;
}
