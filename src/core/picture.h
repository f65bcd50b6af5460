#pragma once

#include <optional>
#include <vector>

#include "core/rgba_image.h"

namespace glyphgrid {

// One picture of a decoded file and how long it shows; no delay when the file gives none (a still
// picture, or a GIF frame whose delay is 0), so that the animation's default applies.
struct PictureFrame {
  RgbaImage image;
  std::optional<int> delay;  // milliseconds
};

// A decoded picture file: one frame, or every frame of an animated GIF composed as it is shown.
struct Picture {
  std::vector<PictureFrame> frames;
};

}  // namespace glyphgrid
