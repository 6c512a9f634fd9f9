// Registration of button controls in the button list of a window record,
// the one path of the push button installer and the radio/check box
// installer.
#pragma once

#include <windows.h>

#include "skin/controls/buttons/push_button_skin.h"
#include "skin/state/skin_state.h"
#include "win32/window_helpers.h"

// The class every skinned button control has.
inline constexpr char kButtonClass[] = "BUTTON";

// The button record of a registered control through its Hw_FuID and
// Hw_lbID, or nullptr.
ButtonRecord* ButtonRecordOf(HWND window);

// Registers window as a button of kind in the button list of window record
// windowIndex (RegisterSubclassedControl: the single empty record, else a
// new one): fills window, kind, caption and glowColour -1, lets prepare fill
// the rest before the control is subclassed with ButtonSkinProc, sets
// Hw_lbID and Hw_FuID, keeps the replaced procedure in the record and in
// Hw_hProc, then fills the font from ReadCaptionFont. False, and nothing
// done, when windowIndex is not valid or the control is registered or runs
// ButtonSkinProc already.
template <class Prepare>
bool RegisterButton(int windowIndex, HWND window, ButtonKind kind, Prepare prepare);
bool RegisterButton(int windowIndex, HWND window, ButtonKind kind);

// ---------------------------------------------------------------------------

// The part of RegisterButton after the record is taken.
bool FinishButtonRegistration(HWND window, const ButtonRecord* record);
// What RegisterButton fills before prepare.
void PrepareButtonRecord(ButtonRecord& record, HWND window, ButtonKind kind);

template <class Prepare>
bool RegisterButton(int windowIndex, HWND window, ButtonKind kind, Prepare prepare) {
  const ButtonRecord* record = RegisterSubclassedControl(
      windowIndex, &WindowRecord::buttons, window, &ButtonSkinProc, [&](ButtonRecord& r) {
        PrepareButtonRecord(r, window, kind);
        prepare(r);
      });
  return FinishButtonRegistration(window, record);
}
