// What a skinned frame does for the controls lying on it: the answers every
// window holding skinned controls gives (child_control_answers.h), and the
// commands of owner-drawn popup menus.
#include <windows.h>

#include "skin/containers/child_control_answers.h"
#include "skin/frame/frame_proc.h"
#include "skin/frame/frame_proc_handlers.h"

namespace {

// Menu commands carry this notification code when they come from an
// accelerator instead of a menu.
constexpr int kAcceleratorCode = 1;

// An owner-drawn popup menu's command: the menu record's callback with the
// item number.
void RunMenuCommand(WPARAM wParam) {
  const MenuCommand command = SplitMenuCommand(static_cast<unsigned long>(wParam));
  if (command.menu < 1 || command.menu > ListLength(MenuRecords)) return;
  const MenuRecord* menu = RecordAt(MenuRecords, static_cast<int>(command.menu));
  if (menu != nullptr && menu->commandCallback) {
    StatusItemCallback(menu->commandCallback)(command.item);
  }
}

}  // namespace

void OnFrameCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam == 0 && HIWORD(wParam) != kAcceleratorCode) RunMenuCommand(wParam);
  RepaintOnChildCommand(wParam, lParam);
}

void OnFrameNotify(LPARAM lParam) { RepaintOnChildNotify(lParam); }

bool OnFrameCtlColor(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return AnswerChildControlColour(message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam), result);
}

void OnFrameDestroy(HWND window) {
  // The children still exist here (they are destroyed after their parent's
  // WM_DESTROY): their brushes and bitmaps go now, while their properties
  // can still be read.
  DeleteChildCtlColorObjects(window);
}
