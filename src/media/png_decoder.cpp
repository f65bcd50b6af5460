#include <png.h>

#include "media/picture_decoders.h"

namespace glyphgrid {

namespace {

// Frees what the simplified reader holds on every way out; freeing twice is harmless.
struct PngReader {
  png_image image{};
  PngReader() { image.version = PNG_IMAGE_VERSION; }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;
  ~PngReader() { png_image_free(&image); }
};

std::string Damaged(const png_image& image) {
  return std::string("its PNG data is damaged (") + image.message + ")";
}

}  // namespace

Decoded DecodePng(PictureBytes bytes, const PictureLimits& limits) {
  PngReader reader;
  if (!png_image_begin_read_from_memory(&reader.image, bytes.data(), bytes.size())) {
    return Damaged(reader.image);
  }
  if (std::optional<std::string> problem =
          SizeProblem(reader.image.width, reader.image.height, 0, limits)) {
    return *problem;
  }
  reader.image.format = PNG_FORMAT_RGBA;
  RgbaImage image(static_cast<int>(reader.image.width), static_cast<int>(reader.image.height));
  if (!png_image_finish_read(&reader.image, nullptr, image.pixels.data(), 0, nullptr)) {
    return Damaged(reader.image);
  }
  return Picture{{{std::move(image), std::nullopt}}};
}

}  // namespace glyphgrid
