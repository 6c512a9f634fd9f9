// A skinned frame for the rendering and title-button tests: a real popup
// window (326 x 393 like the program's) with a window record built the way
// the frame installer builds it (title band 50, buttons by style, the
// embedded background picture in mode 3, title gloss).
//
// The window's procedure stands in for the frame procedure in the parts
// these tests drive: WM_PAINT presents the back buffer (a full render when
// needsFullRedraw is set), WM_TIMER with the window's own identifier runs a
// fade step and logs what it painted, WM_SYSCOMMAND is logged and not
// carried out (so a close or minimise leaves the window in place).
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "skin/frame/title_button_logic.h"
#include "skin/state/skin_state.h"
#include "tests/control_host/control_host.h"

struct FrameOptions {
  int width = 326;
  int height = 393;
  bool minimizeBox = false;
  bool maximizeBox = false;
  bool help = false;
  bool menu = false;
  bool close = true;
  bool tooltip = false;
  int titleHeight = 50;
  bool titleGloss = true;
  bool backgroundPicture = true;  // the embedded JPEG in mode 3
  int backgroundMode = 3;
  int fillColour = -1;
  int fillAlpha = 255;
  bool visible = true;
};

class FrameWindow {
 public:
  explicit FrameWindow(const FrameOptions& options = FrameOptions());
  ~FrameWindow();
  FrameWindow(const FrameWindow&) = delete;
  FrameWindow& operator=(const FrameWindow&) = delete;

  HWND get() const { return window_; }
  int index() const;
  WindowRecord& record() const;

  // Fade steps run by the window's timer, in order.
  std::vector<ButtonPaint> timerPaints;
  int timerMessages = 0;
  // WM_SYSCOMMAND wParams received, in order.
  std::vector<WPARAM> sysCommands;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
};

// Empty skin state with the start-up values, GDI+ running and a class icon.
void ResetFrameSkinState();

// lParam of a client point.
LPARAM PointParam(int x, int y);

// The frame's back buffer and composite as pixels.
PixelImage CaptureFrameDc(const FrameWindow& frame);
PixelImage CaptureFrameCopy(const FrameWindow& frame);

// r + g + b (0-765) of an 0x00RRGGBB pixel.
int Brightness(std::uint32_t rgb);
