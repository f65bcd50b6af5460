#pragma once

#include <initializer_list>
#include <ostream>
#include <random>
#include <span>
#include <utility>

#include "editor/lamp_matrix.h"

namespace glyphgrid {

inline constexpr LampColour FourColours[] = {LampGrey, LampRed, LampGreen, LampOrange};
inline constexpr LampColour RedAndGrey[] = {LampGrey, LampRed};

inline void RunTimes(void (*operation)(LampMatrix&), LampMatrix& lamps, int times) {
  for (int run = 0; run < times; ++run) {
    operation(lamps);
  }
}

// Every lamp `rest`, except the listed ones.
inline LampMatrix Pattern(LampColour rest,
                          std::initializer_list<std::pair<LampIndex, LampColour>> lamps = {}) {
  LampMatrix pattern;
  for (LampIndex i = 0; i < LampCount; ++i) {
    pattern.SetColour(i, rest);
  }
  for (const auto& [index, colour] : lamps) {
    pattern.SetColour(index, colour);
  }
  return pattern;
}

inline LampMatrix RandomPattern(std::mt19937& random, std::span<const LampColour> palette) {
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    lamps.SetColour(i, palette[random() % palette.size()]);
  }
  return lamps;
}

// A failed expectation prints the colours lamp by lamp instead of the matrix's bytes.
inline void PrintTo(const LampMatrix& lamps, std::ostream* out) {
  for (LampIndex i = 0; i < LampCount; ++i) {
    *out << ' ' << lamps.Colour(i);
  }
}

}  // namespace glyphgrid
