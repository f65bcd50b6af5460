#include "editor/click_editing.h"

#include <gtest/gtest.h>

namespace glyphgrid {
namespace {

TEST(ClickEditingTest, ToggleCyclesThroughRedAndGrey) {
  struct Case {
    LampColour before;
    LampColour after_one;
    LampColour after_two;
  };
  const Case cases[] = {
      {LampGrey, LampRed, LampGrey},
      {LampRed, LampGrey, LampRed},
      {LampGreen, LampRed, LampGrey},
      {LampOrange, LampRed, LampGrey},
  };
  for (const Case& c : cases) {
    LampMatrix lamps;
    lamps.SetColour(27, c.before);
    ToggleLamp(lamps, 27);
    EXPECT_EQ(lamps.Colour(27), c.after_one);
    ToggleLamp(lamps, 27);
    EXPECT_EQ(lamps.Colour(27), c.after_two);
  }
}

TEST(ClickEditingTest, PressTogglesOnlyTheLampUnderIt) {
  LampMatrix lamps;
  EXPECT_EQ(PressLamp(lamps, 2647, 1687), 27);
  LampMatrix expected;
  expected.SetColour(27, LampRed);
  EXPECT_EQ(lamps, expected);
}

TEST(ClickEditingTest, PressOutsideTheActiveAreaChangesNothing) {
  LampMatrix lamps;
  EXPECT_EQ(PressLamp(lamps, 1575, 700), std::nullopt);
  EXPECT_EQ(PressLamp(lamps, 2000, 3500), std::nullopt);
  EXPECT_EQ(lamps, LampMatrix());
}

}  // namespace
}  // namespace glyphgrid
