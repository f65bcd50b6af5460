#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/board_send.h"
#include "cli/operation_argument.h"
#include "cli/pattern_formats.h"
#include "core/animation.h"
#include "core/error.h"
#include "core/lamp_rendering.h"
#include "core/marquee.h"
#include "core/picture_mapping.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

enum class CliAction { Run, Help, Version, Profiles, Send };

// The commands that draw the frames as lamps in a picture instead of printing them as text.
enum class PictureFormat { Png, Gif };

// The file name that stands for standard input, and for standard output after -o.
inline constexpr std::string_view StandardInputName = "-";

struct CliOptions {
  CliAction action = CliAction::Run;
  PatternFormat output = PatternFormat::Planes;
  PatternFormat input = PatternFormat::Planes;
  std::vector<OperationStep> operations;
  std::optional<int> frames;  // --frames: how often one input frame is printed
  std::optional<int> delay;   // --delay: every frame's delay
  std::string file{StandardInputName};
  bool from_text = false;     // --from text: the frames scroll the file's text
  MarqueeOptions marquee;     // the text's options; its delay comes from --delay
  bool from_picture = false;  // --from picture: the frames a picture file makes
  PictureMapping picture_mapping;
  WiringProfile profile;  // of the export output or input, and of the frames send sends
  SendOptions send;       // send: the port and how to talk to the board
  std::optional<PictureFormat> picture;  // png or gif: then `output` is not used
  int lamp_size = DefaultLampSize;
  SheetLayout sheet = SheetLayout::Grid;  // png of several frames
  std::string output_file;                // -o: the picture goes there, not to standard output
};

// The arguments after the program name. The first argument that is not an option is the command,
// the second the file; options may come before, between or after them. --help and --version end
// the parse where they stand.
std::variant<CliOptions, Error> ParseCliOptions(const std::vector<std::string>& arguments);

// The text that --help prints.
std::string UsageText();

// Its first lines, the forms of the command line.
std::string UsageSynopsis();

}  // namespace glyphgrid
