#include "cli/pattern_formats.h"

#include "core/colour_planes.h"
#include "core/data_text.h"
#include "core/grid_text.h"
#include "core/profile_export.h"
#include "core/profile_import.h"

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
  if (name == "export") {
    return PatternFormat::Export;
  }
  return std::nullopt;
}

std::variant<LampMatrix, Error> ParsePattern(PatternFormat format, std::string_view text,
                                             const WiringProfile& profile) {
  switch (format) {
    case PatternFormat::Grid:
      return ParseGrid(text);
    case PatternFormat::Data:
      return ParseDataText(text);
    case PatternFormat::Export:
      return ImportPattern(text, profile);
    case PatternFormat::Planes:
      break;
  }
  LampMatrix lamps;
  ApplyColourPlanes(text, lamps);
  return lamps;
}

std::string PatternText(PatternFormat format, const LampMatrix& lamps,
                        const WiringProfile& profile) {
  switch (format) {
    case PatternFormat::Grid:
      return GridText(lamps);
    case PatternFormat::Data:
      return DataText(lamps) + "\n";
    case PatternFormat::Export:
      return ExportText(lamps, profile) + "\n";
    case PatternFormat::Planes:
      break;
  }
  return ColourPlaneText(lamps);
}

bool IsLineFormat(PatternFormat format) {
  return format == PatternFormat::Data || format == PatternFormat::Export;
}

}  // namespace glyphgrid
