#pragma once

#include <string>

#include "editor/lamp_matrix.h"

namespace glyphgrid {

inline constexpr std::size_t DataTextLength = 111;

// Red and orange lamps are lit in the EEPROM data; grey, green and anything else are not.
constexpr bool IsLitInData(LampColour colour) {
  return colour == LampRed || colour == LampOrange;
}

// The one-line BASIC DATA statement for the pattern: one binary literal per column from left to
// right, bottom lamp first, then a literal that is always zero. No line break.
std::string DataText(const LampMatrix& lamps);

}  // namespace glyphgrid
