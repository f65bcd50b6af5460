// The press mapping on any two doubles against the cell rule written the other way round, and the
// click:X,Y argument on any text against the C library's reading of the same decimals.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "cli/operation_argument.h"
#include "core/click_editing.h"
#include "core/lamp_geometry.h"

namespace glyphgrid {
namespace {

std::optional<LampIndex> CellRule(double x, double y) {
  if (!(x > 1575 && x < 3460 && y > 630 && y < 2500)) {
    return std::nullopt;
  }
  const int column = 7 - static_cast<int>(std::floor((x - 1560) / 240));
  const int row = 7 - static_cast<int>(std::floor((y - 600) / 240));
  return 8 * row + column;
}

bool IsPlainDecimal(const std::string& text) {
  const std::size_t digits_from = text.starts_with('-') ? 1 : 0;
  const std::size_t point = text.find('.');
  const auto all_digits = [&text](std::size_t from, std::size_t to) {
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(to),
                       [](char c) { return c >= '0' && c <= '9'; });
  };
  if (point == std::string::npos) {
    return text.size() > digits_from && all_digits(digits_from, text.size());
  }
  return (point > digits_from || point + 1 < text.size()) && all_digits(digits_from, point) &&
         all_digits(point + 1, text.size());
}

}  // namespace
}  // namespace glyphgrid

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glyphgrid;
  if (size >= 2 * sizeof(double)) {
    double x = 0;
    double y = 0;
    std::memcpy(&x, data, sizeof x);
    std::memcpy(&y, data + sizeof x, sizeof y);
    if (LampAtPress(x, y) != CellRule(x, y)) {
      std::abort();
    }
  }
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::size_t comma = text.find(',');
  const bool valid = comma != std::string::npos && IsPlainDecimal(text.substr(0, comma)) &&
                     IsPlainDecimal(text.substr(comma + 1));
  const std::variant<OperationStep, Error> step = ParseOperationArgument("click:" + text);
  if (std::holds_alternative<OperationStep>(step) != valid) {
    std::abort();
  }
  if (valid) {
    LampMatrix pressed;
    std::get<OperationStep>(step)(pressed);
    LampMatrix expected;
    if (const auto lamp = CellRule(std::strtod(text.c_str(), nullptr),
                                   std::strtod(text.c_str() + comma + 1, nullptr))) {
      expected.SetColour(*lamp, LampRed);
    }
    if (!(pressed == expected)) {
      std::abort();
    }
  }
  return 0;
}
