#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "core/animation.h"
#include "core/error.h"
#include "core/rgba_image.h"

namespace glyphgrid {

// Pixels a lamp's cell is wide and high in a picture of the lamps.
inline constexpr int MinLampSize = 4;
inline constexpr int MaxLampSize = 128;
inline constexpr int DefaultLampSize = 32;

// No side of a sprite sheet is longer, and no sheet holds more pixels, so that no request can
// make a picture that a viewer refuses or that fills the memory.
inline constexpr int MaxSheetSide = 16384;
inline constexpr long long MaxSheetPixels = 1LL << 25;

// Every colour a picture of lamps is made of, as 0xRRGGBB, the board's first: a fixed palette
// small enough for a GIF, so the pictures never need quantising.
std::span<const std::uint32_t> LampPicturePalette();

// The side of one frame's picture: the eight lamp cells and a border of board around them.
int FramePictureSide(int lamp_size);

// The lamps as the board shows them: round lamps on a dark board, lit lamps in their colour,
// every other lamp dim, the edges smoothed in a few fixed steps. `lamp_size` is from MinLampSize
// to MaxLampSize.
RgbaImage RenderLamps(const LampMatrix& lamps, int lamp_size);

enum class SheetLayout {
  Row,   // every frame side by side
  Grid,  // ceil(sqrt(n)) frames a row, as many rows as that takes
};

// All the frames in one picture, in the order they play, left to right and then down; the cells
// a grid leaves over are bare board. A sheet past MaxSheetSide or MaxSheetPixels is an error
// that names the limit.
std::variant<RgbaImage, Error> RenderSheet(std::span<const Frame> frames, int lamp_size,
                                           SheetLayout layout);

}  // namespace glyphgrid
