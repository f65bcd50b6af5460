#include "cli/pattern_operation.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "editor/click_editing.h"
#include "operations/colour_cycles.h"
#include "operations/pattern_shifts.h"

namespace glyphgrid {

namespace {

struct NamedOperation {
  std::string_view name;
  void (*apply)(LampMatrix&);
};

void Clear(LampMatrix& lamps) {
  lamps.ClearAll();
}

constexpr NamedOperation NamedOperations[] = {
    {"shift-up", ShiftUp},
    {"shift-down", ShiftDown},
    {"shift-left", ShiftLeft},
    {"shift-right", ShiftRight},
    {"cycle-all", CycleAllColours},
    {"cycle-lit", CycleLitColours},
    {"clear", Clear},
};

constexpr std::string_view ClickPrefix = "click:";

// Plain decimal notation only: no exponent, no infinity, no NaN.
std::optional<double> ParseDecimal(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::variant<PatternOperation, ParseError> ParsePatternOperation(std::string_view name) {
  for (const NamedOperation& operation : NamedOperations) {
    if (name == operation.name) {
      return PatternOperation(operation.apply);
    }
  }
  if (!name.starts_with(ClickPrefix)) {
    return ParseError{
        "--op '" + std::string(name) +
        "': unknown operation (expected shift-up, shift-down, shift-left, shift-right, cycle-all, "
        "cycle-lit, clear or click:X,Y)"};
  }
  const std::string_view position = name.substr(ClickPrefix.size());
  const std::size_t comma = position.find(',');
  const std::optional<double> x = ParseDecimal(position.substr(0, comma));
  const std::optional<double> y =
      comma == std::string_view::npos ? std::nullopt : ParseDecimal(position.substr(comma + 1));
  if (!x || !y) {
    return ParseError{"--op '" + std::string(name) +
                      "': expected click:X,Y with X and Y finite decimal numbers"};
  }
  return PatternOperation([x = *x, y = *y](LampMatrix& lamps) { PressLamp(lamps, x, y); });
}

}  // namespace glyphgrid
