#include "core/lamp_rendering.h"

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace glyphgrid {

namespace {

constexpr std::uint32_t Board = 0x181818;
constexpr std::uint32_t Unlit = 0x3a3a3a;
// The steps of a lamp's edge over the board, the last the lamp's own colour.
constexpr int EdgeSteps = 4;
// A lamp's diameter in tenths of its cell, leaving board between neighbours.
constexpr int LampDiameterTenths = 8;
// Samples a pixel edge for the share of a pixel a lamp covers.
constexpr int Subsamples = 4;

constexpr std::uint32_t Rgb(LampColour colour) {
  return static_cast<std::uint32_t>((colour & 0xFF) << 16 | (colour & 0xFF00) |
                                    ((colour >> 16) & 0xFF));
}

// How the lamps look, in the palette's order.
constexpr std::array<std::uint32_t, 4> Looks = {Unlit, Rgb(LampRed), Rgb(LampGreen),
                                                Rgb(LampOrange)};

int LookOf(LampColour colour) {
  return colour == LampRed ? 1 : colour == LampGreen ? 2 : colour == LampOrange ? 3 : 0;
}

constexpr std::uint32_t Blend(std::uint32_t lamp, int step) {
  std::uint32_t mixed = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int under = static_cast<int>((Board >> shift) & 0xFF);
    const int over = static_cast<int>((lamp >> shift) & 0xFF);
    const int channel = (under * (EdgeSteps - step) + over * step + EdgeSteps / 2) / EdgeSteps;
    mixed |= static_cast<std::uint32_t>(channel) << shift;
  }
  return mixed;
}

// The board, then each look's edge steps from the faintest to the full colour.
constexpr std::array<std::uint32_t, 1 + Looks.size()* EdgeSteps> Palette = [] {
  std::array<std::uint32_t, 1 + Looks.size() * EdgeSteps> palette{Board};
  for (std::size_t look = 0; look < Looks.size(); ++look) {
    for (int step = 1; step <= EdgeSteps; ++step) {
      palette[1 + look * EdgeSteps + static_cast<std::size_t>(step - 1)] = Blend(Looks[look], step);
    }
  }
  return palette;
}();

void Put(std::uint8_t* pixel, std::uint32_t colour) {
  pixel[0] = static_cast<std::uint8_t>(colour >> 16);
  pixel[1] = static_cast<std::uint8_t>(colour >> 8);
  pixel[2] = static_cast<std::uint8_t>(colour);
  pixel[3] = 0xFF;
}

void FillBoard(RgbaImage& image) {
  for (std::size_t at = 0; at < image.pixels.size(); at += 4) {
    Put(&image.pixels[at], Board);
  }
}

// For each pixel of a lamp's cell, the edge step the lamp covers it with (0: bare board).
std::vector<int> LampStamp(int lamp_size) {
  const double centre = lamp_size / 2.0;
  const double radius = lamp_size * LampDiameterTenths / 20.0;
  std::vector<int> stamp(static_cast<std::size_t>(lamp_size * lamp_size));
  for (int y = 0; y < lamp_size; ++y) {
    for (int x = 0; x < lamp_size; ++x) {
      int inside = 0;
      for (int sy = 0; sy < Subsamples; ++sy) {
        for (int sx = 0; sx < Subsamples; ++sx) {
          const double dx = x + (sx + 0.5) / Subsamples - centre;
          const double dy = y + (sy + 0.5) / Subsamples - centre;
          inside += dx * dx + dy * dy <= radius * radius ? 1 : 0;
        }
      }
      constexpr int Samples = Subsamples * Subsamples;
      stamp[static_cast<std::size_t>(y * lamp_size + x)] =
          (inside * EdgeSteps + Samples / 2) / Samples;
    }
  }
  return stamp;
}

}  // namespace

std::span<const std::uint32_t> LampPicturePalette() {
  return Palette;
}

int FramePictureSide(int lamp_size) {
  return LampsPerRow * lamp_size + 2 * (lamp_size / 2);
}

RgbaImage RenderLamps(const LampMatrix& lamps, int lamp_size) {
  const int side = FramePictureSide(lamp_size);
  RgbaImage image(side, side);
  FillBoard(image);
  const std::vector<int> stamp = LampStamp(lamp_size);
  const int border = lamp_size / 2;
  for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
    // Lamp 0 is at the bottom right.
    const int left = border + (LampsPerRow - 1 - LampColumn(lamp)) * lamp_size;
    const int top = border + (LampsPerRow - 1 - LampRow(lamp)) * lamp_size;
    const std::uint32_t* steps = &Palette[1 + LookOf(lamps.Colour(lamp)) * EdgeSteps - 1];
    for (int y = 0; y < lamp_size; ++y) {
      for (int x = 0; x < lamp_size; ++x) {
        if (const int step = stamp[static_cast<std::size_t>(y * lamp_size + x)]; step > 0) {
          Put(image.Pixel(left + x, top + y), steps[step]);
        }
      }
    }
  }
  return image;
}

std::variant<RgbaImage, Error> RenderSheet(std::span<const Frame> frames, int lamp_size,
                                           SheetLayout layout) {
  const long long count = static_cast<long long>(frames.size());
  if (count == 0) {
    return Error{Error::Kind::BadInput, "there are no frames to draw"};
  }
  long long columns = count;
  if (layout == SheetLayout::Grid) {
    columns = 1;
    while (columns * columns < count) {
      ++columns;
    }
  }
  const long long rows = (count + columns - 1) / columns;
  const long long side = FramePictureSide(lamp_size);
  const long long width = columns * side;
  const long long height = rows * side;
  if (width > MaxSheetSide || height > MaxSheetSide || width * height > MaxSheetPixels) {
    return Error{Error::Kind::BadInput, "the sprite sheet would be " + std::to_string(width) +
                                            " x " + std::to_string(height) +
                                            " pixels, more than the limit of " +
                                            std::to_string(MaxSheetSide) + " pixels a side and " +
                                            std::to_string(MaxSheetPixels) +
                                            " in all; choose a smaller lamp size or fewer frames"};
  }
  RgbaImage sheet(static_cast<int>(width), static_cast<int>(height));
  FillBoard(sheet);
  const std::size_t row_bytes = static_cast<std::size_t>(side) * 4;
  for (long long index = 0; index < count; ++index) {
    const RgbaImage frame = RenderLamps(frames[static_cast<std::size_t>(index)].Lamps(), lamp_size);
    const int left = static_cast<int>(index % columns * side);
    const int top = static_cast<int>(index / columns * side);
    for (int y = 0; y < frame.height; ++y) {
      std::memcpy(sheet.Pixel(left, top + y), frame.Pixel(0, y), row_bytes);
    }
  }
  return sheet;
}

}  // namespace glyphgrid
