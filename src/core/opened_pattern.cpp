#include "core/opened_pattern.h"

#include <variant>

#include "core/colour_planes.h"
#include "core/data_text.h"

namespace glyphgrid {

void ApplyOpenedPattern(std::string_view bytes, LampMatrix& lamps) {
  std::string_view line = bytes;
  line.remove_suffix(line.size() - (line.find_last_not_of(" \t\r\n") + 1));
  std::variant<LampMatrix, Error> saved = ParseDataText(line);
  if (const LampMatrix* data_lamps = std::get_if<LampMatrix>(&saved)) {
    lamps = *data_lamps;
    return;
  }
  ApplyColourPlanes(bytes, lamps);
}

}  // namespace glyphgrid
