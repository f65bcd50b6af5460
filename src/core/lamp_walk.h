#pragma once

#include <vector>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// The lamps a press gliding in a straight line from (x0, y0) to (x1, y1) twips would land on, in
// the order it meets them, each once: every lamp whose press cell (LampAtPress) holds a point of
// the segment. However fast the pointer moves, a drag painted through this leaves no gap.
std::vector<LampIndex> LampsCrossed(double x0, double y0, double x1, double y1);

}  // namespace glyphgrid
