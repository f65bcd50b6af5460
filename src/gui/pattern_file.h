#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/error.h"

namespace glyphgrid {

// A file name as the editor's messages show it: in double quotes, control characters escaped.
std::string ShownFileName(const QString& name);

// An error as the editor's message boxes show it: a sentence, so with a capital letter.
QString ErrorText(const Error& error);

// Replaces the file as a whole: a failed write leaves any previous file as it was, and a name
// that stands for a folder, named pipe, device or socket is refused untouched. A link to a file
// is followed and kept. The error names the file and the reason.
std::optional<Error> WritePatternFile(const QString& name, const std::string& bytes);

}  // namespace glyphgrid
