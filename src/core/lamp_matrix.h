#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>

#include "core/lamp_colour.h"

namespace glyphgrid {

// 0..63; 8 x row + column, rows counted from the bottom, columns from the right: lamp 0 is at the
// bottom right, lamp 63 at the top left.
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
// The lamp `rows` up and `columns` to the left of `from`, stopping at the edges.
constexpr LampIndex LampMovedBy(LampIndex from, int rows, int columns) {
  return LampIndexOf(std::clamp(LampRow(from) + rows, 0, LampsPerRow - 1),
                     std::clamp(LampColumn(from) + columns, 0, LampsPerRow - 1));
}

// The 64 lamp colours: the whole pattern state, all grey at start. Colours are stored exactly as
// written. An index outside 0..63 is a programming error; no index reaches here from outside.
class LampMatrix {
 public:
  constexpr LampMatrix() { colours_.fill(LampGrey); }

  constexpr LampColour Colour(LampIndex index) const { return colours_[Slot(index)]; }
  constexpr void SetColour(LampIndex index, LampColour colour) { colours_[Slot(index)] = colour; }

  constexpr void ClearAll() { colours_.fill(LampGrey); }

  bool operator==(const LampMatrix&) const = default;

 private:
  static constexpr std::size_t Slot(LampIndex index) {
    assert(index >= 0 && index < LampCount);
    return static_cast<std::size_t>(index);
  }

  std::array<LampColour, LampCount> colours_;
};

}  // namespace glyphgrid
