#include "core/lamp_rendering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/patterns.h"

namespace glyphgrid {
namespace {

std::uint32_t At(const RgbaImage& image, int x, int y) {
  const std::uint8_t* pixel = image.Pixel(x, y);
  EXPECT_EQ(pixel[3], 0xFF);
  return static_cast<std::uint32_t>(pixel[0] << 16 | pixel[1] << 8 | pixel[2]);
}

TEST(LampRenderingTest, LampsShowTheirColoursOnADarkBoard) {
  LampMatrix lamps = FromGrid(
      "R......G\n.O......\n........\n........\n"
      "........\n........\n........\nG......O\n");
  lamps.SetColour(LampIndexOf(3, 3), 0x123456);  // no lamp colour: shown unlit
  const std::set<std::uint32_t> palette(LampPicturePalette().begin(), LampPicturePalette().end());
  ASSERT_LE(palette.size(), 256u);
  for (const int size : {MinLampSize, 5, 9, DefaultLampSize, 45, MaxLampSize}) {
    const RgbaImage image = RenderLamps(lamps, size);
    const int border = (image.width - 8 * size) / 2;
    ASSERT_EQ(image.height, image.width);
    ASSERT_GE(border, 1) << size;
    const std::uint32_t board = At(image, 0, 0);
    const std::uint32_t unlit = At(image, border + size / 2, border + 2 * size + size / 2);
    EXPECT_NE(unlit, board) << size;
    for (int row = 0; row < 8; ++row) {
      for (int column = 0; column < 8; ++column) {
        const int x = border + column * size;
        const int y = border + row * size;
        const LampColour colour = lamps.Colour(LampIndexOf(7 - row, 7 - column));
        const std::uint32_t expected = colour == LampRed      ? 0xFF0000
                                       : colour == LampGreen  ? 0x00C000
                                       : colour == LampOrange ? 0xFF8000
                                                              : unlit;
        EXPECT_EQ(At(image, x + size / 2, y + size / 2), expected) << size << " " << row << column;
        EXPECT_EQ(At(image, x, y), board) << size << " " << row << column;
      }
    }
    std::set<std::uint32_t> used;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        used.insert(At(image, x, y));
      }
    }
    EXPECT_TRUE(std::ranges::includes(palette, used)) << size;
    // The edges are smoothed: more than the five flat colours.
    EXPECT_GT(used.size(), 5u) << size;
  }
}

TEST(LampRenderingTest, SheetsPlaceFramesInReadingOrderWithinTheLimits) {
  std::vector<Frame> frames;
  for (int index = 0; index < 5; ++index) {
    LampMatrix lamps;
    lamps.SetColour(LampIndexOf(7, 7 - index), LampRed);
    frames.emplace_back(lamps);
  }
  const struct {
    SheetLayout layout;
    int frames, lamp_size, columns, rows;
  } sheets[] = {{SheetLayout::Grid, 5, 4, 3, 2},  {SheetLayout::Row, 5, 7, 5, 1},
                {SheetLayout::Grid, 4, 6, 2, 2},  {SheetLayout::Grid, 1, 8, 1, 1},
                {SheetLayout::Row, 2, 128, 2, 1}, {SheetLayout::Grid, 2, 4, 2, 1}};
  for (const auto& sheet : sheets) {
    const std::span<const Frame> taken(frames.data(), static_cast<std::size_t>(sheet.frames));
    const RgbaImage image = std::get<RgbaImage>(RenderSheet(taken, sheet.lamp_size, sheet.layout));
    const int side = FramePictureSide(sheet.lamp_size);
    ASSERT_EQ(image.width, sheet.columns * side);
    ASSERT_EQ(image.height, sheet.rows * side);
    for (int index = 0; index < sheet.frames; ++index) {
      const int left = index % sheet.columns * side;
      const int top = index / sheet.columns * side;
      RgbaImage cell(side, side);
      for (int y = 0; y < side; ++y) {
        std::copy_n(image.Pixel(left, top + y), 4 * side, cell.Pixel(0, y));
      }
      EXPECT_EQ(cell, RenderLamps(frames[index].Lamps(), sheet.lamp_size)) << index;
    }
  }
  const std::vector<Frame> many(400, Frame());
  const auto too_wide = RenderSheet(many, 8, SheetLayout::Row);
  const auto too_large = RenderSheet(many, MaxLampSize, SheetLayout::Grid);
  EXPECT_NE(std::get<Error>(too_wide).message.find("28800 x 72 pixels, more than the limit"),
            std::string::npos);
  EXPECT_NE(std::get<Error>(too_large).message.find("23040 x 23040"), std::string::npos);
  EXPECT_TRUE(std::holds_alternative<Error>(RenderSheet({}, 8, SheetLayout::Row)));
}

}  // namespace
}  // namespace glyphgrid
