#include "files/colour_planes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "support/test_patterns.h"

namespace glyphgrid {
namespace {

constexpr LampColour AnyColours[] = {LampGrey, LampRed, LampGreen, LampOrange, 0x123456};

// Eight columns from left to right, separated by blanks, each from its bottom lamp up: '.' grey,
// 'R' red, 'G' green, 'O' orange, 'x' a colour outside those four.
LampMatrix Columns(std::string_view columns) {
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    const char code = columns.at(9 * (LampsPerRow - 1 - LampColumn(i)) + LampRow(i));
    lamps.SetColour(i, AnyColours[std::string_view(".RGOx").find(code)]);
  }
  return lamps;
}

// One line of 46 characters and CR LF for each group of eight digits.
std::string Lines(std::string_view digit_groups) {
  std::string text;
  for (std::size_t at = 0; at < digit_groups.size(); at += 9) {
    text += "&B" + std::string(digit_groups.substr(at, 8));
    text += ", &B00000000, &B00000000, &B00000000\r\n";
  }
  return text;
}

TEST(ColourPlanesTest, LoadExamples) {
  constexpr std::string_view Before =
      "ROG.OGRx GORR.G.O R......O ..RO.RO. R.OOOOOO GG..G..G .R.O.R.O O.R...OR";
  // Each text with the columns it leaves, from the left, as far as they differ from Before.
  const std::pair<std::string, std::string_view> examples[] = {
      {Lines("11110000 10101010"), "ORORG.G."},
      {"1, 1, 1, 1, 0, 0, 0, 0, ", "RRRR...."},
      {"&b00000000", "R......."},  // only the upper-case B is a separator
      {"&B00000000", "........"},
      {"00000000" + std::string(40, '1'), "........"},
      {std::string(48, 'x') + "11111111", "OOGGOGOx"},
      {std::string(192, '1'), "OOOOOOOO OOOOOOOO"},
      // Before's own DATA text.
      {"DATA &B11001010, &B01110001, &B10000001, &B00110110, &B10111111, &B00000000, "
       "&B01010101, &B10100011, &B00000000",
       "OOGGROGG .RR....."},
      // One lamp a column tells which lines the column was read from.
      {Lines("10000000 00000000 01000000 01000000 00100000 00000000 00010000 00010000 "
             "00001000 00000000 00000100 00000100 00000010 00000000 00000001 10000001"),
       "R....... .O...... ..R..... ...O.... ....R... .....O.. ......R. G......O"},
  };
  for (const auto& [text, changed] : examples) {
    LampMatrix lamps = Columns(Before);
    ApplyColourPlanes(text, lamps);
    const std::string after = std::string(changed) + std::string(Before.substr(changed.size()));
    EXPECT_EQ(lamps, Columns(after)) << "text " << testing::PrintToString(text);
  }
}

TEST(ColourPlanesTest, TextRestoresAnyPatternOverAnyOther) {
  std::mt19937 random(20240611);
  for (int run = 0; run < 300; ++run) {
    const LampMatrix saved = RandomPattern(random, FourColours);
    LampMatrix lamps = RandomPattern(random, AnyColours);
    ApplyColourPlanes(ColourPlaneText(saved), lamps);
    EXPECT_EQ(lamps, saved) << "run " << run;
  }
}

}  // namespace
}  // namespace glyphgrid
