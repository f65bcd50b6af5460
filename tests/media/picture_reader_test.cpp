#include <gtest/gtest.h>

#include "core/picture_mapping.h"
#include "media/picture_reader.h"
#include "support/patterns.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

std::string DataPath(const std::string& name) {
  return std::string(GLYPHGRID_TEST_DATA) + "/" + name;
}

std::string DataBytes(const std::string& name) {
  std::ifstream file(DataPath(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::variant<Picture, Error> Decoded(const std::string& bytes) {
  return DecodePicture({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, "'x'");
}

// Files ImageMagick wrote (tests/data/make-pictures.sh), each frame read as lamps with its delay.
TEST(PictureReaderTest, EachFormatWithItsFramesAndDelays) {
  const std::string quarters =
      "GGGGOOOO\nGGGGOOOO\nGGGGOOOO\nGGGGOOOO\n........\n........\n"
      "........\n........\n";
  const std::string blank = "........\n........\n........\n........\n........\n........\n";
  const std::tuple<std::string, std::vector<std::string>, std::vector<std::optional<int>>> files[] =
      {
          {"quarters.png", {quarters}, {std::nullopt}},
          {"quarters.jpg", {quarters}, {std::nullopt}},
          {"quarters.bmp", {quarters}, {std::nullopt}},
          // The later frames are stored as the rectangles that change and composed on the first.
          {"three-frames.gif",
           {"R.......\n........\n" + blank, "...R....\n........\n" + blank,
            "...R....\n" + blank + "RRRRRRRR\n"},
           {100, 200, 300}},
          {"disposal.gif",
           {"R.......\n........\n" + blank, "R......R\n........\n" + blank,
            "R..R....\n........\n" + blank, "R....R..\n........\n" + blank},
           {100, 100, 100, 100}},
      };
  for (const auto& [name, grids, delays] : files) {
    const std::variant<Picture, Error> read =
        ReadPicture(DataPath(name), name, FileAccess::RegularFilesOnly);
    ASSERT_TRUE(std::holds_alternative<Picture>(read)) << std::get<Error>(read).message;
    const auto mapped = std::get<MappedPicture>(MapPicture(std::get<Picture>(read), {}, 100));
    ASSERT_EQ(mapped.frames.size(), grids.size()) << name;
    for (std::size_t i = 0; i < grids.size(); ++i) {
      EXPECT_EQ(mapped.frames[i].Lamps(), FromGrid(grids[i])) << name << " " << i;
      EXPECT_EQ(std::get<Picture>(read).frames[i].delay, delays[i]) << name << " " << i;
    }
  }
}

TEST(PictureReaderTest, BadPicturesAreRefusedBeforeTheyAreDecoded) {
  const std::string png = DataBytes("quarters.png");
  const std::pair<std::string, std::string> cases[] = {
      {"", "it is not a PNG, GIF, JPEG or BMP picture"},
      {"hello, world\n", "it is not a PNG, GIF, JPEG or BMP picture"},
      {png.substr(0, 150), "its PNG data is damaged ("},
      {DataBytes("huge.png"), "it declares 100000 x 100000 pixels, more than 16384 a side"},
      {std::string("GIF89a\0\x40\0\x40\0\0\0", 13),
       "it declares 16384 x 16384 pixels, more than 16777216 in all"},
      {std::string("GIF89a\x08\0\x08\0\0\0\0;", 14), "it holds no frames"},
      {DataBytes("three-frames.gif").substr(0, 80), "its GIF data is cut short"},
      {DataBytes("quarters.jpg").substr(0, 200), "its JPEG data is damaged ("},
      {std::string("BM\0\0\0\0\0\0\0\0\0\0\0\0\x28\0\0\0\xa0\x86\x01\0\x01\0\0\0", 26),
       "it declares 100000 x 1 pixels, more than 16384 a side"},
  };
  for (const auto& [bytes, reason] : cases) {
    const std::variant<Picture, Error> decoded = Decoded(bytes);
    ASSERT_TRUE(std::holds_alternative<Error>(decoded)) << reason;
    EXPECT_TRUE(std::get<Error>(decoded).message.starts_with("cannot read 'x': " + reason))
        << std::get<Error>(decoded).message;
  }
  const std::string gif = DataBytes("three-frames.gif");
  const auto over = DecodePicture({reinterpret_cast<const std::uint8_t*>(gif.data()), gif.size()},
                                  "'x'", {.decoded_bytes = 8 * 8 * 4 * 2});
  EXPECT_EQ(std::get<Error>(over).message,
            "cannot read 'x': its frames take more than 512 bytes decoded");
  const TemporaryFolder folder;
  EXPECT_EQ(
      std::get<Error>(ReadPicture(folder.Path(), "'f'", FileAccess::RegularFilesOnly)).message,
      "cannot open 'f': it is a folder, not a file");
}

}  // namespace
}  // namespace glyphgrid
