// The arithmetic of the drawn frame (see frame_geometry.h).
#include "skin/frame/frame_geometry.h"

#include <cmath>

int ClampTitleHeight(int height) { return height < kMinTitleHeight ? kMinTitleHeight : height; }

EdgeZone EdgeZoneAt(int x, int y, int width, int height, int edge) {
  const bool besideSides = y >= 11 && y < height - 10;
  const bool besideEnds = x >= 11 && x < width - 10;
  if (x <= edge && besideSides) return EdgeZone::Left;
  if (x >= width - edge && besideSides) return EdgeZone::Right;
  if (besideEnds && y <= edge) return EdgeZone::Top;
  if (besideEnds && y >= height - edge) return EdgeZone::Bottom;
  if (x <= 10 && y <= 10) return EdgeZone::TopLeft;
  if (x >= width - 10 && y <= 10) return EdgeZone::TopRight;
  if (x <= 10 && y >= height - 10) return EdgeZone::BottomLeft;
  if (x >= width - 10 && y >= height - 10) return EdgeZone::BottomRight;
  return EdgeZone::None;
}

bool InDragZone(int x, int y, int width, int titleHeight, int edge) {
  return y >= 4 && y <= titleHeight && x >= 4 && x < width - edge;
}

AreaSize ComputeWorkArea(int screenWidth, int screenHeight, const TaskbarPlacement& taskbar,
                         WorkAreaUse use) {
  const int barWidth = taskbar.rect.width;
  const int barHeight = taskbar.rect.height;
  AreaSize area{screenWidth, screenHeight};
  if (static_cast<double>(barWidth) - barHeight > 0.0000001) {
    // Along the top or bottom edge; one hidden off the top or pushed to
    // the bottom edge (auto-hide) leaves the full height.
    const bool hidden = taskbar.rect.y < 0 || taskbar.rect.y >= screenHeight - 5;
    if (!hidden) area.height = screenHeight - barHeight;
  } else if (use == WorkAreaUse::PositionChanged || taskbar.visible) {
    area.width = screenWidth - barWidth;
  }
  return area;
}

RectI InstallStripPlacement(const std::vector<int>& buttonWidths, int clientWidth,
                                     int edge) {
  int sum = 0;
  for (int w : buttonWidths) sum += w;
  RectI strip;
  strip.width = sum + (static_cast<int>(buttonWidths.size()) - 1) + 3;
  strip.height = kStripHeight;
  strip.y = 0;
  strip.x = clientWidth - edge - strip.width - 2;
  return strip;
}

RectI StatusBarRect(int clientRight, int clientBottom, int edge, int height) {
  return RectI{edge, clientBottom - edge - height - 1, clientRight - 2 * edge, height};
}

std::vector<RectI> StatusItemRects(const std::vector<int>& itemWidths, int clientRight,
                                     int clientBottom, int edge, int height) {
  const int top = clientBottom - edge - height - 1;
  std::vector<RectI> rects;
  rects.reserve(itemWidths.size());
  int x = edge;
  for (size_t i = 0; i < itemWidths.size(); ++i) {
    if (i > 0) x += itemWidths[i - 1];
    const int width = itemWidths[i] == -1 ? clientRight - edge - x : itemWidths[i];
    rects.push_back(RectI{x, top, width, height});
  }
  return rects;
}

int FadeBandWidth(int pictureWidth) { return static_cast<int>(std::lround(pictureWidth * 0.3)); }

MenuCommand SplitMenuCommand(unsigned long command) {
  return MenuCommand{static_cast<long long>(command / 1000), static_cast<int>(command % 1000)};
}
