// The geometry and timing of the two close effects: ten frames, each with
// the window's new place and size, its alpha and the pause after it.
//
// Portable: no windows.h here.
#pragma once

#include "skin/state/skin_codes.h"

#include <vector>

#include "geometry/boxes.h"

inline constexpr int kCloseEffectFrames = 10;

struct CloseEffectFrame {
  RectI box;        // where the window's picture is shown
  int alpha = 0;    // 230, 205, ..., 5
  int pauseMs = 0;
};

// Frames of effect 1 (shrink: dx = width / 10, dy = height / 10, truncated;
// every frame moves by half of them and shrinks by them; pause 20 - i) or
// effect 2 (pulse: dx, dy = 2 % of width and height, rounded; frames 1-5
// shrink, 6-10 grow back; pause 20 - 2i). Halves are rounded half away
// from zero. Any other effect gives no frames.
std::vector<CloseEffectFrame> CloseEffectFrames(int effect, int left, int top, int width,
                                                int height);
