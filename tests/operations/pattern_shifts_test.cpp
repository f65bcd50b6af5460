#include "operations/pattern_shifts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <span>
#include <tuple>
#include <utility>

#include "support/test_patterns.h"

namespace glyphgrid {
namespace {

using Shift = void (*)(LampMatrix&);

// Red where listed, grey elsewhere.
LampMatrix Red(std::initializer_list<LampIndex> lit) {
  LampMatrix lamps;
  for (LampIndex i : lit) {
    lamps.SetColour(i, LampRed);
  }
  return lamps;
}

TEST(PatternShiftsTest, Examples) {
  // Shift, runs, lamps before, lamps after.
  const std::tuple<Shift, int, LampMatrix, LampMatrix> examples[] = {
      {ShiftUp, 1, Red({0, 63}), Red({8})},
      {ShiftDown, 1, Red({0, 63}), Red({55})},
      {ShiftLeft, 1, Red({0, 63}), Red({0, 1})},
      {ShiftRight, 1, Red({0, 63}), Red({62, 63})},
      {ShiftLeft, 1, Red({7}), Red({8})},
      {ShiftRight, 1, Red({7}), Red({6})},
      {ShiftUp, 1, Red({7}), Red({15})},
      {ShiftDown, 1, Red({7}), Red({})},
      {ShiftRight, 1, Red({8}), Red({7})},
      {ShiftLeft, 1, Red({8}), Red({9})},
      {ShiftDown, 1, Red({8}), Red({0})},
      {ShiftDown, 1, Red({56, 58, 60, 62}), Red({48, 50, 52, 54})},
      {ShiftUp, 1, Red({56, 58, 60, 62}), Red({})},
      {ShiftUp, 7, Red({0, 1, 2, 3, 4, 5, 6, 7}), Red({56, 57, 58, 59, 60, 61, 62, 63})},
      {ShiftRight, 1, Pattern(LampGrey, {{10, LampGreen}, {11, LampOrange}}),
       Pattern(LampGrey, {{9, LampGreen}, {10, LampGreen}})},
      {ShiftRight, 1, Pattern(LampGrey, {{15, LampRed}, {16, LampOrange}}), Red({14, 15})},
  };
  for (const auto& [shift, times, before, after] : examples) {
    LampMatrix lamps = before;
    RunTimes(shift, lamps, times);
    EXPECT_EQ(lamps, after) << "from" << testing::PrintToString(before);
  }
}

TEST(PatternShiftsTest, EightUpShiftsBlankAndSixtyThreeLeftShiftsSpreadLampZero) {
  std::mt19937 random(63);
  for (int pattern = 0; pattern < 50; ++pattern) {
    LampMatrix up = RandomPattern(random, FourColours);
    LampMatrix left = up;
    const LampMatrix spread = Pattern(up.Colour(0));
    RunTimes(ShiftUp, up, 8);
    RunTimes(ShiftLeft, left, 63);
    EXPECT_EQ(up, LampMatrix());
    EXPECT_EQ(left, spread);
  }
}

// Lamp j takes the colour that lamp j - offset had; where there is no such lamp, a row shift
// leaves it grey and a strip shift leaves it as it was.
LampColour NetEffect(const LampMatrix& old, LampIndex j, int offset) {
  const LampIndex from = j - offset;
  return from >= 0 && from < LampCount ? old.Colour(from)
         : offset % 8 == 0             ? LampGrey
                                       : old.Colour(j);
}

// With green and orange lamps about: step k runs when it is not skipped and lamp k started red or
// grey; lamp j takes lamp j + 1's colour when step j or step j + 1 ran.
LampColour ShiftRightGeneralRule(const LampMatrix& old, LampIndex j) {
  const auto step_runs = [&old](LampIndex k) {
    return k >= 1 && k <= 62 && k % 8 != 7 &&
           (old.Colour(k) == LampRed || old.Colour(k) == LampGrey);
  };
  return step_runs(j) || step_runs(j + 1) ? old.Colour(j + 1) : old.Colour(j);
}

TEST(PatternShiftsTest, RandomPatternsFollowTheirRule) {
  const std::pair<Shift, int> shifts[] = {
      {ShiftUp, 8}, {ShiftDown, -8}, {ShiftLeft, 1}, {ShiftRight, -1}};
  const std::span<const LampColour> palettes[] = {RedAndGrey, FourColours};
  std::mt19937 random(42);
  for (const auto& [shift, offset] : shifts) {
    for (int pattern = 0; pattern < 400; ++pattern) {
      const bool four_colours = pattern % 2 == 1;
      const LampMatrix old = RandomPattern(random, palettes[pattern % 2]);
      LampMatrix expected;
      for (LampIndex j = 0; j < LampCount; ++j) {
        expected.SetColour(j, four_colours && shift == ShiftRight ? ShiftRightGeneralRule(old, j)
                                                                  : NetEffect(old, j, offset));
      }
      LampMatrix lamps = old;
      shift(lamps);
      ASSERT_EQ(lamps, expected) << "offset " << offset << ", pattern " << pattern;
    }
  }
}

}  // namespace
}  // namespace glyphgrid
