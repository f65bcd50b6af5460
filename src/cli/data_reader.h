#pragma once

#include <string_view>
#include <variant>

#include "cli/parse_error.h"
#include "editor/lamp_matrix.h"

namespace glyphgrid {

// Reads one DATA line exactly as DataText writes it, optionally followed by LF or CR LF. Lamps
// whose digit is 1 become red and all others grey, so the red-and-grey pattern that wrote the line
// comes back. An error names the literal at fault, counted from 1.
std::variant<LampMatrix, ParseError> ParseDataText(std::string_view text);

}  // namespace glyphgrid
