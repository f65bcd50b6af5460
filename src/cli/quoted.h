#pragma once

#include <string>
#include <string_view>

#include "core/error.h"

namespace glyphgrid {

// An argument or file name as the command-line tool's messages show it: in single quotes, with
// control characters escaped.
inline std::string Quoted(std::string_view text) {
  return "'" + Escaped(text) + "'";
}

}  // namespace glyphgrid
