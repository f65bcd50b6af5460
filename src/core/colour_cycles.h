#pragma once

#include "core/lamp_matrix.h"

namespace glyphgrid {

// Grey -> red -> green -> orange -> grey; any other colour is left alone.
void CycleAllColours(LampMatrix& lamps);

// Red -> green -> orange -> red; grey and any other colour are left alone.
void CycleLitColours(LampMatrix& lamps);

}  // namespace glyphgrid
