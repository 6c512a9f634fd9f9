// The skin's module-wide values and the settings that change them.
#include "skin/state/skin_state.h"

int FrameEdge = 3;
TitleButtonActionRoutine TitleButtonAction = nullptr;
int HotTitleButton = 0;
int FirstResizePending = 0;
int DefaultBackgroundMode = 0;
Bytes DefaultBackgroundImage;
int DefaultBackgroundColour = 0;
int SkinChildControls = 0;
int ControlOverlayAlpha = 0;
int ControlBackdropSet = 0;
int AccentColour = 0;
int TrackbarFrameShown = 0;
int WideHotFrame = 0;

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
