#include "editor/lamp_matrix.h"

#include <stdexcept>
#include <string>

namespace glyphgrid {

namespace {

void CheckIndex(LampIndex index) {
  if (index < 0 || index >= LampCount) {
    throw std::out_of_range("lamp index " + std::to_string(index) + " is outside 0..63");
  }
}

}  // namespace

LampMatrix::LampMatrix() {
  colours_.fill(LampGrey);
}

LampColour LampMatrix::Colour(LampIndex index) const {
  CheckIndex(index);
  return colours_[static_cast<std::size_t>(index)];
}

void LampMatrix::SetColour(LampIndex index, LampColour colour) {
  CheckIndex(index);
  colours_[static_cast<std::size_t>(index)] = colour;
}

void LampMatrix::ClearAll() {
  colours_.fill(LampGrey);
}

}  // namespace glyphgrid
