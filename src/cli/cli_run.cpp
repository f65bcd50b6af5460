#include "cli/cli_run.h"

#include <variant>

#include "cli/cli_options.h"
#include "cli/input_reader.h"
#include "cli/pattern_formats.h"
#include "cli/profile_options.h"
#include "core/app_info.h"

namespace glyphgrid {

namespace {

int Fail(std::ostream& err, const Error& error) {
  err << "glyphgrid-cli: " << error.message << '\n';
  return error.kind == Error::Kind::Unreadable ? CliExitUnreadable : CliExitBadInput;
}

std::string VersionText() {
  return "glyphgrid-cli " + std::to_string(VersionMajor) + "." + std::to_string(VersionMinor) +
         "." + std::to_string(VersionRevision) + "\n";
}

std::variant<std::string, Error> ReadInput(const std::string& file, std::istream& in) {
  if (file == StandardInputName) {
    return ReadInputStream(in, "standard input");
  }
  return ReadInputFile(file);
}

std::string Frames(const CliOptions& options, LampMatrix lamps) {
  std::string text;
  for (int frame = 0; frame < options.frames; ++frame) {
    for (const OperationStep& operation : options.operations) {
      operation(lamps);
    }
    if (frame > 0 && !IsLineFormat(options.output)) {
      text += '\n';
    }
    text += PatternText(options.output, lamps, options.profile);
  }
  return text;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err) {
  const std::variant<CliOptions, Error> parsed = ParseCliOptions(arguments);
  if (const Error* error = std::get_if<Error>(&parsed)) {
    return Fail(err, *error);
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
    case CliAction::Profiles:
      text = ProfilesText();
      break;
    case CliAction::Run: {
      const std::variant<std::string, Error> input = ReadInput(options.file, in);
      if (const Error* error = std::get_if<Error>(&input)) {
        return Fail(err, *error);
      }
      const std::variant<LampMatrix, Error> pattern =
          ParsePattern(options.input, std::get<std::string>(input), options.profile);
      if (const Error* error = std::get_if<Error>(&pattern)) {
        return Fail(err, *error);
      }
      text = Frames(options, std::get<LampMatrix>(pattern));
      break;
    }
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (!out) {
    return Fail(err, {Error::Kind::Unreadable, "cannot write standard output"});
  }
  return CliExitSuccess;
}

}  // namespace glyphgrid
