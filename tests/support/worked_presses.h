#pragma once

#include <optional>

#include "editor/lamp_matrix.h"

namespace glyphgrid {

// Presses in twips in the main window's client area and the lamp each one toggles, if any.
struct WorkedPress {
  float x;
  float y;
  std::optional<LampIndex> lamp;
};

inline constexpr WorkedPress WorkedPresses[] = {{1687, 727, 63},
                                                {3367, 2407, 0},
                                                {2647, 1687, 27},
                                                {1800, 840, 54},
                                                {1799, 839, 63},
                                                {3240, 2280, 0},
                                                {3250, 2167, 8},
                                                {1576, 700, 63},
                                                {3459, 2499, 0},
                                                {2000, 631, 62},
                                                {1575, 700, std::nullopt},
                                                {3460, 2400, std::nullopt},
                                                {2000, 630, std::nullopt},
                                                {2000, 2500, std::nullopt},
                                                {3480, 2407, std::nullopt},
                                                {1000, 1000, std::nullopt}};

}  // namespace glyphgrid
