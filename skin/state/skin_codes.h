// The numbered codes of the skin state, named, with the values the skin's
// records and window properties carry.
#pragma once

// The kind of a drawn title-bar button.
enum TitleButtonKind : int {
  kCloseButtonKind = 0,
  kMaximiseButtonKind = 1,  // maximise / restore
  kMinimiseButtonKind = 2,
  kMenuButtonKind = 3,
  kHelpButtonKind = 4,
  kCustomButtonKind = 5,
};

// The kind of a button record.
enum ButtonKind : int { kButtonKindPush = 0, kButtonKindRadio = 4, kButtonKindCheck = 5 };

// The class of control the mouse was last over (hotControlClass); progress
// bars take no part in hover.
enum HotControlClass : int {
  kHotClassButton = 0,
  kHotClassEdit = 1,
  kHotClassTrackbar = 2,
  kHotClassCombo = 3,
  kHotClassList = 4,
  kHotClassUpDown = 8,
  kHotClassHeader = 9,
};

// The effect played when a skinned frame closes.
enum CloseEffect : int { kCloseEffectNone = 0, kCloseEffectShrink = 1, kCloseEffectPulse = 2 };

// How a frame's background picture is placed.
enum BackgroundMode : int {
  kBackgroundTopLeft = 0,
  kBackgroundTopRight = 1,
  kBackgroundCentred = 2,
  kBackgroundStretched = 3,
  kBackgroundRepeated = 4,
};

// The look of a container's frame.
enum ContainerFrameStyle : int { kFrameStyleOther = 0, kFrameStyleGroupBox = 1, kFrameStyleTabControl = 2 };

// Where a trackbar's ticks are (TrackbarRecord::tickPlacement), from its style.
enum TickPlacement : int {
  kTicksTop = 0,     // TBS_TOP (ticks above / left)
  kTicksBottom = 1,  // the default (below / right)
  kTicksBoth = 2,    // TBS_BOTH
  kTicksNone = 3,    // TBS_NOTICKS
};
