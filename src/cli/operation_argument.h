#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "core/error.h"
#include "core/lamp_matrix.h"

namespace glyphgrid {

// One --op step, applied to the whole pattern as the editor's operations and presses apply it.
using OperationStep = std::function<void(LampMatrix&)>;

// A named pattern operation, or click:X,Y with X and Y decimal numbers of twips (a press exactly
// as in the editor's client area).
std::variant<OperationStep, Error> ParseOperationArgument(std::string_view argument);

// Every operation name, in table order, separated by ", ", with `last_separator` before the
// press: "shift-up, ..., clear or click:X,Y".
std::string OperationNames(std::string_view last_separator);

}  // namespace glyphgrid
