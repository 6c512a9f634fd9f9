// Test windows for the frame skin: a top-level window whose own procedure
// records what reaches it (the messages the frame procedure passes on) and
// can refuse the system's move and size loops or a close, so that the
// tests see what the frame asked for without entering modal loops.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "skin/state/skin_state.h"

// Empty skin tables, start-up values, SetControlSkinOptions(1, 0) as the
// program sets them, GDI+ running; the cursor parked in the screen's corner.
void ResetFrameSkinState();

struct SeenMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

class TestFrame {
 public:
  // A WS_POPUP window of style | WS_POPUP at (x, y), width x height,
  // hidden, captioned like the program's window.
  explicit TestFrame(DWORD style = 0, int width = 326, int height = 393, int x = 40, int y = 40);
  ~TestFrame();
  TestFrame(const TestFrame&) = delete;
  TestFrame& operator=(const TestFrame&) = delete;

  HWND get() const { return window_; }
  bool Alive() const { return window_ != nullptr && IsWindow(window_); }
  // The window's record index (Hw_lbID) and record; the record must exist.
  int Index() const;
  WindowRecord& Record() const;

  // A child control of class cls with WS_CHILD | WS_VISIBLE added.
  HWND AddControl(const char* cls, const char* text, DWORD style, int x, int y, int width,
                  int height, int id = 0);

  // Installs the frame skin as the program does for its main window: title
  // height 50, not resizable, gloss, the embedded background stretched;
  // then the caption style and the pulse close effect.
  void InstallLikeProgram();

  // Messages the window's own procedure received.
  int Count(UINT message) const;
  std::optional<SeenMessage> Last(UINT message) const;
  void ClearSeen() { seen_.clear(); }

  // WM_NCLBUTTONDOWN and WM_SYSCOMMAND SC_MOVE / SC_SIZE end in the own
  // procedure (answered 0) instead of starting the system's loops.
  bool refuseLoops = true;
  // WM_CLOSE ends in the own procedure: the window stays.
  bool refuseClose = false;

  // Called with every message the own procedure receives, before it acts.
  std::function<void(const SeenMessage&)> watch;

  // The window procedure in place when the own procedure got WM_NCDESTROY
  // (of the last test frame destroyed).
  static WNDPROC procAtNcDestroy;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  std::vector<SeenMessage> seen_;
};

// Client-coordinate lParam of a mouse message.
LPARAM ClientPoint(int x, int y);
// The centre of title button b (1-based) of the record.
POINT ButtonCentre(const WindowRecord& record, int button);
