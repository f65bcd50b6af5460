#include "core/profile_presets.h"

#include <algorithm>
#include <vector>

namespace glyphgrid {

namespace {

WiringProfile Profile(Scan scan, Side first, Side msb, Planes planes, Syntax syntax, bool zero) {
  return {scan, first, msb, planes, false, syntax, zero, std::string(DefaultProfileName)};
}

const std::vector<ProfilePreset>& Presets() {
  using enum Side;
  static const std::vector<ProfilePreset> presets = {
      {"basic", "the DATA line exactly as View Data shows it",
       Profile(Scan::Columns, Left, Bottom, Planes::Red, Syntax::BasicBinary, true)},
      {"basic-hex", "the DATA line with &H literals",
       Profile(Scan::Columns, Left, Bottom, Planes::Red, Syntax::BasicHex, true)},
      {"c-rows", "C array of 8 rows, top first, left lamp MSB (the common MAX7219 layout)",
       Profile(Scan::Rows, Top, Left, Planes::Red, Syntax::CHex, false)},
      {"c-columns", "C array of 8 columns, left first, bottom lamp MSB",
       Profile(Scan::Columns, Left, Bottom, Planes::Red, Syntax::CHex, false)},
      {"ht16k33", "HT16K33 bi-colour RAM: rows from the top, green then red, left lamp bit 0",
       Profile(Scan::Rows, Top, Right, Planes::Interleaved, Syntax::CHex, false)},
      {"micropython", "bytes of 8 rows, top first, left lamp MSB, red then green plane",
       Profile(Scan::Rows, Top, Left, Planes::RedGreen, Syntax::Python, false)},
      {"uno-r4",
       "Arduino UNO R4 WiFi 12 x 8 matrix: uint32_t[4] a frame (3 words, the delay) for "
       "loadSequence; the pattern at --offset",
       Profile(Scan::Rows, Top, Left, Planes::Red, Syntax::UnoR4, false)},
  };
  return presets;
}

}  // namespace

std::span<const ProfilePreset> ProfilePresets() {
  return Presets();
}

const ProfilePreset* FindProfilePreset(std::string_view name) {
  const auto found = std::ranges::find(Presets(), name, &ProfilePreset::name);
  return found == Presets().end() ? nullptr : &*found;
}

const ProfilePreset* PresetOf(const WiringProfile& profile) {
  WiringProfile unnamed = profile;
  unnamed.name = DefaultProfileName;
  unnamed.header = false;
  unnamed.progmem = false;
  unnamed.delays = true;
  unnamed.offset = DefaultOffset;
  const auto found = std::ranges::find(Presets(), unnamed, &ProfilePreset::profile);
  return found == Presets().end() ? nullptr : &*found;
}

std::string ProfileLabel(const WiringProfile& profile) {
  const ProfilePreset* preset = PresetOf(profile);
  return preset ? std::string(preset->name) : "the custom profile";
}

}  // namespace glyphgrid
