#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/error.h"
#include "core/lamp_matrix.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// Reads an export back with the profile that wrote it, and what a person would type for it: any
// of the &B, &H, 0x, 0b and decimal literals, separated by commas or white space, inside a DATA
// statement, a C array's { } or a Python list's [ ] (in bytes( ) or not), with comments. Lit
// lamps of a red profile come back red, of a green profile green; two planes give back all four
// colours. An error names the position and what was expected: too few or too many values, a
// value over 255, a zero unit that is not 0, anything that is not such a list.
std::variant<LampMatrix, Error> ImportPattern(std::string_view text, const WiringProfile& profile);

// The pattern that `units` show, as many as the profile writes: ExportUnits undone.
LampMatrix LampsFromUnits(std::span<const std::uint8_t> units, const WiringProfile& profile);

struct ImportedPattern {
  LampMatrix lamps;
  std::string label;  // the profile that read it, as ProfileLabel names it
};

// Reads with `preferred`; when that fails, with the only preset that reads the text (presets that
// read it into the same lamps count as one). When several read it differently, the text's syntax
// decides, if only one of them has it: braces C, brackets or bytes( ) Python, DATA BASIC. An error
// when none reads it, or several that the syntax cannot tell apart. The uno-r4 preset, whose
// frames are wide words, is left to ImportAnimationAnyProfile.
std::variant<ImportedPattern, Error> ImportAnyProfile(std::string_view text,
                                                      const WiringProfile& preferred);

}  // namespace glyphgrid
