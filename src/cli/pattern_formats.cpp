#include "cli/pattern_formats.h"

#include "core/colour_planes.h"
#include "core/data_text.h"
#include "core/grid_text.h"

namespace glyphgrid {

std::optional<PatternFormat> PatternFormatNamed(std::string_view name) {
  if (name == "planes") {
    return PatternFormat::Planes;
  }
  if (name == "grid") {
    return PatternFormat::Grid;
  }
  if (name == "data") {
    return PatternFormat::Data;
  }
  return std::nullopt;
}

std::variant<LampMatrix, Error> ParsePattern(PatternFormat format, std::string_view text) {
  switch (format) {
    case PatternFormat::Grid:
      return ParseGrid(text);
    case PatternFormat::Data:
      return ParseDataText(text);
    case PatternFormat::Planes:
      break;
  }
  LampMatrix lamps;
  ApplyColourPlanes(text, lamps);
  return lamps;
}

std::string PatternText(PatternFormat format, const LampMatrix& lamps) {
  switch (format) {
    case PatternFormat::Grid:
      return GridText(lamps);
    case PatternFormat::Data:
      return DataText(lamps) + "\n";
    case PatternFormat::Planes:
      break;
  }
  return ColourPlaneText(lamps);
}

}  // namespace glyphgrid
