// FrameSkinProc: the dispatch of a skinned frame's messages. Every message
// that is not consumed goes on to the window's saved procedure.
#include "skin/frame/frame_proc.h"

#include "graphics/gdiplus/gdiplus_lifetime.h"
#include "skin/controls/buttons/push_button_skin.h"
#include "skin/frame/frame_proc_handlers.h"
#include "skin/frame/title_buttons.h"

int FrameIndexOf(HWND window) {
  const int index = GetPropInt(window, Hw_lbID);
  return WindowRecordAt(index) != nullptr ? index : 0;
}

POINT MousePoint(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

namespace {

void OnNcDestroy(HWND window) {
  TearDownFrameSkin(window);
  KillTimer(window, reinterpret_cast<UINT_PTR>(window));
}

void OnActivateApp(WindowRecord& record, WPARAM wParam) {
  if (wParam == FALSE) {
    record.active = false;
    FlushWorkingSet();
  } else if (wParam == TRUE) {
    record.active = true;
  }
}

}  // namespace

LRESULT CALLBACK FrameSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = FrameIndexOf(window);
  WindowRecord* record = WindowRecordAt(index);
  if (record == nullptr) return PassOn(window, message, wParam, lParam);

  switch (message) {
    case WM_DRAWITEM:
      if (lParam != 0) DispatchOwnerDraw(index, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      break;
    case WM_QUIT:
      ShutdownGdiPlus(GdiPlusToken, true);
      break;
    case WM_CLOSE:
      return OnFrameClose(window, index, wParam, lParam);
    case WM_DESTROY:
      OnFrameDestroy(window);
      break;
    case WM_NCDESTROY:
      OnNcDestroy(window);
      break;
    case WM_SIZING:
      record->sizing = true;
      break;
    case WM_MOVING:
      record->moving = true;
      break;
    case WM_EXITSIZEMOVE:
      record->moving = false;
      record->sizing = false;
      break;
    case WM_SHOWWINDOW:
      OnFrameShowWindow(window, index, wParam);
      break;
    case WM_ERASEBKGND:
      return OnFrameEraseBackground(window, index, wParam);
    case WM_PAINT:
      return OnFramePaint(window, index, wParam, lParam);
    case WM_MOUSEMOVE:
      OnFrameMouseMove(window, index, lParam);
      break;
    case WM_MOUSEHOVER:
      record->mouseTracking = true;
      break;
    case WM_MOUSELEAVE:
      record->mouseTracking = false;
      TitleButtonsMouseLeave(index);
      break;
    case WM_TIMER:
      if (wParam == reinterpret_cast<WPARAM>(window)) TitleButtonsFadeStep(index);
      break;
    case WM_GETMINMAXINFO:
      OnFrameGetMinMaxInfo(index, lParam);
      break;
    case WM_WINDOWPOSCHANGING:
      OnFrameWindowPosChanging(window, lParam);
      break;
    case WM_WINDOWPOSCHANGED:
      OnFrameWindowPosChanged(window, index);
      break;
    case WM_SIZE:
      OnFrameSize(window, index);
      break;
    case WM_LBUTTONDOWN:
      OnFrameLeftButtonDown(window, index, lParam);
      break;
    case WM_LBUTTONUP:
      OnFrameLeftButtonUp(index);
      break;
    case WM_LBUTTONDBLCLK:
      OnFrameLeftDoubleClick(index, lParam);
      break;
    case WM_RBUTTONDOWN:
      OnFrameRightButtonDown(index, lParam);
      break;
    case WM_SYSCOMMAND:
      OnFrameSysCommand(index, wParam);
      break;
    case WM_QUERYOPEN:
      OnFrameQueryOpen(index);
      break;
    case WM_SETTEXT:
      OnFrameSetText(index, lParam);
      break;
    case WM_ACTIVATE:
      record->active = wParam >= 1;
      break;
    case WM_ACTIVATEAPP:
      OnActivateApp(*record, wParam);
      break;
    case WM_COMMAND:
      OnFrameCommand(wParam, lParam);
      break;
    case WM_NOTIFY:
      OnFrameNotify(lParam);
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
      LRESULT brush = 0;
      if (OnFrameCtlColor(message, wParam, lParam, brush)) return brush;
      break;
    }
    default:
      // WM_MEASUREITEM included: no owner-drawn menus are registered, so
      // the window's own procedure measures its items.
      break;
  }
  // A handler may have run nested messages that tore the frame down; the
  // pass-on reads only the window's property, which survives that.
  return PassOn(window, message, wParam, lParam);
}
