#pragma once

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "core/animation.h"
#include "core/error.h"
#include "core/picture.h"

namespace glyphgrid {

// Fit: the whole picture shrunk or grown into the window keeping its aspect, centred, each lamp
// the area-weighted average of the pixels it covers so that a large picture does not alias.
// Nearest: the same placement, each lamp the one pixel at its centre. Crop: the 8 x 8 pixels from
// a corner, one pixel a lamp.
enum class PictureScale { Fit, Nearest, Crop };
// Colour: a lit lamp is red, green or orange by its pixel's hue (see LitColour). Mono: red.
enum class PictureColours { Colour, Mono };
// Row: a strip of 8 x 8 cells, left to right. Grid: cells row by row. Each cell a frame, taken
// one pixel a lamp; the scale does not apply.
enum class SpriteSheet { None, Row, Grid };

struct PictureMapping {
  PictureScale scale = PictureScale::Fit;
  int crop_x = 0;  // the crop's top left pixel
  int crop_y = 0;
  std::optional<int> threshold{};  // 0..255; none: Otsu's method over every frame's lamps
  bool invert = false;
  PictureColours colours = PictureColours::Colour;
  SpriteSheet sheet = SpriteSheet::None;
};

struct MappedPicture {
  std::vector<Frame> frames;
  int threshold;  // the one used, chosen or found
};

// The lamp colour of a pixel that lights, by its hue: below 20 degrees (red) red; 20 to 75
// (orange, yellow) orange; 75 to 210 (yellow-green, green, cyan) green; from 210 (blue, violet,
// magenta), which a red and green board cannot show, red; and greys, too little coloured to have
// a hue, red.
LampColour LitColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// The frames a picture makes: a pixel lights when it is mostly opaque and its luminance is at
// least the threshold (below it, with invert); a transparent pixel never lights. A frame without
// a delay takes `default_delay`. An error for a sheet whose size is not made of cells, a crop
// corner outside the picture, or more than MaxFrames frames.
std::variant<MappedPicture, Error> MapPicture(const Picture& picture, const PictureMapping& mapping,
                                              int default_delay);

}  // namespace glyphgrid
