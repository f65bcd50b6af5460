#include "operations/pattern_shifts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <span>

#include "operations/test_patterns.h"

namespace glyphgrid {
namespace {

using Shift = void (*)(LampMatrix&);

constexpr LampColour LitColours[] = {LampRed, LampGreen, LampOrange};
constexpr LampColour RedOnly[] = {LampRed};

void RunTimes(Shift shift, LampMatrix& lamps, int times) {
  for (int run = 0; run < times; ++run) {
    shift(lamps);
  }
}

TEST(PatternShiftsTest, LitLampsMove) {
  struct Example {
    const char* name;
    Shift shift;
    std::initializer_list<LampIndex> lit_before;
    std::initializer_list<LampIndex> lit_after;
    std::span<const LampColour> colours;  // lamp colours that move this way
  };
  const Example examples[] = {
      {"corners up", ShiftUp, {0, 63}, {8}, LitColours},
      {"corners down", ShiftDown, {0, 63}, {55}, LitColours},
      {"corners left", ShiftLeft, {0, 63}, {0, 1}, LitColours},
      {"corners right", ShiftRight, {0, 63}, {62, 63}, RedOnly},
      {"bottom left, left", ShiftLeft, {7}, {8}, LitColours},
      {"bottom left, right", ShiftRight, {7}, {6}, RedOnly},
      {"bottom left, up", ShiftUp, {7}, {15}, LitColours},
      {"bottom left, down", ShiftDown, {7}, {}, LitColours},
      {"lamp 8, right", ShiftRight, {8}, {7}, RedOnly},
      {"lamp 8, left", ShiftLeft, {8}, {9}, LitColours},
      {"lamp 8, down", ShiftDown, {8}, {0}, LitColours},
      {"top row evens, down", ShiftDown, {56, 58, 60, 62}, {48, 50, 52, 54}, LitColours},
      {"top row evens, up", ShiftUp, {56, 58, 60, 62}, {}, LitColours},
  };
  for (const Example& e : examples) {
    for (LampColour colour : e.colours) {
      LampMatrix lamps = WithLamps(e.lit_before, colour);
      e.shift(lamps);
      EXPECT_EQ(ColoursOf(lamps), ColoursOf(WithLamps(e.lit_after, colour)))
          << e.name << ", colour " << colour;
    }
  }
}

TEST(PatternShiftsTest, ShiftRightOnlyStepsFromRedAndGrey) {
  struct Example {
    const char* name;
    LampMatrix before;
    LampMatrix after;
  };
  const Example examples[] = {
      {"green 10, orange 11", Pattern(LampGrey, {{10, LampGreen}, {11, LampOrange}}),
       Pattern(LampGrey, {{9, LampGreen}, {10, LampGreen}})},
      {"red 15, orange 16", Pattern(LampGrey, {{15, LampRed}, {16, LampOrange}}),
       Pattern(LampGrey, {{14, LampRed}, {15, LampRed}})},
  };
  for (const Example& e : examples) {
    LampMatrix lamps = e.before;
    ShiftRight(lamps);
    EXPECT_EQ(ColoursOf(lamps), ColoursOf(e.after)) << e.name;
  }
}

TEST(PatternShiftsTest, EightRowShiftsBlankAnyPatternSevenNeedNot) {
  struct Case {
    const char* name;
    Shift shift;
    int entering_row;
    int leaving_row;
  };
  const Case cases[] = {{"up", ShiftUp, 0, 7}, {"down", ShiftDown, 7, 0}};
  std::mt19937 random(8);
  for (const Case& c : cases) {
    for (int pattern = 0; pattern < 50; ++pattern) {
      LampMatrix lamps = RandomPattern(random, FourColours);
      RunTimes(c.shift, lamps, 8);
      EXPECT_EQ(ColoursOf(lamps), ColoursOf(LampMatrix())) << c.name;
    }
    LampMatrix lamps;
    LampMatrix expected;
    for (int column = 0; column < LampsPerRow; ++column) {
      lamps.SetColour(LampIndexOf(c.entering_row, column), LampRed);
      expected.SetColour(LampIndexOf(c.leaving_row, column), LampRed);
    }
    RunTimes(c.shift, lamps, 7);
    EXPECT_EQ(ColoursOf(lamps), ColoursOf(expected)) << c.name;
  }
}

TEST(PatternShiftsTest, SixtyThreeStripShiftsSpreadTheTrailingLamp) {
  struct Case {
    const char* name;
    Shift shift;
    LampIndex trailing;
    std::span<const LampColour> palette;
  };
  const Case cases[] = {{"left", ShiftLeft, 0, FourColours}, {"right", ShiftRight, 63, RedAndGrey}};
  std::mt19937 random(63);
  for (const Case& c : cases) {
    for (int pattern = 0; pattern < 50; ++pattern) {
      LampMatrix lamps = RandomPattern(random, c.palette);
      const LampColour trailing = lamps.Colour(c.trailing);
      RunTimes(c.shift, lamps, 63);
      EXPECT_EQ(ColoursOf(lamps), ColoursOf(Pattern(trailing))) << c.name;
    }
  }
}

using Rule = LampColour (*)(const LampMatrix& old, LampIndex j);

LampColour FromBelow(const LampMatrix& old, LampIndex j) {
  return j >= 8 ? old.Colour(j - 8) : LampGrey;
}
LampColour FromAbove(const LampMatrix& old, LampIndex j) {
  return j < 56 ? old.Colour(j + 8) : LampGrey;
}
LampColour FromPrevious(const LampMatrix& old, LampIndex j) {
  return j >= 1 ? old.Colour(j - 1) : old.Colour(0);
}
LampColour FromNext(const LampMatrix& old, LampIndex j) {
  return j <= 62 ? old.Colour(j + 1) : old.Colour(63);
}

// Step k of ShiftRight runs when it is not skipped and lamp k started red or grey; lamp j takes
// lamp j + 1's colour when step j or step j + 1 ran.
LampColour ShiftRightGeneralRule(const LampMatrix& old, LampIndex j) {
  const auto step_runs = [&old](LampIndex k) {
    return k >= 1 && k <= 62 && k % 8 != 7 &&
           (old.Colour(k) == LampRed || old.Colour(k) == LampGrey);
  };
  return step_runs(j) || step_runs(j + 1) ? old.Colour(j + 1) : old.Colour(j);
}

TEST(PatternShiftsTest, RandomPatternsFollowTheNetEffect) {
  struct Case {
    const char* name;
    Shift shift;
    Rule rule;
    std::span<const LampColour> palette;
  };
  const Case cases[] = {
      {"up, red and grey", ShiftUp, FromBelow, RedAndGrey},
      {"down, red and grey", ShiftDown, FromAbove, RedAndGrey},
      {"left, red and grey", ShiftLeft, FromPrevious, RedAndGrey},
      {"right, red and grey", ShiftRight, FromNext, RedAndGrey},
      {"up, four colours", ShiftUp, FromBelow, FourColours},
      {"down, four colours", ShiftDown, FromAbove, FourColours},
      {"left, four colours", ShiftLeft, FromPrevious, FourColours},
      {"right, four colours", ShiftRight, ShiftRightGeneralRule, FourColours},
  };
  std::mt19937 random(42);
  for (const Case& c : cases) {
    for (int pattern = 0; pattern < 200; ++pattern) {
      const LampMatrix old = RandomPattern(random, c.palette);
      LampMatrix expected;
      for (LampIndex j = 0; j < LampCount; ++j) {
        expected.SetColour(j, c.rule(old, j));
      }
      LampMatrix lamps = old;
      c.shift(lamps);
      ASSERT_EQ(ColoursOf(lamps), ColoursOf(expected)) << c.name << ", pattern " << pattern;
    }
  }
}

}  // namespace
}  // namespace glyphgrid
