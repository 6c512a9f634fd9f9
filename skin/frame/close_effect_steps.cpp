// Frames of the close effects.
#include "skin/frame/close_effect_steps.h"

#include <cmath>

namespace {

int RoundHalfAway(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

std::vector<CloseEffectFrame> CloseEffectFrames(int effect, int left, int top, int width,
                                                int height) {
  std::vector<CloseEffectFrame> frames;
  if (effect != kCloseEffectShrink && effect != kCloseEffectPulse) return frames;
  int dx = 0;
  int dy = 0;
  if (effect == kCloseEffectShrink) {
    dx = width / 10;
    dy = height / 10;
  } else {
    dx = RoundHalfAway(width * 0.02);
    dy = RoundHalfAway(height * 0.02);
  }
  const int halfX = RoundHalfAway(dx / 2.0);
  const int halfY = RoundHalfAway(dy / 2.0);
  int alpha = 255;
  for (int i = 1; i <= kCloseEffectFrames; ++i) {
    alpha -= 25;
    const bool shrinking = effect == kCloseEffectShrink || i <= 5;
    if (shrinking) {
      left += halfX;
      top += halfY;
      width -= dx;
      height -= dy;
    } else {
      left -= halfX;
      top -= halfY;
      width += dx;
      height += dy;
    }
    CloseEffectFrame frame;
    frame.box = RectI{left, top, width, height};
    frame.alpha = alpha;
    frame.pauseMs = effect == kCloseEffectShrink ? 20 - i : 20 - 2 * i;
    frames.push_back(frame);
  }
  return frames;
}
