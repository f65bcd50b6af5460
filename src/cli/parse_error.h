#pragma once

#include <string>

namespace glyphgrid {

// What is wrong with a piece of input and where: one line, ready to show to the user.
struct ParseError {
  std::string message;
};

}  // namespace glyphgrid
