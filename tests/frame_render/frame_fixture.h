// A skinned frame for the rendering and title-button tests: a real popup
// window (326 x 393 like the program's) with a window record built as the
// installer builds it (title band 50, buttons by style, the embedded
// background picture stretched, title gloss) and the frame procedure in
// front of the window's own.
//
// The window's own procedure, behind the frame procedure, logs what reaches
// it: the state of the fades after every fade-timer message, and the system
// commands, which it does not carry out.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/frame/title_button_logic.h"
#include "skin/state/skin_state.h"
#include "tests/control_host/control_host.h"

struct FrameOptions {
  bool minimizeBox = false;
  bool maximizeBox = false;
  bool help = false;
  bool close = true;
  bool titleGloss = true;
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

  // The record's fades after each fade-timer message, in order.
  struct FadeSnapshot {
    FadeState fadeIn, fadeOut;
  };
  std::vector<FadeSnapshot> timerFades;
  int timerMessages = 0;
  std::vector<WPARAM> sysCommands;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
};

// Empty skin tables and start-up values; the cursor parked in a corner, away
// from the test windows.
void ResetFrameSkinState();
LPARAM PointParam(int x, int y);
PixelImage CaptureFrameDc(const FrameWindow& frame);
PixelImage CaptureFrameCopy(const FrameWindow& frame);
// r + g + b (0-765) of an 0x00RRGGBB pixel.
int Brightness(std::uint32_t rgb);
