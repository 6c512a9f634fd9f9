// The arithmetic of the drawn title-bar buttons: where the buttons lie in
// their strip, which button a point hits, and the hover fade as a small
// state machine over the fade fields of a window record. The window-side
// routines (title_buttons.h) apply what these return.
//
// Portable: no windows.h here.
#pragma once

#include "geometry/boxes.h"
#include "skin/state/skin_codes.h"

#include <vector>

inline constexpr int kTitleButtonPitch = 27;      // left edge to left edge
inline constexpr int kCloseHitWidth = 40;         // close button's hit rectangle
inline constexpr int kOtherHitWidth = 26;
inline constexpr int kButtonHitHeight = 18;
inline constexpr int kFadeSteps = 8;
inline constexpr int kFadeAlphaStep = 30;         // alpha 30, 60, ..., 240
inline constexpr int kFadeIntervalMs = 20;


// stripX of a laid-out strip: client right - strip width + 1.
int StripLeft(int clientRight, int stripWidth);

// Rectangles of buttons of the given kinds, left to right: button i (from 0)
// at (stripX + 2 + i * 27, stripY + 1), 40 wide for the close button and 26
// for every other kind, 18 high.
std::vector<RectF> LayoutButtonBoxes(int stripX, int stripY, const std::vector<int>& kinds);

// stripX <= x <= stripX + width and 0 <= y <= height (edges included).
bool PointInStripBox(const RectI& strip, int x, int y);

// 0 unless x >= stripX and stripY <= y <= stripY + height; then the first
// button whose rectangle holds the point strictly inside (a point on an
// edge belongs to no button), 1-based; 0 when none.
int ButtonIndexAt(const RectI& strip, const std::vector<RectF>& boxes, int x, int y);

// ---------------------------------------------------------------------------
// Hover fade.

struct FadeSlot {
  int button = 0;  // 1-based, 0 = none
  int step = 0;    // 0-8
};

// The fade fields of one window record.
struct FadeModel {
  int hotButton = 0;
  FadeSlot fadeIn;
  FadeSlot fadeOut;
  bool fadeTimerOn = false;
  bool mouseTracking = false;
};

// One paint of a button in its not-pressed look at an alpha (0 = plain).
struct ButtonPaint {
  int button = 0;
  int alpha = 0;
};

struct FadeActions {
  std::vector<ButtonPaint> paints;  // in order
  bool startTimer = false;
  bool killTimer = false;
};

// Mouse moved to a point: inStrip tells whether it lies in the strip,
// buttonUnderMouse is the button under it (0 = none) and becomes the new
// hot title button. Starts the timer when it is not running and the point
// is in the strip; outside the strip fadeTimerOn drops to 0 (the timer runs
// on until the fade ends). A button left before its fade-out finished is
// painted plain at once before the newly left button starts fading out.
FadeActions FadeOnMouseMove(FadeModel& model, bool inStrip, int buttonUnderMouse);

// The mouse left the window (mouseTracking already 0): the hot button
// starts fading out; when neither fade has finished, the button still
// fading out is painted plain at once and the fade-in is dropped. Nothing
// happens while no button is hot.
FadeActions FadeOnMouseLeave(FadeModel& model);

// One 20 ms step: the fade-in button gets alpha step x 30, the fade-out
// button 240 - step x 30. Once the fade-out has ended (or there is none)
// and the mouse is no longer tracked or outside the strip, the timer is
// killed and every fade field is cleared.
FadeActions FadeOnTimer(FadeModel& model);
