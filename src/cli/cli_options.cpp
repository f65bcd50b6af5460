#include "cli/cli_options.h"

#include <charconv>
#include <optional>

namespace glyphgrid {

namespace {

std::optional<int> ParseFrames(std::string_view text) {
  int frames = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, frames);
  if (text.empty() || error != std::errc() || stop != end || frames < 1 || frames > MaxFrames) {
    return std::nullopt;
  }
  return frames;
}

bool IsOption(const std::string& argument) {
  return argument.size() > 1 && argument.starts_with('-');
}

}  // namespace

std::variant<CliOptions, ParseError> ParseCliOptions(const std::vector<std::string>& arguments) {
  CliOptions options;
  std::vector<std::string> positionals;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!IsOption(argument)) {
      positionals.push_back(argument);
      continue;
    }
    if (argument == "--help") {
      options.action = CliAction::Help;
      return options;
    }
    if (argument == "--version") {
      options.action = CliAction::Version;
      return options;
    }
    if (argument != "--from" && argument != "--op" && argument != "--frames") {
      return ParseError{"unknown option '" + argument + "'"};
    }
    if (i + 1 == arguments.size()) {
      return ParseError{argument + ": missing value"};
    }
    const std::string& value = arguments[++i];
    if (argument == "--from") {
      const std::optional<PatternFormat> format = PatternFormatNamed(value);
      if (!format) {
        return ParseError{"--from: unknown format '" + value + "' (expected planes, grid or data)"};
      }
      options.input = *format;
    } else if (argument == "--op") {
      std::variant<PatternOperation, ParseError> operation = ParsePatternOperation(value);
      if (const ParseError* error = std::get_if<ParseError>(&operation)) {
        return *error;
      }
      options.operations.push_back(std::move(std::get<PatternOperation>(operation)));
    } else {
      const std::optional<int> frames = ParseFrames(value);
      if (!frames) {
        return ParseError{"--frames: expected a whole number from 1 to " +
                          std::to_string(MaxFrames) + ", got '" + value + "'"};
      }
      options.frames = *frames;
    }
  }
  if (positionals.empty()) {
    return ParseError{"missing command (data, grid or planes)"};
  }
  const std::optional<PatternFormat> output = PatternFormatNamed(positionals[0]);
  if (!output) {
    return ParseError{"unknown command '" + positionals[0] + "' (expected data, grid or planes)"};
  }
  options.output = *output;
  if (positionals.size() > 2) {
    return ParseError{"more than one file: '" + positionals[1] + "' and '" + positionals[2] + "'"};
  }
  if (positionals.size() == 2) {
    options.file = positionals[1];
  }
  return options;
}

std::string UsageText() {
  return "Usage: glyphgrid-cli (data|grid|planes) [--from planes|grid|data] [--op OP]... "
         "[--frames N] [FILE]\n"
         "\n"
         "Reads one 8 x 8 lamp pattern from FILE (standard input when FILE is absent or \"-\"),\n"
         "then N times over applies the operations and prints the pattern.\n"
         "\n"
         "Commands (the output format):\n"
         "  data    the DATA line of the pattern\n"
         "  grid    8 lines of 8 characters, top row first: . grey, R red, G green, O orange\n"
         "  planes  the colour-plane text that the editor loads\n"
         "\n"
         "Options:\n"
         "  --from FORMAT  the input format: planes (the default), grid or data\n"
         "  --op OP        an operation, repeatable, applied in the order given: shift-up,\n"
         "                 shift-down, shift-left, shift-right, cycle-all, cycle-lit, clear,\n"
         "                 click:X,Y (a mouse press at X, Y twips, as in the editor)\n"
         "  --frames N     print N frames, 1 to 10000 (default 1), applying the operations\n"
         "                 before each; grid and planes frames are separated by an empty line\n"
         "  --help         print this help and exit\n"
         "  --version      print the version and exit\n"
         "\n"
         "Exit status: 0 on success, 1 when the file cannot be read, 2 for bad usage or input.\n";
}

}  // namespace glyphgrid
