// The arithmetic of the drawn frame: the resize zones along the edges, the
// work area left free by the taskbar, the title-button strip made at
// install, the status bar layout, the band of a faded picture edge and the
// command numbers of owner-drawn menus.
//
// Portable: no windows.h here.
#pragma once

#include <vector>

#include "geometry/boxes.h"

// Smallest title band; smaller heights are raised to it.
inline constexpr int kMinTitleHeight = 25;

int ClampTitleHeight(int height);

// ---------------------------------------------------------------------------
// Resize zones. Client coordinates; width and height are the client size,
// edge the frame edge. A point on the boundary of W - 10 or H - 10 counts as
// inside the right or bottom zone.

enum class EdgeZone {
  None,
  Left,
  Right,
  Top,
  Bottom,
  TopLeft,
  TopRight,
  BottomLeft,
  BottomRight,
};

// The first zone of the list above (left, right, top, bottom, then the four
// corners) that holds the point; None when no zone does.
EdgeZone EdgeZoneAt(int x, int y, int width, int height, int edge);

// The drag zone of the title band: 4 <= y <= titleHeight and 4 <= x < width - edge.
bool InDragZone(int x, int y, int width, int titleHeight, int edge);

// ---------------------------------------------------------------------------
// The work area: the screen without the taskbar.

// All zero when there is no taskbar window.
struct TaskbarPlacement {
  RectI rect;            // its window rectangle
  bool visible = false;  // it has WS_VISIBLE
};

struct AreaSize {
  int width = 0;
  int height = 0;
};

// Whom the work area is computed for: the two messages treat a vertical
// taskbar differently.
enum class WorkAreaUse { MinMaxInfo, PositionChanged };

// A horizontal taskbar (wider than high) takes its height off the screen
// height unless it is hidden off the top or at the bottom edge (its top
// negative or at least screenHeight - 5). A vertical one takes its width
// off the screen width (for the min-max answer only while it is visible).
// Without a taskbar (all zero) the whole screen is the work area.
AreaSize ComputeWorkArea(int screenWidth, int screenHeight, const TaskbarPlacement& taskbar,
                         WorkAreaUse use);

// ---------------------------------------------------------------------------
// The title-button strip as the installer first places it.

inline constexpr int kTitleButtonWidth = 26;
inline constexpr int kCloseButtonWidth = 38;
inline constexpr int kTitleButtonHeight = 18;
inline constexpr int kStripHeight = 22;

// buttonWidths are the nominal widths of the buttons in order (26, the
// close button 38). width = sum + (count - 1) + 3; height 22; y 0;
// x = clientWidth - edge - width - 2.
RectI InstallStripPlacement(const std::vector<int>& buttonWidths, int clientWidth,
                                     int edge);

// ---------------------------------------------------------------------------
// Status bar.

// The bar along the bottom of a client area of clientRight x clientBottom:
// top = clientBottom - edge - height - 1; (edge, top, clientRight - 2 * edge, height).
RectI StatusBarRect(int clientRight, int clientBottom, int edge, int height);

// The item rectangles of the bar: x starts at edge and advances by the
// previous item's width as given; an item of width -1 reaches to
// clientRight - edge.
std::vector<RectI> StatusItemRects(const std::vector<int>& itemWidths, int clientRight,
                                     int clientBottom, int edge, int height);

// ---------------------------------------------------------------------------
// Picture edge fading: the band is 30 % of the picture's width, rounded.
int FadeBandWidth(int pictureWidth);

// ---------------------------------------------------------------------------
// Owner-drawn menu commands: the decimal digits of a command without its
// last three are the menu record number, the last three the item number.
struct MenuCommand {
  long long menu = 0;
  int item = 0;
};
MenuCommand SplitMenuCommand(unsigned long command);
