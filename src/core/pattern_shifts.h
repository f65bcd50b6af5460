#pragma once

#include "core/lamp_matrix.h"

namespace glyphgrid {

// One row up; the bottom row is blanked and the old top row is lost.
void ShiftUp(LampMatrix& lamps);

// One row down; the top row is blanked and the old bottom row is lost.
void ShiftDown(LampMatrix& lamps);

// The 64 lamps move as one strip, lamp j taking lamp j - 1's colour; lamp 0 keeps its own.
void ShiftLeft(LampMatrix& lamps);

// The strip moves the other way, lamp j taking lamp j + 1's colour; lamp 63 keeps its own. Only
// red and grey lamps drive the move, so green and orange lamps can stay where they are.
void ShiftRight(LampMatrix& lamps);

}  // namespace glyphgrid
