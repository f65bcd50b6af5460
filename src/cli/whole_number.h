#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "cli/quoted.h"
#include "core/error.h"

namespace glyphgrid {

// A decimal number from `least` to `most`, nothing else: no sign, no space, no other digits.
inline std::optional<int> ParseWholeNumber(std::string_view text, int least, int most) {
  int number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (error != std::errc() || stop != end || number < least || number > most) {
    return std::nullopt;
  }
  return number;
}

inline Error NotInRange(std::string_view option, int least, int most, const std::string& value) {
  return {Error::Kind::BadInput, std::string(option) + ": expected a whole number from " +
                                     std::to_string(least) + " to " + std::to_string(most) +
                                     ", got " + Quoted(value)};
}

}  // namespace glyphgrid
