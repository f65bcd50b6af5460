#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app_info.h"
#include "cli/cli_process.h"

namespace glyphgrid {
namespace {

// Space-separated rows, top first, each from left to right; a row of one character stands for
// eight of it.
std::string Grid(const std::string& rows) {
  std::istringstream words(rows);
  std::string text;
  for (std::string row; words >> row;) {
    text += (row.size() == 1 ? std::string(8, row[0]) : row) + "\n";
  }
  return text;
}

// The DATA line of the eight column literals from the left, written as Grid rows.
std::string Data(const std::string& columns) {
  std::istringstream lines(Grid(columns + " 0"));
  std::string text = "DATA";
  for (std::string line; std::getline(lines, line);) {
    text += " &B" + line + ",";
  }
  text.back() = '\n';
  return text;
}

// The sixteen colour-plane lines, given by the first literal of each, written as Grid rows.
std::string Planes(const std::string& first_literals) {
  std::istringstream lines(Grid(first_literals));
  std::string text;
  for (std::string line; std::getline(lines, line);) {
    text += "&B" + line + ", &B00000000, &B00000000, &B00000000\r\n";
  }
  return text;
}

const std::string Blank = Grid(". . . . . . . .");
const std::string Corners = Grid("R....... . . . . . . .......R");
const std::string FourColours = Grid("O......R . ..G..... . . . . R......G");
const std::string FourColourPlanes =
    Planes("10000001 00000001 0 0 0 00000100 0 0 0 0 0 0 0 0 00000001 10000000");

TEST(GlyphgridCliTest, PrintsThePatternRead) {
  struct Example {
    std::string arguments;
    std::string input;
    std::string output;
  };
  const std::string op = "grid --from grid --op ";
  const std::string lit = Grid(". . . . . . . OGR.....");
  const std::string red = Data("10110010 01001101 11100001 00011110 10000000 01010101 0 11001100");
  const Example examples[] = {
      {"data --from grid", FourColours, Data("10000001 0 0 0 0 0 0 00000001")},
      {"grid --from grid", FourColours, FourColours},
      {"planes --from grid", FourColours, FourColourPlanes},
      {"grid --from grid -", FourColours, FourColours},
      {"grid --from grid", "O......R\r\n" + Grid(". ..G..... . . . .") + "R......G", FourColours},
      {"grid --from grid pattern </dev/null", FourColours, FourColours},
      {"data --from grid",
       Grid("R....... .R...... ..R..... ...R.... ....R... .....R.. ......R. .......R"),
       "DATA &B00000001, &B00000010, &B00000100, &B00001000, &B00010000, &B00100000, "
       "&B01000000, &B10000000, &B00000000\n"},
      {"data --from data", red, red},
      {op + "shift-up", Corners, Grid(". . . . . . .......R .")},
      {op + "shift-down", Corners, Grid(". R....... . . . . . .")},
      {op + "shift-left", Corners, Grid(". . . . . . . ......RR")},
      {op + "shift-right", Corners, Grid("RR...... . . . . . . .")},
      {op + "cycle-all", lit, Grid("R R R R R R R .OGRRRRR")},
      {op + "cycle-lit", lit, Grid(". . . . . . . ROG.....")},
      {op + "clear", FourColours, Blank},
      {op + "click:1687,727", Blank, Grid("R....... . . . . . . .")},
      {op + "click:1687.5,727.25", Corners, Grid(". . . . . . . .......R")},
      {op + "cycle-all --op shift-up", Blank, Grid("R R R R R R R .")},
      {op + "shift-up --frames 3", Grid(". . . . . . . R......."),
       Grid(". . . . . . R....... .") + "\n" + Grid(". . . . . R....... . .") + "\n" +
           Grid(". . . . R....... . . .")},
      {"data --from grid --op shift-left --frames 2", Grid(". . . . . . . .......R"),
       Data("0 0 0 0 0 0 10000000 10000000") + Data("0 0 0 0 0 10000000 10000000 10000000")},
      {"planes --frames 2", FourColourPlanes, FourColourPlanes + "\n" + FourColourPlanes},
  };
  for (const Example& e : examples) {
    const CliResult result = RunCliProcess(e.arguments, e.input);
    EXPECT_EQ(result.status, 0) << e.arguments << ": " << result.err;
    EXPECT_EQ(result.out, e.output) << e.arguments;
  }
}

TEST(GlyphgridCliTest, PlanesReadBackAsTheGridTheyCameFrom) {
  const CliResult planes = RunCliProcess("planes --from grid", FourColours);
  EXPECT_EQ(RunCliProcess("grid", planes.out).out, FourColours);
}

TEST(GlyphgridCliTest, RejectsBadInputAndUsage) {
  struct Failure {
    std::string arguments;
    std::string input;
    int status;
    std::string message;
  };
  const Failure failures[] = {
      {"grid --from grid", Grid(". . ....... . . . . ."), 2, "grid line 3: expected 8 characters"},
      {"grid --from grid", Grid(". ...x.... . . . . . ."), 2, "grid line 2: character 4: expected"},
      {"grid --from grid", Grid(". . . . . . ."), 2, "grid: expected 8 lines, got 7"},
      {"grid --from grid", Grid(". . . . . . . . ."), 2, "grid line 9: expected the end"},
      {"grid --from data", Data("0 0 0 0 00002000 0 0 0"), 2, "data literal 5: expected"},
      {"grid --from data", "DATA &B1", 2, "data literal 1: expected"},
      {"grid --from data", "data &B00000000", 2, "data: expected the line to begin with"},
      {"grid --from data", Data("0 0 0 0 0 0 0 0") + "1", 2, "data literal 9:"},
      {"grid", std::string(1024 * 1024 + 1, '0'), 2, "standard input: larger than 1 MiB"},
      {"grid --op spin", "", 2, "--op 'spin': unknown operation"},
      {"grid --op click:1e3,2", "", 2, "--op 'click:1e3,2': expected click:X,Y"},
      {"grid --frames 10001", "", 2, "--frames: expected a whole number from 1 to 10000"},
      {"grid --frames 0", "", 2, "--frames: expected a whole number from 1 to 10000"},
      {"grid --from png", "", 2, "--from: unknown format 'png'"},
      {"grid --colour", "", 2, "unknown option '--colour'"},
      {"svg", "", 2, "unknown command 'svg'"},
      {"grid a.txt b.txt", "", 2, "more than one file"},
      {"grid missing.txt", "", 1, "cannot open 'missing.txt'"},
  };
  for (const Failure& f : failures) {
    const CliResult result = RunCliProcess(f.arguments, f.input);
    EXPECT_EQ(result.status, f.status) << f.arguments;
    EXPECT_EQ(result.out, "") << f.arguments;
    EXPECT_TRUE(result.err.starts_with("glyphgrid-cli: " + f.message)) << result.err;
  }
}

TEST(GlyphgridCliTest, PrintsVersionAndHelp) {
  const CliResult version = RunCliProcess("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "glyphgrid-cli " + std::to_string(VersionMajor) + "." +
                             std::to_string(VersionMinor) + "." + std::to_string(VersionRevision) +
                             "\n");
  EXPECT_TRUE(RunCliProcess("grid --help").out.starts_with("Usage: glyphgrid-cli "));
}

}  // namespace
}  // namespace glyphgrid
