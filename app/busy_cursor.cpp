#include "app/busy_cursor.h"

#include <vector>

namespace {

struct BusyWindow {
  HWND window;
  int work;  // pieces of work running
};

std::vector<BusyWindow> g_busy;

BusyWindow* Find(HWND window) {
  for (BusyWindow& busy : g_busy) {
    if (busy.window == window) return &busy;
  }
  return nullptr;
}

// Lets the window under the mouse choose its cursor again, as a mouse move
// would, when it belongs to mainWindow.
void RefreshCursor(HWND mainWindow) {
  POINT at = {};
  if (!GetCursorPos(&at)) return;
  HWND under = WindowFromPoint(at);
  if (!under || GetAncestor(under, GA_ROOT) != mainWindow) return;
  const auto hit = static_cast<WORD>(SendMessageA(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)));
  SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
}

}  // namespace

void BeginBusy(HWND mainWindow) {
  if (BusyWindow* busy = Find(mainWindow)) {
    ++busy->work;
    return;
  }
  g_busy.push_back(BusyWindow{mainWindow, 1});
  RefreshCursor(mainWindow);
}

void EndBusy(HWND mainWindow) {
  BusyWindow* busy = Find(mainWindow);
  if (!busy || --busy->work > 0) return;
  ClearBusy(mainWindow);
  if (IsWindow(mainWindow)) RefreshCursor(mainWindow);
}

bool IsBusy(HWND mainWindow) { return Find(mainWindow) != nullptr; }

void ClearBusy(HWND mainWindow) {
  for (auto it = g_busy.begin(); it != g_busy.end(); ++it) {
    if (it->window == mainWindow) {
      g_busy.erase(it);
      return;
    }
  }
}

bool SetBusyCursor(HWND mainWindow) {
  if (!IsBusy(mainWindow)) return false;
  SetCursor(LoadCursorA(nullptr, IDC_APPSTARTING));
  return true;
}
