#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "core/error.h"
#include "core/lamp_matrix.h"

namespace glyphgrid {

// The one-line BASIC DATA statement for the pattern: one binary literal per column from left to
// right, its first digit the bottom lamp, then a literal that is always zero. A lamp gives "1"
// when it carries red (red or orange). No line break.
std::string DataText(const LampMatrix& lamps);

// Reads one DATA line exactly as DataText writes it (after a UTF-8 byte order mark if there is
// one), optionally followed by LF or CR LF. Lamps
// whose digit is 1 become red and all others grey, so the red-and-grey pattern that wrote the
// line comes back. An error names the literal at fault, counted from 1.
std::variant<LampMatrix, Error> ParseDataText(std::string_view text);

}  // namespace glyphgrid
