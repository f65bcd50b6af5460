#pragma once

#include <optional>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// A red lamp goes grey; any other colour goes red.
void ToggleLamp(LampMatrix& lamps, LampIndex index);

// A mouse press at (x, y) twips in the main window's client area: toggles the lamp under it and
// returns its index, or does nothing outside the active area.
std::optional<LampIndex> PressLamp(LampMatrix& lamps, double x, double y);

}  // namespace glyphgrid
