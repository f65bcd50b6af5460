#include "editor/lamp_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace glyphgrid {
namespace {

TEST(LampGeometryTest, LampBoundsFollowTheGrid) {
  struct Case {
    LampIndex index;
    int left;
    int top;
  };
  const Case cases[] = {
      {0, 3240, 2280}, {7, 1560, 2280}, {56, 3240, 600}, {63, 1560, 600}, {27, 2520, 1560}};
  for (const Case& c : cases) {
    const TwipRect r = LampBounds(c.index);
    EXPECT_EQ(r.left, c.left) << "lamp " << c.index;
    EXPECT_EQ(r.top, c.top) << "lamp " << c.index;
    EXPECT_EQ(r.width, 255);
    EXPECT_EQ(r.height, 255);
  }
}

struct Press {
  double x;
  double y;
  std::optional<LampIndex> lamp;
};

class LampAtPressTest : public ::testing::TestWithParam<Press> {};

TEST_P(LampAtPressTest, MapsThePressToTheLampItToggles) {
  const Press& p = GetParam();
  EXPECT_EQ(LampAtPress(p.x, p.y), p.lamp) << "press at " << p.x << ", " << p.y;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedPresses, LampAtPressTest,
    ::testing::Values(Press{1687, 727, 63}, Press{3367, 2407, 0}, Press{2647, 1687, 27},
                      Press{1800, 840, 54}, Press{1799, 839, 63}, Press{3240, 2280, 0},
                      Press{3250, 2167, 8}, Press{1576, 700, 63}, Press{1575, 700, std::nullopt},
                      Press{3459, 2499, 0}, Press{3460, 2400, std::nullopt}, Press{2000, 631, 62},
                      Press{2000, 630, std::nullopt}, Press{2000, 2500, std::nullopt},
                      Press{3480, 2407, std::nullopt}, Press{1000, 1000, std::nullopt}));

INSTANTIATE_TEST_SUITE_P(NonFinite, LampAtPressTest,
                         ::testing::Values(Press{std::nan(""), 1000, std::nullopt},
                                           Press{2000, std::nan(""), std::nullopt},
                                           Press{std::numeric_limits<double>::infinity(), 1000,
                                                 std::nullopt},
                                           Press{1e300, -1e300, std::nullopt}));

TEST(LampGeometryTest, EveryLampCentreMapsToThatLamp) {
  for (LampIndex i = 0; i < LampCount; ++i) {
    const TwipRect r = LampBounds(i);
    EXPECT_EQ(LampAtPress(r.left + r.width / 2.0, r.top + r.height / 2.0), i);
  }
}

}  // namespace
}  // namespace glyphgrid
