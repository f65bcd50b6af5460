#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/error.h"
#include "core/lamp_matrix.h"

namespace glyphgrid {

// The pattern as 8 lines of 8 characters, top row first, each row from left to right: "." grey,
// "R" red, "G" green, "O" orange. Every line ends in LF. A lamp of any other colour shows as grey.
std::string GridText(const LampMatrix& lamps);

// Reads the grid that GridText writes, after a UTF-8 byte order mark if there is one. Lines may
// end in LF or CR LF and the last line break is optional; anything else (another character, a short
// or long line, a missing or extra line) is an error naming the line.
std::variant<LampMatrix, Error> ParseGrid(std::string_view text);

// Sets the lamps of grid line `line` (0 for the top) from one row of 8 characters; otherwise
// says what is wrong with the row ("character 3: expected one of . R G O, got 'x'").
std::optional<std::string> ApplyGridRow(std::string_view row, int line, LampMatrix& lamps);

}  // namespace glyphgrid
