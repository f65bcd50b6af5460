#include "core/data_text.h"

#include <gtest/gtest.h>

#include "support/patterns.h"

namespace glyphgrid {
namespace {

// Digit j of the literal for column c is lamp 8j + c, and the literal for column c is the
// (8 - c)th: the text is the all-zero line with those digits set.
TEST(DataTextTest, EveryDigitIsTheLampItNamesAndTheLineReadsBack) {
  std::mt19937 random(7);
  for (int run = 0; run < 200; ++run) {
    const bool four_colours = run % 2 == 1;
    const LampMatrix lamps = RandomPattern(random, four_colours ? 4 : 2);
    std::string expected =
        "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
        "&B00000000, &B00000000, &B00000000";
    LampMatrix red;
    for (LampIndex i = 0; i < LampCount; ++i) {
      if (lamps.Colour(i) == LampRed || lamps.Colour(i) == LampOrange) {
        expected[7 + 12 * (7 - LampColumn(i)) + LampRow(i)] = '1';
        red.SetColour(i, LampRed);
      }
    }
    const std::string text = DataText(lamps);
    ASSERT_EQ(text, expected);
    const std::variant<LampMatrix, Error> read = ParseDataText(text + (run % 3 ? "\n" : "\r\n"));
    ASSERT_TRUE(std::holds_alternative<LampMatrix>(read)) << std::get<Error>(read).message;
    EXPECT_EQ(std::get<LampMatrix>(read), red);
  }
}

}  // namespace
}  // namespace glyphgrid
