#include "graphics/gdiplus/shadow_window_class.h"

#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "skin/state/skin_state.h"

namespace {

ShadowRenderRoutine RenderShadowRoutine = nullptr;

void OnShadowSize(HWND hwnd) {
  if (RenderShadowRoutine) RenderShadowRoutine(hwnd);
}

// A press on the shadow starts moving the frame it belongs to, when that
// frame's record asks for it.
void OnShadowLeftButtonDown(HWND hwnd) {
  HWND owner = GetPropHandle<HWND>(hwnd, Yyck_Glck);
  if (!owner) return;
  WindowRecord* record = WindowRecordAt(GetPropInt(owner, Hw_lbID));
  if (record && record->shadowDragMoves) SendMessageA(owner, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace

void SetShadowRenderRoutine(ShadowRenderRoutine routine) { RenderShadowRoutine = routine; }

bool RegisterShadowWindowClass() {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = ShadowWindowProc;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 0;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = ClassIcon;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszMenuName = "";
  wc.lpszClassName = kShadowWindowClass;
  wc.hIconSm = nullptr;
  if (RegisterClassExA(&wc) != 0) return true;
  return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

LRESULT CALLBACK ShadowWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SIZE:
      OnShadowSize(hwnd);
      break;
    case WM_LBUTTONDOWN:
      OnShadowLeftButtonDown(hwnd);
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}
