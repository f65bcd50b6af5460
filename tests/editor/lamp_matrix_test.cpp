#include "editor/lamp_matrix.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace glyphgrid {
namespace {

TEST(LampMatrixTest, StartsGreyAndKeepsEveryColourExactlyAsWritten) {
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    EXPECT_EQ(lamps.Colour(i), 8421504) << "lamp " << i;
  }
  for (LampColour colour : {LampRed, LampGreen, LampOrange, 0x123456, 0}) {
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
  for (LampIndex bad : {-1, 64, 1000}) {
    EXPECT_THROW(lamps.SetColour(bad, LampRed), std::out_of_range);
    EXPECT_THROW((void)lamps.Colour(bad), std::out_of_range);
  }
  EXPECT_EQ(lamps, LampMatrix());
}

}  // namespace
}  // namespace glyphgrid
