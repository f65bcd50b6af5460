#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "core/profile_presets.h"

namespace glyphgrid {

// A lamp of every colour in asymmetric places, so that any mirror, turn or swapped plane shows.
inline constexpr const char* Sample =
    "R.......\n.G......\n..O.....\n........\n........\n........\n.......R\nO......G";
// What a red-plane profile can express of Sample: its red and orange lamps, red.
inline constexpr const char* SampleRed =
    "R.......\n........\n..R.....\n........\n........\n........\n.......R\nR.......";

inline WiringProfile Preset(std::string_view name) {
  const ProfilePreset* preset = FindProfilePreset(name);
  EXPECT_NE(preset, nullptr) << name;
  return preset ? preset->profile : WiringProfile();
}

}  // namespace glyphgrid
