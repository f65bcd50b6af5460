// Any text read as an export with a profile chosen by the first bytes, and with any preset that
// reads it, as one pattern and as frames: what reads comes out again as the same lamps (and the
// same delays, where the export writes them) when exported and read back, and an export of any
// pattern the profile can express reads back as that pattern.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/animation_export.h"
#include "core/animation_import.h"
#include "core/profile_export.h"
#include "core/profile_import.h"
#include "core/profile_presets.h"

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

// Frames read from any text export and read back as the same frames; the delays too when the
// export writes them.
void CheckFrames(std::string_view text, const WiringProfile& profile) {
  const std::variant<ImportedAnimation, Error> any = ImportAnimationAnyProfile(text, profile);
  if (const Error* error = std::get_if<Error>(&any); error && error->message.empty()) {
    std::abort();
  }
  const std::variant<Animation, Error> read = ImportAnimation(text, profile);
  const Animation* frames = std::get_if<Animation>(&read);
  if (!frames) {
    if (std::get<Error>(read).message.empty()) {
      std::abort();
    }
    return;
  }
  const std::variant<Animation, Error> again =
      ImportAnimation(ExportAnimation(*frames, profile), profile);
  const Animation* back = std::get_if<Animation>(&again);
  if (!back || back->FrameCount() != frames->FrameCount()) {
    std::abort();
  }
  const bool delays = WritesDelays(profile, frames->FrameCount());
  for (int index = 0; index < frames->FrameCount(); ++index) {
    const Frame& frame = frames->At(index);
    const Frame& copy = back->At(index);
    if (!(copy.Lamps() == frame.Lamps()) || (delays && copy.Delay() != frame.Delay())) {
      std::abort();
    }
  }
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
  profile.syntax = static_cast<Syntax>(data[2] % 9);
  if (profile.syntax == Syntax::UnoR4) {
    profile = FindProfilePreset("uno-r4")->profile;
    profile.offset = data[1] % (MaxOffset + 1);
  } else if (profile.syntax == Syntax::CUint64) {
    profile.planes = data[1] & 1 ? Planes::Green : Planes::Red;
    profile.zero = false;
  }
  profile.header = IsCSyntax(profile.syntax) && (data[0] & 32);
  profile.progmem = IsCSyntax(profile.syntax) && profile.syntax != Syntax::UnoR4 && (data[0] & 64);
  profile.delays = profile.syntax == Syntax::UnoR4 || !(data[0] & 128);
  if (CheckProfile(profile)) {
    std::abort();
  }
  const std::string_view text(reinterpret_cast<const char*>(data) + 3, size - 3);
  CheckFrames(text, profile);
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
