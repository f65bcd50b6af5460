#pragma once

#include <QIcon>

namespace glyphgrid {

// The program's icon: a small lamp grid, drawn at 16, 32 and 48 pixels.
QIcon AppIcon();

}  // namespace glyphgrid
