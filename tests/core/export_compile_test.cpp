#include <gtest/gtest.h>

#include <cstdlib>

#include "core/profile_export.h"
#include "core/profile_presets.h"
#include "support/patterns.h"
#include "support/temporary_folder.h"

namespace glyphgrid {
namespace {

bool HasProgram(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// The units as the compiled program prints them: decimal, each followed by a blank.
std::string Printed(const std::vector<std::uint8_t>& units) {
  std::string text;
  for (const std::uint8_t unit : units) {
    text += std::to_string(unit) + " ";
  }
  return text;
}

WiringProfile WithSyntax(std::string_view preset, Syntax syntax) {
  WiringProfile profile = FindProfilePreset(preset)->profile;
  profile.syntax = syntax;
  profile.name = "heart";
  return profile;
}

// The exported text, compiled into a program that prints the array's bytes, gives the units.
TEST(ExportCompileTest, CArraysCompileToTheirUnits) {
  if (!HasProgram("cc")) {
    GTEST_SKIP() << "no C compiler (cc) on this system";
  }
  const TemporaryFolder folder;
  std::mt19937 random(5);
  for (const WiringProfile& profile :
       {FindProfilePreset("c-rows")->profile, FindProfilePreset("ht16k33")->profile,
        WithSyntax("basic", Syntax::CBinary)}) {
    const LampMatrix lamps = RandomPattern(random, 4);
    const std::string name = profile.name;
    folder.Write("export.c",
                 "#include <stdint.h>\n#include <stdio.h>\n" + ExportText(lamps, profile) +
                     "\nint main(void) {\n  for (unsigned i = 0; i < sizeof " + name +
                     "; ++i) printf(\"%u \", (unsigned)" + name + "[i]);\n  return 0;\n}\n");
    const std::string command = "cd '" + folder.Path() +
                                "' && cc -std=gnu11 -Wall -Werror -o export export.c 2>errors && "
                                "./export >printed";
    ASSERT_EQ(std::system(command.c_str()), 0) << folder.Read("errors");
    EXPECT_EQ(folder.Read("printed"), Printed(ExportUnits(lamps, profile)));
  }
}

TEST(ExportCompileTest, PythonBytesEvaluateToTheirUnits) {
  if (!HasProgram("python3")) {
    GTEST_SKIP() << "no python3 on this system";
  }
  const TemporaryFolder folder;
  std::mt19937 random(6);
  for (const WiringProfile& profile :
       {FindProfilePreset("micropython")->profile, WithSyntax("c-rows", Syntax::Python)}) {
    const LampMatrix lamps = RandomPattern(random, 4);
    folder.Write("export.py", ExportText(lamps, profile) +
                                  "\nprint(''.join(str(b) + ' ' for b in " + profile.name +
                                  "), end='')\n");
    const std::string command = "cd '" + folder.Path() + "' && python3 export.py >printed 2>errors";
    ASSERT_EQ(std::system(command.c_str()), 0) << folder.Read("errors");
    EXPECT_EQ(folder.Read("printed"), Printed(ExportUnits(lamps, profile)));
  }
}

}  // namespace
}  // namespace glyphgrid
