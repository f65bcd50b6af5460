#include "core/lamp_rendering.h"

#include <gtest/gtest.h>

#include <set>

#include "support/patterns.h"

namespace glyphgrid {
namespace {

std::uint32_t At(const RgbaImage& image, int x, int y) {
  const std::uint8_t* pixel = image.Pixel(x, y);
  return static_cast<std::uint32_t>(pixel[0] << 16 | pixel[1] << 8 | pixel[2]);
}

TEST(LampRenderingTest, SheetsShowEachFramesLampsOnADarkBoardFromTheFixedPalette) {
  const std::string dark = "........\n........\n........\n........\n........\n";
  LampMatrix odd = FromGrid("R......G\n.O......\n" + dark + "G......O\n");
  odd.SetColour(LampIndexOf(3, 3), 0x123456);  // no lamp colour: shown unlit
  const std::vector<Frame> frames = {
      Frame(odd), Frame(FromGrid(dark + "GGGGOOOO\n.R..R...\n...O..G.\n")), Frame(),
      Frame(FromGrid(dark + "RRRRRRRR\n........\n........\n"))};
  const std::set<std::uint32_t> palette(LampPicturePalette().begin(), LampPicturePalette().end());
  ASSERT_LE(palette.size(), 256u);
  const struct {
    SheetLayout layout;
    int frames, lamp_size, columns, rows;
  } sheets[] = {{SheetLayout::Grid, 3, MinLampSize, 2, 2},
                {SheetLayout::Row, 4, 5, 4, 1},
                {SheetLayout::Grid, 4, 9, 2, 2},
                {SheetLayout::Row, 2, DefaultLampSize, 2, 1},
                {SheetLayout::Grid, 1, MaxLampSize, 1, 1}};
  for (const auto& [layout, count, size, columns, rows] : sheets) {
    const std::span<const Frame> taken(frames.data(), static_cast<std::size_t>(count));
    const RgbaImage image = std::get<RgbaImage>(RenderSheet(taken, size, layout));
    const int side = FramePictureSide(size), border = size / 2;
    ASSERT_EQ(std::pair(image.width, image.height), std::pair(columns * side, rows * side));
    const std::uint32_t board = At(image, 0, 0);
    const std::uint32_t unlit = At(image, border + size / 2, border + 2 * size + size / 2);
    EXPECT_NE(unlit, board) << size;
    for (int frame = 0; frame < count; ++frame) {
      for (int lamp = 0; lamp < 64; ++lamp) {
        const int x = frame % columns * side + border + lamp % 8 * size;
        const int y = frame / columns * side + border + lamp / 8 * size;
        const LampColour colour =
            frames[frame].Lamps().Colour(LampIndexOf(7 - lamp / 8, 7 - lamp % 8));
        EXPECT_EQ(At(image, x + size / 2, y + size / 2), colour == LampRed      ? 0xFF0000u
                                                         : colour == LampGreen  ? 0x00C000u
                                                         : colour == LampOrange ? 0xFF8000u
                                                                                : unlit)
            << size << " " << frame << " " << lamp;
        EXPECT_EQ(At(image, x, y), board) << size << " " << frame << " " << lamp;
      }
    }
    std::set<std::uint32_t> used;
    for (int at = 0; at < image.width * image.height; ++at) {
      used.insert(At(image, at % image.width, at / image.width));
    }
    EXPECT_TRUE(std::ranges::includes(palette, used)) << size;
  }
}

}  // namespace
}  // namespace glyphgrid
