// Closing a skinned frame and releasing what its record holds, and the
// working-set flush on deactivation.
#include "skin/frame/close_effects.h"
#include "skin/frame/frame_proc.h"
#include "skin/frame/frame_proc_handlers.h"

LRESULT OnFrameClose(HWND window, int index, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = WindowRecordAt(index);
  if (record->closeCallback) {
    // A copy: the callback may run nested messages that drop the record.
    if (SkinCallback(record->closeCallback)() != 1) return 0;
    record = WindowRecordAt(FrameIndexOf(window));
    if (record == nullptr) return PassOn(window, WM_CLOSE, wParam, lParam);
  }
  if (record->shadowWindow != nullptr) {
    DestroyWindow(record->shadowWindow);
    record->shadowWindow = nullptr;
  }
  // The effect plays only once the close goes ahead.
  bool played = false;
  RECT bounds{};
  if (record->closeEffect == kCloseEffectPulse) {
    played = PlayCloseEffect(window, kCloseEffectPulse, &bounds);
  } else if (record->closeEffect == kCloseEffectShrink) {
    played = PlayCloseEffect(window, kCloseEffectShrink, &bounds);
  }
  const LRESULT result = PassOn(window, WM_CLOSE, wParam, lParam);
  // The window's own procedure may still keep it open: then it comes back
  // whole instead of staying faded out.
  if (played && IsWindow(window)) EndCloseEffect(window, bounds);
  return result;
}

void TearDownFrameSkin(HWND window) {
  const int index = FindWindowRecord(window);
  WindowRecord* record = WindowRecordAt(index);
  if (record == nullptr) return;

  if (HMENU menu = GetPropHandle<HMENU>(window, Ck_cdjb)) DestroyMenu(menu);
  SetPropInt(window, Ck_cdjb, 0);
  for (const auto& edit : record->edits) DeleteCtlColorObjects(edit->window);

  // Each owner deletes its DC and the bitmap selected into it (the back
  // buffer, the cache bitmaps); the stock bitmaps they displaced stay.
  record->frameDC.reset();
  SetPropInt(window, Ck_wtjbdx, 0);
  record->titleCacheDC.reset();
  record->titleCacheBitmap = nullptr;
  record->titleCacheOldBitmap = nullptr;
  record->statusCacheDC.reset();
  record->statusCacheBitmap = nullptr;
  record->statusCacheOldBitmap = nullptr;
  record->frameCopy.reset();

  RestoreWindowProc(window);
  RemoveWindowRecord(index);
}

void FlushWorkingSet() {
  // Both limits at -1: the system takes as many pages as it can out of the
  // process's working set; they come back from memory as they are used.
  SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1),
                           static_cast<SIZE_T>(-1));
}
