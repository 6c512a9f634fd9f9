// Registration of button controls in a window record's button list.
#include "skin/controls/buttons/button_records.h"

#include "skin/controls/font/control_font.h"

ButtonRecord* ButtonRecordOf(HWND window) {
  return ControlRecordOf(window, &WindowRecord::buttons);
}

void PrepareButtonRecord(ButtonRecord& record, HWND window, ButtonKind kind) {
  record.kind = kind;
  record.glowColour = -1;
  record.caption = WindowTextOf(window);
}

bool FinishButtonRegistration(HWND window, const ButtonRecord* record) {
  if (record == nullptr) return false;
  const ControlFont font = ReadCaptionFont(window);
  // Reading the font sends the control messages: take the record afresh.
  if (ButtonRecord* registered = ButtonRecordOf(window)) {
    registered->fontFace = font.face;
    registered->fontSize = font.size;
    registered->fontStyle = font.style;
  }
  return true;
}

bool RegisterButton(int windowIndex, HWND window, ButtonKind kind) {
  return RegisterButton(windowIndex, window, kind, [](ButtonRecord&) {});
}
