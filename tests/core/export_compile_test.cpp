#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

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

WiringProfile WithSyntax(std::string_view preset, Syntax syntax, bool header = false,
                         bool progmem = false) {
  WiringProfile profile = FindProfilePreset(preset)->profile;
  profile.syntax = syntax;
  profile.name = "heart";
  profile.header = header;
  profile.progmem = progmem;
  return profile;
}

// The exported text, compiled by each compiler the profile claims, into a program that prints the
// array's bytes gives the units; a header is included by two units, by one of them twice. On an
// AVR, where nothing runs, the PROGMEM array lies in flash (.text), not in RAM (.data).
TEST(ExportCompileTest, CArraysCompileToTheirUnits) {
  const std::string strict = " -Wall -Wextra -Werror -pedantic-errors";
  const std::pair<WiringProfile, std::string> cases[] = {
      {WithSyntax("c-rows", Syntax::CHex), "cc -std=gnu11 -Wall -Werror"},
      {WithSyntax("basic", Syntax::CBinary), "cc -std=gnu11 -Wall -Werror"},
      {WithSyntax("c-rows", Syntax::CHex, true), "cc -std=c99" + strict},
      {WithSyntax("ht16k33", Syntax::CHex, true), "c++ -x c++ -std=c++11" + strict},
      {WithSyntax("basic", Syntax::CBinary, true), "c++ -x c++ -std=c++14" + strict},
      {WithSyntax("ht16k33", Syntax::CHex, true, true), "avr-gcc -mmcu=atmega328p -Os" + strict},
  };
  std::mt19937 random(5);
  for (const auto& [profile, compiler] : cases) {
    const std::string program = compiler.substr(0, compiler.find(' '));
    if (!HasProgram(program)) {
      std::cout << "[  SKIPPED ] no " << program << " on this system: " << compiler << "\n";
      continue;
    }
    const TemporaryFolder folder;
    const LampMatrix lamps = RandomPattern(random, 4);
    const std::string read = profile.progmem ? "pgm_read_byte(&heart[i])" : "heart[i]";
    folder.Write("export.h", ExportText(lamps, profile) + "\n");
    folder.Write("other.c", "#include \"export.h\"\nint Other(void) { return sizeof heart; }\n");
    folder.Write("main.c", "#include <stdint.h>\n#include <stdio.h>\n#include \"export.h\"\n" +
                               std::string(profile.header ? "#include \"export.h\"\n" : "") +
                               "int main(void) {\n  for (unsigned i = 0; i < sizeof heart; ++i) "
                               "printf(\"%u \", (unsigned)" +
                               read + ");\n  return 0;\n}\n");
    const bool avr = program == "avr-gcc";
    const std::string command =
        "cd '" + folder.Path() + "' && " + compiler + " -o export main.c" +
        (profile.header ? " other.c" : "") + " 2>errors && " +
        (avr ? "avr-objdump -t export | awk '$NF == \"heart\" { print $4 }'" : "./export") +
        " >printed";
    ASSERT_EQ(std::system(command.c_str()), 0) << compiler << "\n" << folder.Read("errors");
    EXPECT_EQ(folder.Read("printed"), avr ? ".text\n" : Printed(ExportUnits(lamps, profile)))
        << compiler;
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
