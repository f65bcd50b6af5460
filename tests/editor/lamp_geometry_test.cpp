#include "editor/lamp_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/worked_presses.h"

namespace glyphgrid {
namespace {

TEST(LampGeometryTest, LampBoundsFollowTheGrid) {
  const std::tuple<LampIndex, int, int> cases[] = {
      {0, 3240, 2280}, {7, 1560, 2280}, {56, 3240, 600}, {63, 1560, 600}, {27, 2520, 1560}};
  for (const auto& [index, left, top] : cases) {
    const TwipRect r = LampBounds(index);
    EXPECT_EQ(std::make_tuple(r.left, r.top, r.width, r.height),
              std::make_tuple(left, top, 255, 255))
        << index;
  }
}

TEST(LampGeometryTest, WorkedPressesAndNonFiniteOnes) {
  for (const WorkedPress& p : WorkedPresses) {
    EXPECT_EQ(LampAtPress(p.x, p.y), p.lamp) << p.x << ", " << p.y;
  }
  const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
  for (const auto& [x, y] :
       {std::pair{nan, 1000.0}, {2000.0, nan}, {inf, 1000.0}, {1e300, -1e300}}) {
    EXPECT_EQ(LampAtPress(x, y), std::nullopt) << x << ", " << y;
  }
}

TEST(LampGeometryTest, EveryLampCentreMapsToThatLamp) {
  for (LampIndex i = 0; i < LampCount; ++i) {
    const TwipRect r = LampBounds(i);
    EXPECT_EQ(LampAtPress(r.left + r.width / 2.0, r.top + r.height / 2.0), i);
  }
}

}  // namespace
}  // namespace glyphgrid
