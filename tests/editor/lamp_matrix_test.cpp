#include "editor/lamp_matrix.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace glyphgrid {
namespace {

TEST(LampMatrixTest, StartsAllGrey) {
  const LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    EXPECT_EQ(lamps.Colour(i), 8421504) << "lamp " << i;
  }
}

TEST(LampMatrixTest, KeepsEveryColourExactlyAsWritten) {
  LampMatrix lamps;
  const LampColour written[] = {LampRed, LampGreen, LampOrange, LampGrey, 0x123456, 0};
  for (LampColour colour : written) {
    lamps.SetColour(27, colour);
    EXPECT_EQ(lamps.Colour(27), colour);
  }
}

TEST(LampMatrixTest, ClearAllGreysEveryColour) {
  LampMatrix lamps;
  lamps.SetColour(0, LampRed);
  lamps.SetColour(31, LampGreen);
  lamps.SetColour(63, LampOrange);
  lamps.ClearAll();
  EXPECT_EQ(lamps, LampMatrix());
}

TEST(LampMatrixTest, IndexOutsideTheGridThrowsAndChangesNothing) {
  LampMatrix lamps;
  lamps.SetColour(63, LampGreen);
  for (LampIndex bad : {-1, 64, 1000}) {
    EXPECT_THROW(lamps.SetColour(bad, LampRed), std::out_of_range);
    EXPECT_THROW((void)lamps.Colour(bad), std::out_of_range);
  }
  LampMatrix expected;
  expected.SetColour(63, LampGreen);
  EXPECT_EQ(lamps, expected);
}

TEST(LampMatrixTest, IndexArithmeticRoundTrips) {
  struct Case {
    LampIndex index;
    int row;
    int column;
  };
  const Case cases[] = {{0, 0, 0}, {7, 0, 7}, {8, 1, 0}, {27, 3, 3}, {56, 7, 0}, {63, 7, 7}};
  for (const Case& c : cases) {
    EXPECT_EQ(LampIndexOf(c.row, c.column), c.index);
    EXPECT_EQ(LampRow(c.index), c.row);
    EXPECT_EQ(LampColumn(c.index), c.column);
  }
}

}  // namespace
}  // namespace glyphgrid
