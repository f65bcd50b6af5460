#include "operations/colour_cycles.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "support/test_patterns.h"

namespace glyphgrid {
namespace {

using Operation = void (*)(LampMatrix&);

TEST(ColourCyclesTest, Examples) {
  const LampMatrix lamps_5_6_7 = Pattern(LampGrey, {{5, LampRed}, {6, LampGreen}, {7, LampOrange}});
  // Operation, lamps before, lamps after.
  const std::tuple<Operation, LampMatrix, LampMatrix> examples[] = {
      {CycleAllColours, Pattern(LampGrey), Pattern(LampRed)},
      {CycleLitColours, Pattern(LampGrey), Pattern(LampGrey)},
      {CycleAllColours, lamps_5_6_7,
       Pattern(LampRed, {{5, LampGreen}, {6, LampOrange}, {7, LampGrey}})},
      {CycleLitColours, lamps_5_6_7,
       Pattern(LampGrey, {{5, LampGreen}, {6, LampOrange}, {7, LampRed}})},
  };
  for (const auto& [operation, before, after] : examples) {
    LampMatrix lamps = before;
    operation(lamps);
    EXPECT_EQ(lamps, after) << "from" << testing::PrintToString(before);
  }
}

TEST(ColourCyclesTest, FullCycleIsTheIdentity) {
  const std::pair<Operation, int> cycles[] = {{CycleAllColours, 4}, {CycleLitColours, 3}};
  std::mt19937 random(41);
  for (const auto& [operation, length] : cycles) {
    for (int pattern = 0; pattern < 100; ++pattern) {
      const LampMatrix before = RandomPattern(random, FourColours);
      LampMatrix lamps = before;
      RunTimes(operation, lamps, length);
      EXPECT_EQ(lamps, before) << "cycle of " << length;
    }
  }
}

}  // namespace
}  // namespace glyphgrid
