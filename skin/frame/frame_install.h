// Installing the drawn frame on a top-level window, and the frame settings
// an application changes afterwards: caption style, close effect, status
// bar. The installer fills the window's record, creates its title-bar
// buttons, skins the controls on the window and puts FrameSkinProc in front
// of the window's own procedure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "app/text_ops.h"
#include "skin/state/skin_state.h"

// Frame edge width set by the installer.
inline constexpr int kFrameEdge = 3;

// The drawn frame's settings. A member not given takes its default (in
// brackets); one given as 0 or false is that value.
struct FrameSkinOptions {
  // Height of the title band; below 25 becomes 25, given or not (25).
  std::optional<int> titleHeight;
  // The title bar is interactive (true); given true it also gets a tooltip
  // window naming the buttons.
  std::optional<bool> titleBarLive;
  std::optional<bool> resizable;       // edges resize, a title double click maximises (true)
  std::optional<bool> showHelpButton;  // (false)
  std::optional<bool> showMenuButton;  // (false)
  std::optional<bool> drawCaption;     // icon and caption text (true)
  std::optional<bool> titleGloss;      // gloss gradient over the title band (false)
  std::optional<int> statusHeight;     // a value above 0 creates a status bar (none)
  std::optional<std::vector<StatusItem>> statusItems;  // (none)
  std::optional<Bytes> backgroundImage;                // encoded picture (none)
  std::optional<BackgroundMode> backgroundMode;        // (DefaultBackgroundMode)
  std::optional<int> fillColour;  // colour laid over the background, -1 none (-1)
  std::optional<int> fillAlpha;   // its alpha (255)
  std::optional<bool> hideCloseButton;  // (false)
};

// Skins window once (a window that has a record already is left alone).
void InstallFrameSkin(HWND window, const FrameSkinOptions& options = FrameSkinOptions());

// The caption settings SetCaptionStyle changes; only the given ones change.
struct CaptionStyle {
  std::optional<Text> font;
  std::optional<int> size;
  std::optional<int> colour;
  std::optional<int> glowColour;
  std::optional<bool> bold;
  std::optional<bool> glow;
};

// Replaces every given caption setting of the skinned window and redraws
// the caption with the window's text. False when window has no record.
bool SetCaptionStyle(HWND window, const CaptionStyle& style);

// closeEffect = effect. False when window has no record.
bool SetCloseEffect(HWND window, CloseEffect effect);

// The picture with its inner edge and its bottom melting into
// averageColour, as PNG bytes: fadeLeftEdge fades the left 30 % (a picture
// placed top-right), otherwise the right 30 % (placed top-left); the bottom
// 30 % always. Empty when the picture does not decode.
Bytes FadeImageEdges(const Bytes& imageBytes, std::uint32_t averageColour, bool fadeLeftEdge);

// Sets up the status bar of window record windowIndex with the given
// height; with itemsGiven the items replace the stored ones.
void InstallStatusBar(int windowIndex, int height, const std::vector<StatusItem>& items,
                      bool itemsGiven);
// Places the status bar and its item rectangles by the current client size.
void LayoutStatusBar(int windowIndex);
