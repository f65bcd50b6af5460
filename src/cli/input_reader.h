#pragma once

#include <istream>
#include <string>
#include <variant>

#include "core/error.h"

namespace glyphgrid {

// The whole input as bytes, each byte one character. An input that cannot be opened or read is
// Unreadable; one over MaxPatternTextSize is BadInput. Messages name the input.
std::variant<std::string, Error> ReadInputFile(const std::string& path);
std::variant<std::string, Error> ReadInputStream(std::istream& in, const std::string& name);

}  // namespace glyphgrid
