#include "data/data_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_patterns.h"

namespace glyphgrid {
namespace {

constexpr const char* AllZero =
    "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000";
constexpr const char* TopLeft =
    "DATA &B00000001, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000";

TEST(DataTextTest, Examples) {
  const std::tuple<const char*, LampMatrix, const char*> examples[] = {
      {"all grey", LampMatrix(), AllZero},
      {"top left", Pattern(LampGrey, {{63, LampRed}}), TopLeft},
      {"orange lit, green unlit", Pattern(LampGreen, {{63, LampOrange}}), TopLeft},
      {"other colours unlit", Pattern(0x0000FE), AllZero},
      {"diagonal",
       Pattern(LampGrey, {{63, LampRed},
                          {54, LampRed},
                          {45, LampRed},
                          {36, LampRed},
                          {27, LampRed},
                          {18, LampRed},
                          {9, LampRed},
                          {0, LampRed}}),
       "DATA &B00000001, &B00000010, &B00000100, &B00001000, &B00010000, &B00100000, &B01000000, "
       "&B10000000, &B00000000"},
      {"left column and top row",
       Pattern(LampGrey, {{7, LampRed},
                          {15, LampRed},
                          {23, LampRed},
                          {31, LampRed},
                          {39, LampRed},
                          {47, LampRed},
                          {55, LampRed},
                          {63, LampRed},
                          {62, LampRed},
                          {61, LampRed},
                          {60, LampRed},
                          {59, LampRed},
                          {58, LampRed},
                          {57, LampRed},
                          {56, LampRed}}),
       "DATA &B11111111, &B00000001, &B00000001, &B00000001, &B00000001, &B00000001, &B00000001, "
       "&B00000001, &B00000000"},
      {"all red", Pattern(LampRed),
       "DATA &B11111111, &B11111111, &B11111111, &B11111111, &B11111111, &B11111111, &B11111111, "
       "&B11111111, &B00000000"},
  };
  for (const auto& [name, lamps, text] : examples) {
    EXPECT_EQ(DataText(lamps), text) << name;
  }
}

TEST(DataTextTest, EveryDigitIsTheLampItNames) {
  // Digit j of the literal for column c is lamp 8j + c; the literal for column c is the (8 - c)th.
  for (LampIndex i = 0; i < LampCount; ++i) {
    const std::string text = DataText(Pattern(LampGrey, {{i, LampRed}}));
    EXPECT_EQ(text[7 + 12 * (7 - LampColumn(i)) + LampRow(i)], '1') << "lamp " << i;
    EXPECT_EQ(std::count(text.begin(), text.end(), '1'), 1) << "lamp " << i;
  }
}

TEST(DataTextTest, ShapeHoldsForRandomPatterns) {
  std::mt19937 random(7);
  for (int run = 0; run < 200; ++run) {
    const std::string text = DataText(RandomPattern(random, FourColours));
    ASSERT_EQ(text.size(), DataTextLength);
    EXPECT_TRUE(text.starts_with("DATA &B") && text.ends_with(", &B00000000"));
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
  }
}

}  // namespace
}  // namespace glyphgrid
