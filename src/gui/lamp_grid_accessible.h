#pragma once

#include "core/lamp_matrix.h"

namespace glyphgrid {

// Lets assistive technology see every LampGrid as a table of 64 cells, row by row from the top
// left, each named by its row and column with its colour as its value. Once per process.
void InstallLampGridAccessibility();

// The index of a lamp's cell among the table's children.
int LampGridCell(LampIndex lamp);

}  // namespace glyphgrid
