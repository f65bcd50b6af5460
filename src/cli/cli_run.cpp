#include "cli/cli_run.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <variant>

#include "cli/board_send.h"
#include "cli/cli_options.h"
#include "cli/pattern_formats.h"
#include "cli/profile_options.h"
#include "cli/quoted.h"
#include "core/animation_export.h"
#include "core/animation_import.h"
#include "core/app_info.h"
#include "core/marquee.h"
#ifdef GLYPHGRID_MEDIA
#include "core/picture_mapping.h"
#include "media/picture_reader.h"
#endif

#ifdef GLYPHGRID_MEDIA
#include "cli/output_file.h"
#include "media/lamp_pictures.h"
#endif

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

std::string ShownInputName(const CliOptions& options) {
  return options.file == StandardInputName ? "standard input" : Quoted(options.file);
}

std::variant<std::string, Error> ReadInput(const CliOptions& options, const ReadSome& in) {
#ifdef GLYPHGRID_MEDIA
  const TextLimit& picture_limit = PictureFileLimit;
#else
  const TextLimit& picture_limit = PatternTextLimit;
#endif
  const TextLimit& limit = options.from_picture                       ? picture_limit
                           : options.input == PatternFormat::Document ? DocumentTextLimit
                           : options.input == PatternFormat::Export   ? ExportTextLimit
                                                                      : PatternTextLimit;
  if (options.file == StandardInputName) {
    return ReadPatternText(in, ShownInputName(options), limit);
  }
  return ReadPatternFile(options.file, ShownInputName(options), FileAccess::AnyFile, limit);
}

#ifdef GLYPHGRID_MEDIA
// The frames of --from picture; a GIF frame without a delay takes --delay or the default.
std::variant<Document, Error> PictureFrames(const CliOptions& options, std::string_view bytes) {
  const std::variant<Picture, Error> picture = DecodePicture(
      {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, ShownInputName(options));
  if (const Error* error = std::get_if<Error>(&picture)) {
    return *error;
  }
  const int delay = options.delay.value_or(StartDefaultDelay);
  std::variant<MappedPicture, Error> mapped =
      MapPicture(std::get<Picture>(picture), options.picture_mapping, delay);
  if (Error* error = std::get_if<Error>(&mapped)) {
    error->message = ShownInputName(options) + ": " + error->message;
    return std::move(*error);
  }
  return Document{Animation(std::move(std::get<MappedPicture>(mapped).frames), delay),
                  std::nullopt};
}
#endif

// The text of --from text: a final line break is not part of it, and the others read as spaces,
// since the strip is one line.
std::string MarqueeText(std::string_view text) {
  if (text.ends_with('\n')) {
    text.remove_suffix(text.ends_with("\r\n") ? 2 : 1);
  }
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      continue;
    }
    line += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
  }
  return line;
}

// The frames of --from text; the characters the font lacks are named in one warning line.
std::variant<Document, Error> TextFrames(const CliOptions& options, std::string_view text,
                                         std::ostream& err) {
  MarqueeOptions marquee = options.marquee;
  marquee.delay = options.delay.value_or(StartDefaultDelay);
  std::variant<MarqueeResult, Error> made = Marquee(MarqueeText(text), marquee);
  if (const Error* error = std::get_if<Error>(&made)) {
    return *error;
  }
  MarqueeResult& result = std::get<MarqueeResult>(made);
  if (!result.missing.empty()) {
    // A text of many unknown characters names a few, so the warning stays one readable line.
    constexpr std::size_t MaxNamed = 8;
    err << "glyphgrid-cli: warning: no glyph for ";
    for (std::size_t i = 0; i < std::min(result.missing.size(), MaxNamed); ++i) {
      err << (i > 0 ? ", " : "") << result.missing[i];
    }
    if (result.missing.size() > MaxNamed) {
      err << " and " << result.missing.size() - MaxNamed << " more";
    }
    err << ", shown as " << (result.missing.size() > 1 ? "boxes" : "a box") << '\n';
  }
  return Document{Animation(std::move(result.frames), marquee.delay), std::nullopt};
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

#ifdef GLYPHGRID_MEDIA
// The frames drawn as lamps, to the -o file or to standard output.
std::optional<Error> WritePicture(const CliOptions& options, std::span<const Frame> frames,
                                  std::ostream& out) {
  const std::variant<std::string, Error> picture =
      options.picture == PictureFormat::Gif
          ? LampAnimationGif(frames, options.lamp_size)
          : LampSheetPng(frames, options.lamp_size, options.sheet);
  if (const Error* error = std::get_if<Error>(&picture)) {
    return *error;
  }
  const std::string& bytes = std::get<std::string>(picture);
  if (!options.output_file.empty()) {
    return ReplaceFile(options.output_file, Quoted(options.output_file), bytes);
  }
  return Write(out, bytes) ? std::nullopt : std::optional(WriteFailure());
}
#endif

// Gives `take` each frame the command makes: each input frame with the operations applied once, or
// the one input frame N times over with the operations applied before each, with --delay over the
// input's delays. Stops when `take` returns false, and says whether it went to the end.
bool ForEachFrame(
    const CliOptions& options, const Animation& frames,
    const std::function<bool(int index, int count, const LampMatrix& lamps, int delay)>& take) {
  const bool several = frames.FrameCount() > 1;
  const int count = several ? frames.FrameCount() : options.frames.value_or(1);
  LampMatrix lamps = frames.At(0).Lamps();
  for (int index = 0; index < count; ++index) {
    const Frame& source = frames.At(several ? index : 0);
    if (several) {
      lamps = source.Lamps();
    }
    for (const OperationStep& operation : options.operations) {
      operation(lamps);
    }
    if (!take(index, count, lamps, options.delay.value_or(source.Delay()))) {
      return false;
    }
  }
  return true;
}

// Frames printed one by one are written as they are made, so memory does not grow with their
// number; a document, an export and a picture hold them all. The first export that leaves a
// colour out says so in one line on `err`.
std::optional<Error> WriteFrames(const CliOptions& options, const Document& input,
                                 std::ostream& out, std::ostream& err) {
  const bool export_text = options.output == PatternFormat::Export;
  const bool whole =
      export_text || options.output == PatternFormat::Document || options.picture.has_value();
  std::vector<Frame> made;
  bool warned = false;
  const bool written = ForEachFrame(
      options, input.animation, [&](int index, int count, const LampMatrix& lamps, int delay) {
        if (export_text && !warned) {
          if (const std::optional<std::string> left_out = LeftOutColours(lamps, options.profile)) {
            err << "glyphgrid-cli: warning: " << *left_out
                << (count > 1 ? " (frame " + std::to_string(index + 1) + ")" : "") << '\n';
            warned = true;
          }
        }
        if (whole) {
          made.emplace_back(lamps, delay);
          return true;
        }
        return (index == 0 || IsLineFormat(options.output) || Write(out, "\n")) &&
               Write(out, PatternText(options.output, lamps));
      });
  if (!written) {
    return WriteFailure();
  }
  if (!whole) {
    return std::nullopt;
  }
#ifdef GLYPHGRID_MEDIA
  if (options.picture) {
    return WritePicture(options, made, out);
  }
#endif
  const Animation animation(std::move(made), input.animation.DefaultDelay());
  return Write(out, export_text ? ExportAnimation(animation, options.profile) + "\n"
                                : DocumentText({animation, input.profile}))
             ? std::nullopt
             : std::optional(WriteFailure());
}

#ifndef _WIN32
// The frames to send, made as WriteFrames makes them. A colour that the profile leaves out is
// named once, as for export.
Animation Operated(const CliOptions& options, const Animation& frames, std::ostream& err) {
  std::vector<Frame> made;
  std::optional<std::string> left_out;
  ForEachFrame(options, frames, [&](int, int, const LampMatrix& lamps, int delay) {
    left_out = left_out ? left_out : LeftOutColours(lamps, options.profile);
    made.emplace_back(lamps, delay);
    return true;
  });
  if (left_out) {
    err << "glyphgrid-cli: warning: " << *left_out << '\n';
  }
  return Animation(std::move(made), frames.DefaultDelay());
}
#endif

}  // namespace

int RunCli(const std::vector<std::string>& arguments, const ReadSome& standard_input,
           std::ostream& out, std::ostream& err, bool output_is_terminal) {
  const std::variant<CliOptions, Error> parsed = ParseCliOptions(arguments);
  if (const Error* error = std::get_if<Error>(&parsed)) {
    const int status = Fail(err, *error);
    // Called with nothing, the tool says how it is called.
    if (arguments.empty()) {
      err << UsageSynopsis();
    }
    return status;
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
    case CliAction::Run:
    case CliAction::Send: {
      if (options.picture && options.output_file.empty() && output_is_terminal) {
        return Fail(err,
                    {Error::Kind::BadInput,
                     "standard output is a terminal, which shows no picture; add -o FILE or "
                     "redirect it (> picture." +
                         std::string(options.picture == PictureFormat::Gif ? "gif" : "png") + ")"});
      }
      const std::variant<std::string, Error> input = ReadInput(options, standard_input);
      if (const Error* error = std::get_if<Error>(&input)) {
        return Fail(err, *error);
      }
      const std::string& text = std::get<std::string>(input);
      const std::variant<Document, Error> frames =
#ifdef GLYPHGRID_MEDIA
          options.from_picture ? PictureFrames(options, text) :
#endif
          options.from_text ? TextFrames(options, text, err)
                            : ParseFrames(options.input, text, options.profile);
      if (const Error* error = std::get_if<Error>(&frames)) {
        return Fail(err, *error);
      }
      const Document& document = std::get<Document>(frames);
      if (options.frames && document.animation.FrameCount() > 1) {
        return Fail(err, {Error::Kind::BadInput,
                          "--frames repeats one frame, but the input holds " +
                              std::to_string(document.animation.FrameCount()) + " frames"});
      }
#ifndef _WIN32
      if (options.action == CliAction::Send) {
        const std::optional<Error> failed = SendAnimation(
            Operated(options, document.animation, err), options.profile, options.send);
        return failed ? Fail(err, *failed) : CliExitSuccess;
      }
#endif
      if (const std::optional<Error> error = WriteFrames(options, document, out, err)) {
        return Fail(err, *error);
      }
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
