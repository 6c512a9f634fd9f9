// Registration of button controls in a window record's button list.
#include "skin/controls/buttons/button_records.h"

#include <vector>

#include "skin/controls/buttons/push_button_skin.h"

ButtonRecord* ButtonRecordOf(HWND window) {
  return ControlRecordOf(window, &WindowRecord::buttons);
}

bool HasButtonSkinProc(HWND window) { return IsSubclassedWith(window, &ButtonSkinProc); }

int RegisterButton(int windowIndex, HWND window, ButtonKind kind) {
  const ButtonRecord* record =
      RegisterSubclassedControl(windowIndex, &WindowRecord::buttons, window, &ButtonSkinProc,
                                [&](ButtonRecord& r) {
                                  r.kind = kind;
                                  r.glowColour = -1;
                                  r.caption = WindowTextOf(window);
                                });
  return record != nullptr ? GetPropInt(window, Hw_lbID) : 0;
}
