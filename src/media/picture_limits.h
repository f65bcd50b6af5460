#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/error.h"

namespace glyphgrid {

// How much a picture file may ask for: a file, or one frame's declared size, past these is
// refused before anything is allocated for it, so that a few hostile bytes cannot exhaust memory.
struct PictureLimits {
  std::size_t file_bytes = 64 * 1024 * 1024;
  long long side = 16384;                         // pixels across or down one frame
  long long pixels = 16 * 1024 * 1024;            // width x height of one frame
  std::size_t decoded_bytes = 256 * 1024 * 1024;  // all frames, four bytes a pixel
};
inline constexpr PictureLimits DefaultPictureLimits{};
inline constexpr TextLimit PictureFileLimit{DefaultPictureLimits.file_bytes, "64 MiB", "a picture"};

// Why a frame of the declared size cannot be decoded after `decoded` bytes of frames before it,
// as the end of "cannot read 'x.gif': ..."; nothing when it can.
inline std::optional<std::string> SizeProblem(long long width, long long height,
                                              std::size_t decoded, const PictureLimits& limits) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width < 1 || height < 1) {
    return "it declares a size of " + size + " pixels";
  }
  if (width > limits.side || height > limits.side) {
    return "it declares " + size + " pixels, more than " + std::to_string(limits.side) + " a side";
  }
  if (width * height > limits.pixels) {
    return "it declares " + size + " pixels, more than " + std::to_string(limits.pixels) +
           " in all";
  }
  if (decoded + static_cast<std::size_t>(width * height) * 4 > limits.decoded_bytes) {
    constexpr std::size_t MiB = 1024 * 1024;
    return "its frames take more than " +
           (limits.decoded_bytes % MiB == 0 ? std::to_string(limits.decoded_bytes / MiB) + " MiB"
                                            : std::to_string(limits.decoded_bytes) + " bytes") +
           " decoded";
  }
  return std::nullopt;
}

}  // namespace glyphgrid
