#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/click_editing.h"
#include "core/colour_cycles.h"
#include "core/lamp_geometry.h"
#include "core/pattern_operations.h"
#include "core/pattern_shifts.h"
#include "support/patterns.h"

namespace glyphgrid {
namespace {

using Operation = void (*)(LampMatrix&);

TEST(PatternOperationsTest, CycleExamples) {
  const char* blank =
      "........\n........\n........\n........\n........\n........\n........\n........";
  const char* lamps_5_6_7 =
      "........\n........\n........\n........\n........\n........\n........\nOGR.....";
  const std::tuple<Operation, const char*, const char*> examples[] = {
      {CycleLitColours, blank, blank},
      {CycleAllColours, lamps_5_6_7,
       "RRRRRRRR\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\n.OGRRRRR"},
      {CycleLitColours, lamps_5_6_7,
       "........\n........\n........\n........\n........\n........\n........\nROG....."},
  };
  for (const auto& [operation, before, after] : examples) {
    LampMatrix lamps = FromGrid(before);
    operation(lamps);
    EXPECT_EQ(lamps, FromGrid(after)) << "from\n" << before;
  }
}

// Each transform by its command-line name, on a pattern that no flip or turn maps onto itself
// (its eight rows written on one line, top row first), and how many runs of it give back any
// pattern of red and grey lamps (negative: how many leave every lamp grey).
TEST(PatternOperationsTest, TransformExamples) {
  const auto rows = [](std::string lamps) {
    for (std::size_t row = 1; row < LampsPerRow; ++row) {
      lamps.insert(row * (LampsPerRow + 1) - 1, 1, '\n');
    }
    return FromGrid(lamps);
  };
  const char* before = "RRG.....R.......O..............................................G";
  const std::tuple<const char*, int, const char*> examples[] = {
      {"flip-horizontal", 2, ".....GRR.......R.......O................................G......."},
      {"flip-vertical", 2, ".......G................................O.......R.......RRG....."},
      {"rotate-clockwise", 4, ".....ORR.......R.......G................................G......."},
      {"rotate-anticlockwise", 4,
       ".......G................................G.......R.......RRO....."},
      {"invert", 2, "...RRRRR.RRRRRRR.RRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRR."},
      {"move-up", -8, "R.......O..............................................G........"},
      {"move-down", -8, "........RRG.....R.......O......................................."},
      {"move-left", -8, "RG............................................................G."},
      {"move-right", -8, ".RRG.....R.......O.............................................."},
      {"scroll-up", 8, "R.......O..............................................GRRG....."},
      {"scroll-down", 8, ".......GRRG.....R.......O......................................."},
      {"scroll-left", 8, "RG.....R.......R.......O......................................G."},
      {"scroll-right", 8, ".RRG.....R.......O......................................G......."},
  };
  std::mt19937 random(7);
  for (const auto& [name, period, after] : examples) {
    const PatternOperation* operation = FindPatternOperation(name);
    ASSERT_NE(operation, nullptr) << name;
    LampMatrix lamps = rows(before);
    operation->apply(lamps);
    EXPECT_EQ(lamps, rows(after)) << name;
    lamps = RandomPattern(random, 2);
    const LampMatrix old = lamps;
    for (int run = 0; run < std::abs(period); ++run) {
      operation->apply(lamps);
    }
    EXPECT_EQ(lamps, period > 0 ? old : LampMatrix()) << name << " " << period;
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

TEST(PatternOperationsTest, ShiftsFollowTheirRuleAndCyclesComeRound) {
  const std::pair<Operation, int> shifts[] = {
      {ShiftUp, 8}, {ShiftDown, -8}, {ShiftLeft, 1}, {ShiftRight, -1}};
  std::mt19937 random(42);
  for (const auto& [shift, offset] : shifts) {
    for (int pattern = 0; pattern < 400; ++pattern) {
      const bool four_colours = pattern % 2 == 1;
      const LampMatrix old = RandomPattern(random, four_colours ? 4 : 2);
      LampMatrix expected;
      for (LampIndex j = 0; j < LampCount; ++j) {
        expected.SetColour(j, four_colours && shift == ShiftRight ? ShiftRightGeneralRule(old, j)
                                                                  : NetEffect(old, j, offset));
      }
      LampMatrix lamps = old;
      shift(lamps);
      ASSERT_EQ(lamps, expected) << "offset " << offset << ", from" << testing::PrintToString(old);
    }
  }
  const std::pair<Operation, int> cycles[] = {{CycleAllColours, 4}, {CycleLitColours, 3}};
  for (const auto& [cycle, length] : cycles) {
    const LampMatrix old = RandomPattern(random, 4);
    LampMatrix lamps = old;
    for (int run = 0; run < length; ++run) {
      cycle(lamps);
    }
    EXPECT_EQ(lamps, old) << "cycle of " << length;
  }
}

TEST(PatternOperationsTest, PressesToggleTheLampOfTheirCell) {
  const double nan = std::nan(""), huge = std::numeric_limits<double>::max();
  // x, y in twips, the lamp toggled or -1 for none.
  const std::tuple<double, double, LampIndex> presses[] = {
      {1687, 727, 63},  {3367, 2407, 0},  {2647, 1687, 27}, {1800, 840, 54},   {1799, 839, 63},
      {3240, 2280, 0},  {3250, 2167, 8},  {1576, 700, 63},  {3459, 2499, 0},   {2000, 631, 62},
      {1575, 700, -1},  {3460, 2400, -1}, {2000, 630, -1},  {2000, 2500, -1},  {3480, 2407, -1},
      {1000, 1000, -1}, {nan, 1000, -1},  {2000, nan, -1},  {huge, -huge, -1},
  };
  const LampColour before[] = {LampGrey, LampRed, LampGreen, LampOrange};
  for (const auto& [x, y, lamp] : presses) {
    for (int colour = 0; colour < 4; ++colour) {
      LampMatrix lamps;
      for (LampIndex i = 0; i < LampCount; ++i) {
        lamps.SetColour(i, before[colour]);
      }
      LampMatrix expected = lamps;
      if (lamp >= 0) {
        expected.SetColour(lamp, colour == 1 ? LampGrey : LampRed);
      }
      EXPECT_EQ(PressLamp(lamps, x, y), lamp >= 0 ? std::optional(lamp) : std::nullopt)
          << x << ", " << y;
      EXPECT_EQ(lamps, expected) << x << ", " << y;
    }
  }
  for (LampIndex i = 0; i < LampCount; ++i) {
    const TwipRect r = LampBounds(i);
    EXPECT_EQ(LampAtPress(r.left + r.width / 2.0, r.top + r.height / 2.0), i);
  }
}

}  // namespace
}  // namespace glyphgrid
