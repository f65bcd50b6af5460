#include "operations/colour_cycles.h"

#include <gtest/gtest.h>

#include <random>

#include "data/data_text.h"
#include "operations/test_patterns.h"

namespace glyphgrid {
namespace {

using Operation = void (*)(LampMatrix&);

TEST(ColourCyclesTest, Examples) {
  constexpr LampColour NearRed = 0x0000FE;
  struct Example {
    const char* name;
    Operation operation;
    LampMatrix before;
    LampMatrix after;
  };
  const Example examples[] = {
      {"all: blank turns red, once", CycleAllColours, Pattern(LampGrey), Pattern(LampRed)},
      {"lit: blank stays blank", CycleLitColours, Pattern(LampGrey), Pattern(LampGrey)},
      {"all: each colour moves on", CycleAllColours,
       Pattern(LampGrey, {{5, LampRed}, {6, LampGreen}, {7, LampOrange}}),
       Pattern(LampRed, {{5, LampGreen}, {6, LampOrange}, {7, LampGrey}})},
      {"lit: each lit colour moves on", CycleLitColours,
       Pattern(LampGrey, {{5, LampRed}, {6, LampGreen}, {7, LampOrange}}),
       Pattern(LampGrey, {{5, LampGreen}, {6, LampOrange}, {7, LampRed}})},
      {"all: other colours stay", CycleAllColours, Pattern(LampGrey, {{0, NearRed}, {63, 0}}),
       Pattern(LampRed, {{0, NearRed}, {63, 0}})},
      {"lit: other colours stay", CycleLitColours, Pattern(NearRed), Pattern(NearRed)},
  };
  for (const Example& e : examples) {
    LampMatrix lamps = e.before;
    e.operation(lamps);
    EXPECT_EQ(ColoursOf(lamps), ColoursOf(e.after)) << e.name;
  }
}

TEST(ColourCyclesTest, FullCycleIsTheIdentity) {
  struct Case {
    const char* name;
    Operation operation;
    int cycle_length;
  };
  const Case cases[] = {{"all", CycleAllColours, 4}, {"lit", CycleLitColours, 3}};
  std::mt19937 random(41);
  for (const Case& c : cases) {
    for (int pattern = 0; pattern < 100; ++pattern) {
      const LampMatrix before = RandomPattern(random, FourColours);
      LampMatrix lamps = before;
      for (int run = 0; run < c.cycle_length; ++run) {
        c.operation(lamps);
      }
      EXPECT_EQ(ColoursOf(lamps), ColoursOf(before)) << c.name;
    }
  }
}

TEST(ColourCyclesTest, RedTurnedGreenIsUnlitInTheData) {
  LampMatrix lamps = Pattern(LampRed);
  CycleLitColours(lamps);
  EXPECT_EQ(ColoursOf(lamps), ColoursOf(Pattern(LampGreen)));
  EXPECT_EQ(DataText(lamps),
            "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
            "&B00000000, &B00000000, &B00000000");
}

}  // namespace
}  // namespace glyphgrid
