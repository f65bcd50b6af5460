#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/picture_mapping.h"
#include "support/patterns.h"

namespace glyphgrid {
namespace {

// Pixels by letter: W white, K black, a and b dark greys (20, 90), R red, O orange, Y yellow,
// G green, C cyan, B blue, M magenta, and a blank for a transparent pixel.
RgbaImage Drawn(int width, int height, const std::function<char(int x, int y)>& letter) {
  static const std::map<char, std::array<std::uint8_t, 4>> Colours = {
      {'W', {255, 255, 255, 255}}, {'K', {0, 0, 0, 255}},     {'a', {20, 20, 20, 255}},
      {'b', {90, 90, 90, 255}},    {'R', {255, 0, 0, 255}},   {'O', {255, 128, 0, 255}},
      {'Y', {255, 255, 0, 255}},   {'G', {0, 255, 0, 255}},   {'C', {0, 255, 255, 255}},
      {'B', {0, 0, 255, 255}},     {'M', {255, 0, 255, 255}}, {' ', {0, 0, 0, 0}}};
  RgbaImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::ranges::copy(Colours.at(letter(x, y)), image.Pixel(x, y));
    }
  }
  return image;
}

Picture Row(std::string_view letters) {
  return {{{Drawn(static_cast<int>(letters.size()), 1, [=](int x, int) { return letters[x]; }),
            std::nullopt}}};
}

// Eight lamps of the top row, the rest dark.
std::string TopRow(const std::string& row) {
  std::string grid = row + "\n";
  for (int i = 1; i < 8; ++i) {
    grid += "........\n";
  }
  return grid;
}

PictureMapping Crop(PictureMapping mapping = {}) {
  mapping.scale = PictureScale::Crop;
  return mapping;
}

TEST(PictureMappingTest, LampsFromPixels) {
  const Picture checkers = {
      {{Drawn(16, 16, [](int x, int y) { return (x + y) % 2 ? 'W' : 'K'; }), std::nullopt}}};
  const Picture wide = {{{Drawn(16, 8, [](int, int) { return 'W'; }), std::nullopt}}};
  std::string all_lit;
  for (int row = 0; row < 8; ++row) {
    all_lit += "RRRRRRRR\n";
  }
  const std::tuple<const char*, Picture, PictureMapping, std::string> cases[] = {
      // Otsu splits two dark levels that a fixed middle threshold would both leave dark.
      {"otsu", Row("aaaabbbb"), Crop(), TopRow("....RRRR")},
      {"one level on a transparent ground", Row("  RRRR"), Crop(), TopRow("..RRRR..")},
      {"one level, opaque", Row("RRRR"), Crop(), TopRow("........")},
      {"fixed", Row("aaaabbbb"), Crop({.threshold = 91}), TopRow("........")},
      {"inverted", Row("aaaabbbb"), Crop({.invert = true}), TopRow("RRRR....")},
      {"hues", Row("ROYGCBMW"), Crop({.threshold = 0}), TopRow("ROOGGRRR")},
      {"mono", Row("ROYGCBMW"), Crop({.threshold = 0, .colours = PictureColours::Mono}),
       TopRow("RRRRRRRR")},
      {"transparent", Row("  KKWW  "), Crop({.threshold = 128, .invert = true}),
       TopRow("..RR....")},
      {"crop corner", Row("KKKWKKKKKKW"), Crop({.crop_x = 3, .threshold = 128}),
       TopRow("R......R")},
      {"crop past edge", Row("WWWW"), Crop({.crop_x = 1, .threshold = 128}), TopRow("RRR.....")},
      // Each lamp averages four pixels, mid-grey; nearest takes one, black.
      {"fit", checkers, {.threshold = 100}, all_lit},
      {"nearest", checkers, {.scale = PictureScale::Nearest, .threshold = 100}, TopRow("........")},
      {"aspect",
       wide,
       {.threshold = 128},
       "........\n........\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\n........\n........\n"},
  };
  for (const auto& [what, picture, mapping, grid] : cases) {
    std::variant<MappedPicture, Error> mapped = MapPicture(picture, mapping, 100);
    ASSERT_TRUE(std::holds_alternative<MappedPicture>(mapped)) << what;
    ASSERT_EQ(std::get<MappedPicture>(mapped).frames.size(), 1u) << what;
    EXPECT_EQ(std::get<MappedPicture>(mapped).frames[0].Lamps(), FromGrid(grid)) << what;
  }
}

// Sheets give a frame a cell, row by row; every frame keeps its picture frame's delay.
TEST(PictureMappingTest, SheetCellsAndDelays) {
  // Cell n has its white pixel n places from its top left corner.
  const auto cells = [](int x, int y) {
    return x % 8 == x / 8 + 2 * (y / 8) && y % 8 == 0 ? 'W' : 'K';
  };
  const std::tuple<Picture, SpriteSheet, std::vector<std::string>> sheets[] = {
      {{{{Drawn(24, 8, cells), 40}}}, SpriteSheet::Row, {"R.......", ".R......", "..R....."}},
      {{{{Drawn(16, 16, cells), 40}}},
       SpriteSheet::Grid,
       {"R.......", ".R......", "..R.....", "...R...."}},
  };
  for (const auto& [picture, sheet, rows] : sheets) {
    const auto mapped = std::get<MappedPicture>(MapPicture(picture, {.sheet = sheet}, 100));
    ASSERT_EQ(mapped.frames.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(mapped.frames[i].Lamps(), FromGrid(TopRow(rows[i]))) << i;
      EXPECT_EQ(mapped.frames[i].Delay(), 40);
    }
  }
  Picture frames = Row("aaaabbbb");
  frames.frames.push_back({frames.frames[0].image, 700000});
  const auto mapped = std::get<MappedPicture>(MapPicture(frames, {}, 42));
  EXPECT_EQ(mapped.threshold, 55);
  EXPECT_EQ(mapped.frames[0].Delay(), 42);
  EXPECT_EQ(mapped.frames[1].Delay(), MaxDelay);
}

TEST(PictureMappingTest, PicturesThatMakeNoFrames) {
  const auto black = [](int, int) { return 'K'; };
  const std::tuple<Picture, PictureMapping, std::string> cases[] = {
      {{{{Drawn(20, 8, black), {}}}},
       {.sheet = SpriteSheet::Row},
       "a sprite sheet row must be 8 pixels high and a multiple of 8 wide, not 20 x 8"},
      {{{{Drawn(16, 12, black), {}}}},
       {.sheet = SpriteSheet::Grid},
       "a sprite sheet grid must be a multiple of 8 pixels wide and high, not 16 x 12"},
      {Row("KK"), Crop({.crop_x = 2}), "the crop's corner 2,0 lies outside the 2 x 1 picture"},
      {{{{Drawn(8 * (MaxFrames + 1), 8, black), {}}}},
       {.sheet = SpriteSheet::Row},
       "the picture makes 10001 frames, more than the limit of 10000"},
      {{}, {}, "the picture holds no frames"},
  };
  for (const auto& [picture, mapping, message] : cases) {
    const std::variant<MappedPicture, Error> mapped = MapPicture(picture, mapping, 100);
    ASSERT_TRUE(std::holds_alternative<Error>(mapped)) << message;
    EXPECT_EQ(std::get<Error>(mapped).message, message);
  }
}

}  // namespace
}  // namespace glyphgrid
