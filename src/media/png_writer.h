#pragma once

#include <string>
#include <variant>

#include "core/error.h"
#include "core/rgba_image.h"

namespace glyphgrid {

// The picture as the bytes of a PNG file, with its alpha.
std::variant<std::string, Error> WritePng(const RgbaImage& picture);

}  // namespace glyphgrid
