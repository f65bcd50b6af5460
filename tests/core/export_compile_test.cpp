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

// The size of an AVR program's initialised RAM, as avr-size lists it.
std::string DataSectionSize(const TemporaryFolder& folder, const std::string& program) {
  const std::string command = "cd '" + folder.Path() + "' && avr-size -A " + program +
                              " | awk '$1 == \".data\" { print $2 }' >size";
  return std::system(command.c_str()) == 0 ? folder.Read("size") : "avr-size failed";
}

// The exported text, compiled by each compiler the profile claims, gives the units: a plain array
// as one program, a header from two units (one including it twice), which the program prints or,
// on an AVR, reads from flash with .data no larger than the same program's without PROGMEM
// minus the array.
TEST(ExportCompileTest, CArraysCompileToTheirUnits) {
  const std::string strict = " -Wall -Wextra -Werror -pedantic-errors";
  const std::pair<WiringProfile, std::string> cases[] = {
      {FindProfilePreset("c-rows")->profile, "cc -std=gnu11 -Wall -Werror"},
      {FindProfilePreset("ht16k33")->profile, "cc -std=gnu11 -Wall -Werror"},
      {WithSyntax("basic", Syntax::CBinary), "cc -std=gnu11 -Wall -Werror"},
      {WithSyntax("c-rows", Syntax::CHex, true), "cc -std=c99" + strict},
      {WithSyntax("ht16k33", Syntax::CHex, true), "c++ -x c++ -std=c++11" + strict},
      {WithSyntax("basic", Syntax::CBinary, true), "c++ -x c++ -std=c++14" + strict},
      {WithSyntax("basic", Syntax::CBinary, true), "cc -std=c2x" + strict},
      {WithSyntax("ht16k33", Syntax::CHex, true, true), "avr-gcc -mmcu=atmega328p -Os" + strict},
      {WithSyntax("c-rows", Syntax::CBinary, false, true), "avr-gcc -mmcu=atmega328p -Os -Wall"},
  };
  std::mt19937 random(5);
  for (const auto& [profile, compiler] : cases) {
    const std::string program = compiler.substr(0, compiler.find(' '));
    if (!HasProgram(program)) {
      std::cout << "[  SKIPPED ] " << program << " is not installed: " << compiler << "\n";
      continue;
    }
    const TemporaryFolder folder;
    const LampMatrix lamps = RandomPattern(random, 4);
    const bool avr = program == "avr-gcc";
    const std::string& name = profile.name;
    const std::string read = profile.progmem ? "pgm_read_byte(&" + name + "[i])" : name + "[i]";
    const std::string unit = "unsigned Unit(unsigned i) { return " + read + "; }\n";
    const std::string main =
        avr ? "volatile unsigned sink;\nint main(void) {\n  for (unsigned i = 0; i < sizeof " +
                  name + "; ++i) sink += Unit(i);\n  return 0;\n}\n"
            : "#include <stdio.h>\nint main(void) {\n  for (unsigned i = 0; i < sizeof " + name +
                  "; ++i) printf(\"%u \", Unit(i));\n  return 0;\n}\n";
    const std::string text = ExportText(lamps, profile) + "\n";
    std::string sources = "main.c";
    if (profile.header) {
      folder.Write("export.h", text);
      folder.Write("unit.c", "#include \"export.h\"\n#include \"export.h\"\n" + unit);
      folder.Write("main.c", "#include \"export.h\"\nunsigned Unit(unsigned i);\n" + main);
      sources += " unit.c";
    } else {
      folder.Write("main.c", "#include <stdint.h>\n" + text + unit + main);
    }
    const std::string command = "cd '" + folder.Path() + "' && " + compiler + " -o export " +
                                sources + " 2>errors" + (avr ? "" : " && ./export >printed");
    ASSERT_EQ(std::system(command.c_str()), 0) << compiler << "\n" << folder.Read("errors");
    if (!avr) {
      EXPECT_EQ(folder.Read("printed"), Printed(ExportUnits(lamps, profile))) << compiler;
      continue;
    }
    const std::string in_flash = DataSectionSize(folder, "export");
    WiringProfile in_ram = profile;
    in_ram.progmem = false;
    folder.Write(profile.header ? "export.h" : "main.c",
                 (profile.header ? "" : "#include <stdint.h>\n") + ExportText(lamps, in_ram) +
                     "\n#define pgm_read_byte(address) (*(address))\n" +
                     (profile.header ? "" : unit + main));
    ASSERT_EQ(std::system(command.c_str()), 0) << folder.Read("errors");
    EXPECT_EQ(std::stoi(in_flash) + UnitCount(profile),
              std::stoi(DataSectionSize(folder, "export")))
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
