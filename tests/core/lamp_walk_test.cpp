#include "core/lamp_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/lamp_geometry.h"

namespace glyphgrid {
namespace {

TEST(LampWalkTest, StraightDrags) {
  const std::tuple<double, double, double, double, std::vector<LampIndex>> drags[] = {
      // Across the top row in one move, from outside to outside.
      {1500, 700, 3500, 700, {63, 62, 61, 60, 59, 58, 57, 56}},
      {3500, 2400, 1500, 2400, {0, 1, 2, 3, 4, 5, 6, 7}},
      {1600, 700, 1600, 700, {63}},
      // Exactly through a corner: the cell that owns the corner point, none beside it.
      {1680, 720, 1920, 960, {63, 54}},
      {1000, 720, 1700, 720, {63}},
      {0, 0, 1000, 3000, {}},
  };
  for (const auto& [x0, y0, x1, y1, lamps] : drags) {
    EXPECT_EQ(LampsCrossed(x0, y0, x1, y1), lamps) << x0 << "," << y0 << " " << x1 << "," << y1;
  }
}

// The part of the segment inside a closed rectangle, as parameters along it (Liang-Barsky); none
// when it misses.
std::optional<std::pair<double, double>> Clip(double x0, double y0, double x1, double y1,
                                              double left, double top, double right,
                                              double bottom) {
  double enter = 0;
  double leave = 1;
  const std::pair<double, double> sides[] = {{-(x1 - x0), x0 - left},
                                             {x1 - x0, right - x0},
                                             {-(y1 - y0), y0 - top},
                                             {y1 - y0, bottom - y0}};
  for (const auto& [p, q] : sides) {
    if (p == 0) {
      if (q < 0) {
        return std::nullopt;
      }
    } else if (p < 0) {
      enter = std::max(enter, q / p);
    } else {
      leave = std::min(leave, q / p);
    }
  }
  return enter <= leave ? std::optional(std::pair(enter, leave)) : std::nullopt;
}

// Every lamp whose active cell the segment runs through for a length is met, in the order the
// segment enters the cells; no lamp whose cell it misses is.
TEST(LampWalkTest, MeetsExactlyTheCellsTheSegmentRunsThrough) {
  std::mt19937 random(17);
  std::uniform_real_distribution<double> x(1400, 3600);
  std::uniform_real_distribution<double> y(450, 2650);
  for (int drag = 0; drag < 3000; ++drag) {
    const double x0 = x(random), y0 = y(random), x1 = x(random), y1 = y(random);
    const std::vector<LampIndex> met = LampsCrossed(x0, y0, x1, y1);
    std::vector<std::pair<double, LampIndex>> expected;
    for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
      const TwipRect cell = {LampColumn0Left - LampPitch * LampColumn(lamp),
                             LampRow0Top - LampPitch * LampRow(lamp), LampPitch, LampPitch};
      const auto part = Clip(x0, y0, x1, y1, std::max<double>(cell.left, ActiveLeft),
                             std::max<double>(cell.top, ActiveTop),
                             std::min<double>(cell.left + cell.width, ActiveRight),
                             std::min<double>(cell.top + cell.height, ActiveBottom));
      const bool found = std::ranges::find(met, lamp) != met.end();
      if (!part) {
        EXPECT_FALSE(found) << lamp;
      } else if (part->second - part->first > 1e-9) {
        EXPECT_TRUE(found) << lamp;
        expected.emplace_back(part->first, lamp);
      }
    }
    std::ranges::sort(expected);
    std::vector<LampIndex> order;
    for (const auto& [enter, lamp] : expected) {
      order.push_back(lamp);
    }
    EXPECT_EQ(met, order);
  }
}

}  // namespace
}  // namespace glyphgrid
