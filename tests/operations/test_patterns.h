#pragma once

#include <initializer_list>
#include <random>
#include <span>
#include <utility>
#include <vector>

#include "editor/lamp_matrix.h"

namespace glyphgrid {

inline constexpr LampColour FourColours[] = {LampGrey, LampRed, LampGreen, LampOrange};
inline constexpr LampColour RedAndGrey[] = {LampGrey, LampRed};

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

// Grey everywhere except the given lamps.
inline LampMatrix WithLamps(std::initializer_list<LampIndex> indices, LampColour colour) {
  LampMatrix lamps;
  for (LampIndex i : indices) {
    lamps.SetColour(i, colour);
  }
  return lamps;
}

inline LampMatrix RandomPattern(std::mt19937& random, std::span<const LampColour> palette) {
  std::uniform_int_distribution<std::size_t> pick(0, palette.size() - 1);
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    lamps.SetColour(i, palette[pick(random)]);
  }
  return lamps;
}

// A vector prints lamp by lamp when an expectation fails.
inline std::vector<LampColour> ColoursOf(const LampMatrix& lamps) {
  std::vector<LampColour> colours;
  for (LampIndex i = 0; i < LampCount; ++i) {
    colours.push_back(lamps.Colour(i));
  }
  return colours;
}

}  // namespace glyphgrid
