#include "cli/cli_run.h"

#include <cerrno>
#include <cstring>
#include <variant>

#include "cli/cli_options.h"
#include "cli/pattern_formats.h"
#include "cli/profile_options.h"
#include "cli/quoted.h"
#include "core/app_info.h"
#include "core/profile_export.h"

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

std::variant<std::string, Error> ReadInput(const std::string& file, const ReadSome& in) {
  if (file == StandardInputName) {
    return ReadPatternText(in, "standard input");
  }
  return ReadPatternFile(file, Quoted(file), FileAccess::AnyFile);
}

// Writes and reports whether it went through; errno then tells why not.
bool Write(std::ostream& out, std::string_view text) {
  errno = 0;
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return out.good();
}

Error WriteFailure() {
  const int error = errno;
  return {Error::Kind::Unreadable,
          error != 0 ? std::string("cannot write standard output: ") + std::strerror(error)
                     : "cannot write standard output"};
}

// Each frame is written as it is made, so memory does not grow with the number of frames. The
// first export that leaves a colour out says so in one line on `err`.
bool WriteFrames(const CliOptions& options, LampMatrix lamps, std::ostream& out,
                 std::ostream& err) {
  bool warned = false;
  for (int frame = 0; frame < options.frames; ++frame) {
    for (const OperationStep& operation : options.operations) {
      operation(lamps);
    }
    if (options.output == PatternFormat::Export && !warned) {
      if (const std::optional<std::string> left_out = LeftOutColours(lamps, options.profile)) {
        err << "glyphgrid-cli: warning: " << *left_out
            << (options.frames > 1 ? " (frame " + std::to_string(frame + 1) + ")" : "") << '\n';
        warned = true;
      }
    }
    if (frame > 0 && !IsLineFormat(options.output) && !Write(out, "\n")) {
      return false;
    }
    if (!Write(out, PatternText(options.output, lamps, options.profile))) {
      return false;
    }
  }
  return true;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, const ReadSome& standard_input,
           std::ostream& out, std::ostream& err) {
  const std::variant<CliOptions, Error> parsed = ParseCliOptions(arguments);
  if (const Error* error = std::get_if<Error>(&parsed)) {
    return Fail(err, *error);
  }
  const CliOptions& options = std::get<CliOptions>(parsed);
  bool written = true;
  switch (options.action) {
    case CliAction::Help:
      written = Write(out, UsageText());
      break;
    case CliAction::Version:
      written = Write(out, VersionText());
      break;
    case CliAction::Profiles:
      written = Write(out, ProfilesText());
      break;
    case CliAction::Run: {
      const std::variant<std::string, Error> input = ReadInput(options.file, standard_input);
      if (const Error* error = std::get_if<Error>(&input)) {
        return Fail(err, *error);
      }
      const std::variant<LampMatrix, Error> pattern =
          ParsePattern(options.input, std::get<std::string>(input), options.profile);
      if (const Error* error = std::get_if<Error>(&pattern)) {
        return Fail(err, *error);
      }
      written = WriteFrames(options, std::get<LampMatrix>(pattern), out, err);
      break;
    }
  }
  if (written) {
    errno = 0;
    written = out.flush().good();
  }
  return written ? CliExitSuccess : Fail(err, WriteFailure());
}

}  // namespace glyphgrid
