#pragma once

#include <Qt>
#include <optional>

namespace glyphgrid {

// A move over lamps drawn as on the matrix, lamp 63 at the top left: rows up, columns to the left.
struct LampStep {
  int rows;
  int columns;
};

// The step an arrow key asks for; nothing for any other key.
inline std::optional<LampStep> ArrowStep(int key) {
  switch (key) {
    case Qt::Key_Up:
      return LampStep{1, 0};
    case Qt::Key_Down:
      return LampStep{-1, 0};
    case Qt::Key_Left:
      return LampStep{0, 1};
    case Qt::Key_Right:
      return LampStep{0, -1};
    default:
      return std::nullopt;
  }
}

}  // namespace glyphgrid
