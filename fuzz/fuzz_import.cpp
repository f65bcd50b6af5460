// Any text read as an export with a profile chosen by the first bytes, and with any preset that
// reads it: what reads comes out again as the same lamps when exported and read back, and an
// export of any pattern the profile can express reads back as that pattern.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/profile_export.h"
#include "core/profile_import.h"

namespace glyphgrid {
namespace {

// The lamps as the profile sees them: without a red plane nothing is red, without a green one
// nothing is green.
LampMatrix Expressible(LampMatrix lamps, Planes planes) {
  for (LampIndex i = 0; i < LampCount; ++i) {
    const LampColour colour = lamps.Colour(i);
    const bool red = HasRed(colour) && planes != Planes::Green;
    const bool green = HasGreen(colour) && planes != Planes::Red;
    lamps.SetColour(i, red && green ? LampOrange : red ? LampRed : green ? LampGreen : LampGrey);
  }
  return lamps;
}

}  // namespace
}  // namespace glyphgrid

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glyphgrid;
  if (size < 3) {
    return 0;
  }
  WiringProfile profile;
  profile.scan = data[0] & 1 ? Scan::Rows : Scan::Columns;
  const Side sides[] = {Side::Left, Side::Right, Side::Top, Side::Bottom};
  profile.first =
      profile.scan == Scan::Rows ? sides[2 + (data[0] >> 1 & 1)] : sides[data[0] >> 1 & 1];
  profile.msb =
      profile.scan == Scan::Rows ? sides[data[0] >> 2 & 1] : sides[2 + (data[0] >> 2 & 1)];
  profile.planes = static_cast<Planes>(data[1] % 5);
  profile.invert = data[0] & 8;
  profile.zero = data[0] & 16;
  profile.syntax = static_cast<Syntax>(data[2] % 7);
  profile.header = IsCSyntax(profile.syntax) && (data[0] & 32);
  profile.progmem = IsCSyntax(profile.syntax) && (data[0] & 64);
  if (CheckProfile(profile)) {
    std::abort();
  }
  const std::string_view text(reinterpret_cast<const char*>(data) + 3, size - 3);
  const std::variant<ImportedPattern, Error> any = ImportAnyProfile(text, profile);
  if (const Error* error = std::get_if<Error>(&any); error && error->message.empty()) {
    std::abort();
  }
  const std::variant<LampMatrix, Error> read = ImportPattern(text, profile);
  if (const LampMatrix* lamps = std::get_if<LampMatrix>(&read)) {
    const std::variant<LampMatrix, Error> again =
        ImportPattern(ExportText(*lamps, profile), profile);
    if (!std::holds_alternative<LampMatrix>(again) || !(std::get<LampMatrix>(again) == *lamps)) {
      std::abort();
    }
  } else if (std::get<Error>(read).message.empty()) {
    std::abort();
  }
  LampMatrix pattern;
  for (LampIndex i = 0; i < LampCount && static_cast<std::size_t>(i + 3) < size; ++i) {
    pattern.SetColour(i, LampPalette[data[i + 3] % 4]);
  }
  pattern = Expressible(pattern, profile.planes);
  const std::variant<LampMatrix, Error> back = ImportPattern(ExportText(pattern, profile), profile);
  if (!std::holds_alternative<LampMatrix>(back) || !(std::get<LampMatrix>(back) == pattern)) {
    std::abort();
  }
  return 0;
}
