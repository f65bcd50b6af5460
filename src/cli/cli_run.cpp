#include "cli/cli_run.h"

#include <variant>

#include "app_info.h"
#include "cli/cli_options.h"
#include "cli/input_reader.h"
#include "cli/pattern_formats.h"

namespace glyphgrid {

namespace {

int Fail(std::ostream& err, const std::string& message, int status) {
  err << "glyphgrid-cli: " << message << '\n';
  return status;
}

std::string VersionText() {
  return "glyphgrid-cli " + std::to_string(VersionMajor) + "." + std::to_string(VersionMinor) +
         "." + std::to_string(VersionRevision) + "\n";
}

std::variant<std::string, InputFailure> ReadInput(const std::string& file, std::istream& in) {
  if (file == StandardInputName) {
    return ReadInputStream(in, "standard input");
  }
  return ReadInputFile(file);
}

std::string Frames(const CliOptions& options, LampMatrix lamps) {
  std::string text;
  for (int frame = 0; frame < options.frames; ++frame) {
    for (const PatternOperation& operation : options.operations) {
      operation(lamps);
    }
    if (frame > 0 && options.output != PatternFormat::Data) {
      text += '\n';
    }
    text += PatternText(options.output, lamps);
  }
  return text;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err) {
  const std::variant<CliOptions, ParseError> parsed = ParseCliOptions(arguments);
  if (const ParseError* error = std::get_if<ParseError>(&parsed)) {
    return Fail(err, error->message, CliExitBadInput);
  }
  const CliOptions& options = std::get<CliOptions>(parsed);

  std::string text;
  switch (options.action) {
    case CliAction::Help:
      text = UsageText();
      break;
    case CliAction::Version:
      text = VersionText();
      break;
    case CliAction::Run: {
      const std::variant<std::string, InputFailure> input = ReadInput(options.file, in);
      if (const InputFailure* failure = std::get_if<InputFailure>(&input)) {
        return Fail(
            err, failure->message,
            failure->kind == InputFailure::Kind::TooLarge ? CliExitBadInput : CliExitUnreadable);
      }
      const std::variant<LampMatrix, ParseError> pattern =
          ParsePattern(options.input, std::get<std::string>(input));
      if (const ParseError* error = std::get_if<ParseError>(&pattern)) {
        return Fail(err, error->message, CliExitBadInput);
      }
      text = Frames(options, std::get<LampMatrix>(pattern));
      break;
    }
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (!out) {
    return Fail(err, "cannot write standard output", CliExitUnreadable);
  }
  return CliExitSuccess;
}

}  // namespace glyphgrid
