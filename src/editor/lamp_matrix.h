#pragma once

#include <array>

#include "editor/lamp_colour.h"

namespace glyphgrid {

// 0..63; 8 x row + column, rows counted from the bottom, columns from the right.
using LampIndex = int;

inline constexpr int LampCount = 64;
inline constexpr int LampsPerRow = 8;

constexpr LampIndex LampIndexOf(int row, int column) {
  return LampsPerRow * row + column;
}
constexpr int LampRow(LampIndex index) {
  return index / LampsPerRow;
}
constexpr int LampColumn(LampIndex index) {
  return index % LampsPerRow;
}

// The 64 lamp colours: the whole pattern state. Colours are stored exactly as written.
class LampMatrix {
 public:
  LampMatrix();

  // Both throw std::out_of_range for an index outside 0..63 and then change nothing.
  LampColour Colour(LampIndex index) const;
  void SetColour(LampIndex index, LampColour colour);

  void ClearAll();

  bool operator==(const LampMatrix&) const = default;

 private:
  std::array<LampColour, LampCount> colours_;
};

}  // namespace glyphgrid
