// Test windows for the frame skin: a top-level window whose own procedure
// records what reaches it and can refuse the system's move and size loops
// or a close, so that tests see what the frame asked for without entering
// modal loops.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "skin/frame/frame_install.h"
#include "skin/state/skin_state.h"

// Empty skin tables and start-up values; the cursor parked in a corner.
void ResetFrameSkinState();

// Frame options with the title height (and resizability) given.
FrameSkinOptions TitleHeightOptions(int height, std::optional<bool> resizable = std::nullopt);

struct SeenMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

class TestFrame {
 public:
  // A hidden WS_POPUP | style window captioned like the program's.
  explicit TestFrame(DWORD style = 0, int width = 326, int height = 393, int x = 40, int y = 40);
  ~TestFrame();
  TestFrame(const TestFrame&) = delete;
  TestFrame& operator=(const TestFrame&) = delete;

  HWND get() const { return window_; }
  bool Alive() const { return window_ != nullptr && IsWindow(window_); }
  int Index() const;
  WindowRecord& Record() const;
  HWND AddControl(const char* cls, const char* text, DWORD style, int x, int y, int width,
                  int height);
  // The program's main-window install: title 50, fixed, gloss, the embedded
  // background stretched, black caption with a white halo, pulse close.
  void InstallLikeProgram();

  int Count(UINT message) const;
  std::optional<SeenMessage> Last(UINT message) const;
  void ClearSeen() { seen_.clear(); }

  // WM_NCLBUTTONDOWN and SC_MOVE / SC_SIZE end here instead of in the
  // system's loops; refuseClose keeps the window on WM_CLOSE.
  bool refuseLoops = true;
  bool refuseClose = false;
  // The window procedure in place when WM_NCDESTROY reached the own one.
  static WNDPROC procAtNcDestroy;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  std::vector<SeenMessage> seen_;
};

LPARAM ClientPoint(int x, int y);
// The centre of title button b (1-based).
POINT ButtonCentre(const WindowRecord& record, int button);
