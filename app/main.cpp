// Program entry: start the skin module, create the main window, run the
// message loop until the window is closed.
#include <windows.h>

#include <commctrl.h>

#include "app/main_window.h"
#include "app/window_created.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  StartSkinModule();

  HWND window = CreateMainWindow(instance);
  if (!window) return 1;
  RunMessageLoop(window);
  return 0;
}
