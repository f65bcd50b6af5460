#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string_view>
#include <variant>

#include "core/grid_text.h"

namespace glyphgrid {

// A pattern written as grid text: eight rows of ". R G O", top row first.
inline LampMatrix FromGrid(std::string_view grid) {
  std::variant<LampMatrix, Error> parsed = ParseGrid(grid);
  if (const Error* error = std::get_if<Error>(&parsed)) {
    ADD_FAILURE() << error->message;
    return {};
  }
  return std::get<LampMatrix>(parsed);
}

// Random lamps of the first `colours` colours of LampPalette: 2 for red and grey, 4 for all.
inline LampMatrix RandomPattern(std::mt19937& random, int colours) {
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    lamps.SetColour(i, LampPalette[random() % static_cast<unsigned>(colours)]);
  }
  return lamps;
}

// A failed expectation shows the pattern as a grid.
inline void PrintTo(const LampMatrix& lamps, std::ostream* out) {
  *out << '\n' << GridText(lamps);
}

}  // namespace glyphgrid
