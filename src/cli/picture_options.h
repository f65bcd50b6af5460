#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/error.h"
#include "core/picture_mapping.h"

namespace glyphgrid {

// The options only picture input takes, as the command line gives them.
struct PictureArguments {
  PictureMapping mapping;
  std::string first;  // the first one given
  std::string scale;  // the value of --scale, when given
  bool crop = false;  // --crop given
};

// --scale, --crop, --threshold, --colours and --sheet, which take a value; --negative takes none.
bool IsPictureOption(std::string_view argument);
std::optional<Error> TakePictureOption(const std::string& option, const std::string& value,
                                       PictureArguments& arguments);
// The mapping the options give together, once all are read, or what is wrong with them.
std::variant<PictureMapping, Error> PictureOptions(const PictureArguments& arguments,
                                                   bool from_picture);

// Whether this build reads pictures, and the --help lines about them.
bool PicturesBuilt();
std::string PictureSynopsis();
std::string PictureUsageText();

}  // namespace glyphgrid
