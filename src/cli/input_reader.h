#pragma once

#include <istream>
#include <string>
#include <variant>

namespace glyphgrid {

struct InputFailure {
  enum class Kind { Unreadable, TooLarge };
  Kind kind;
  std::string message;  // names the input and the reason
};

// The whole input as bytes, each byte one character; refused when it exceeds MaxPatternTextSize.
std::variant<std::string, InputFailure> ReadInputFile(const std::string& path);
std::variant<std::string, InputFailure> ReadInputStream(std::istream& in, const std::string& name);

}  // namespace glyphgrid
