// Reading and writing the skin's integer window properties.
#include "skin/state/window_properties.h"

#include <cstdint>

int GetPropInt(HWND window, const char* name) {
  if (window == nullptr) return 0;
  return static_cast<int>(reinterpret_cast<intptr_t>(GetPropA(window, name)));
}

void SetPropInt(HWND window, const char* name, int value) {
  if (window == nullptr) return;
  SetPropA(window, name, reinterpret_cast<HANDLE>(static_cast<intptr_t>(value)));
}

WNDPROC SavedProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetPropA(window, Hw_hProc));
}

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC saved = SavedProcOf(window);
  if (saved == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(saved, window, message, wParam, lParam);
}

void DeleteCtlColorObjects(HWND control) {
  if (control == nullptr) return;
  // Stock objects (the hollow brush) survive DeleteObject unharmed.
  if (HANDLE brush = GetPropA(control, Kj_dxjb)) DeleteObject(static_cast<HGDIOBJ>(brush));
  if (HANDLE bitmap = GetPropA(control, Kj_wtjb)) DeleteObject(static_cast<HGDIOBJ>(bitmap));
  SetPropInt(control, Kj_dxjb, 0);
  SetPropInt(control, Kj_wtjb, 0);
}
