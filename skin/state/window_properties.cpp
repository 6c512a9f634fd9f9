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

WNDPROC SavedProcOf(HWND window) { return GetPropHandle<WNDPROC>(window, Hw_hProc); }

WNDPROC ReplaceWindowProc(HWND window, WNDPROC proc, const char* savedProperty) {
  if (window == nullptr) return nullptr;
  SetPropHandle(window, savedProperty,
                reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)));
  const auto replaced = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
  SetPropHandle(window, savedProperty, replaced);
  return replaced;
}

void RestoreWindowProc(HWND window, const char* savedProperty) {
  if (window == nullptr) return;
  SetWindowLongPtrA(window, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(GetPropHandle<WNDPROC>(window, savedProperty)));
}

bool IsSubclassedWith(HWND window, WNDPROC proc) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == proc;
}

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC saved = SavedProcOf(window);
  if (saved == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(saved, window, message, wParam, lParam);
}

void DeleteCtlColorObjects(HWND control) {
  if (control == nullptr) return;
  // Stock objects (the hollow brush) survive DeleteObject unharmed.
  if (HGDIOBJ brush = GetPropHandle<HGDIOBJ>(control, Kj_dxjb)) DeleteObject(brush);
  if (HGDIOBJ bitmap = GetPropHandle<HGDIOBJ>(control, Kj_wtjb)) DeleteObject(bitmap);
  SetPropInt(control, Kj_dxjb, 0);
  SetPropInt(control, Kj_wtjb, 0);
}
