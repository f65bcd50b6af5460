#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/document_file.h"
#include "core/error.h"
#include "core/lamp_matrix.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// The texts a pattern is read from and printed as: the colour planes the editor loads, the
// character grid, the DATA line, the export of a wiring profile, and the native document.
enum class PatternFormat { Planes, Grid, Data, Export, Document };

// "planes", "grid", "data", "export" or "document".
std::optional<PatternFormat> PatternFormatNamed(std::string_view name);

// The frames of an input. Grid and planes texts hold one frame or several separated by empty
// lines, as the output separates them; a document and an export hold their own frames and delays.
// Colour planes are applied to an all-grey pattern, as the editor's load applies them to its
// lamps; they accept any text. An export is read with `profile`, which the other formats ignore.
std::variant<Document, Error> ParseFrames(PatternFormat format, std::string_view text,
                                          const WiringProfile& profile);

// One printed frame of the grid, planes or data format; the DATA line gets a closing LF.
std::string PatternText(PatternFormat format, const LampMatrix& lamps);

// One line a frame, frames not separated by an empty line.
bool IsLineFormat(PatternFormat format);

}  // namespace glyphgrid
