#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/error.h"

namespace glyphgrid {

enum class EditorAction { Run, Help, Version };

struct EditorArguments {
  EditorAction action = EditorAction::Run;
  std::optional<std::string> file;  // to open at start
};

// The editor's arguments after the program name, read before anything needs a display: --help
// (-h) and --version end the parse where they stand; Qt's own options, with their values, are
// left for QApplication; one argument that is no option names a file to open ("--" before it lets
// it begin with "-"). Anything else is a usage error.
std::variant<EditorArguments, Error> ParseEditorArguments(
    const std::vector<std::string>& arguments);

// What --help prints.
std::string EditorUsageText();

// What --version prints: "glyphgrid 1.0.0" and a line break.
std::string EditorVersionText();

}  // namespace glyphgrid
