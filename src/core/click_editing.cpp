#include "core/click_editing.h"

#include "core/lamp_geometry.h"

namespace glyphgrid {

void ToggleLamp(LampMatrix& lamps, LampIndex index) {
  lamps.SetColour(index, lamps.Colour(index) == LampRed ? LampGrey : LampRed);
}

std::optional<LampIndex> PressLamp(LampMatrix& lamps, double x, double y) {
  const std::optional<LampIndex> index = LampAtPress(x, y);
  if (index) {
    ToggleLamp(lamps, *index);
  }
  return index;
}

}  // namespace glyphgrid
