#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/parse_error.h"
#include "cli/pattern_formats.h"
#include "cli/pattern_operation.h"

namespace glyphgrid {

enum class CliAction { Run, Help, Version };

inline constexpr int MaxFrames = 10000;

// The file name that stands for standard input.
inline constexpr std::string_view StandardInputName = "-";

struct CliOptions {
  CliAction action = CliAction::Run;
  PatternFormat output = PatternFormat::Planes;
  PatternFormat input = PatternFormat::Planes;
  std::vector<PatternOperation> operations;
  int frames = 1;
  std::string file{StandardInputName};
};

// The arguments after the program name. The first argument that is not an option is the command,
// the second the file; options may come before, between or after them. --help and --version end
// the parse where they stand.
std::variant<CliOptions, ParseError> ParseCliOptions(const std::vector<std::string>& arguments);

// The text that --help prints.
std::string UsageText();

}  // namespace glyphgrid
