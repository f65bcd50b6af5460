#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "core/profile_presets.h"
#include "run_cli.h"

namespace glyphgrid {
namespace {

const std::string Sample =
    "R.......\n.G......\n..O.....\n........\n........\n........\n.......R\nO......G\n";

TEST(ProfileCliTest, ExportsAndReadsBackWithTheProfileGiven) {
  const std::string ht16k33 =
      "const uint8_t heart[16] = {0x00, 0x01, 0x02, 0x00, 0x04, 0x04, 0x00, 0x00, 0x00, 0x00, "
      "0x00, 0x00, 0x00, 0x80, 0x81, 0x01};\n";
  const std::tuple<std::string, std::string, std::string> examples[] = {
      {"export --from grid", Sample, Cli("data --from grid", Sample).out},
      {"export --from grid --profile ht16k33 --name heart", Sample, ht16k33},
      {"grid --from export --profile ht16k33", ht16k33, Sample},
      {"export --from grid --profile c-rows --syntax hex --invert", Sample,
       "7F FF DF FF FF FF FE 7F\n"},
      {"export --from grid --scan rows --first top --msb left --syntax hex", Sample,
       "80 00 20 00 00 00 01 80 00\n"},
      {"export --from export --profile basic-hex --op shift-up --frames 2",
       "&H81 0 4 0 0 0 0 &H40 0",
       "DATA &H40, &H00, &H02, &H00, &H00, &H00, &H00, &H20, &H00\n"
       "DATA &H20, &H00, &H01, &H00, &H00, &H00, &H00, &H10, &H00\nREM DELAYS 100, 100\n"},
      {"export --from export --profile uno-r4 --offset 0 --delay 7", "{0x80000000, 0, 0}",
       "const uint32_t pattern[1][4] = {\n  {0x80000000, 0x00000000, 0x00000000, 7},\n};\n"},
  };
  for (const auto& [arguments, input, output] : examples) {
    const Result result = Cli(arguments, input);
    EXPECT_EQ(result.status, 0) << arguments << ": " << result.err;
    EXPECT_EQ(result.out, output) << arguments;
  }
  // Both frames leave green out (red lamps turn green, green ones orange): one line for the first.
  const Result lost = Cli("export --from grid --profile c-rows --op cycle-lit --frames 2", Sample);
  EXPECT_EQ(lost.status, 0);
  EXPECT_EQ(lost.err,
            "glyphgrid-cli: warning: c-rows writes the red plane only: the green of 4 lamps is "
            "left out (frame 1)\n");
}

// Each preset's options, as the profiles command lists them, give what the preset gives.
TEST(ProfileCliTest, ProfilesListsEveryPresetWithOptionsThatGiveIt) {
  std::istringstream listed(Cli("profiles").out);
  std::size_t presets = 0;
  for (std::string heading, options; std::getline(listed, heading) && std::getline(listed, options);
       ++presets) {
    const std::string name = heading.substr(0, heading.find(' '));
    ASSERT_NE(FindProfilePreset(name), nullptr) << heading;
    const Result by_options = Cli("export --from grid" + options, Sample);
    EXPECT_EQ(by_options.status, 0) << options << by_options.err;
    EXPECT_EQ(by_options.out, Cli("export --from grid --profile " + name, Sample).out) << options;
  }
  EXPECT_EQ(presets, ProfilePresets().size());
}

TEST(ProfileCliTest, BadValuesNameTheOptionAndWhatItTakes) {
  const std::pair<std::string, std::string> failures[] = {
      {"export --scan diagonal", "--scan: unknown value 'diagonal' (expected columns or rows)"},
      {"export --first middle",
       "--first: unknown value 'middle' (expected left, right, top or bottom)"},
      {"export --planes blue",
       "--planes: unknown value 'blue' (expected red, green, red,green, green,red or "
       "interleaved)"},
      {"export --syntax rust",
       "--syntax: unknown value 'rust' (expected basic-binary, basic-hex, basic-decimal, c-hex, "
       "c-binary, python, hex, c-uint64 or uno-r4)"},
      {"export --zero maybe", "--zero: unknown value 'maybe' (expected yes or no)"},
      {"export --profile arduino",
       "--profile: unknown profile 'arduino' (expected basic, basic-hex, c-rows, c-columns, "
       "ht16k33, micropython or uno-r4)"},
      {"export --offset 3",
       "--offset places the pattern on the UNO R4 matrix: it goes with --syntax uno-r4"},
      {"export --profile uno-r4 --offset 5",
       "--offset: expected a whole number from 0 to 4, got '5'"},
      {"export --profile uno-r4 --delays no", "--delays no does not go with --syntax uno-r4"},
      {"export --profile micropython --syntax c-uint64",
       "--syntax c-uint64 writes the 8 units of a frame as one 64-bit value: it needs --planes red "
       "or green and --zero no"},
      {"grid --from export --profile uno-r4",
       "expected 3 words and the delay for uno-r4, found 0 values"},
      {"export --syntax c-hex --name 1x", "--name '1x' is not an identifier"},
      {"export --msb bottom --scan rows",
       "--first 'left' and --msb 'bottom' do not go with --scan rows"},
      {"export --profile c-rows --msb bottom",
       "--msb 'bottom' does not go with --scan rows (expected left or right)"},
      {"grid --invert", "--invert: only export, send and --from export take profile options"},
      {"profiles --scan rows", "--scan: only export, send and --from export take profile options"},
      {"export --name", "--name: missing value"},
      {"export --header",
       "--header makes C code: it goes with --syntax c-hex, c-binary, c-uint64 or uno-r4"},
      {"profiles pattern.txt", "profiles reads no file, got 'pattern.txt'"},
      {"grid --from export", "expected 9 values for basic, found 0"},
  };
  for (const auto& [arguments, message] : failures) {
    const Result result = Cli(arguments, "");
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_EQ(result.out, "") << arguments;
    EXPECT_TRUE(result.err.starts_with("glyphgrid-cli: " + message)) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  }
}

}  // namespace
}  // namespace glyphgrid
