#include "cli/operation_argument.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "cli/quoted.h"
#include "core/click_editing.h"
#include "core/pattern_operations.h"

namespace glyphgrid {

namespace {

// Plain decimal notation only: no exponent, no infinity, no NaN. A number too small or too large
// for a double is still a number: it becomes 0 or the largest double, outside every lamp alike.
std::optional<double> ParseDecimal(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (stop != end || (error != std::errc() && error != std::errc::result_out_of_range)) {
    return std::nullopt;
  }
  if (error == std::errc::result_out_of_range) {
    const bool negative = text.starts_with('-');
    const bool below_one = text.find_first_not_of("-0", 0) == text.find('.');
    const double magnitude = below_one ? 0.0 : std::numeric_limits<double>::max();
    return negative ? -magnitude : magnitude;
  }
  return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

std::string PressArgument() {
  return std::string(PressOperationName) + ":X,Y";
}

Error BadOperation(std::string_view argument, const std::string& what) {
  return {Error::Kind::BadInput, "--op " + Quoted(argument) + ": " + what};
}

}  // namespace

std::string OperationNames(std::string_view last_separator) {
  std::string names;
  for (const PatternOperation& operation : PatternOperations()) {
    names.append(operation.name).append(", ");
  }
  names.resize(names.size() - 2);
  return names.append(last_separator).append(PressArgument());
}

std::variant<OperationStep, Error> ParseOperationArgument(std::string_view argument) {
  if (const PatternOperation* operation = FindPatternOperation(argument)) {
    return OperationStep(operation->apply);
  }
  const std::string prefix = std::string(PressOperationName) + ":";
  if (!argument.starts_with(prefix)) {
    return BadOperation(argument, "unknown operation (expected " + OperationNames(" or ") + ")");
  }
  const std::string_view position = argument.substr(prefix.size());
  const std::size_t comma = position.find(',');
  const std::optional<double> x = ParseDecimal(position.substr(0, comma));
  const std::optional<double> y =
      comma == std::string_view::npos ? std::nullopt : ParseDecimal(position.substr(comma + 1));
  if (!x || !y) {
    return BadOperation(argument,
                        "expected " + PressArgument() + " with X and Y finite decimal numbers");
  }
  return OperationStep([x = *x, y = *y](LampMatrix& lamps) { PressLamp(lamps, x, y); });
}

}  // namespace glyphgrid
