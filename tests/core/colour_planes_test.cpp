#include "core/colour_planes.h"

#include <gtest/gtest.h>

#include <string>

#include "support/patterns.h"

namespace glyphgrid {
namespace {

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
  const char* before =
      ".OO.OGOR\nR..OO..O\nGG.RO.R.\nO...OG..\n.R.OO.O.\nGR.RO..R\nOO...GR.\nRGR.RG.O";
  const char* unchanged_reds =
      ".OO.OGOR\n...OO..O\n.G.RO.R.\n....OG..\n.R.OO.O.\n.R.RO..R\n.O...GR.\nRGR.RG.O";
  const char* greyed =
      ".OO.OGOR\n...OO..O\n.G.RO.R.\n....OG..\n.R.OO.O.\n.R.RO..R\n.O...GR.\n.GR.RG.O";
  const std::pair<std::string, const char*> examples[] = {
      {Lines("11110000 10101010"),
       ".OO.OGOR\nG..OO..O\n.G.RO.R.\nG...OG..\nRR.OO.O.\nOR.RO..R\nRO...GR.\nOGR.RG.O"},
      {"1, 1, 1, 1, 0, 0, 0, 0, ",
       ".OO.OGOR\n...OO..O\n.G.RO.R.\n....OG..\nRR.OO.O.\nRR.RO..R\nRO...GR.\nRGR.RG.O"},
      {"&b00000000", unchanged_reds},  // only the upper-case B is a separator
      {"&B00000000", greyed},
      {"&B100000001", unchanged_reds},  // the digit after the window is not the window's
      {"&B0x000000",  // a window without eight digits after "&B" is read character by character
       ".OO.OGOR\n...OO..O\n.G.RO.R.\n....OG..\n.R.OO.O.\n.R.RO..R\nOO...GR.\n.GR.RG.O"},
      {"00000000" + std::string(40, '1'), greyed},
      {std::string(48, 'x') + "11111111",
       "GOO.OGOR\nO..OO..O\nGG.RO.R.\nO...OG..\nGR.OO.O.\nGR.RO..R\nOO...GR.\nOGR.RG.O"},
      {std::string(1000, ',') + "11111111",
       "OOOOOOOO\nOOOOOOOO\nOOOOOOOO\nOOOOOOOO\nOOOOOOOO\nOOOOOOOO\nOOOOOOOO\nOOOOOOOO"},
      {std::string(192, '1'),
       "OOO.OGOR\nOO.OO..O\nOO.RO.R.\nOO..OG..\nOO.OO.O.\nOO.RO..R\nOO...GR.\nOOR.RG.O"},
      // Before's own DATA text.
      {"DATA &B11001010, &B01110001, &B10000001, &B00110110, &B10111111, &B00000000, "
       "&B01010101, &B10100011, &B00000000",
       "G.O.OGOR\nG..OO..O\nO..RO.R.\nR...OG..\nG..OO.O.\nGR.RO..R\nOR...GR.\nO.R.RG.O"},
      // One lamp a column tells which lines the column was read from.
      {Lines("10000000 00000000 01000000 01000000 00100000 00000000 00010000 00010000 "
             "00001000 00000000 00000100 00000100 00000010 00000000 00000001 10000001"),
       ".......O\n......R.\n.....O..\n....R...\n...O....\n..R.....\n.O......\nR......G"},
  };
  for (const auto& [text, after] : examples) {
    LampMatrix lamps = FromGrid(before);
    ApplyColourPlanes(text, lamps);
    EXPECT_EQ(lamps, FromGrid(after)) << "text " << testing::PrintToString(text);
  }
  // A text that ends inside a window is read to its end and not beyond.
  LampMatrix lamps;
  ApplyColourPlanes(std::string_view("&B00000001").substr(0, 9), lamps);
  EXPECT_EQ(lamps, LampMatrix());
}

TEST(ColourPlanesTest, TextRestoresAnyPatternOverAnyOther) {
  std::mt19937 random(20240611);
  for (int run = 0; run < 300; ++run) {
    const LampMatrix saved = RandomPattern(random, 4);
    LampMatrix lamps = RandomPattern(random, 4);
    lamps.SetColour(static_cast<LampIndex>(random() % LampCount), 0x123456);
    ApplyColourPlanes(ColourPlaneText(saved), lamps);
    EXPECT_EQ(lamps, saved) << "run " << run;
  }
}

}  // namespace
}  // namespace glyphgrid
