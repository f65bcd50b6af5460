#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "app_info.h"
#include "cli/cli_process.h"

namespace glyphgrid {
namespace {

using Arguments = std::vector<std::string>;

// Rows top first, each row from left to right.
std::string Grid(std::initializer_list<const char*> rows) {
  std::string text;
  for (const char* row : rows) {
    text += std::string(row) + "\n";
  }
  return text;
}

// One colour plane of one column, its digits from the bottom lamp up.
std::string PlaneLine(const std::string& digits) {
  return "&B" + digits + ", &B00000000, &B00000000, &B00000000\r\n";
}

// The eight column literals from the left, then the closing zero literal.
std::string DataLine(std::initializer_list<const char*> literals) {
  std::string text = "DATA ";
  for (const char* literal : literals) {
    text += "&B" + std::string(literal) + ", ";
  }
  return text + "&B00000000";
}

const std::string Blank = Grid({"........", "........", "........", "........", "........",
                                "........", "........", "........"});
const std::string Corners = Grid({"R.......", "........", "........", "........", "........",
                                  "........", "........", ".......R"});
const std::string FourColours = Grid({"O......R", "........", "..G.....", "........", "........",
                                      "........", "........", "R......G"});
const std::string FourColourPlanes =
    PlaneLine("10000001") + PlaneLine("00000001") + PlaneLine("00000000") + PlaneLine("00000000") +
    PlaneLine("00000000") + PlaneLine("00000100") + PlaneLine("00000000") + PlaneLine("00000000") +
    PlaneLine("00000000") + PlaneLine("00000000") + PlaneLine("00000000") + PlaneLine("00000000") +
    PlaneLine("00000000") + PlaneLine("00000000") + PlaneLine("00000001") + PlaneLine("10000000");
const std::string BlankData = DataLine({"00000000", "00000000", "00000000", "00000000", "00000000",
                                        "00000000", "00000000", "00000000"});

struct Example {
  const char* name;
  Arguments arguments;
  std::string input;
  std::string output;
};

TEST(GlyphgridCliTest, PrintsAndReadsEachFormat) {
  std::string blank_planes;
  for (int line = 0; line < 16; ++line) {
    blank_planes += PlaneLine("00000000");
  }
  const Example examples[] = {
      {"grid to data",
       {"data", "--from", "grid"},
       FourColours,
       DataLine({"10000001", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000",
                 "00000001"}) +
           "\n"},
      {"grid to grid", {"grid", "--from", "grid"}, FourColours, FourColours},
      {"grid to planes", {"planes", "--from", "grid"}, FourColours, FourColourPlanes},
      {"planes are the default input", {"grid"}, FourColourPlanes, FourColours},
      {"planes to planes", {"planes", "--from", "planes"}, FourColourPlanes, FourColourPlanes},
      {"empty planes leave the pattern grey", {"planes"}, "", blank_planes},
      {"file name - is standard input", {"grid", "--from", "grid", "-"}, FourColours, FourColours},
      {"grid lines may end in CR LF, the last without one",
       {"grid", "--from", "grid"},
       "O......R\r\n........\r\n..G.....\r\n........\r\n........\r\n........\r\n........\r\n"
       "R......G",
       FourColours},
      {"top-left to bottom-right diagonal",
       {"data", "--from", "grid"},
       Grid({"R.......", ".R......", "..R.....", "...R....", "....R...", ".....R..", "......R.",
             ".......R"}),
       "DATA &B00000001, &B00000010, &B00000100, &B00001000, &B00010000, &B00100000, "
       "&B01000000, &B10000000, &B00000000\n"},
  };
  for (const Example& e : examples) {
    const CliResult result = CliProcess().Run(e.arguments, e.input);
    EXPECT_EQ(result.status, 0) << e.name << ": " << result.err;
    EXPECT_EQ(result.out, e.output) << e.name;
    EXPECT_EQ(result.err, "") << e.name;
  }
}

TEST(GlyphgridCliTest, ReadsTheNamedFile) {
  const CliProcess cli;
  cli.Write("four colours.txt", FourColours);
  const CliResult result = cli.Run({"grid", "--from", "grid", "four colours.txt"}, Corners);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, FourColours);
}

TEST(GlyphgridCliTest, AppliesOperationsInOrder) {
  struct OperationExample {
    Arguments operations;
    std::string before;
    std::string after;
  };
  const OperationExample examples[] = {
      {{"shift-up"},
       Corners,
       Grid({"........", "........", "........", "........", "........", "........", ".......R",
             "........"})},
      {{"shift-down"},
       Corners,
       Grid({"........", "R.......", "........", "........", "........", "........", "........",
             "........"})},
      {{"shift-left"},
       Corners,
       Grid({"........", "........", "........", "........", "........", "........", "........",
             "......RR"})},
      {{"shift-right"},
       Corners,
       Grid({"RR......", "........", "........", "........", "........", "........", "........",
             "........"})},
      {{"cycle-all"},
       Grid({"........", "........", "........", "........", "........", "........", "........",
             "OGR....."}),
       Grid({"RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR",
             ".OGRRRRR"})},
      {{"cycle-lit"},
       Grid({"........", "........", "........", "........", "........", "........", "........",
             "OGR....."}),
       Grid({"........", "........", "........", "........", "........", "........", "........",
             "ROG....."})},
      {{"clear"}, FourColours, Blank},
      {{"click:1687,727"},
       Blank,
       Grid({"R.......", "........", "........", "........", "........", "........", "........",
             "........"})},
      {{"click:1687.5,727.25"},
       Corners,
       Grid({"........", "........", "........", "........", "........", "........", "........",
             ".......R"})},
      {{"click:3367,2407"},
       FourColours,
       Grid({"O......R", "........", "..G.....", "........", "........", "........", "........",
             "R......R"})},
      {{"click:3250,2167"},
       Blank,
       Grid({"........", "........", "........", "........", "........", "........", ".......R",
             "........"})},
      {{"click:1575,700"}, Blank, Blank},
      {{"click:-10,-10"}, FourColours, FourColours},
      {{"cycle-all", "shift-up"},
       Blank,
       Grid({"RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR",
             "........"})},
      {{"shift-up", "cycle-all"},
       Blank,
       Grid({"RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR",
             "RRRRRRRR"})},
  };
  for (const OperationExample& e : examples) {
    Arguments arguments = {"grid", "--from", "grid"};
    for (const std::string& operation : e.operations) {
      arguments.insert(arguments.end(), {"--op", operation});
    }
    const CliResult result = CliProcess().Run(arguments, e.before);
    EXPECT_EQ(result.status, 0) << e.operations.front() << ": " << result.err;
    EXPECT_EQ(result.out, e.after) << e.operations.front() << " (" << e.operations.size() << ")";
  }
}

TEST(GlyphgridCliTest, PrintsFrames) {
  const std::string bottom_left = Grid({"........", "........", "........", "........", "........",
                                        "........", "........", "R......."});
  const std::string grid_frames = Grid({"........", "........", "........", "........", "........",
                                        "........", "R.......", "........"}) +
                                  "\n" +
                                  Grid({"........", "........", "........", "........", "........",
                                        "R.......", "........", "........"}) +
                                  "\n" +
                                  Grid({"........", "........", "........", "........", "R.......",
                                        "........", "........", "........"});
  std::string many_frames;
  for (int frame = 0; frame < 10000; ++frame) {
    many_frames += BlankData + "\n";
  }
  const Example examples[] = {
      {"grid frames, an empty line between",
       {"grid", "--from", "grid", "--op", "shift-up", "--frames", "3"},
       bottom_left,
       grid_frames},
      {"data frames, one line each",
       {"data", "--from", "grid", "--op", "shift-left", "--frames", "2"},
       Grid({"........", "........", "........", "........", "........", "........", "........",
             ".......R"}),
       DataLine({"00000000", "00000000", "00000000", "00000000", "00000000", "00000000", "10000000",
                 "10000000"}) +
           "\n" +
           DataLine({"00000000", "00000000", "00000000", "00000000", "00000000", "10000000",
                     "10000000", "10000000"}) +
           "\n"},
      {"planes frames, an empty line between",
       {"planes", "--frames", "2"},
       FourColourPlanes,
       FourColourPlanes + "\n" + FourColourPlanes},
      {"the most frames", {"data", "--frames", "10000"}, "", many_frames},
  };
  for (const Example& e : examples) {
    const CliResult result = CliProcess().Run(e.arguments, e.input);
    EXPECT_EQ(result.status, 0) << e.name << ": " << result.err;
    EXPECT_EQ(result.out, e.output) << e.name;
  }
}

TEST(GlyphgridCliTest, DataOfRedPatternsReadsBack) {
  const std::string lines[] = {
      BlankData,
      DataLine({"00000001", "00000010", "00000100", "00001000", "00010000", "00100000", "01000000",
                "10000000"}),
      DataLine({"11111111", "00000001", "00000001", "00000001", "00000001", "00000001", "00000001",
                "00000001"}),
      DataLine({"11111111", "11111111", "11111111", "11111111", "11111111", "11111111", "11111111",
                "11111111"}),
      DataLine({"10110010", "01001101", "11100001", "00011110", "10000000", "01010101", "00000000",
                "11001100"}),
  };
  for (const std::string& line : lines) {
    for (const char* ending : {"", "\n", "\r\n"}) {
      const CliResult result = CliProcess().Run({"data", "--from", "data"}, line + ending);
      EXPECT_EQ(result.status, 0) << line << ": " << result.err;
      EXPECT_EQ(result.out, line + "\n");
    }
  }
  const CliResult grid = CliProcess().Run({"grid", "--from", "data"}, lines[2]);
  EXPECT_EQ(grid.out, Grid({"RRRRRRRR", "R.......", "R.......", "R.......", "R.......", "R.......",
                            "R.......", "R......."}));
}

TEST(GlyphgridCliTest, PlanesRoundTripKeepsFourColours) {
  const CliProcess cli;
  const CliResult planes = cli.Run({"planes", "--from", "grid"}, FourColours);
  ASSERT_EQ(planes.status, 0) << planes.err;
  const CliResult grid = cli.Run({"grid"}, planes.out);
  EXPECT_EQ(grid.status, 0) << grid.err;
  EXPECT_EQ(grid.out, FourColours);
}

TEST(GlyphgridCliTest, RejectsBadInputAndUsage) {
  struct Failure {
    Arguments arguments;
    std::string input;
    int status;
    std::string message;
  };
  const std::string grid_seven =
      Grid({"........", "........", "........", "........", "........", "........", "........"});
  const std::string data_seven_digits =
      "DATA &B00000000, &B00000000, &B0000000, &B00000000, &B00000000, &B00000000, &B00000000, "
      "&B00000000, &B00000000";
  const Arguments grid = {"grid", "--from", "grid"};
  const Arguments data = {"grid", "--from", "data"};
  const std::string wrong_click = "': expected click:X,Y with X and Y finite decimal numbers";
  const Failure failures[] = {
      {grid,
       Grid({"........", "........", ".......", "........", "........", "........", "........",
             "........"}),
       2, "grid line 3: expected 8 characters from . R G O, got 7"},
      {grid,
       Grid({".........", "........", "........", "........", "........", "........", "........",
             "........"}),
       2, "grid line 1: expected 8 characters from . R G O, got 9"},
      {grid,
       Grid({"........", "...x....", "........", "........", "........", "........", "........",
             "........"}),
       2, "grid line 2: character 4: expected one of . R G O, got 'x'"},
      {grid,
       Grid({"........", "........", "........", "........", "........", "........", "........",
             ".......r"}),
       2, "grid line 8: character 8: expected one of . R G O, got 'r'"},
      {grid,
       Grid({"\t.......", "........", "........", "........", "........", "........", "........",
             "........"}),
       2, "grid line 1: character 1: expected one of . R G O, got byte 0x09"},
      {grid, grid_seven, 2, "grid: expected 8 lines, got 7"},
      {grid, "", 2, "grid: expected 8 lines, got 0"},
      {grid, Blank + "........\n", 2, "grid line 9: expected the end of the grid after 8 lines"},
      {grid, Blank + "\n", 2, "grid line 9: expected the end of the grid after 8 lines"},
      {data, "data &B00000000", 2, "data: expected the line to begin with \"DATA &B\""},
      {data, data_seven_digits, 2, "data literal 3: expected 8 binary digits"},
      {data,
       DataLine({"00000000", "00000000", "00000000", "00000000", "00002000", "00000000", "00000000",
                 "00000000"}),
       2, "data literal 5: expected 8 binary digits"},
      {data, "DATA &B000000000, &B00000000", 2,
       "data literal 1: expected \", &B\" after its 8 digits"},
      {data, BlankData.substr(0, BlankData.size() - 12), 2,
       "data literal 8: expected \", &B\" after its 8 digits"},
      {data, BlankData.substr(0, BlankData.size() - 1) + "1", 2,
       "data literal 9: expected 00000000, the last literal is always zero"},
      {data, BlankData + "\n\n", 2,
       "data literal 9: expected the end of the line after its 8 digits"},
      {{"grid"},
       std::string(1024 * 1024 + 1, '0'),
       2,
       "standard input: larger than 1 MiB, too large for a pattern"},
      {{"grid", "--op", "spin"},
       "",
       2,
       "--op 'spin': unknown operation (expected shift-up, shift-down, shift-left, shift-right, "
       "cycle-all, cycle-lit, clear or click:X,Y)"},
      {{"grid", "--op", "click:1"}, "", 2, "--op 'click:1" + wrong_click},
      {{"grid", "--op", "click:1,2,3"}, "", 2, "--op 'click:1,2,3" + wrong_click},
      {{"grid", "--op", "click:nan,2"}, "", 2, "--op 'click:nan,2" + wrong_click},
      {{"grid", "--op", "click:1,inf"}, "", 2, "--op 'click:1,inf" + wrong_click},
      {{"grid", "--op", "click:1e3,2"}, "", 2, "--op 'click:1e3,2" + wrong_click},
      {{"grid", "--op"}, "", 2, "--op: missing value"},
      {{"grid", "--colour"}, "", 2, "unknown option '--colour'"},
      {{"--frames", "2"}, "", 2, "missing command (data, grid or planes)"},
      {{"svg"}, "", 2, "unknown command 'svg' (expected data, grid or planes)"},
      {{"grid", "a.txt", "b.txt"}, "", 2, "more than one file: 'a.txt' and 'b.txt'"},
      {{"grid", "--from", "png"},
       "",
       2,
       "--from: unknown format 'png' (expected planes, grid or data)"},
      {{"grid", "--frames", "0"},
       "",
       2,
       "--frames: expected a whole number from 1 to 10000, got '0'"},
      {{"grid", "--frames", "10001"},
       "",
       2,
       "--frames: expected a whole number from 1 to 10000, got '10001'"},
      {{"grid", "--frames", "2x"},
       "",
       2,
       "--frames: expected a whole number from 1 to 10000, got '2x'"},
      {{"grid", "missing.txt"}, "", 1, "cannot open 'missing.txt': No such file or directory"},
  };
  for (const Failure& f : failures) {
    const CliResult result = CliProcess().Run(f.arguments, f.input);
    EXPECT_EQ(result.status, f.status) << f.message;
    EXPECT_EQ(result.err, "glyphgrid-cli: " + f.message + "\n");
    EXPECT_EQ(result.out, "") << f.message;
  }
}

TEST(GlyphgridCliTest, HelpAndVersion) {
  const CliResult version = CliProcess().Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "glyphgrid-cli " + std::to_string(VersionMajor) + "." +
                             std::to_string(VersionMinor) + "." + std::to_string(VersionRevision) +
                             "\n");
  const CliResult help = CliProcess().Run({"grid", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(
      help.out.starts_with("Usage: glyphgrid-cli (data|grid|planes) [--from "
                           "planes|grid|data] [--op OP]... [--frames N] [FILE]\n"))
      << help.out;
  EXPECT_EQ(help.err, "");
}

}  // namespace
}  // namespace glyphgrid
