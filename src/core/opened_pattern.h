#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/animation.h"
#include "core/lamp_matrix.h"

namespace glyphgrid {

// What File > Save writes: the DATA line of a single frame and CR LF, as always; for several
// frames one DATA line per frame, each followed by CR LF, then "REM DELAYS 80, 80, 80, 400" and
// CR LF, so that no frame is left out.
std::string SavedPatternText(const Animation& animation);

// The frames in a text that is exactly what SavedPatternText writes for several frames, red and
// grey with their delays; nothing for any other text.
std::optional<Animation> ParseSavedFrames(std::string_view bytes);

// What File > Open makes of a file's bytes when they are not saved frames. A text that is exactly
// one DATA line as DataText writes it, with nothing after it but white space, sets every lamp to
// the red or grey it describes; any other text is read as colour planes over the lamps
// (ApplyColourPlanes).
void ApplyOpenedPattern(std::string_view bytes, LampMatrix& lamps);

}  // namespace glyphgrid
