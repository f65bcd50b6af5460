#include "core/lamp_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <ranges>

#include "core/lamp_geometry.h"

namespace glyphgrid {
namespace {

// Exactly the lamps whose active cells a drag runs through are met, in the order the drag enters
// the cells. The oracle clips the segment to each cell (slabs: where it runs between each pair
// of edges).
TEST(LampWalkTest, MeetsExactlyTheCellsTheSegmentRunsThrough) {
  std::mt19937 random(17);
  std::uniform_real_distribution<double> x(1400, 3600), y(450, 2650);
  const double active[2][2] = {{ActiveLeft, ActiveRight}, {ActiveTop, ActiveBottom}};
  for (int drag = 0; drag < 3000; ++drag) {
    const double p0[2] = {x(random), y(random)};
    const double p1[2] = {drag % 3 ? x(random) : p0[0], drag % 5 ? y(random) : p0[1]};
    const std::vector<LampIndex> met = LampsCrossed(p0[0], p0[1], p1[0], p1[1]);
    std::map<double, LampIndex> crossed;  // by where the drag enters the cell
    for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
      const double cell[2] = {LampColumn0Left - LampPitch * LampColumn(lamp) + 0.0,
                              LampRow0Top - LampPitch * LampRow(lamp) + 0.0};
      double enter = 0;
      double leave = 1;
      for (int axis = 0; axis < 2; ++axis) {
        const double d = p1[axis] - p0[axis];
        const double low = std::max(cell[axis], active[axis][0]) - p0[axis];
        const double high = std::min(cell[axis] + LampPitch, active[axis][1]) - p0[axis];
        enter = d == 0 ? (low > 0 ? 2 : enter) : std::max(enter, std::min(low / d, high / d));
        leave = d == 0 ? (high < 0 ? -1 : leave) : std::min(leave, std::max(low / d, high / d));
      }
      if (leave - enter > 1e-9) {
        crossed[enter] = lamp;
      }
    }
    EXPECT_TRUE(std::ranges::equal(met, crossed | std::views::values)) << drag;
  }
}

}  // namespace
}  // namespace glyphgrid
