#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <variant>

namespace glyphgrid {

// A pattern is a few hundred bytes; anything much larger is the wrong file.
inline constexpr std::size_t MaxInputSize = 1024 * 1024;

struct InputFailure {
  enum class Kind { Unreadable, TooLarge };
  Kind kind;
  std::string message;  // names the input and the reason
};

// The whole input as bytes, each byte one character; refused when it exceeds MaxInputSize.
std::variant<std::string, InputFailure> ReadInputFile(const std::string& path);
std::variant<std::string, InputFailure> ReadInputStream(std::istream& in, const std::string& name);

}  // namespace glyphgrid
