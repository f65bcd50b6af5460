#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "run_cli.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

const std::string Cli_ = "'" GLYPHGRID_CLI "' ";
const std::string Dots = "........\n";
const std::string Grids = "R......G\n" + Dots + Dots + Dots + Dots + Dots + Dots + "O.......\n\n" +
                          "GGGGGGGG\n" + Dots + Dots + "..RRR...\n" + Dots + Dots + Dots + Dots +
                          "\n" + Dots + Dots + Dots + Dots + "...OR...\n" + Dots + Dots +
                          "...G....\n";

// Grid text from the pixels at the lamps' centres, 64 a frame.
std::string GridsOf(const std::string& rgb) {
  std::string grids;
  for (std::size_t at = 0; at + 3 <= rgb.size(); at += 3) {
    const std::string pixel = rgb.substr(at, 3);
    grids += pixel == std::string("\xff\0\0", 3)     ? "R"
             : pixel == std::string("\0\xc0\0", 3)   ? "G"
             : pixel == std::string("\xff\x80\0", 3) ? "O"
                                                     : ".";
    grids += at / 3 % 8 < 7 ? "" : at / 3 % 64 < 63 || at + 3 == rgb.size() ? "\n" : "\n\n";
  }
  return grids;
}

TEST(PictureCliTest, ImageMagickReadsBackTheLampsTheDelaysAndTheLoop) {
  const TemporaryFolder folder;
  const auto shell = [&folder](const std::string& command) {
    return std::system((command + " >" + folder.Path("out")).c_str()) == 0 ? folder.Read("out")
                                                                           : "failed";
  };
  const std::string input = folder.Write("in", Grids), gif = folder.Path("a.gif");
  const std::string options = "--from grid --lamp-size 8 ";
  EXPECT_EQ(shell(Cli_ + "gif --delay 105 " + options + "-o " + gif + " " + input), "");
  const std::string png =
      folder.Write("b.png", shell(Cli_ + "png --layout row " + options + input));
  EXPECT_EQ(shell("identify -format '%T %W %H,' " + gif), "11 72 72,11 72 72,11 72 72,");
  EXPECT_EQ(shell("identify -verbose " + gif + " | grep -c 'Iterations: 0'"), "3\n");
  // Half a lamp of border shaved off, then a pixel at each lamp's centre.
  const std::string centres = " -shave 4x4 -sample 8x8 -depth 8 rgb:-";
  EXPECT_EQ(GridsOf(shell("convert " + gif + " -coalesce" + centres)), Grids);
  EXPECT_EQ(GridsOf(shell("convert " + png + " -crop 72x72 +repage" + centres)), Grids);
}

TEST(PictureCliTest, WritesNoPictureToATerminalOrAnUnwritableFile) {
  int terminal = -1, shown = -1;
  ASSERT_EQ(openpty(&terminal, &shown, nullptr, nullptr, nullptr), 0);
  const TemporaryFolder folder;
  const int status = std::system(
      (Cli_ + "gif </dev/null >" + ttyname(shown) + " 2>" + folder.Path("err")).c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
  EXPECT_EQ(folder.Read("err"),
            "glyphgrid-cli: standard output is a terminal, which shows no picture; add -o FILE or "
            "redirect it (> picture.gif)\n");
  fcntl(terminal, F_SETFL, O_NONBLOCK);
  char byte;
  EXPECT_EQ(read(terminal, &byte, 1), -1);
  close(shown), close(terminal);
  // A pipe of the test's own, not a device: were the check broken, -o would replace what it names.
  const std::string pipe = folder.Path("pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::tuple<std::string, int, std::string> failures[] = {
      {"png -o " + folder.Path(), 1, "cannot write '" + folder.Path() + "': it is a folder"},
      {"gif -o " + pipe, 1, "cannot write '" + pipe + "': it is a named pipe, not a file"},
      {"png -o /sys/a.png", 1, "cannot write '/sys/a.png': Permission denied"},
      {"grid -o x", 2, "-o is for pictures only: it goes with png or gif"},
      {"png --lamp-size 3", 2, "--lamp-size: expected a whole number from 4 to 128, got '3'"},
      {"gif --layout row", 2, "--layout lays out a png"},
      {"png --frames 400 --layout row --lamp-size 8", 2, "the sprite sheet would be 28800 x 72"},
      {"gif --frames 9000", 2, "a GIF of 9000 frames at 32 pixels a lamp would hold"}};
  for (const auto& [arguments, code, message] : failures) {
    const Result result = Cli(arguments);
    EXPECT_EQ(result.status, code) << arguments;
    EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(Cli("png -o " + folder.Path("a.png")).status, 0);
  // The picture was written whole and renamed: nothing else is left beside it, the pipe still a
  // pipe.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 3);
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (!std::filesystem::exists("/usr/bin/identify") ||
      !std::filesystem::exists("/usr/bin/convert")) {
    std::puts("ImageMagick (/usr/bin/identify, /usr/bin/convert) is missing: skipped");
    return 77;
  }
  return RUN_ALL_TESTS();
}
