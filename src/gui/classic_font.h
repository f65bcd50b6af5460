#pragma once

#include <QFont>

namespace glyphgrid {

// MS Sans Serif 8.25 pt, the font the viewer's and the About window's controls were laid out for.
// Where it is missing, a family of about its width stands in: the default sans serif of most
// Linux systems is a tenth wider, and captions would be clipped by their buttons.
QFont ClassicFont();

}  // namespace glyphgrid
