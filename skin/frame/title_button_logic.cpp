// Title-button layout, hit tests and the hover fade state machine.
#include "skin/frame/title_button_logic.h"

#include <cstddef>

int StripLeft(int clientRight, int stripWidth) { return clientRight - stripWidth + 1; }

std::vector<RectF> LayoutButtonBoxes(int stripX, int stripY, const std::vector<int>& kinds) {
  std::vector<RectF> boxes;
  const int x0 = stripX + 2;
  const int y0 = stripY + 1;
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    RectF box;
    box.x = static_cast<float>(x0 + static_cast<int>(i) * kTitleButtonPitch);
    box.y = static_cast<float>(y0);
    box.width = static_cast<float>(kinds[i] == kCloseButtonKind ? kCloseHitWidth : kOtherHitWidth);
    box.height = static_cast<float>(kButtonHitHeight);
    boxes.push_back(box);
  }
  return boxes;
}

bool PointInStripBox(const RectI& strip, int x, int y) {
  return strip.x <= x && x <= strip.x + strip.width && y <= strip.height && y >= 0;
}

int ButtonIndexAt(const RectI& strip, const std::vector<RectF>& boxes, int x, int y) {
  if (x < strip.x || y < strip.y || y > strip.y + strip.height) return 0;
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const RectF& b = boxes[i];
    if (b.x < fx && fx < b.x + b.width && b.y < fy && fy < b.y + b.height) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

FadeActions FadeOnMouseMove(FadeModel& model, bool inStrip, int buttonUnderMouse) {
  FadeActions actions;
  if (inStrip) {
    if (!model.fadeTimerOn) {
      actions.startTimer = true;
      model.fadeTimerOn = true;
    }
  } else {
    model.fadeTimerOn = false;
  }
  const int hot = buttonUnderMouse;
  if (model.hotButton >= 1 && model.hotButton != hot) {
    // An unfinished fade-out ends at once before the next one starts.
    if (model.fadeOut.step < kFadeSteps && model.fadeOut.button >= 1) {
      actions.paints.push_back({model.fadeOut.button, 0});
    }
    model.fadeOut = {model.hotButton, 0};
  }
  if (hot >= 1 && hot != model.hotButton) model.fadeIn = {hot, 0};
  model.hotButton = hot;
  return actions;
}

FadeActions FadeOnMouseLeave(FadeModel& model) {
  FadeActions actions;
  if (model.hotButton < 1) return actions;
  if (model.fadeOut.step <= kFadeSteps - 1 && model.fadeIn.step <= kFadeSteps - 1) {
    if (model.fadeOut.button >= 1) actions.paints.push_back({model.fadeOut.button, 0});
    model.fadeIn = {0, 0};
  }
  model.fadeOut = {model.hotButton, 0};
  model.hotButton = 0;
  return actions;
}

FadeActions FadeOnTimer(FadeModel& model) {
  FadeActions actions;
  if (model.fadeIn.button >= 1 && model.fadeIn.step <= kFadeSteps - 1) {
    model.fadeIn.step += 1;
    actions.paints.push_back({model.fadeIn.button, model.fadeIn.step * kFadeAlphaStep});
  }
  if (model.fadeOut.button >= 1 && model.fadeOut.step <= kFadeSteps - 1) {
    model.fadeOut.step += 1;
    actions.paints.push_back(
        {model.fadeOut.button, kFadeSteps * kFadeAlphaStep - model.fadeOut.step * kFadeAlphaStep});
  }
  if ((!model.mouseTracking || !model.fadeTimerOn) &&
      (model.fadeOut.step > kFadeSteps - 1 || model.fadeOut.button == 0)) {
    model.fadeTimerOn = false;
    actions.killTimer = true;
    model.hotButton = 0;
    model.fadeIn = {0, 0};
    model.fadeOut = {0, 0};
  }
  return actions;
}
