#include "files/colour_planes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "data/data_text.h"

namespace glyphgrid {
namespace {

constexpr LampColour OtherColour = 0x123456;

// Eight columns from left to right, separated by blanks, each from its bottom lamp up:
// '.' grey, 'R' red, 'G' green, 'O' orange, 'x' a colour outside those four.
LampMatrix Pattern(std::string_view columns) {
  LampMatrix lamps;
  for (int left = 0; left < LampsPerRow; ++left) {
    for (int row = 0; row < LampsPerRow; ++row) {
      const char c = columns.at(static_cast<std::size_t>(9 * left + row));
      const LampColour colour = c == 'R'   ? LampRed
                                : c == 'G' ? LampGreen
                                : c == 'O' ? LampOrange
                                : c == 'x' ? OtherColour
                                           : LampGrey;
      lamps.SetColour(LampIndexOf(row, LampsPerRow - 1 - left), colour);
    }
  }
  return lamps;
}

// A mixed pattern to load onto; a case that changes only the leftmost column names just that one.
constexpr std::string_view VariedRight =
    " RGO.xRGO .xRGO.xR xRGO.xRG O.xRGO.x GO.xRGO. RGO.xRGO .xRGO.xR";
const LampMatrix Varied = Pattern(std::string("GO.xRGO.") + std::string(VariedRight));
LampMatrix VariedWithLeft(std::string_view left) {
  return Pattern(std::string(left) + std::string(VariedRight));
}

std::string Line(std::string_view digits) {
  return "&B" + std::string(digits) + ", &B00000000, &B00000000, &B00000000\r\n";
}

// Column 7 red lamp 7, column 6 orange lamp 14, ... down to column 0 with lamp 56 orange and
// lamp 0 green: one lamp per column identifies which lines it was read from.
const std::string Diagonal =
    Line("10000000") + Line("00000000") + Line("01000000") + Line("01000000") + Line("00100000") +
    Line("00000000") + Line("00010000") + Line("00010000") + Line("00001000") + Line("00000000") +
    Line("00000100") + Line("00000100") + Line("00000010") + Line("00000000") + Line("00000001") +
    Line("10000001");
constexpr std::string_view DiagonalPattern =
    "R....... .O...... ..R..... ...O.... ....R... .....O.. ......R. G......O";
const LampMatrix AllOther = Pattern(
    "xxxxxxxx xxxxxxxx xxxxxxxx xxxxxxxx xxxxxxxx xxxxxxxx "
    "xxxxxxxx xxxxxxxx");

struct LoadCase {
  const char* name;
  std::string text;
  LampMatrix before;
  LampMatrix after;
};

TEST(ColourPlanesTest, LoadExamples) {
  const std::string ones_192(192, '1');
  const LoadCase cases[] = {
      {"empty text", "", Varied, Varied},
      {"two lines", Line("11110000") + Line("10101010"), Varied, VariedWithLeft("ORORG.G.")},
      {"commas and blanks use no lamp", "1, 1, 1, 1, 0, 0, 0, 0, ", Varied,
       VariedWithLeft("RRRR....")},
      // Only "B" is a separator: the "b" takes the bottom lamp and leaves it.
      {"lower-case b uses a lamp", "&b11111111", Varied, VariedWithLeft("GRRRRRRR")},
      {"upper-case B uses none", "&B11111111", Varied, VariedWithLeft("RRRRRRRR")},
      {"other characters use a lamp each", "\r\n21a0b1", Varied, VariedWithLeft("GO.RR.OR")},
      {"other characters in a green window change nothing",
       "11110000" + std::string(40, 'x') + "ab\r\n2D01", Varied, VariedWithLeft("RRRR...G")},
      {"48 characters: first red pass only", "00000000" + std::string(40, '1'), Varied,
       VariedWithLeft("........")},
      {"49th character is the first green one", "00000000" + std::string(41, '1'), Varied,
       VariedWithLeft("G.......")},
      {"green 1 keeps orange, green and other colours", std::string(48, 'x') + "11111111", Varied,
       VariedWithLeft("GOGxOGOG")},
      {"192 characters: two leftmost columns only", ones_192, Varied,
       Pattern("OOOOOOOO OOOOOOOO .xRGO.xR xRGO.xRG O.xRGO.x GO.xRGO. RGO.xRGO .xRGO.xR")},
      {"193rd character starts the third column", ones_192 + "1", Varied,
       Pattern("OOOOOOOO OOOOOOOO RxRGO.xR xRGO.xRG O.xRGO.x GO.xRGO. RGO.xRGO .xRGO.xR")},
      // Every pass starts inside the blanks and reads the seven zeros after them.
      {"long run of separators inside the text", "1" + std::string(1000, ' ') + "0000000", AllOther,
       Pattern("R....... .......x .......x .......x .......x .......x .......x .......x")},
      {"only separators", std::string(std::size_t{1} << 24, ','), Varied, Varied},
      {"ones everywhere stop at lamp 63", std::string(5000, '1'), Varied,
       Pattern("OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO OOOOOOOO")},
      {"sixteen lines set all eight columns", Diagonal, AllOther, Pattern(DiagonalPattern)},
      {"nothing past the sixteenth line is read", Diagonal + Line("11111111") + Line("11111111"),
       AllOther, Pattern(DiagonalPattern)},
  };
  for (const LoadCase& c : cases) {
    LampMatrix lamps = c.before;
    ApplyColourPlanes(c.text, lamps);
    EXPECT_EQ(lamps, c.after) << c.name;
  }
}

TEST(ColourPlanesTest, DataTextDoesNotLoadBack) {
  const LampMatrix lamps =
      Pattern("ROG.OGR. GORR.G.O R......O ..RO.RO. R.OOOOOO GG..G..G .R.O.R.O O.R...OR");
  const std::string data = DataText(lamps);
  ASSERT_EQ(data,
            "DATA &B11001010, &B01110001, &B10000001, &B00110110, &B10111111, &B00000000, "
            "&B01010101, &B10100011, &B00000000");
  LampMatrix loaded = lamps;
  ApplyColourPlanes(data, loaded);
  // Red pass 1: "DATA" uses lamps 7..31, then "1010" of the first literal greys or lights 39..63.
  // Green pass 1: positions 49-51 ("110", end of the fourth literal) on 7, 15, 23 and 56-60
  // ("10111", fifth literal) on 31..63. Red pass 2: 97-99 ("011") and 104-108 ("00000") on
  // column 6. Green pass 2 starts past the end of the text.
  EXPECT_EQ(loaded,
            Pattern("OOGGROGG .RR..... R......O ..RO.RO. R.OOOOOO GG..G..G .R.O.R.O O.R...OR"));
}

TEST(ColourPlanesTest, TextSpellsOutBothPlanes) {
  const LampMatrix lamps =
      Pattern("ROG.xROG ........ ........ ........ ........ ........ ........ GGRROO..");
  std::string expected = Line("11000110") + Line("01100011");
  for (int line = 0; line < 12; ++line) {
    expected += Line("00000000");
  }
  expected += Line("00111100") + Line("11001100");
  EXPECT_EQ(ColourPlaneText(lamps), expected);
}

LampMatrix RandomPattern(std::mt19937& random, int colour_count) {
  const LampColour colours[] = {LampGrey, LampRed, LampGreen, LampOrange, OtherColour};
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    lamps.SetColour(i, colours[random() % static_cast<unsigned>(colour_count)]);
  }
  return lamps;
}

TEST(ColourPlanesTest, TextRestoresAnyFourColourPatternOverAnyOther) {
  std::mt19937 random(20240611);
  for (int run = 0; run < 300; ++run) {
    const LampMatrix saved = RandomPattern(random, 4);
    const std::string text = ColourPlaneText(saved);

    ASSERT_EQ(text.size(), 768u);
    for (std::size_t line = 0; line < 16; ++line) {
      const std::string_view l = std::string_view(text).substr(48 * line, 48);
      EXPECT_TRUE(l.starts_with("&B")) << line;
      EXPECT_EQ(l.substr(2, 8).find_first_not_of("01"), std::string_view::npos) << line;
      EXPECT_EQ(l.substr(10), ", &B00000000, &B00000000, &B00000000\r\n") << line;
    }

    LampMatrix lamps = RandomPattern(random, 5);
    ApplyColourPlanes(text, lamps);
    EXPECT_EQ(lamps, saved) << "run " << run;
  }
}

TEST(ColourPlanesTest, OtherColoursAreWrittenAsGrey) {
  LampMatrix lamps = AllOther;
  ApplyColourPlanes(ColourPlaneText(AllOther), lamps);
  EXPECT_EQ(lamps, LampMatrix());
}

}  // namespace
}  // namespace glyphgrid
