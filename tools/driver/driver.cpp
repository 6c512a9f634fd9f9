// Drives the running program's main window from another process:
//   px-driver extract [seconds]   wait for the window, click "提取ip" and
//                                 wait until the shown list has text
//   px-driver close [seconds]     close the window and wait until it is gone
//   px-driver wait [seconds]      wait until the window is shown
//   px-driver shown TITLE [seconds]  wait until a window titled TITLE (any
//                                 program's) is shown
//   px-driver park                move the mouse to the screen's top-left
//                                 corner, away from every window
//   px-driver hover-close [seconds]  move the mouse onto the drawn close
//                                 button and wait for its hover fade to end
//   px-driver notice REGION [seconds]  type REGION into "地区：", click
//                                 "提取ip" and wait until the program's box
//                                 ("岚舟提示") shows; prints its text (UTF-8)
//                                 and leaves it open
// Exit code 0 on success, 1 when the window or the list did not appear in
// time, 2 on wrong usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/main_window.h"
#include "app/notice_box.h"

namespace {

HWND WaitForMainWindow(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND window = FindWindowA(kMainWindowClass, kMainWindowCaption);
    if (window && IsWindowVisible(window)) return window;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(100);
  }
}

int TextLength(HWND control) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length)) return -1;
  return static_cast<int>(length);
}

int Extract(DWORD timeoutMs) {
  HWND window = WaitForMainWindow(timeoutMs);
  if (!window) {
    std::fprintf(stderr, "px-driver: the main window did not appear\n");
    return 1;
  }
  HWND list = MainControl(window, kEdit20);
  HWND button = MainControl(window, kButton10);
  if (!list || !button) {
    std::fprintf(stderr, "px-driver: the window has no list or extract button\n");
    return 1;
  }
  // Posted: the click runs the whole retrieval inside the program.
  PostMessageA(button, BM_CLICK, 0, 0);
  const DWORD start = GetTickCount();
  while (TextLength(list) <= 0) {
    if (GetTickCount() - start >= timeoutMs) {
      std::fprintf(stderr, "px-driver: the list stayed empty\n");
      return 1;
    }
    Sleep(100);
  }
  Sleep(300);  // let the window finish painting before a screenshot
  std::printf("px-driver: the list shows %d characters\n", TextLength(list));
  return 0;
}

// The box's message: its first static text that is not empty (the icon's
// static has none).
BOOL CALLBACK FindMessageText(HWND child, LPARAM found) {
  char className[16] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") != 0) return TRUE;
  wchar_t text[1024] = {};
  if (GetWindowTextW(child, text, 1024) <= 0) return TRUE;
  WideCharToMultiByte(CP_UTF8, 0, text, -1, reinterpret_cast<char*>(found), 4096, nullptr, nullptr);
  return FALSE;
}

int Notice(const char* region, DWORD timeoutMs) {
  HWND window = WaitForMainWindow(timeoutMs);
  if (!window) {
    std::fprintf(stderr, "px-driver: the main window did not appear\n");
    return 1;
  }
  SendMessageA(MainControl(window, kEdit4), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(region));
  PostMessageA(MainControl(window, kButton10), BM_CLICK, 0, 0);
  const DWORD start = GetTickCount();
  HWND box = nullptr;
  while (!(box = FindWindowA(nullptr, kNoticeTitle)) || !IsWindowVisible(box)) {
    if (GetTickCount() - start >= timeoutMs) {
      std::fprintf(stderr, "px-driver: no box appeared\n");
      return 1;
    }
    Sleep(100);
  }
  Sleep(500);  // let the box finish painting before a screenshot
  char message[4096] = {};
  EnumChildWindows(box, FindMessageText, reinterpret_cast<LPARAM>(message));
  std::printf("%s\n", message);
  return 0;
}

int Wait(DWORD timeoutMs) {
  if (!WaitForMainWindow(timeoutMs)) {
    std::fprintf(stderr, "px-driver: the main window did not appear\n");
    return 1;
  }
  Sleep(500);  // let the window finish painting before a screenshot
  return 0;
}

// Moves the mouse as the user would: the program gets the move as input.
// SetCursorPos alone does not always reach a window under Wine, and a
// window that never sees the mouse arrive never shows its hover look.
void MoveMouseTo(POINT at) {
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1;
  const int height = GetSystemMetrics(SM_CYSCREEN) - 1;
  SetCursorPos(at.x, at.y);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = (at.x * 65535 + width / 2) / width;
  move.mi.dy = (at.y * 65535 + height / 2) / height;
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &move, sizeof move);
}

int Shown(const char* title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND window = FindWindowA(nullptr, title);
    if (window && IsWindowVisible(window)) break;
    if (GetTickCount() - start >= timeoutMs) {
      std::fprintf(stderr, "px-driver: no window titled %s appeared\n", title);
      return 1;
    }
    Sleep(100);
  }
  Sleep(500);  // let the window finish painting before a screenshot
  return 0;
}

int Park() {
  MoveMouseTo(POINT{0, 0});
  Sleep(300);
  return 0;
}

// The close button is the rightmost title-bar button, at the client area's
// top-right corner; this point lies within it (pixels from the client
// area's right edge and from its top).
constexpr int kCloseButtonInsetX = 12;
constexpr int kCloseButtonInsetY = 10;
constexpr int kApproachStep = 4;  // pixels; still within the close button

int HoverClose(DWORD timeoutMs) {
  HWND window = WaitForMainWindow(timeoutMs);
  if (!window) {
    std::fprintf(stderr, "px-driver: the main window did not appear\n");
    return 1;
  }
  RECT client{};
  GetClientRect(window, &client);
  const POINT inClient = {client.right - kCloseButtonInsetX, kCloseButtonInsetY};
  POINT at = inClient;
  ClientToScreen(window, &at);
  // Under Wine the first move that lands on the window from afar does not
  // always light the button; a user's mouse arrives in more than one step,
  // the last of them within the button.
  MoveMouseTo(POINT{at.x - kApproachStep, at.y});
  Sleep(200);
  MoveMouseTo(at);
  // The move as the window sees it, too: after an extract the moved mouse
  // does not always reach the window under Wine, and the cursor is on the
  // button already, so no leave follows.
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(inClient.x, inClient.y));
  Sleep(1000);  // the hover fade runs on a 20 ms timer
  return 0;
}

int Close(DWORD timeoutMs) {
  HWND window = FindWindowA(kMainWindowClass, kMainWindowCaption);
  if (!window) return 0;
  PostMessageA(window, WM_CLOSE, 0, 0);
  const DWORD start = GetTickCount();
  while (IsWindow(window)) {
    if (GetTickCount() - start >= timeoutMs) {
      std::fprintf(stderr, "px-driver: the window did not close\n");
      return 1;
    }
    Sleep(100);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "notice") == 0) {
    const int seconds = argc == 4 ? std::atoi(argv[3]) : 90;
    return Notice(argv[2], static_cast<DWORD>(seconds > 0 ? seconds : 90) * 1000);
  }
  if (argc >= 3 && std::strcmp(argv[1], "shown") == 0) {
    const int seconds = argc == 4 ? std::atoi(argv[3]) : 60;
    return Shown(argv[2], static_cast<DWORD>(seconds > 0 ? seconds : 60) * 1000);
  }
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: px-driver extract|close|wait|park|hover-close [seconds]\n");
    return 2;
  }
  const int seconds = argc == 3 ? std::atoi(argv[2]) : 60;
  const DWORD timeoutMs = static_cast<DWORD>(seconds > 0 ? seconds : 60) * 1000;
  if (std::strcmp(argv[1], "extract") == 0) return Extract(timeoutMs);
  if (std::strcmp(argv[1], "close") == 0) return Close(timeoutMs);
  if (std::strcmp(argv[1], "wait") == 0) return Wait(timeoutMs);
  if (std::strcmp(argv[1], "park") == 0) return Park();
  if (std::strcmp(argv[1], "hover-close") == 0) return HoverClose(timeoutMs);
  std::fprintf(stderr, "usage: px-driver extract|close|wait|park|hover-close [seconds]\n");
  return 2;
}
