// The resize zones along the frame's edges and corners.
#include <gtest/gtest.h>

#include "skin/frame/frame_geometry.h"

namespace {

constexpr int kW = 326;
constexpr int kH = 393;
constexpr int kE = 3;

TEST(FrameGeometry, EdgeZonesOnTheirBoundaries) {
  const struct {
    int x, y;
    EdgeZone zone;
  } cases[] = {
      {3, 100, EdgeZone::Left},          {4, 100, EdgeZone::None},
      {kW - 3, 100, EdgeZone::Right},    {kW - 4, 100, EdgeZone::None},
      {100, 3, EdgeZone::Top},           {100, kH - 3, EdgeZone::Bottom},
      {100, kH - 4, EdgeZone::None},
      {2, 10, EdgeZone::TopLeft},        {2, 11, EdgeZone::Left},
      {11, 10, EdgeZone::None},          {kW - 10, 2, EdgeZone::TopRight},
      {kW - 11, 2, EdgeZone::Top},       {2, kH - 10, EdgeZone::BottomLeft},
      {kW - 10, kH - 10, EdgeZone::BottomRight}, {kW - 10, kH - 11, EdgeZone::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EdgeZoneAt(c.x, c.y, kW, kH, kE), c.zone) << c.x << "," << c.y;
  }
}

}  // namespace
