#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/error.h"
#include "core/picture.h"
#include "core/text_file.h"
#include "media/picture_limits.h"

namespace glyphgrid {

// A PNG, GIF (every frame), JPEG or BMP file, told apart by its first bytes, whatever its name.
// A failure names the file (`shown_name`, "'cat.png'") and the reason.
std::variant<Picture, Error> DecodePicture(std::span<const std::uint8_t> bytes,
                                           std::string_view shown_name,
                                           const PictureLimits& limits = DefaultPictureLimits);

// The file at `path`, read up to the limit, then decoded.
std::variant<Picture, Error> ReadPicture(const std::string& path, std::string_view shown_name,
                                         FileAccess access);

}  // namespace glyphgrid
