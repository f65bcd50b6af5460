#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "core/picture.h"
#include "media/picture_limits.h"

namespace glyphgrid {

// One decoder a format, each over the whole file's bytes, each through the library Debian
// maintains for it. A failure is the reason alone, as the end of "cannot read 'x.png': ...".
using Decoded = std::variant<Picture, std::string>;
using PictureBytes = std::span<const std::uint8_t>;

Decoded DecodePng(PictureBytes bytes, const PictureLimits& limits);
// Every frame composed on the logical screen, as a viewer shows it.
Decoded DecodeGif(PictureBytes bytes, const PictureLimits& limits);
Decoded DecodeJpeg(PictureBytes bytes, const PictureLimits& limits);
Decoded DecodeBmp(PictureBytes bytes, const PictureLimits& limits);

}  // namespace glyphgrid
