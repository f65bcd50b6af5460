#include "core/wiring_profile.h"

#include <gtest/gtest.h>

#include "core/animation_export.h"
#include "core/animation_import.h"
#include "core/data_text.h"
#include "core/profile_export.h"
#include "core/profile_import.h"
#include "core/profile_presets.h"
#include "support/patterns.h"
#include "support/profile_samples.h"

namespace glyphgrid {
namespace {

WiringProfile Custom(Scan scan, Side first, Side msb, Planes planes, bool invert, Syntax syntax,
                     bool zero, std::string name = "pattern", bool header = false,
                     bool progmem = false) {
  return {scan, first, msb, planes, invert, syntax, zero, std::move(name), header, progmem, true};
}

// The pattern as the profile can express it: lamps carrying the profile's only plane lit in its
// colour, or every colour with two planes.
LampMatrix Expressible(const LampMatrix& lamps, const WiringProfile& profile) {
  LampMatrix expressed = lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    const LampColour colour = lamps.Colour(i);
    if (profile.planes == Planes::Red) {
      expressed.SetColour(i, HasRed(colour) ? LampRed : LampGrey);
    } else if (profile.planes == Planes::Green) {
      expressed.SetColour(i, HasGreen(colour) ? LampGreen : LampGrey);
    }
  }
  return expressed;
}

// Each text worked out by hand from Sample; each reads back as the pattern the profile can express.
TEST(WiringProfileTest, WorkedExamples) {
  using enum Side;
  const std::tuple<WiringProfile, std::string, const char*> examples[] = {
      {Preset("basic"),
       "DATA &B10000001, &B00000000, &B00000100, &B00000000, &B00000000, &B00000000, "
       "&B00000000, &B01000000, &B00000000",
       SampleRed},
      {Preset("basic-hex"), "DATA &H81, &H00, &H04, &H00, &H00, &H00, &H00, &H40, &H00", SampleRed},
      {Preset("c-rows"),
       "const uint8_t pattern[8] = {0x80, 0x00, 0x20, 0x00, 0x00, 0x00, 0x01, 0x80};", SampleRed},
      {Preset("c-columns"),
       "const uint8_t pattern[8] = {0x81, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x40};", SampleRed},
      {Preset("ht16k33"),
       "const uint8_t pattern[16] = {0x00, 0x01, 0x02, 0x00, 0x04, 0x04, 0x00, 0x00, 0x00, 0x00, "
       "0x00, 0x00, 0x00, 0x80, 0x81, 0x01};",
       Sample},
      {Preset("micropython"),
       "pattern = bytes([0x80, 0x00, 0x20, 0x00, 0x00, 0x00, 0x01, 0x80, 0x00, 0x40, 0x20, 0x00, "
       "0x00, 0x00, 0x00, 0x81])",
       Sample},
      {Custom(Scan::Columns, Right, Top, Planes::Green, true, Syntax::Hex, true),
       "FE FF FF FF FF DF BF FE 00",
       "........\n.G......\n..G.....\n........\n........\n........\n........\nG......G"},
      {Custom(Scan::Rows, Bottom, Right, Planes::GreenRed, false, Syntax::BasicDecimal, false),
       "DATA 129, 0, 0, 0, 0, 4, 2, 0, 1, 128, 0, 0, 0, 4, 0, 1", Sample},
      {Custom(Scan::Columns, Left, Bottom, Planes::Red, false, Syntax::CBinary, true, "heart"),
       "const uint8_t heart[9] = {0b10000001, 0b00000000, 0b00000100, 0b00000000, 0b00000000, "
       "0b00000000, 0b00000000, 0b01000000, 0b00000000};",
       SampleRed},
      {Custom(Scan::Rows, Top, Left, Planes::Red, false, Syntax::CHex, false, "heart", true, true),
       "#ifndef HEART_H\n#define HEART_H\n#include <stdint.h>\n#include <avr/pgmspace.h>\n"
       "// In flash memory: read a byte with pgm_read_byte(&heart[i]).\nstatic const uint8_t "
       "heart[8] PROGMEM = {0x80, 0x00, 0x20, 0x00, 0x00, 0x00, 0x01, 0x80};\n#endif",
       SampleRed},
      {Custom(Scan::Rows, Top, Left, Planes::Red, false, Syntax::CUint64, false),
       "const uint64_t pattern[1] = {\n  0x8001000000200080ULL,\n};\n"
       "const uint16_t pattern_delays[1] = {100};",
       SampleRed},
      {Preset("uno-r4"),
       "const uint32_t pattern[1][4] = {\n  {0x20000008, 0x00000000, 0x00004200, 100},\n};",
       SampleRed},
  };
  for (const auto& [profile, text, imported] : examples) {
    EXPECT_EQ(ExportText(FromGrid(Sample), profile), text);
    const std::variant<LampMatrix, Error> read = ImportPattern(text, profile);
    ASSERT_TRUE(std::holds_alternative<LampMatrix>(read)) << std::get<Error>(read).message;
    EXPECT_EQ(std::get<LampMatrix>(read), FromGrid(imported)) << text;
  }
}

WiringProfile RandomProfile(std::mt19937& random) {
  const auto pick = [&random](auto& values) { return values[random() % std::size(values)].value; };
  WiringProfile profile;
  profile.scan = pick(ScanValues);
  profile.first = FirstSides(profile.scan)[random() % 2];
  profile.msb = MsbSides(profile.scan)[random() % 2];
  profile.planes = pick(PlanesValues);
  profile.invert = random() % 2;
  profile.syntax = pick(SyntaxValues);
  profile.zero = random() % 2;
  if (profile.syntax == Syntax::UnoR4) {
    profile = Preset("uno-r4");
    profile.offset = static_cast<int>(random() % (MaxOffset + 1));
  } else if (profile.syntax == Syntax::CUint64) {
    profile.planes = random() % 2 ? Planes::Red : Planes::Green;
    profile.zero = false;
  }
  profile.name = random() % 4 ? "p" + std::to_string(random() % 100) : "_";
  profile.header = IsCSyntax(profile.syntax) && random() % 2;
  profile.progmem = IsCSyntax(profile.syntax) && profile.syntax != Syntax::UnoR4 && random() % 2;
  profile.delays = profile.syntax == Syntax::UnoR4 || random() % 2;
  return profile;
}

// import(export(p)) gives back what the profile can express of p; the basic preset writes the
// DATA line; the lamp of a unit's bit is the lamp that sets that bit alone.
TEST(WiringProfileTest, EveryProfileReadsBackWhatItWrites) {
  std::mt19937 random(12);
  for (int run = 0; run < 600; ++run) {
    const auto presets = ProfilePresets();
    const WiringProfile profile =
        run < 300 ? presets[static_cast<std::size_t>(run) % presets.size()].profile
                  : RandomProfile(random);
    const LampMatrix lamps = RandomPattern(random, 4);
    const std::string text = ExportText(lamps, profile);
    const std::variant<LampMatrix, Error> read = ImportPattern(text, profile);
    ASSERT_TRUE(std::holds_alternative<LampMatrix>(read))
        << text << ": " << std::get<Error>(read).message;
    ASSERT_EQ(std::get<LampMatrix>(read), Expressible(lamps, profile)) << text;
    if (PresetOf(profile) == PresetOf(Preset("basic"))) {
      EXPECT_EQ(text, DataText(lamps));
    }

    // Every frame comes back, with its delay wherever the export writes delays; one frame is the
    // pattern's own text.
    const int count = 1 + static_cast<int>(random() % 4);
    std::vector<Frame> frames;
    std::vector<Frame> expressed;
    for (int index = 0; index < count; ++index) {
      const LampMatrix frame = index == 0 ? lamps : RandomPattern(random, 4);
      const int delay = WritesDelays(profile, count) ? 1 + static_cast<int>(random() % MaxDelay)
                                                     : StartDefaultDelay;
      frames.emplace_back(frame, delay);
      expressed.emplace_back(Expressible(frame, profile), delay);
    }
    const std::string frames_text = ExportAnimation(Animation(frames), profile);
    const std::variant<Animation, Error> back = ImportAnimation(frames_text, profile);
    ASSERT_TRUE(std::holds_alternative<Animation>(back))
        << frames_text << ": " << std::get<Error>(back).message;
    ASSERT_EQ(std::get<Animation>(back), Animation(expressed)) << frames_text;
    if (count == 1 && !WritesDelays(profile, 1)) {
      EXPECT_EQ(frames_text, ExportText(lamps, profile));
    }

    const auto lamp = static_cast<LampIndex>(random() % LampCount);
    for (const Plane plane : {Plane::Red, Plane::Green}) {
      LampMatrix alone;
      alone.SetColour(lamp, plane == Plane::Red ? LampRed : LampGreen);
      std::vector<std::uint8_t> units = ExportUnits(alone, profile);
      for (std::size_t unit = 0; unit < units.size(); ++unit) {
        if (profile.invert && !(profile.zero && unit + 1 == units.size())) {
          units[unit] = static_cast<std::uint8_t>(~units[unit]);
        }
      }
      const std::optional<BitPosition> position = LampBit(profile, lamp, plane);
      std::vector<std::uint8_t> expected(units.size(), 0);
      if (position) {
        expected[static_cast<std::size_t>(position->unit)] =
            static_cast<std::uint8_t>(1 << position->bit);
      }
      EXPECT_EQ(units, expected) << text << " lamp " << lamp;
    }
  }
}

TEST(WiringProfileTest, ReadsWhatAPersonTypes) {
  using enum Side;
  const std::tuple<WiringProfile, std::string, const char*> typed[] = {
      {Preset("basic"),
       "REM heart\nDATA &b10000001,&H00, 4 ' third column\r\ndata 0 0 0 0 0x40, 0\n", SampleRed},
      {Preset("basic"),
       "DATA &B10000001, &B00000000, &B00000100, &B00000000, &B00000000, &B00000000, "
       "&B00000000, &B01000000, &B00000000\r\n",
       SampleRed},
      {Preset("c-rows"),
       "#include <stdint.h>\n// heart\nstatic const uint8_t PROGMEM zigzag[] = {\n  0b10000000, "
       "0x00, /* row 5 */ 32,\n  0, 0, 0, 1, 0X80,\n};\n",
       SampleRed},
      {Preset("micropython"),
       "heart = bytes([0x80,0,0x20,0,0,0,1,0x80, 0,0x40,0x20,0,0,0,0,0x81])  # red, green", Sample},
      {Preset("micropython"), "[128, 0, 32, 0, 0, 0, 1, 128, 0, 64, 32, 0, 0, 0, 0, 129]", Sample},
      {Preset("basic"), "\xEF\xBB\xBF' heart\rDATA &B10000001, 0, 4, 0, 0, 0, 0, &H40, 0",
       SampleRed},
      {Preset("c-rows"), "byte heart[] = {B10000000, B0, B00100000, 0, 0, 0, B1, B10000000};",
       SampleRed},
      {Custom(Scan::Columns, Right, Top, Planes::Green, true, Syntax::Hex, true),
       "fe ff FF 0xff &HFF df\nbf fe 0",
       "........\n.G......\n..G.....\n........\n........\n........\n........\nG......G"},
  };
  for (const auto& [profile, text, imported] : typed) {
    const std::variant<LampMatrix, Error> read = ImportPattern(text, profile);
    ASSERT_TRUE(std::holds_alternative<LampMatrix>(read)) << std::get<Error>(read).message;
    EXPECT_EQ(std::get<LampMatrix>(read), FromGrid(imported)) << text;
  }
}

TEST(WiringProfileTest, ImportErrorsNameThePositionAndWhatWasExpected) {
  const WiringProfile custom =
      Custom(Scan::Rows, Side::Top, Side::Left, Planes::Interleaved, true, Syntax::Hex, true);
  const std::string nine = "DATA 1, 2, 3, 4, 5, 6, 7, 8, 0";
  const std::tuple<WiringProfile, std::string, std::string> errors[] = {
      {Preset("basic"), "DATA 1, 2, 3, 4, 5, 6, 7, 8", "expected 9 values for basic, found 8"},
      {Preset("basic"), nine + ", 0", "line 1, column 33: expected 9 values for basic, found 10"},
      {Preset("basic"), "", "expected 9 values for basic, found 0"},
      {custom, "00", "expected 17 values for the custom profile, found 1"},
      {Preset("basic"), "DATA 1,2,3,4,5,6,7,8,9",
       "line 1, column 22: the last value is always 0 for basic, found '9'"},
      {Preset("basic"), "DATA 1,2,3,4,5,6,7,8," + std::string(100, '0') + "9",
       "line 1, column 22: the last value is always 0 for basic, found "
       "'000000000000000000000000...'$"},
      {Preset("basic"), "' one\r' two\r\nDATA 1,\r\r -1", "line 5, column 2: unexpected '-'"},
      {Preset("basic"), std::string(2000, ','), "line 1, column 137: more numbers, words and"},
      {Preset("basic"), "DATA 1,\n 256", "line 2, column 2: '256' is over 255"},
      {Preset("basic"), "DATA 1, 0x1FF", "line 1, column 9: '0x1FF' is over 255"},
      {Preset("basic"), "DATA &B102", "line 1, column 6: '&B102' is not a number (expected &B"},
      {custom, "0b100", "line 1, column 1: '0b100' is over 255"},
      {custom, "0g", "line 1, column 1: '0g' is not a number (expected hexadecimal digits"},
      {Preset("basic"), "DATA 0x", "line 1, column 6: '0x' is not a number"},
      {Preset("basic"), "DATA &B" + std::string(30, '2'),
       "line 1, column 6: '&B2222222222222222222222...' is not a number"},
      {Preset("basic"), "DATA &", "line 1, column 6: '&' is not a number"},
      {Preset("basic"), "DATA 1, -1", "line 1, column 9: unexpected '-'"},
      {Preset("basic"), "DATA 1,\x01", "line 1, column 8: unexpected byte 0x01"},
      {Preset("basic"), "DATA 1\n/* open", "line 2, column 1: the comment that starts here"},
      {Preset("basic"), "DATA ,1", "line 1, column 6: expected a value before ','"},
      {Preset("basic"), "1 DATA 3", "line 1, column 3: unexpected 'DATA' (expected a value"},
      {Preset("basic"), "DATA 1; 2", "line 1, column 7: unexpected ';'"},
      {Preset("c-rows"), "{B, 0, 0, 0, 0, 0, 0, 0}", "line 1, column 2: unexpected 'B' (expected"},
      {Preset("c-rows"), "x[8] = {1,2,3,4,5,6,7,8", "line 1, column 8: the '{' here is not"},
      {Preset("c-rows"), "{1,,2}", "line 1, column 4: expected a value before ','"},
      {Preset("c-rows"), "{1, x}", "line 1, column 5: unexpected 'x' (expected a value, ','"},
      {Preset("c-rows"), "a = {1,2,3,4,5,6,7,8} b",
       "line 1, column 23: unexpected 'b' after the values' '}'"},
      {Preset("c-rows"), "a = {1,2,3,4,5,6,7,8}; b",
       "line 1, column 24: unexpected 'b' after the values' '}'"},
      {Preset("c-rows"), "; = {1}", "line 1, column 1: unexpected ';' before the values' '{'"},
      {Preset("micropython"), "p = bytes([1, 2]", "expected 16 values for micropython, found 2"},
      {Preset("micropython"), "p = bytes([1, 2]))",
       "line 1, column 18: unexpected ')' after the values' ']'"},
      {Preset("micropython"), "p 1 [2]", "line 1, column 3: unexpected '1' before the values' '['"},
  };
  WiringProfile uint64 = Preset("c-rows");
  uint64.syntax = Syntax::CUint64;
  const std::tuple<WiringProfile, std::string, std::string> frame_errors[] = {
      {Preset("uno-r4"), "{{0xFFFFFFFF, 0, 0, 5}}",
       "line 1, column 3: lights the matrix lamp at row 1, column 1, outside the pattern's "
       "columns 3 to 10 (--offset 2)$"},
      {Preset("uno-r4"), "{{0, 0, 0, 0}}", "line 1, column 12: the delay '0' is outside 1 to"},
      {Preset("uno-r4"), "{{0, 0, 0, 1, 2}, {0, 0, 0}}",
       "frame 1: line 1, column 15: expected 3 words and the delay"},
      {Preset("uno-r4"), "{0x100000000, 0, 0}",
       "line 1, column 2: '0x100000000' is over 4294967295"},
      {uint64, "{0x10000000000000000}", "line 1, column 2: '0x10000000000000000' is over 1844674"},
      {Preset("c-rows"), "{{1,2,3,4,5,6,7,8}, {1}}",
       "frame 2: expected 8 values for c-rows, found 1$"},
      {Preset("c-rows"), "{{0,0,0,0,0,0,0,0}, {0,0,0,0,0,0,0,0}}; d[2] = {5};",
       "line 1, column 48: expected 2 delays, one a frame, found 1$"},
      {Preset("c-rows"), "{{{1}}}", "line 1, column 3: lists nested deeper than frames of values$"},
      {Preset("c-rows"), "{0,0,0,0,0,0,0,0}; {1}; {2}", "line 1, column 25: unexpected '{'"},
      {Preset("basic"), "REM DELAYS 5\nDATA 1",
       "line 2, column 1: unexpected 'DATA' (expected the end"},
  };
  // A message that ends in $ is whole.
  for (const auto& [profile, text, message] : frame_errors) {
    const std::variant<Animation, Error> read = ImportAnimation(text, profile);
    ASSERT_TRUE(std::holds_alternative<Error>(read)) << text;
    EXPECT_TRUE((std::get<Error>(read).message + '$').starts_with(message))
        << text << "\n"
        << std::get<Error>(read).message;
  }
  for (const auto& [profile, text, message] : errors) {
    const std::variant<LampMatrix, Error> read = ImportPattern(text, profile);
    ASSERT_TRUE(std::holds_alternative<Error>(read)) << text;
    EXPECT_TRUE((std::get<Error>(read).message + '$').starts_with(message))
        << text << "\n"
        << std::get<Error>(read).message;
  }
}

TEST(WiringProfileTest, AnyProfileTakesThePreferredThenTheOnlyPresetThatReads) {
  const LampMatrix sample = FromGrid(Sample);
  const std::tuple<WiringProfile, std::string, std::string, const char*> cases[] = {
      {Preset("c-rows"), ExportText(sample, Preset("c-rows")), "c-rows", SampleRed},
      {Preset("c-rows"), ExportText(sample, Preset("basic-hex")), "basic", SampleRed},
      {Preset("basic"), ExportText(sample, Preset("c-rows")),
       "reads as c-rows and as c-columns, which give different patterns", nullptr},
      {Preset("basic"), ExportText(sample, Preset("ht16k33")), "ht16k33", Sample},
      {Preset("ht16k33"), ExportText(sample, Preset("ht16k33")), "ht16k33", Sample},
      {Preset("c-rows"), ExportText(sample, Preset("micropython")), "micropython", Sample},
      {Preset("basic"), "hello",
       "does not read as basic (line 1, column 1: unexpected 'hello' (expected a value or ',')) "
       "nor as any preset",
       nullptr},
  };
  for (const auto& [preferred, text, label_or_message, lamps] : cases) {
    const std::variant<ImportedPattern, Error> read = ImportAnyProfile(text, preferred);
    if (lamps) {
      ASSERT_TRUE(std::holds_alternative<ImportedPattern>(read)) << std::get<Error>(read).message;
      EXPECT_EQ(std::get<ImportedPattern>(read).label, label_or_message);
      EXPECT_EQ(std::get<ImportedPattern>(read).lamps, FromGrid(lamps));
    } else {
      ASSERT_TRUE(std::holds_alternative<Error>(read)) << text;
      EXPECT_TRUE(std::get<Error>(read).message.starts_with(label_or_message))
          << std::get<Error>(read).message;
    }
  }
}

TEST(WiringProfileTest, ValuesOfTheOtherScanAndBadNamesAreErrors) {
  using enum Side;
  const auto named = [](std::string name) {
    return Custom(Scan::Rows, Top, Left, Planes::Red, false, Syntax::CHex, false, std::move(name));
  };
  const std::pair<WiringProfile, const char*> cases[] = {
      {Custom(Scan::Rows, Top, Bottom, Planes::Red, false, Syntax::Hex, false),
       "--msb 'bottom' does not go with --scan rows (expected left or right)"},
      {Custom(Scan::Columns, Top, Bottom, Planes::Red, false, Syntax::Hex, false),
       "--first 'top' does not go with --scan columns (expected left or right)"},
      {Custom(Scan::Rows, Left, Left, Planes::Red, false, Syntax::Hex, false),
       "--first 'left' does not go with --scan rows (expected top or bottom)"},
      {Custom(Scan::Rows, Left, Bottom, Planes::Red, false, Syntax::Hex, false),
       "--first 'left' and --msb 'bottom' do not go with --scan rows (expected --first top or "
       "bottom, --msb left or right)"},
      {Custom(Scan::Columns, Left, Left, Planes::Red, false, Syntax::Hex, false),
       "--msb 'left' does not go with --scan columns (expected bottom or top)"},
      {Custom(Scan::Rows, Top, Left, Planes::Red, false, Syntax::CHex, false, "9lives"),
       "--name '9lives' is not an identifier (expected a letter or _, then letters, digits or _)"},
      {Custom(Scan::Rows, Top, Left, Planes::Red, false, Syntax::CHex, false, ""),
       "--name '' is not an identifier"},
      {Custom(Scan::Rows, Top, Left, Planes::Red, false, Syntax::CHex, false, "a-b"),
       "--name 'a-b' is not an identifier"},
      {named("a\x1b[1m\xc2\x9b"), "--name 'a\\x1b[1m\\xc2\\x9b' is not an identifier"},
      {named(std::string(64, 'x')), "--name 'xxxxxxxxxxxxxxxxxxxxxxxx...' is longer than 63"},
      {named("int"), "--name 'int' is a C keyword"},
      {named("uint8_t"), "--name 'uint8_t' is a name the export's code uses"},
      {named("def"), "--name 'def' is a Python keyword"},
      {named("__FILE__"), "--name '__FILE__' is kept for the compiler"},
      {named("rEm"), "--name 'rEm' is BASIC's comment keyword"},
      {Custom(Scan::Rows, Top, Left, Planes::Red, false, Syntax::Hex, false, "p", false, true),
       "--progmem makes C code: it goes with --syntax c-hex, c-binary, c-uint64 or uno-r4, not "
       "hex"},
  };
  for (const auto& [profile, message] : cases) {
    const std::optional<Error> error = CheckProfile(profile, "--");
    ASSERT_TRUE(error.has_value()) << message;
    EXPECT_TRUE(error->message.starts_with(message)) << error->message;
    EXPECT_TRUE(std::holds_alternative<Error>(ImportPattern("", profile)));
  }
  EXPECT_FALSE(CheckProfile(
      Custom(Scan::Rows, Top, Left, Planes::Red, false, Syntax::CHex, false, "aZAz_9")));
}

}  // namespace
}  // namespace glyphgrid
