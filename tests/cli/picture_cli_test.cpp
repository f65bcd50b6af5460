#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "media/gif_writer.h"
#include "run_cli.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

using namespace std::string_literals;

const std::string Cli_ = "'" GLYPHGRID_CLI "' ";
const std::vector<std::vector<std::string>> Grids = {
    {"R......G", "........", "........", "........", "........", "........", "........",
     "O......."},
    {"GGGGGGGG", "........", "........", "..RRR...", "........", "........", "........",
     "........"},
    {"........", "........", "........", "........", "...OR...", "........", "........",
     "...G...."}};

std::string Shell(const std::string& command) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[65536];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    text.append(buffer, got);
  }
  pclose(pipe);
  return text;
}

// The lamps read back from raw RGB pixels holding frames of 8-pixel lamps, `columns` a row, by
// the colour at each lamp's centre.
std::vector<std::vector<std::string>> LampsOf(const std::string& rgb, int width, int columns) {
  constexpr int Side = 72, Border = 4, Lamp = 8;
  std::vector<std::vector<std::string>> grids;
  for (std::size_t frame = 0; frame < Grids.size(); ++frame) {
    grids.emplace_back(8, std::string(8, '.'));
    for (int row = 0; row < 8; ++row) {
      for (int column = 0; column < 8; ++column) {
        const int x = static_cast<int>(frame) % columns * Side + Border + column * Lamp + Lamp / 2;
        const int y = static_cast<int>(frame) / columns * Side + Border + row * Lamp + Lamp / 2;
        const std::string pixel = rgb.substr(static_cast<std::size_t>((y * width + x) * 3), 3);
        grids.back()[row][column] = pixel == "\xff\0\0"s     ? 'R'
                                    : pixel == "\0\xc0\0"s   ? 'G'
                                    : pixel == "\xff\x80\0"s ? 'O'
                                                             : '.';
      }
    }
  }
  return grids;
}

TEST(PictureCliTest, ImageMagickReadsBackTheLampsAndTheDelays) {
  const TemporaryFolder folder;
  std::string document = R"({"format":"glyphgrid","version":1,"default_delay":100,"frames":[)";
  const int delays[] = {15, 105, 250};
  for (std::size_t frame = 0; frame < Grids.size(); ++frame) {
    document += (frame > 0 ? ",{\"delay\":" : "{\"delay\":") + std::to_string(delays[frame]) +
                ",\"rows\":[\"" + Grids[frame][0];
    for (int row = 1; row < 8; ++row) {
      document += "\",\"" + Grids[frame][row];
    }
    document += "\"]}";
  }
  const std::string input = folder.Write("in", document + "]}");
  const std::string gif = folder.Path("a.gif");
  const std::string png = folder.Path("b.png");
  ASSERT_EQ(
      std::system((Cli_ + "gif --from document --lamp-size 8 -o " + gif + " " + input).c_str()), 0);
  ASSERT_EQ(
      std::system(
          (Cli_ + "png --from document --lamp-size 8 --sheet row " + input + " >" + png).c_str()),
      0);
  EXPECT_EQ(Shell("identify -format '%T %w %h,' " + gif), "2 72 72,11 72 72,25 72 72,");
  EXPECT_EQ(Shell("identify -verbose " + gif + " | grep -c 'Iterations: 0'"), "3\n");
  EXPECT_EQ(LampsOf(Shell("convert " + gif + " -coalesce -depth 8 rgb:-"), 72, 1), Grids);
  EXPECT_EQ(Shell("identify -format '%w %h' " + png), "216 72");
  EXPECT_EQ(LampsOf(Shell("convert " + png + " -depth 8 rgb:-"), 216, 3), Grids);
}

TEST(PictureCliTest, DelaysRoundToHundredthsOfAtLeastTwo) {
  const std::pair<int, int> delays[] = {{1, 2},    {15, 2},   {24, 2},     {25, 3},
                                        {104, 10}, {105, 11}, {1000, 100}, {65535, 6554}};
  for (const auto& [milliseconds, hundredths] : delays) {
    EXPECT_EQ(GifDelay(milliseconds), hundredths) << milliseconds;
  }
}

TEST(PictureCliTest, WritesNoPictureToATerminalOrAnUnwritableFile) {
  int terminal = -1, shown = -1;
  ASSERT_EQ(openpty(&terminal, &shown, nullptr, nullptr, nullptr), 0);
  const TemporaryFolder folder;
  const std::string command =
      Cli_ + "gif </dev/null >" + ttyname(shown) + " 2>" + folder.Path("err");
  const int status = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
  EXPECT_EQ(folder.Read("err"),
            "glyphgrid-cli: standard output is a terminal, which shows no picture; add -o FILE or "
            "redirect it (> picture.gif)\n");
  fcntl(terminal, F_SETFL, O_NONBLOCK);
  char byte;
  EXPECT_EQ(read(terminal, &byte, 1), -1);
  close(shown);
  close(terminal);
  const std::tuple<std::string, int, std::string> failures[] = {
      {"png -o " + folder.Path(), 1, "cannot write '" + folder.Path() + "': it is a folder"},
      {"gif -o /dev/full", 1, "cannot write '/dev/full': it is a device, not a file"},
      {"png -o " + folder.Path("none/a.png"), 1, "No such file or directory"},
      {"png --lamp-size 3", 2, "--lamp-size: expected a whole number from 4 to 128, got '3'"},
      {"grid -o x", 2, "-o is for pictures only: it goes with png or gif"},
      {"gif --sheet row", 2, "--sheet lays out a png"},
      {"png --frames 400 --sheet row --lamp-size 8", 2, "the sprite sheet would be 28800 x 72"},
      {"gif --frames 9000", 2, "a GIF of 9000 frames at 32 pixels a lamp would hold"}};
  for (const auto& [arguments, code, message] : failures) {
    const Result result = Cli(arguments);
    EXPECT_EQ(result.status, code) << arguments;
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(Cli("png -o " + folder.Path("a.png")).status, 0);
  EXPECT_EQ(folder.Read("a.png").substr(0, 4), "\x89PNG");
  // The file written whole and renamed: nothing else is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (!std::filesystem::exists("/usr/bin/identify") ||
      !std::filesystem::exists("/usr/bin/convert")) {
    std::puts(
        "ImageMagick (/usr/bin/identify, /usr/bin/convert) is missing: nothing to read the "
        "pictures back with; skipped");
    return 77;
  }
  return RUN_ALL_TESTS();
}
