#include "cli/cli_options.h"

#include "cli/quoted.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "cli/profile_options.h"
#include "cli/whole_number.h"

namespace glyphgrid {

namespace {

#ifdef GLYPHGRID_MEDIA
constexpr bool PicturesBuilt = true;
#else
constexpr bool PicturesBuilt = false;
#endif

bool IsOption(const std::string& argument) {
  return argument.size() > 1 && argument.starts_with('-');
}

Error Usage(const std::string& message) {
  return {Error::Kind::BadInput, message};
}

// --gap, --step, --direction, --colour and --font, which only text input takes.
std::optional<Error> TakeTextOption(const std::string& option, const std::string& value,
                                    MarqueeOptions& marquee) {
  if (option == "--gap" || option == "--step") {
    const bool gap = option == "--gap";
    const int least = gap ? 0 : 1;
    const int most = gap ? MaxMarqueeGap : MaxMarqueeStep;
    const std::optional<int> number = ParseWholeNumber(value, least, most);
    if (!number) {
      return NotInRange(option, least, most, value);
    }
    (gap ? marquee.gap : marquee.step) = *number;
  } else if (option == "--direction") {
    static constexpr std::pair<std::string_view, MarqueeDirection> Directions[] = {
        {"left", MarqueeDirection::Left},
        {"right", MarqueeDirection::Right},
        {"up", MarqueeDirection::Up},
        {"down", MarqueeDirection::Down}};
    const auto* found =
        std::ranges::find(Directions, value, &std::pair<std::string_view, MarqueeDirection>::first);
    if (found == std::end(Directions)) {
      return Usage("--direction: expected left, right, up or down, got " + Quoted(value));
    }
    marquee.direction = found->second;
  } else if (option == "--colour") {
    static constexpr std::pair<std::string_view, LampColour> Colours[] = {
        {"red", LampRed}, {"green", LampGreen}, {"orange", LampOrange}};
    const auto* found =
        std::ranges::find(Colours, value, &std::pair<std::string_view, LampColour>::first);
    if (found == std::end(Colours)) {
      return Usage("--colour: expected red, green or orange, got " + Quoted(value));
    }
    marquee.colour = found->second;
  } else if (value == "fixed" || value == "proportional") {
    marquee.fixed = value == "fixed";
  } else {
    return Usage("--font: expected proportional or fixed, got " + Quoted(value));
  }
  return std::nullopt;
}

// Unknown options where the pictures are left out.
bool IsPictureOption(const std::string& argument) {
  return PicturesBuilt && (argument == "--lamp-size" || argument == "--sheet" || argument == "-o" ||
                           argument == "--output");
}

std::optional<Error> TakePictureOption(const std::string& option, const std::string& value,
                                       CliOptions& options) {
  if (option == "--lamp-size") {
    const std::optional<int> size = ParseWholeNumber(value, MinLampSize, MaxLampSize);
    if (!size) {
      return NotInRange(option, MinLampSize, MaxLampSize, value);
    }
    options.lamp_size = *size;
  } else if (option == "--sheet") {
    if (value != "row" && value != "grid") {
      return Usage("--sheet: expected row or grid, got " + Quoted(value));
    }
    options.sheet = value == "row" ? SheetLayout::Row : SheetLayout::Grid;
  } else if (value.empty()) {
    return Usage(option + ": expected a file name, or - for standard output");
  } else {
    options.output_file = value == StandardInputName ? "" : value;
  }
  return std::nullopt;
}

bool IsTextOption(const std::string& argument) {
  return argument == "--gap" || argument == "--step" || argument == "--direction" ||
         argument == "--colour" || argument == "--font";
}

// Fills lines up to MaxLineLength characters, word by word; the first line starts with `first`,
// the others with as many blanks.
std::string Wrapped(std::string_view first, std::string_view text) {
  constexpr std::size_t MaxLineLength = 86;
  const std::string indent(first.size(), ' ');
  std::string wrapped(first);
  std::size_t line_start = 0;
  bool line_empty = true;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    const std::string_view word = text.substr(0, blank);
    text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    if (!line_empty && wrapped.size() - line_start + 1 + word.size() > MaxLineLength) {
      wrapped += '\n';
      line_start = wrapped.size();
      wrapped += indent;
      line_empty = true;
    }
    if (!line_empty) {
      wrapped += ' ';
    }
    wrapped += word;
    line_empty = false;
  }
  return wrapped + '\n';
}

}  // namespace

std::variant<CliOptions, Error> ParseCliOptions(const std::vector<std::string>& arguments) {
  CliOptions options;
  std::vector<std::string> positionals;
  ProfileArguments profile_arguments;
  // profiles takes none of the options that read or change a pattern.
  std::string pattern_option;
  // The first option that only text input takes, and the first that only pictures take.
  std::string text_option;
  std::string picture_option;
  std::string sheet_option;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!IsOption(argument)) {
      positionals.push_back(argument);
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      options.action = CliAction::Help;
      return options;
    }
    if (argument == "--version") {
      options.action = CliAction::Version;
      return options;
    }
    std::variant<bool, Error> profile_option = TakeProfileOption(arguments, i, profile_arguments);
    if (const Error* error = std::get_if<Error>(&profile_option)) {
      return *error;
    }
    if (std::get<bool>(profile_option)) {
      continue;
    }
    if (argument == "--fixed") {
      options.marquee.fixed = true;
      text_option = text_option.empty() ? argument : text_option;
      pattern_option = pattern_option.empty() ? argument : pattern_option;
      continue;
    }
    if (argument != "--from" && argument != "--op" && argument != "--frames" &&
        argument != "--delay" && !IsTextOption(argument) && !IsPictureOption(argument)) {
      return Usage("unknown option " + Quoted(argument) + "; see --help");
    }
    if (i + 1 == arguments.size()) {
      return Usage(argument + ": missing value");
    }
    if (pattern_option.empty()) {
      pattern_option = argument;
    }
    const std::string& value = arguments[++i];
    if (IsTextOption(argument)) {
      if (std::optional<Error> error = TakeTextOption(argument, value, options.marquee)) {
        return *error;
      }
      text_option = text_option.empty() ? argument : text_option;
    } else if (IsPictureOption(argument)) {
      if (std::optional<Error> error = TakePictureOption(argument, value, options)) {
        return *error;
      }
      picture_option = picture_option.empty() ? argument : picture_option;
      sheet_option = argument == "--sheet" ? argument : sheet_option;
    } else if (argument == "--from") {
      const std::optional<PatternFormat> format = PatternFormatNamed(value);
      options.from_text = value == "text";
      if (!format && !options.from_text) {
        return Usage("--from: unknown format " + Quoted(value) +
                     " (expected planes, grid, data, export, document or text)");
      }
      options.input = format.value_or(options.input);
    } else if (argument == "--op") {
      std::variant<OperationStep, Error> operation = ParseOperationArgument(value);
      if (const Error* error = std::get_if<Error>(&operation)) {
        return *error;
      }
      options.operations.push_back(std::move(std::get<OperationStep>(operation)));
    } else if (argument == "--frames") {
      options.frames = ParseWholeNumber(value, 1, MaxFrames);
      if (!options.frames) {
        return NotInRange(argument, 1, MaxFrames, value);
      }
    } else {
      options.delay = ParseWholeNumber(value, MinDelay, MaxDelay);
      if (!options.delay) {
        return NotInRange(argument, MinDelay, MaxDelay, value);
      }
    }
  }
  if (!text_option.empty() && !options.from_text) {
    return Usage(text_option + " is for text input only; add --from text");
  }
  if (positionals.empty()) {
    return Usage("missing command (data, grid, planes, export, document or profiles); see --help");
  }
  const std::string& command = positionals[0];
  if (command == "png" || command == "gif") {
    if (!PicturesBuilt) {
      return Usage(command + ": this glyphgrid-cli is built without the picture libraries");
    }
    options.picture = command == "png" ? PictureFormat::Png : PictureFormat::Gif;
  } else if (!picture_option.empty()) {
    return Usage(picture_option + " is for pictures only: it goes with png or gif");
  }
  if (!sheet_option.empty() && options.picture == PictureFormat::Gif) {
    return Usage("--sheet lays out a png; a gif shows its frames one after another");
  }
  const std::optional<PatternFormat> output = PatternFormatNamed(command);
  if (!output && command != "profiles" && !options.picture) {
    return Usage("unknown command " + Quoted(command) + " (expected data, grid, planes, export, " +
                 (PicturesBuilt ? "document, png, gif or profiles)" : "document or profiles)"));
  }
  options.output = output.value_or(options.output);
  std::variant<WiringProfile, Error> profile = ResolveProfile(
      profile_arguments, (output || options.picture) && (options.output == PatternFormat::Export ||
                                                         options.input == PatternFormat::Export));
  if (const Error* error = std::get_if<Error>(&profile)) {
    return *error;
  }
  options.profile = std::get<WiringProfile>(profile);
  if (!output && !options.picture) {
    options.action = CliAction::Profiles;
    if (positionals.size() > 1) {
      return Usage("profiles reads no file, got " + Quoted(positionals[1]));
    }
    if (!pattern_option.empty()) {
      return Usage("profiles takes no options, got " + pattern_option);
    }
    return options;
  }
  if (positionals.size() > 2) {
    return Usage("more than one file: " + Quoted(positionals[1]) + " and " +
                 Quoted(positionals[2]));
  }
  if (positionals.size() == 2) {
    options.file = positionals[1];
  }
  return options;
}

std::string UsageSynopsis() {
  return "Usage: glyphgrid-cli (data|grid|planes|export|document)\n"
         "                     [--from planes|grid|data|export|document] [--op OP]...\n"
         "                     [--frames N] [--delay MS] [profile options] [FILE]\n"
         "       glyphgrid-cli (data|grid|planes|export|document) --from text [--gap N]\n"
         "                     [--step N] [--direction DIR] [--colour COLOUR] [--fixed]\n"
         "                     [--font proportional|fixed] [--op OP]... [--delay MS] [FILE]\n" +
         std::string(PicturesBuilt
                         ? "       glyphgrid-cli (png|gif) [--lamp-size N] [--sheet row|grid] "
                           "[-o FILE]\n"
                           "                     [the input options above] [FILE]\n"
                         : "") +
         "       glyphgrid-cli profiles\n";
}

std::string UsageText() {
  return UsageSynopsis() +
         "\n"
         "Reads the frames of an 8 x 8 lamp animation from FILE (standard input when FILE is "
         "absent\n"
         "or \"-\"), applies the operations to each frame and prints every frame. Grid and planes\n"
         "input holds one frame or several separated by an empty line; a document and an export "
         "hold\n"
         "their own.\n"
         "\n"
         "Commands (the output format):\n"
         "  data      the DATA line of each frame\n"
         "  grid      8 lines of 8 characters, top row first: . grey, R red, G green, O orange\n"
         "  planes    the colour-plane text that the editor loads\n"
         "  export    the frames as a wiring profile writes them, all in one text (one frame:\n"
         "            the pattern alone; basic: the DATA line)\n"
         "  document  the native document (JSON): every frame in four colours with its delay\n"
         "  profiles  list the profile presets with their settings, and read nothing\n" +
         std::string(
             PicturesBuilt
                 ? "  png       the frames drawn as the board shows them, in a PNG: one frame "
                   "alone,\n"
                   "            several in a sprite sheet\n"
                   "  gif       the frames drawn as the board shows them, in an animated GIF that "
                   "loops, each\n"
                   "            frame for its delay (in hundredths of a second, at least 2)\n"
                 : "  (png and gif, the pictures, are left out of this build: it has no picture "
                   "libraries)\n") +
         "\n"
         "Options:\n"
         "  --from FORMAT  the input format: planes (the default), grid, data, export, "
         "document,\n"
         "                 or text: UTF-8 text scrolled through the window, the first and last\n"
         "                 frames dark; a final line break is dropped, other line breaks read as\n"
         "                 spaces\n"
         "  --gap N        text: dark columns between letters, 0 to " +
         std::to_string(MaxMarqueeGap) +
         " (default 1)\n"
         "  --step N       text: columns (or rows) the text moves a frame, 1 to " +
         std::to_string(MaxMarqueeStep) +
         " (default 1)\n"
         "  --direction DIR  text: left (the default), right, up or down; up and down stack the\n"
         "                 letters one above the other\n"
         "  --colour COLOUR  text: the lit lamps' colour, red (the default), green or orange\n"
         "  --fixed        text: every letter 5 columns wide; the same as --font fixed\n"
         "  --font FACE    text: proportional (the default) or fixed\n" +
         Wrapped("  --op OP        ",
                 "an operation, repeatable, applied in the order given: " + OperationNames(", ") +
                     " (a mouse press at X, Y twips, as in the editor)") +
         "  --frames N     print one input frame N times, 1 to " + std::to_string(MaxFrames) +
         " (default 1), applying the\n"
         "                 operations before each; an error when the input holds more frames\n"
         "  --delay MS     every frame's delay in milliseconds, " +
         std::to_string(MinDelay) + " to " + std::to_string(MaxDelay) +
         " (default: the input's, or " + std::to_string(StartDefaultDelay) + ")\n" +
         std::string(
             PicturesBuilt
                 ? "  --lamp-size N  png, gif: pixels a lamp, " + std::to_string(MinLampSize) +
                       " to " + std::to_string(MaxLampSize) + " (default " +
                       std::to_string(DefaultLampSize) +
                       ")\n"
                       "  --sheet LAYOUT  png of several frames: grid (the default, about "
                       "as many rows as\n"
                       "                 columns) or row\n"
                       "  -o, --output FILE  png, gif: write the picture to FILE, replacing "
                       "it whole, instead of\n"
                       "                 to standard output, which must not be a "
                       "terminal\n"
                 : "") +
         "  -h, --help     print this help and exit\n"
         "  --version      print the version and exit\n"
         "\n" +
         ProfileUsageText(Wrapped) +
         "\n"
         "Exit status: 0 on success, 1 when the input cannot be read or the output written, 2 for\n"
         "bad usage or input.\n";
}

}  // namespace glyphgrid
