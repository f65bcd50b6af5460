#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "core/animation_export.h"
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

// The values the compiled program prints for the animation: each frame's units, its 64-bit value
// or its matrix words and delay, then the delays' array when there is one.
std::string PrintedValues(const Animation& animation, const WiringProfile& profile) {
  std::string text;
  for (const Frame& frame : animation.Frames()) {
    const std::vector<std::uint8_t> units = ExportUnits(frame.Lamps(), profile);
    if (profile.syntax == Syntax::CUint64) {
      std::uint64_t value = 0;
      for (std::size_t k = 0; k < units.size(); ++k) {
        value |= std::uint64_t{units[k]} << (8 * k);
      }
      text += std::to_string(value) + " ";
    } else if (profile.syntax == Syntax::UnoR4) {
      for (const std::uint32_t word : MatrixFrame(units, profile.offset)) {
        text += std::to_string(word) + " ";
      }
      text += std::to_string(frame.Delay()) + " ";
    } else {
      text += Printed(units);
    }
  }
  if (WritesDelays(profile, animation.FrameCount()) && profile.syntax != Syntax::UnoR4) {
    for (const Frame& frame : animation.Frames()) {
      text += std::to_string(frame.Delay()) + " ";
    }
  }
  return text;
}

// The exported text, compiled by each compiler the profile claims, into a program that prints the
// arrays' values gives the frames; a header is included by two units, by one of them twice. On
// an AVR, where nothing runs, the PROGMEM array lies in flash (.text), not in RAM (.data).
TEST(ExportCompileTest, CArraysCompileToTheirUnits) {
  const std::string strict = " -Wall -Wextra -Werror -pedantic-errors";
  WiringProfile matrix = WithSyntax("uno-r4", Syntax::UnoR4, true);
  matrix.offset = 4;
  const std::tuple<WiringProfile, std::string, int> cases[] = {
      {WithSyntax("c-rows", Syntax::CHex), "cc -std=gnu11 -Wall -Werror", 1},
      {WithSyntax("basic", Syntax::CBinary), "cc -std=gnu11 -Wall -Werror", 1},
      {WithSyntax("c-rows", Syntax::CHex, true), "cc -std=c99" + strict, 1},
      {WithSyntax("ht16k33", Syntax::CHex, true), "c++ -x c++ -std=c++11" + strict, 3},
      {WithSyntax("basic", Syntax::CBinary, true), "c++ -x c++ -std=c++14" + strict, 1},
      {WithSyntax("ht16k33", Syntax::CHex, true, true), "avr-gcc -mmcu=atmega328p -Os" + strict, 2},
      {WithSyntax("c-columns", Syntax::CUint64, true), "cc -std=c99" + strict, 3},
      {matrix, "c++ -x c++ -std=c++11" + strict, 2},
  };
  std::mt19937 random(5);
  for (const auto& [profile, compiler, count] : cases) {
    const std::string program = compiler.substr(0, compiler.find(' '));
    if (!HasProgram(program)) {
      std::cout << "[  SKIPPED ] no " << program << " on this system: " << compiler << "\n";
      continue;
    }
    const TemporaryFolder folder;
    std::vector<Frame> frames;
    for (int index = 0; index < count; ++index) {
      frames.emplace_back(RandomPattern(random, 4), 1 + static_cast<int>(random() % MaxDelay));
    }
    const Animation animation(frames);
    const bool flat = count == 1 && !IsWordSyntax(profile.syntax);
    const std::string first =
        flat || profile.syntax == Syntax::CUint64 ? "heart[0]" : "heart[0][0]";
    const std::string read =
        profile.progmem ? "pgm_read_byte(&(&" + first + ")[i])" : "(&" + first + ")[i]";
    const std::string delays = WritesDelays(profile, count) && profile.syntax != Syntax::UnoR4
                                   ? "  for (unsigned i = 0; i < sizeof heart_delays / 2; ++i) "
                                     "printf(\"%u \", (unsigned)heart_delays[i]);\n"
                                   : "";
    folder.Write("export.h", ExportAnimation(animation, profile) + "\n");
    folder.Write("other.c", "#include \"export.h\"\nint Other(void) { return sizeof heart; }\n");
    folder.Write("main.c",
                 "#include <stdint.h>\n#include <stdio.h>\n#include \"export.h\"\n" +
                     std::string(profile.header ? "#include \"export.h\"\n" : "") +
                     "int main(void) {\n  for (unsigned i = 0; i < sizeof heart / sizeof " + first +
                     "; ++i) printf(\"%llu \", (unsigned long long)" + read + ");\n" + delays +
                     "  return 0;\n}\n");
    const bool avr = program == "avr-gcc";
    const std::string command =
        "cd '" + folder.Path() + "' && " + compiler + " -o export main.c" +
        (profile.header ? " other.c" : "") + " 2>errors && " +
        (avr ? "avr-objdump -t export | awk '$NF == \"heart\" { print $4 }'" : "./export") +
        " >printed";
    ASSERT_EQ(std::system(command.c_str()), 0) << compiler << "\n" << folder.Read("errors");
    EXPECT_EQ(folder.Read("printed"), avr ? ".text\n" : PrintedValues(animation, profile))
        << compiler << "\n"
        << folder.Read("export.h");
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
