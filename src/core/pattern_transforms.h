#pragma once

#include "core/lamp_matrix.h"

namespace glyphgrid {

// Whole-pattern transforms as the user sees the grid: rows counted from the top, columns from the
// left. Each lamp keeps its colour; only Invert changes colours.

// Mirrors the pattern left to right.
void FlipHorizontal(LampMatrix& lamps);

// Mirrors the pattern top to bottom.
void FlipVertical(LampMatrix& lamps);

// A quarter turn: the top row becomes the right-hand column.
void RotateClockwise(LampMatrix& lamps);

// A quarter turn the other way: the top row becomes the left-hand column.
void RotateAnticlockwise(LampMatrix& lamps);

// Grey lamps become red and every other lamp grey.
void Invert(LampMatrix& lamps);

// Whole rows or columns one place over; the row or column that leaves the edge is lost and the
// vacated one is grey.
void MoveUp(LampMatrix& lamps);
void MoveDown(LampMatrix& lamps);
void MoveLeft(LampMatrix& lamps);
void MoveRight(LampMatrix& lamps);

// The same moves wrapping round: the row or column that leaves one edge comes back at the other.
void ScrollUp(LampMatrix& lamps);
void ScrollDown(LampMatrix& lamps);
void ScrollLeft(LampMatrix& lamps);
void ScrollRight(LampMatrix& lamps);

}  // namespace glyphgrid
