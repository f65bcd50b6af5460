#pragma once

#include <optional>

#include "editor/lamp_matrix.h"

namespace glyphgrid {

// Positions in twips in the main window's client area.
struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

inline constexpr int LampPitch = 240;
inline constexpr int LampSize = 255;

// The lamp's bounding square; the lamp is the circle inscribed in it.
constexpr TwipRect LampBounds(LampIndex index) {
  return {3240 - LampPitch * LampColumn(index), 2280 - LampPitch * LampRow(index), LampSize,
          LampSize};
}

// The lamp a mouse press at (x, y) twips toggles, or nothing outside the active area.
std::optional<LampIndex> LampAtPress(double x, double y);

}  // namespace glyphgrid
