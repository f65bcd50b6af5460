#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/animation.h"
#include "core/error.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// The largest export of 10,000 frames (both planes and the zero unit in binary literals) is about
// 2 MiB; an export text is read up to twice that.
inline constexpr TextLimit ExportTextLimit{4 * 1024 * 1024, "4 MiB", "an export"};

// Reads back every frame that ExportAnimation wrote with the profile, and what ImportPattern
// reads as one frame. The frames come from the text's structure, never from counting its values:
// the lists inside a C array's { } or a Python list's [ ] (each in bytes( ) or not), the DATA
// lines, or, for a bare list of numbers, its lines (all of them one frame when the lines are not
// each a frame). The delays come from a second array or list, or BASIC's REM DELAYS line; without
// them every frame takes StartDefaultDelay. An error names the frame, the position and what was
// expected: too few or too many values or delays, a value too large, a delay outside 1 to 65535,
// a lit UNO R4 lamp outside the pattern's columns, more than MaxFrames frames.
std::variant<Animation, Error> ImportAnimation(std::string_view text, const WiringProfile& profile);

struct ImportedAnimation {
  Animation animation;
  std::string label;  // the profile that read it, as ProfileLabel names it
};

// ImportAnyProfile for animations: `preferred` first, then the only preset that reads the text, or
// the only one of the text's syntax among those that read it differently.
std::variant<ImportedAnimation, Error> ImportAnimationAnyProfile(std::string_view text,
                                                                 const WiringProfile& preferred);

}  // namespace glyphgrid
