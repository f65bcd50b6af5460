#pragma once

#include <optional>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// Positions in twips in the main window's client area.
struct TwipRect {
  int left;
  int top;
  int width;
  int height;

  bool operator==(const TwipRect&) const = default;
};

// Lamps step by the pitch but are a little larger, so each lamp's square overlaps its right and
// lower neighbours' by 15 twips. Column 0 is the rightmost, row 0 the bottom one.
inline constexpr int LampPitch = 240;
inline constexpr int LampSize = 255;
inline constexpr int LampColumn0Left = 3240;
inline constexpr int LampRow0Top = 2280;

// A press acts only strictly inside this rectangle: the outermost 15 to 35 twips of the grid are
// dead.
inline constexpr double ActiveLeft = 1575;
inline constexpr double ActiveRight = 3460;
inline constexpr double ActiveTop = 630;
inline constexpr double ActiveBottom = 2500;

// The lamp's bounding square; the lamp is the circle inscribed in it.
constexpr TwipRect LampBounds(LampIndex index) {
  return {LampColumn0Left - LampPitch * LampColumn(index), LampRow0Top - LampPitch * LampRow(index),
          LampSize, LampSize};
}

// The lamp that a mouse press at (x, y) twips toggles, or nothing outside the active area. Each
// lamp's cell is the 240-twip square at its top-left corner.
std::optional<LampIndex> LampAtPress(double x, double y);

}  // namespace glyphgrid
