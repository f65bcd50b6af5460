#pragma once

#include <functional>
#include <string_view>
#include <variant>

#include "cli/parse_error.h"
#include "editor/lamp_matrix.h"

namespace glyphgrid {

// One step applied to the whole pattern, as the editor's operations and mouse presses apply it.
using PatternOperation = std::function<void(LampMatrix&)>;

// shift-up, shift-down, shift-left, shift-right, cycle-all, cycle-lit, clear, or click:X,Y with X
// and Y decimal numbers of twips (a press exactly as in the editor's client area).
std::variant<PatternOperation, ParseError> ParsePatternOperation(std::string_view name);

}  // namespace glyphgrid
