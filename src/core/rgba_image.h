#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glyphgrid {

// A picture as 8-bit red, green, blue and alpha bytes, row by row from the top left, with no
// padding: what the picture libraries decode to and encode from, and what the lamp mapping and
// the lamp rendering work on.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 4 bytes

  RgbaImage() = default;
  RgbaImage(int image_width, int image_height)
      : width(image_width),
        height(image_height),
        pixels(static_cast<std::size_t>(image_width) * static_cast<std::size_t>(image_height) * 4) {
  }

  std::uint8_t* Pixel(int x, int y) { return &pixels[Offset(x, y)]; }
  const std::uint8_t* Pixel(int x, int y) const { return &pixels[Offset(x, y)]; }

  bool operator==(const RgbaImage&) const = default;

 private:
  std::size_t Offset(int x, int y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
            static_cast<std::size_t>(x)) *
           4;
  }
};

}  // namespace glyphgrid
