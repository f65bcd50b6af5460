#include "data/data_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <random>

namespace glyphgrid {
namespace {

LampMatrix WithLamps(std::initializer_list<LampIndex> indices, LampColour colour = LampRed) {
  LampMatrix lamps;
  for (LampIndex i : indices) {
    lamps.SetColour(i, colour);
  }
  return lamps;
}

LampMatrix AllOf(LampColour colour) {
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    lamps.SetColour(i, colour);
  }
  return lamps;
}

struct Example {
  const char* name;
  LampMatrix lamps;
  const char* text;
};

TEST(DataTextTest, Examples) {
  const Example examples[] = {
      {"all grey", LampMatrix(),
       "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
       "&B00000000, &B00000000"},
      {"top left", WithLamps({63}),
       "DATA &B00000001, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
       "&B00000000, &B00000000"},
      {"bottom left", WithLamps({7}),
       "DATA &B10000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
       "&B00000000, &B00000000"},
      {"top right", WithLamps({56}),
       "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
       "&B00000001, &B00000000"},
      {"bottom right", WithLamps({0}),
       "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
       "&B10000000, &B00000000"},
      {"diagonal", WithLamps({63, 54, 45, 36, 27, 18, 9, 0}),
       "DATA &B00000001, &B00000010, &B00000100, &B00001000, &B00010000, &B00100000, &B01000000, "
       "&B10000000, &B00000000"},
      {"left column and top row",
       WithLamps({7, 15, 23, 31, 39, 47, 55, 63, 62, 61, 60, 59, 58, 57, 56}),
       "DATA &B11111111, &B00000001, &B00000001, &B00000001, &B00000001, &B00000001, &B00000001, "
       "&B00000001, &B00000000"},
      {"all red", AllOf(LampRed),
       "DATA &B11111111, &B11111111, &B11111111, &B11111111, &B11111111, &B11111111, &B11111111, "
       "&B11111111, &B00000000"},
      {"orange is lit", WithLamps({63}, LampOrange),
       "DATA &B00000001, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
       "&B00000000, &B00000000"},
      {"green is unlit", AllOf(LampGreen),
       "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
       "&B00000000, &B00000000"},
      {"other colours are unlit", AllOf(0x0000FE),
       "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
       "&B00000000, &B00000000"},
  };
  for (const Example& e : examples) {
    EXPECT_EQ(DataText(e.lamps), e.text) << e.name;
  }
}

TEST(DataTextTest, EveryDigitIsTheLampItNames) {
  // Digit j of the literal for column c is lamp 8j + c; the literal for column c is the (8 - c)th.
  for (LampIndex i = 0; i < LampCount; ++i) {
    const std::string text = DataText(WithLamps({i}));
    const std::size_t literal_start = 7 + 12 * static_cast<std::size_t>(7 - LampColumn(i));
    const std::size_t digit = literal_start + static_cast<std::size_t>(LampRow(i));
    EXPECT_EQ(text[digit], '1') << "lamp " << i;
    EXPECT_EQ(std::count(text.begin(), text.end(), '1'), 1) << "lamp " << i;
  }
}

TEST(DataTextTest, ShapeHoldsForRandomPatterns) {
  std::mt19937 random(7);
  const LampColour colours[] = {LampGrey, LampRed, LampGreen, LampOrange};
  for (int run = 0; run < 200; ++run) {
    LampMatrix lamps;
    for (LampIndex i = 0; i < LampCount; ++i) {
      lamps.SetColour(i, colours[random() % 4]);
    }
    const std::string text = DataText(lamps);
    ASSERT_EQ(text.size(), DataTextLength);
    EXPECT_TRUE(text.starts_with("DATA &B"));
    EXPECT_TRUE(text.ends_with(", &B00000000"));
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(DataText(lamps), text);
  }
}

}  // namespace
}  // namespace glyphgrid
