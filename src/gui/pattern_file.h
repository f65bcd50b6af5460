#pragma once

#include <QString>
#include <optional>
#include <string>
#include <variant>

#include "core/error.h"

namespace glyphgrid {

// Replaces the file as a whole: a failed write leaves any previous file as it was. The error
// names the file and the system's reason.
std::optional<Error> WritePatternFile(const QString& name, const std::string& bytes);

// The file's bytes; refused when larger than MaxPatternTextSize.
std::variant<std::string, Error> ReadPatternFile(const QString& name);

}  // namespace glyphgrid
