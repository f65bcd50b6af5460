#pragma once

#include <optional>
#include <string_view>

namespace glyphgrid {

// Why an identifier cannot name an exported array or variable, when it cannot: a keyword of C,
// C++ or Python, a Python constant, a name the export's own code or headers use, a name C and C++
// keep for the compiler (__x, _X), or REM in any case (BASIC reads the rest of its line as a
// comment, so the export would not read back). Nothing for a name that fits every syntax.
std::optional<std::string_view> ReservedNameReason(std::string_view name);

}  // namespace glyphgrid
