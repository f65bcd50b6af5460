#pragma once

#include <string_view>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// What File > Open makes of a file's bytes. A text that is exactly one DATA line as DataText
// writes it, with nothing after it but white space, sets every lamp to the red or grey it
// describes; any other text is read as colour planes over the lamps (ApplyColourPlanes).
void ApplyOpenedPattern(std::string_view bytes, LampMatrix& lamps);

}  // namespace glyphgrid
