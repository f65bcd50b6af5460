#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/error.h"
#include "core/lamp_matrix.h"

namespace glyphgrid {

// The texts a pattern is read from and printed as: the colour planes the editor loads, the
// character grid, and the DATA line.
enum class PatternFormat { Planes, Grid, Data };

// "planes", "grid" or "data".
std::optional<PatternFormat> PatternFormatNamed(std::string_view name);

// Colour planes are applied to an all-grey pattern, as the editor's load applies them to its
// lamps; they accept any text.
std::variant<LampMatrix, Error> ParsePattern(PatternFormat format, std::string_view text);

// One printed frame; the DATA line gets a closing LF.
std::string PatternText(PatternFormat format, const LampMatrix& lamps);

}  // namespace glyphgrid
