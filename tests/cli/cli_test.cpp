#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sstream>

#include "cli/cli_run.h"
#include "core/grid_text.h"
#include "core/pattern_operations.h"
#include "run_cli.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

const std::string FourColours =
    "O......R\n........\n..G.....\n........\n........\n........\n........\nR......G\n";
const std::string FourColoursData =
    "DATA &B10000001, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000001, &B00000000\n";
const std::string FourColoursDocument =
    R"({
  "format": "glyphgrid",
  "version": 1,
  "default_delay": 100,
  "frames": [
    {"delay":80,"rows":["O......R","........","..G.....","........","........","........","........","R......G"]}
  ]
}
)";
const std::string AllGreyData =
    "DATA &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, &B00000000, "
    "&B00000000, &B00000000\n";

// The planes of the pattern whose only lit lamp is the top-left one, red.
std::string TopLeftPlanes() {
  std::string text;
  for (int line = 0; line < 16; ++line) {
    text += line == 0 ? "&B00000001" : "&B00000000";
    text += ", &B00000000, &B00000000, &B00000000\r\n";
  }
  return text;
}

TEST(CliTest, PrintsThePatternRead) {
  const TemporaryFolder folder;
  const std::string file = " " + folder.Write("pattern", FourColours);
  const std::string op = "grid --from grid --op ";
  const std::string top_left =
      "R.......\n........\n........\n........\n........\n........\n........\n........\n";
  const std::tuple<std::string, std::string, std::string> examples[] = {
      {"data --from grid", FourColours, FourColoursData},
      {"grid --from data", FourColoursData,
       "R......R\n........\n........\n........\n........\n........\n........\nR.......\n"},
      {"grid --from grid",
       "O......R\r\n........\n..G.....\n........\n........\n........\n........\nR......G",
       FourColours},
      {"planes --from grid", top_left, TopLeftPlanes()},
      {"grid --from grid", "\xEF\xBB\xBF" + FourColours, FourColours},
      {"data --from data", "\xEF\xBB\xBF" + FourColoursData, FourColoursData},
      {"grid", TopLeftPlanes(), top_left},
      {"planes --frames 2", TopLeftPlanes(), TopLeftPlanes() + "\n" + TopLeftPlanes()},
      {"grid --from grid" + file, "", FourColours},
      {"grid --frames 1 --from grid -", FourColours, FourColours},
      {op + "click:1687.5,727", FourColours,
       "R......R\n........\n..G.....\n........\n........\n........\n........\nR......G\n"},
      {op + "click:1687,3250.25 --op clear --op cycle-all", FourColours,
       "RRRRRRRR\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\nRRRRRRRR\n"},
      {op + "shift-left --frames 2", FourColours,
       "......R.\n........\n.G......\n........\n........\n........\n.......R\n......GG\n\n"
       ".....R..\n........\nG.......\n........\n........\n........\n......R.\n.....GGG\n"},
      {"data --from grid --op clear --frames 2", FourColours, AllGreyData + AllGreyData},
      // Frames come from the text's structure, each with the operations applied once.
      {"data --from grid --op clear", FourColours + "\r\n\n" + FourColours + "\n",
       AllGreyData + AllGreyData},
      {"data --from grid --frames 1", FourColours + "\n", FourColoursData},
      {"document --from grid --delay 80", FourColours, FourColoursDocument},
      {"grid --from document --op cycle-all --op cycle-all --op cycle-all --op cycle-all",
       FourColoursDocument, FourColours},
      {"data", std::string(MaxPatternTextSize, ','), AllGreyData},
      // Too small or too large for a double, still plain decimals: outside every lamp.
      {"data --from grid --op click:0." + std::string(400, '0') + "1,727 --op click:1" +
           std::string(400, '0') + ",727",
       FourColours, FourColoursData},
  };
  for (const auto& [arguments, input, output] : examples) {
    const Result result = Cli(arguments, input);
    EXPECT_EQ(result.status, 0) << arguments << ": " << result.err;
    EXPECT_EQ(result.out, output) << arguments;
  }
  for (const PatternOperation& operation : PatternOperations()) {
    LampMatrix lamps = std::get<LampMatrix>(ParseGrid(FourColours));
    operation.apply(lamps);
    EXPECT_EQ(Cli(op + std::string(operation.name), FourColours).out, GridText(lamps));
  }
}

TEST(CliTest, RejectsBadInputAndUsageWithOneLineAndNoOutput) {
  const std::string grid = "........\n";
  const std::tuple<std::string, std::string, int, std::string> failures[] = {
      {"grid --from grid", grid + grid + ".......\n", 2, "grid line 3: expected 8 characters"},
      {"grid --from grid", grid + "...x....\n", 2,
       "grid line 2: character 4: expected one of . R G O, got 'x'"},
      {"grid --from grid", grid + std::string(1, '\0') + ".......\n", 2,
       "grid line 2: character 1: expected one of . R G O, got byte 0x00"},
      {"grid --from grid", FourColours.substr(0, 63), 2, "grid: expected 8 lines, got 7"},
      {"grid --from grid", FourColours + grid, 2, "grid line 9: expected the end"},
      {"grid --from data", std::string(FourColoursData).replace(45, 1, "2"), 2,
       "data literal 4: expected 8 binary digits"},
      {"grid --from data", std::string(FourColoursData).replace(15, 1, ";"), 2,
       "data literal 1: expected \", &B\" after"},
      {"grid --from data", "DATA &B1", 2, "data literal 1: expected"},
      {"grid --from data", "data &B00000000", 2, "data: expected the line to begin with"},
      {"grid --from data", std::string(FourColoursData).replace(110, 1, "1"), 2,
       "data literal 9: expected 00000000"},
      {"grid --from data", FourColoursData + "\n", 2, "data literal 9: expected the end"},
      {"grid", std::string(MaxPatternTextSize + 1, '0'), 2,
       "cannot read standard input: it is larger than 1 MiB, too large for a pattern"},
      {"grid", std::string(10 * MaxPatternTextSize, '0'), 2, "cannot read standard input: it is"},
      {"grid /dev/zero", "", 2, "cannot read '/dev/zero': it is larger than 1 MiB"},
      {"grid /", "", 1, "cannot read '/': Is a directory"},
      {"grid a\r\nb", "", 1, "cannot open 'a\\r\\nb': No such file or directory"},
      {"grid --colour\x1b[1m", "", 2, "unknown option '--colour\\x1b[1m'"},
      // C1 controls and bytes that are no UTF-8 are escaped; other UTF-8 stays.
      {"grid --\xc2\x9b\xc3\xa9\xff\xed\xa0\x80\xe2\x82", "", 2,
       "unknown option '--\\xc2\\x9b\xc3\xa9\\xff\\xed\\xa0\\x80\\xe2\\x82'"},
      {"export --zero a\x1e"
       "b",
       "", 2, "--zero: unknown value 'a\\x1eb' (expected yes or no)"},
      {"grid --op spin", "", 2,
       "--op 'spin': unknown operation (expected shift-up, shift-down, shift-left, shift-right, "
       "move-up, move-down,"},
      {"grid --op click:1e3,2", "", 2,
       "--op 'click:1e3,2': expected click:X,Y with X and Y finite decimal numbers"},
      {"grid --op click:1,", "", 2, "--op 'click:1,': expected"},
      {"grid --op click:12", "", 2, "--op 'click:12': expected"},
      {"grid --frames 10001", "", 2, "--frames: expected a whole number from 1 to 10000"},
      {"grid --frames 0", "", 2, "--frames: expected a whole number from 1 to 10000"},
      {"grid --frames 2x", "", 2, "--frames: expected a whole number"},
      {"grid --from grid --frames 2", FourColours + "\n" + FourColours, 2,
       "--frames repeats one frame, but the input holds 2 frames"},
      {"grid --from grid", FourColours + "\n" + grid, 2, "frame 2: grid: expected 8 lines, got 1"},
      {"grid --delay 65536", "", 2, "--delay: expected a whole number from 1 to 65535"},
      {"grid --from document", "[]", 2, "document line 1, column 1: expected a Glyphgrid document"},
      {"grid --frames", "", 2, "--frames: missing value"},
      {"grid --from png", "", 2, "--from: unknown format 'png'"},
      {"grid --color", "", 2, "unknown option '--color'; see --help"},
      {"grid --negative", "", 2, "--negative is for picture input only; add --from picture"},
      {"grid --from picture --threshold 256", "", 2,
       "--threshold: expected auto or a whole number from 0 to 255, got '256'"},
      {"grid --from picture --crop 1,1 --scale fit", "", 2,
       "--crop takes a crop; it cannot go with --scale fit"},
      {"grid --from picture --sheet row --scale nearest", "", 2,
       "--scale does not apply to a sprite sheet"},
      {"grid --from picture", "GIF89a", 2, "cannot read standard input: its GIF data is cut short"},
      {"grid --from picture --sheet row " GLYPHGRID_TEST_DATA "/quarters.png", "", 2,
       "'" GLYPHGRID_TEST_DATA "/quarters.png': a sprite sheet row must be 8 pixels high"},
      {"grid --gap 2", "x", 2, "--gap is for text input only; add --from text"},
      {"grid --from text --direction sideways", "x", 2,
       "--direction: expected left, right, up or down, got 'sideways'"},
      {"grid --from text --colour blue", "x", 2, "--colour: expected red, green or orange"},
      {"grid --from text", "\n", 2, "the text is empty"},
      {"", "", 2,
       "missing command (data, grid, planes, export, document, png, gif, profiles or send); see "
       "--help\nUsage: "},
      {"profiles --op shift-up --frames 3", "", 2, "profiles takes no options, got --op\n"},
      {"--from", "", 2, "--from: missing value"},
      {"svg", "", 2, "unknown command 'svg'"},
      {"grid a.txt b.txt", "", 2, "more than one file: 'a.txt' and 'b.txt'\n"},
      {"grid /nonexistent/pattern", "", 1, "cannot open '/nonexistent/pattern': No such file"},
      {"send", "", 2, "send needs --port PATH"},
      {"grid --loop", "", 2, "--loop is for send only"},
      {"send --port /dev/null --baud 115201", "", 2, "--baud: expected one of 1200, 2400,"},
      {"send --port /dev/null --protocol uno", "", 2,
       "--protocol: expected uno-r4-live or glyphgrid"},
      {"send --port /dev/null --offset 3", "", 2, "--offset places the pattern on the UNO R4"},
  };
  const Result unreadable = Cli("grid", "", EISDIR);
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_EQ(unreadable.err, "glyphgrid-cli: cannot read standard input: Is a directory\n");
  for (const auto& [arguments, input, status, message] : failures) {
    const Result result = Cli(arguments, input);
    EXPECT_EQ(result.status, status) << arguments;
    EXPECT_EQ(result.out, "") << arguments;
    EXPECT_TRUE(result.err.starts_with("glyphgrid-cli: " + message)) << result.err;
    // Only a call with no arguments at all adds the usage lines.
    EXPECT_TRUE(arguments.empty() || result.err.find('\n') == result.err.size() - 1) << result.err;
  }
}

TEST(CliTest, TextScrollsThroughTheWindow) {
  const Result exported = Cli("export --from text --profile c-rows", "Hi!\n");
  const Result grids = Cli("grid --from text", "Hi!");
  EXPECT_EQ(Cli("grid --from export --profile c-rows", exported.out).out, grids.out);
  EXPECT_EQ(std::ranges::count(grids.out, '\n'), 18 * 9 - 1);
  // Line breaks inside the text read as spaces; only the final one is dropped.
  EXPECT_EQ(Cli("data --from text", "a\r\nb\rc\n").out, Cli("data --from text", "a b c").out);
  const Result boxed = Cli("data --from text --fixed --colour green", "\xe2\x98\x83\xe2\x98\x83");
  EXPECT_EQ(boxed.status, 0);
  EXPECT_EQ(boxed.err, "glyphgrid-cli: warning: no glyph for U+2603, shown as a box\n");
  EXPECT_EQ(Cli("grid --from text --delay 7", "\xff\xfe").err,
            "glyphgrid-cli: warning: no glyph for byte 0xFF, byte 0xFE, shown as boxes\n");
}

// The delays of a GIF's frames go to the document unless --delay replaces them.
TEST(CliTest, PictureFramesKeepTheirDelays) {
  const std::string gif = GLYPHGRID_TEST_DATA "/three-frames.gif";
  const std::pair<std::string, std::string> runs[] = {
      {"document --from picture " + gif, "100 200 300 "},
      {"document --from picture --delay 7 --negative --colours mono " + gif, "7 7 7 "},
  };
  for (const auto& [arguments, delays] : runs) {
    std::istringstream document(Cli(arguments).out);
    std::string found;
    for (std::string line; std::getline(document, line);) {
      if (line.starts_with("    {\"delay\":")) {
        found += line.substr(13, line.find(',') - 13) + " ";
      }
    }
    EXPECT_EQ(found, delays) << arguments;
  }
}

TEST(CliTest, HelpVersionAndAnOutputThatCannotBeWritten) {
  EXPECT_EQ(Cli("--version").out, "glyphgrid-cli 1.0.0\n");
  const std::string help = Cli("grid --help --op spin").out;
  EXPECT_EQ(Cli("-h").out, help);
  EXPECT_TRUE(help.starts_with("Usage: glyphgrid-cli ")) << help;
  EXPECT_NE(help.find("  --op OP        an operation, repeatable, applied in the order given: "
                      "shift-up,\n                 shift-down, shift-left, shift-right, "
                      "move-up, move-down, move-left,"),
            std::string::npos)
      << help;
  std::ostream closed(nullptr);
  std::ostringstream err;
  EXPECT_EQ(RunCli({"grid", "--from", "grid"}, Input(FourColours), closed, err), 1);
  EXPECT_EQ(err.str(), "glyphgrid-cli: cannot write standard output\n");
  err.str("");
  // Fails without setting errno, whatever a call before left in it.
  errno = EPERM;
  const ReadSome failing_without_reason = [](char*, std::size_t) { return std::ptrdiff_t{-1}; };
  std::ostringstream out;
  EXPECT_EQ(RunCli({"grid"}, failing_without_reason, out, err), 1);
  EXPECT_EQ(err.str(), "glyphgrid-cli: cannot read standard input: Input/output error\n");
}

TEST(PermissionsTest, AnUnreadableFileIsReportedWithTheReason) {
  const char* folder = std::getenv("GLYPHGRID_PERMISSIONS_FOLDER");
  if (folder == nullptr) {
    GTEST_SKIP() << "run by tests/support/as_nobody.sh";
  }
  const std::string unreadable = std::string(folder) + "/unreadable.bas";
  const Result result = Cli("grid " + unreadable);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "glyphgrid-cli: cannot open '" + unreadable + "': Permission denied\n");
}

// The executable itself: status, streams and standard input as the shell sees them.
TEST(CliTest, ExecutableReportsThroughItsExitStatus) {
  const TemporaryFolder folder;
  folder.Write("pattern", FourColours);
  const auto shell = [&folder](const std::string& arguments) {
    const std::string command = "cd '" + folder.Path() + "' && '" GLYPHGRID_CLI "' " + arguments;
    const int status = std::system(command.c_str());
    return Result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, folder.Read("out"),
                  folder.Read("err")};
  };
  const Result good = shell("data --from grid <pattern >out 2>err");
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out, FourColoursData);
  const Result bad = shell("data --from data <pattern >out 2>err");
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_TRUE(bad.err.starts_with("glyphgrid-cli: data: expected")) << bad.err;
  const std::pair<std::string, std::string> unwritable[] = {
      {">/dev/full", "No space left on device"}, {">&-", "Bad file descriptor"}};
  for (const auto& [redirection, reason] : unwritable) {
    const Result result = shell("grid --from grid <pattern 2>err " + redirection);
    EXPECT_EQ(result.status, 1) << redirection;
    EXPECT_EQ(result.err, "glyphgrid-cli: cannot write standard output: " + reason + "\n");
  }
  // A reader that goes away ends the output quietly, as it ends cat.
  std::signal(SIGPIPE, SIG_DFL);
  const Result piped = shell("planes --frames 10000 <pattern 2>err | head -c 10 >out");
  EXPECT_EQ(piped.out.size(), 10u);
  EXPECT_EQ(piped.err, "");
}

}  // namespace
}  // namespace glyphgrid
