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

// Skins window once (a window that has a record already is left alone).
// Every optional parameter that is not given takes its default:
//   titleHeight      height of the title band; below 25 becomes 25, given
//                    or not (default 25)
//   titleBarLive     the title bar is interactive (1); given non-zero it
//                    also gets a tooltip window naming the buttons
//   resizable        edges resize, a title double click maximises (1)
//   showHelpButton   help button (0)
//   showMenuButton   main-menu button (0)
//   drawCaption      icon and caption text (1)
//   titleGloss       gloss gradient over the title band (0)
//   statusHeight     a value above 0 creates a status bar (none)
//   statusItems      status items (empty)
//   backgroundImage  encoded picture drawn as the background (empty)
//   backgroundMode   0-4 (DefaultBackgroundMode)
//   fillColour       colour laid over the background, -1 none (-1)
//   fillAlpha        its alpha (255)
//   hideCloseButton  non-zero: no close button; only the value counts (0)
void InstallFrameSkin(HWND window, std::optional<int> titleHeight = std::nullopt,
                      std::optional<int> titleBarLive = std::nullopt,
                      std::optional<int> resizable = std::nullopt,
                      std::optional<int> showHelpButton = std::nullopt,
                      std::optional<int> showMenuButton = std::nullopt,
                      std::optional<int> drawCaption = std::nullopt,
                      std::optional<int> titleGloss = std::nullopt,
                      std::optional<int> statusHeight = std::nullopt,
                      const std::optional<std::vector<StatusItem>>& statusItems = std::nullopt,
                      const std::optional<Bytes>& backgroundImage = std::nullopt,
                      std::optional<int> backgroundMode = std::nullopt,
                      std::optional<int> fillColour = std::nullopt,
                      std::optional<int> fillAlpha = std::nullopt,
                      std::optional<int> hideCloseButton = std::nullopt);

// Replaces every given caption setting of the skinned window and redraws
// the caption with the window's text. False when window has no record.
bool SetCaptionStyle(HWND window, const std::optional<Text>& font = std::nullopt,
                     std::optional<int> size = std::nullopt,
                     std::optional<int> colour = std::nullopt,
                     std::optional<int> glowColour = std::nullopt,
                     std::optional<int> bold = std::nullopt,
                     std::optional<int> glow = std::nullopt);

// closeEffect = effect (0 none, 1 shrink, 2 pulse). False when window has
// no record.
bool SetCloseEffect(HWND window, int effect);

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
