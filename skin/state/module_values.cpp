// The settings that change the skin's module-wide values.
#include "skin/state/skin_state.h"

void ApplySkinStartupValues() {
  SkinChildControls = 1;
  ControlOverlayAlpha = 160;
  AccentColour = kAccentColour;
  TrackbarFrameShown = 1;
  WideHotFrame = 1;
  FirstResizePending = 1;
}

void SetControlSkinOptions(int skinChildren, std::optional<int> overlayAlpha,
                           std::optional<int> optionFlag) {
  SkinChildControls = skinChildren;
  ControlOverlayAlpha = overlayAlpha.value_or(160);
  ControlBackdropSet = overlayAlpha.has_value() ? 1 : 0;
  TrackbarFrameShown = optionFlag.value_or(1);
}
