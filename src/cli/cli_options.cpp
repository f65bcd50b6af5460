#include "cli/cli_options.h"

#include "cli/quoted.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "cli/picture_options.h"
#include "cli/profile_options.h"
#include "cli/whole_number.h"

namespace glyphgrid {

namespace {

#ifdef _WIN32
// Its serial port code is POSIX; the Windows build leaves send out.
constexpr std::string_view NoSendHere =
    "send (frames to a board on a serial port) is not in the Windows build";
#endif

std::string CommandList() {
  return std::string("data, grid, planes, export, document, ") +
         (PicturesBuilt() ? "png, gif, " : "") + "profiles or send";
}

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

bool IsSendOption(const std::string& argument) {
  return argument == "--port" || argument == "--protocol" || argument == "--baud";
}

std::string BaudList() {
  std::string list;
  for (const int baud : SerialBauds) {
    list += (list.empty() ? "" : ", ") + std::to_string(baud);
  }
  return list;
}

std::optional<Error> TakeSendOption(const std::string& option, const std::string& value,
                                    SendOptions& send) {
  if (option == "--port") {
    send.port = value;
  } else if (option == "--protocol") {
    const std::optional<BoardProtocol> protocol = ValueNamed(BoardProtocolValues, value);
    if (!protocol) {
      return Usage("--protocol: expected " + Alternatives(NamesOf(BoardProtocolValues)) + ", got " +
                   Quoted(value));
    }
    send.protocol = *protocol;
  } else {
    const std::optional<int> baud =
        ParseWholeNumber(value, 1, SerialBauds[std::size(SerialBauds) - 1]);
    if (!baud || std::ranges::find(SerialBauds, *baud) == std::end(SerialBauds)) {
      return Usage("--baud: expected one of " + BaudList() + ", got " + Quoted(value));
    }
    send.baud = *baud;
  }
  return std::nullopt;
}

// png and gif's options; unknown options where the pictures are left out.
bool IsPictureOutputOption(const std::string& argument) {
  return PicturesBuilt() && (argument == "--lamp-size" || argument == "--layout" ||
                             argument == "-o" || argument == "--output");
}

std::optional<Error> TakePictureOutputOption(const std::string& option, const std::string& value,
                                             CliOptions& options) {
  if (option == "--lamp-size") {
    const std::optional<int> size = ParseWholeNumber(value, MinLampSize, MaxLampSize);
    if (!size) {
      return NotInRange(option, MinLampSize, MaxLampSize, value);
    }
    options.lamp_size = *size;
  } else if (option == "--layout") {
    if (value != "row" && value != "grid") {
      return Usage("--layout: expected row or grid, got " + Quoted(value));
    }
    options.sheet = value == "row" ? SheetLayout::Row : SheetLayout::Grid;
  } else if (value.empty()) {
    return Usage(option + ": expected a file name, or - for standard output");
  } else {
    options.output_file = value == StandardInputName ? "" : value;
  }
  return std::nullopt;
}

// uno-r4-live places the pattern at the uno-r4 profile's offset, so --offset alone should do.
void StartFromUnoR4(ProfileArguments& profile_arguments) {
  const bool named = std::ranges::any_of(
      profile_arguments, [](const auto& argument) { return argument.first == "--profile"; });
  if (!named) {
    profile_arguments.insert(profile_arguments.begin(), {"--profile", "uno-r4"});
  }
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

// The send options' part of --help; the Windows build, which has no send, has none.
std::string SendOptionsText() {
#ifdef _WIN32
  return "";
#else
  return "  --port PATH    send: the board's serial port, such as /dev/ttyACM0 (required)\n"
         "  --protocol P   send: glyphgrid (the default; the board answers a hello and each\n"
         "                 frame) or uno-r4-live (Arduino's LivePreview sketch on an UNO R4 WiFi,\n"
         "                 the pattern at the uno-r4 profile's --offset)\n" +
         Wrapped("  --baud N       ", "send: the port's speed, one of " + BaudList() +
                                          " (default " + std::to_string(DefaultBaud) + ")") +
         "  --loop         send: play the frames over and over until SIGINT or SIGTERM, then\n"
         "                 exit 0\n";
#endif
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
  // The first option that only send takes.
  std::string send_option;
  PictureArguments picture_arguments;
  // The first option that only png and gif take, and --layout, which only png takes.
  std::string picture_output_option;
  std::string layout_option;
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
    if (argument == "--loop") {
      options.send.loop = true;
      send_option = send_option.empty() ? argument : send_option;
      continue;
    }
    if (argument == "--negative") {
      picture_arguments.mapping.invert = true;
      picture_arguments.first =
          picture_arguments.first.empty() ? argument : picture_arguments.first;
      pattern_option = pattern_option.empty() ? argument : pattern_option;
      continue;
    }
    if (argument != "--from" && argument != "--op" && argument != "--frames" &&
        argument != "--delay" && !IsTextOption(argument) && !IsSendOption(argument) &&
        !IsPictureOption(argument) && !IsPictureOutputOption(argument)) {
      return Usage("unknown option " + Quoted(argument) + "; see --help");
    }
    if (i + 1 == arguments.size()) {
      return Usage(argument + ": missing value");
    }
    if (pattern_option.empty()) {
      pattern_option = argument;
    }
    const std::string& value = arguments[++i];
    if (IsSendOption(argument)) {
      if (std::optional<Error> error = TakeSendOption(argument, value, options.send)) {
        return *error;
      }
      send_option = send_option.empty() ? argument : send_option;
    } else if (IsTextOption(argument)) {
      if (std::optional<Error> error = TakeTextOption(argument, value, options.marquee)) {
        return *error;
      }
      text_option = text_option.empty() ? argument : text_option;
    } else if (IsPictureOption(argument)) {
      if (std::optional<Error> error = TakePictureOption(argument, value, picture_arguments)) {
        return *error;
      }
    } else if (IsPictureOutputOption(argument)) {
      if (std::optional<Error> error = TakePictureOutputOption(argument, value, options)) {
        return *error;
      }
      picture_output_option = picture_output_option.empty() ? argument : picture_output_option;
      layout_option = argument == "--layout" ? argument : layout_option;
    } else if (argument == "--from") {
      const std::optional<PatternFormat> format = PatternFormatNamed(value);
      options.from_text = value == "text";
      options.from_picture = value == "picture";
      if (options.from_picture && !PicturesBuilt()) {
        return Usage("--from: this glyphgrid-cli is built without picture input");
      }
      if (!format && !options.from_text && !options.from_picture) {
        return Usage("--from: unknown format " + Quoted(value) +
                     (PicturesBuilt()
                          ? " (expected planes, grid, data, export, document, text or "
                            "picture)"
                          : " (expected planes, grid, data, export, document or text)"));
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
  std::variant<PictureMapping, Error> picture =
      PictureOptions(picture_arguments, options.from_picture);
  if (const Error* error = std::get_if<Error>(&picture)) {
    return *error;
  }
  options.picture_mapping = std::get<PictureMapping>(picture);
  if (positionals.empty()) {
    return Usage("missing command (" + CommandList() + "); see --help");
  }
  const std::string& command = positionals[0];
  const bool send = command == "send";
  if (command == "png" || command == "gif") {
    if (!PicturesBuilt()) {
      return Usage(command + ": this glyphgrid-cli is built without the picture libraries");
    }
    options.picture = command == "png" ? PictureFormat::Png : PictureFormat::Gif;
  } else if (!picture_output_option.empty()) {
    return Usage(picture_output_option + " is for pictures only: it goes with png or gif");
  }
  if (!layout_option.empty() && options.picture == PictureFormat::Gif) {
    return Usage("--layout lays out a png; a gif shows its frames one after another");
  }
  const std::optional<PatternFormat> output = PatternFormatNamed(command);
  if (!output && command != "profiles" && !send && !options.picture) {
    return Usage("unknown command " + Quoted(command) + " (expected " + CommandList() + ")");
  }
#ifdef _WIN32
  if (send) {
    return Usage(std::string(NoSendHere));
  }
#endif
  if (!send_option.empty() && !send) {
    return Usage(send_option + " is for send only");
  }
  if (send && options.send.port.empty()) {
    return Usage("send needs --port PATH, the board's serial port (such as /dev/ttyACM0)");
  }
  if (send && options.send.protocol == BoardProtocol::UnoR4Live) {
    StartFromUnoR4(profile_arguments);
  }
  options.output = output.value_or(options.output);
  std::variant<WiringProfile, Error> profile = ResolveProfile(
      profile_arguments,
      send || ((output || options.picture) && (options.output == PatternFormat::Export ||
                                               options.input == PatternFormat::Export)));
  if (const Error* error = std::get_if<Error>(&profile)) {
    return *error;
  }
  options.profile = std::get<WiringProfile>(profile);
  if (send) {
    options.action = CliAction::Send;
  } else if (!output && !options.picture) {
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
         PictureSynopsis() +
         std::string(PicturesBuilt()
                         ? "       glyphgrid-cli (png|gif) [--lamp-size N] [--layout row|grid] "
                           "[-o FILE]\n"
                           "                     [the input options above] [FILE]\n"
                         : "") +
         "       glyphgrid-cli profiles\n"
#ifndef _WIN32
         "       glyphgrid-cli send --port PATH [--protocol uno-r4-live|glyphgrid] [--baud N]\n"
         "                     [--loop] [--from FORMAT] [--op OP]... [--delay MS]\n"
         "                     [profile options] [FILE]\n"
#endif
      ;
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
             PicturesBuilt()
                 ? "  png       the frames drawn as the board shows them, in a PNG: one frame "
                   "alone,\n"
                   "            several in a sprite sheet\n"
                   "  gif       the frames drawn as the board shows them, in an animated GIF that "
                   "loops, each\n"
                   "            frame for its delay (in hundredths of a second, at least 2)\n"
                 : "  (png and gif, the pictures, are left out of this build: it has no picture "
                   "libraries)\n") +
#ifdef _WIN32
         "  " + std::string(NoSendHere) + "\n" +
#else
         "  send      show the frames on a board on a serial port, each for its delay; the\n"
         "            profile options give the order of the bytes\n"
#endif
         "\n"
         "Options:\n"
         "  --from FORMAT  the input format: planes (the default), grid, data, export, "
         "document,\n"
         "                 or text: UTF-8 text scrolled through the window, the first and last\n"
         "                 frames dark; a final line break is dropped, other line breaks read as\n"
         "                 spaces" +
         (PicturesBuilt()
              ? ";\n                 or picture: a PNG, GIF (every frame with its delay), "
                "JPEG or BMP\n                 file, whatever its name\n"
              : "\n") +
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
         PictureUsageText() +
         Wrapped("  --op OP        ",
                 "an operation, repeatable, applied in the order given: " + OperationNames(", ") +
                     " (a mouse press at X, Y twips, as in the editor)") +
         "  --frames N     print one input frame N times, 1 to " + std::to_string(MaxFrames) +
         " (default 1), applying the\n"
         "                 operations before each; an error when the input holds more frames\n"
         "  --delay MS     every frame's delay in milliseconds, " +
         std::to_string(MinDelay) + " to " + std::to_string(MaxDelay) +
         " (default: the input's, or " + std::to_string(StartDefaultDelay) + ")\n" +
         SendOptionsText() +
         std::string(
             PicturesBuilt()
                 ? "  --lamp-size N  png, gif: pixels a lamp, " + std::to_string(MinLampSize) +
                       " to " + std::to_string(MaxLampSize) + " (default " +
                       std::to_string(DefaultLampSize) +
                       ")\n"
                       "  --layout HOW   png of several frames: grid (the default, about "
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
         "Exit status: 0 on success, 1 when the input cannot be read or the output written, or "
         "the\n"
         "board's port fails or the board stops answering, 2 for bad usage or input.\n";
}

}  // namespace glyphgrid
