#include "cli/picture_options.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "cli/quoted.h"
#include "cli/whole_number.h"

namespace glyphgrid {

namespace {

Error Usage(const std::string& message) {
  return {Error::Kind::BadInput, message};
}

template <typename Value, std::size_t Count>
std::optional<Value> Named(const std::pair<std::string_view, Value> (&names)[Count],
                           std::string_view value) {
  const auto* found = std::ranges::find(names, value, &std::pair<std::string_view, Value>::first);
  return found == std::end(names) ? std::nullopt : std::optional(found->second);
}

// "X,Y": two whole numbers, the crop's top left pixel.
std::optional<std::pair<int, int>> Corner(std::string_view value) {
  constexpr int MaxCorner = 1 << 20;
  const std::size_t comma = value.find(',');
  if (comma == std::string_view::npos) {
    return std::nullopt;
  }
  const std::optional<int> x = ParseWholeNumber(value.substr(0, comma), 0, MaxCorner);
  const std::optional<int> y = ParseWholeNumber(value.substr(comma + 1), 0, MaxCorner);
  return x && y ? std::optional(std::pair(*x, *y)) : std::nullopt;
}

}  // namespace

bool IsPictureOption(std::string_view argument) {
  return argument == "--scale" || argument == "--crop" || argument == "--threshold" ||
         argument == "--colours" || argument == "--sheet";
}

std::optional<Error> TakePictureOption(const std::string& option, const std::string& value,
                                       PictureArguments& arguments) {
  PictureMapping& mapping = arguments.mapping;
  arguments.first = arguments.first.empty() ? option : arguments.first;
  if (option == "--scale") {
    static constexpr std::pair<std::string_view, PictureScale> Scales[] = {
        {"fit", PictureScale::Fit},
        {"nearest", PictureScale::Nearest},
        {"crop", PictureScale::Crop}};
    const std::optional<PictureScale> scale = Named(Scales, value);
    if (!scale) {
      return Usage("--scale: expected fit, nearest or crop, got " + Quoted(value));
    }
    mapping.scale = *scale;
    arguments.scale = value;
  } else if (option == "--crop") {
    const std::optional<std::pair<int, int>> corner = Corner(value);
    if (!corner) {
      return Usage("--crop: expected X,Y, two whole numbers, got " + Quoted(value));
    }
    arguments.crop = true;
    std::tie(mapping.crop_x, mapping.crop_y) = *corner;
  } else if (option == "--threshold") {
    mapping.threshold = value == "auto" ? std::nullopt : ParseWholeNumber(value, 0, 255);
    if (value != "auto" && !mapping.threshold) {
      return Usage("--threshold: expected auto or a whole number from 0 to 255, got " +
                   Quoted(value));
    }
  } else if (option == "--colours") {
    static constexpr std::pair<std::string_view, PictureColours> Colours[] = {
        {"colour", PictureColours::Colour}, {"mono", PictureColours::Mono}};
    const std::optional<PictureColours> colours = Named(Colours, value);
    if (!colours) {
      return Usage("--colours: expected colour or mono, got " + Quoted(value));
    }
    mapping.colours = *colours;
  } else {
    static constexpr std::pair<std::string_view, SpriteSheet> Sheets[] = {
        {"none", SpriteSheet::None}, {"row", SpriteSheet::Row}, {"grid", SpriteSheet::Grid}};
    const std::optional<SpriteSheet> sheet = Named(Sheets, value);
    if (!sheet) {
      return Usage("--sheet: expected none, row or grid, got " + Quoted(value));
    }
    mapping.sheet = *sheet;
  }
  return std::nullopt;
}

std::variant<PictureMapping, Error> PictureOptions(const PictureArguments& arguments,
                                                   bool from_picture) {
  if (!arguments.first.empty() && !from_picture) {
    return Usage(arguments.first + " is for picture input only; add --from picture");
  }
  PictureMapping mapping = arguments.mapping;
  if (arguments.crop) {
    if (!arguments.scale.empty() && mapping.scale != PictureScale::Crop) {
      return Usage("--crop takes a crop; it cannot go with --scale " + arguments.scale);
    }
    mapping.scale = PictureScale::Crop;
  }
  if (mapping.sheet != SpriteSheet::None && (arguments.crop || !arguments.scale.empty())) {
    return Usage(std::string(arguments.crop ? "--crop" : "--scale") +
                 " does not apply to a sprite sheet, whose cells are 8 x 8");
  }
  return mapping;
}

bool PicturesBuilt() {
#ifdef GLYPHGRID_MEDIA
  return true;
#else
  return false;
#endif
}

std::string PictureSynopsis() {
  return PicturesBuilt()
             ? "       glyphgrid-cli (data|grid|planes|export|document) --from picture\n"
               "                     [--scale fit|nearest|crop] [--crop X,Y] [--threshold N|auto]\n"
               "                     [--negative] [--colours colour|mono] [--sheet none|row|grid]\n"
               "                     [--op OP]... [--delay MS] [FILE]\n"
             : "";
}

std::string PictureUsageText() {
  if (!PicturesBuilt()) {
    return "  (This glyphgrid-cli is built without picture input: --from picture is not "
           "offered.)\n";
  }
  return "  --scale HOW    picture: fit (the default) shrinks or grows the whole picture into the\n"
         "                 window keeping its aspect, each lamp the average of the pixels it\n"
         "                 covers; nearest places it the same way, each lamp the one pixel at its\n"
         "                 centre; crop takes 8 x 8 pixels one a lamp (see --crop)\n"
         "  --crop X,Y     picture: crop at the pixel X across, Y down from the top left (default\n"
         "                 0,0); implies --scale crop; lamps past the picture's edge stay dark\n"
         "  --threshold N  picture: a pixel lights when its brightness is N or more, 0 to 255, or\n"
         "                 auto (the default): the split Otsu's method finds over all frames\n"
         "  --negative     picture: dark pixels light instead, as in a negative; transparent "
         "ones\n                 never do (--invert belongs to the export profile)\n"
         "  --colours MAP  picture: colour (the default): by hue, orange and yellow are orange,\n"
         "                 yellow-green to cyan green, and the rest and greys red; mono: all red\n"
         "  --sheet KIND   picture: none (the default); row: a strip 8 pixels high, each 8 x 8\n"
         "                 cell from the left a frame; grid: cells row by row\n";
}

}  // namespace glyphgrid
