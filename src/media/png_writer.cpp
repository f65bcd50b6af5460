#include "media/png_writer.h"

#include <png.h>

namespace glyphgrid {

std::variant<std::string, Error> WritePng(const RgbaImage& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_RGBA;
  // Room for the worst case, so that the picture is compressed once.
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
  std::string bytes(size, '\0');
  if (png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.pixels.data(), 0,
                                nullptr) == 0) {
    Error error{Error::Kind::BadInput, std::string("cannot make the PNG: ") + image.message};
    png_image_free(&image);
    return error;
  }
  bytes.resize(size);
  return bytes;
}

}  // namespace glyphgrid
