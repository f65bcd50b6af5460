#pragma once

#include <string>
#include <string_view>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// How the editor names a lamp to people, screen readers included: rows from the top and columns
// from the left, as the grid is seen, both from 1: "Row 1, column 8" is lamp 56.
std::string LampName(LampIndex lamp);

// "grey", "red", "green" or "orange"; "another colour" for anything else.
std::string_view ColourName(LampColour colour);

// The lamp, its colour, and where it stands in the DATA line: "Row 8, column 1: red. DATA
// literal 1, digit 1." (the literal of its column, counted from 1, and its digit, bottom lamp
// first).
std::string LampDescription(LampIndex lamp, LampColour colour);

}  // namespace glyphgrid
