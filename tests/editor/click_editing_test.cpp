#include "editor/click_editing.h"

#include <gtest/gtest.h>

namespace glyphgrid {
namespace {

TEST(ClickEditingTest, RedGoesGreyAndEveryOtherColourGoesRed) {
  const std::tuple<LampColour, LampColour, LampColour> cases[] = {
      {LampGrey, LampRed, LampGrey},
      {LampRed, LampGrey, LampRed},
      {LampGreen, LampRed, LampGrey},
      {LampOrange, LampRed, LampGrey},
  };
  for (const auto& [before, after_one, after_two] : cases) {
    LampMatrix lamps;
    lamps.SetColour(27, before);
    EXPECT_EQ(PressLamp(lamps, 2647, 1687), 27);
    EXPECT_EQ(lamps.Colour(27), after_one);
    ToggleLamp(lamps, 27);
    EXPECT_EQ(lamps.Colour(27), after_two);
  }
}

}  // namespace
}  // namespace glyphgrid
