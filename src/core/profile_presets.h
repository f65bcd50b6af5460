#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/wiring_profile.h"

namespace glyphgrid {

// A named profile for a common board or language.
struct ProfilePreset {
  std::string_view name;         // "c-rows", as options and settings name it
  std::string_view description;  // one line for lists and help
  WiringProfile profile;
};

// basic (the default, the DATA line) first.
std::span<const ProfilePreset> ProfilePresets();

// The preset of that name, or null.
const ProfilePreset* FindProfilePreset(std::string_view name);

// The preset whose settings the profile has, its identifier, header, progmem, delays and offset
// aside; null for a custom profile.
const ProfilePreset* PresetOf(const WiringProfile& profile);

// How messages name the profile: the preset's name or "the custom profile".
std::string ProfileLabel(const WiringProfile& profile);

}  // namespace glyphgrid
