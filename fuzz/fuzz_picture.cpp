// Any bytes read as a picture file under small limits, then mapped to lamps with options chosen
// by the first byte: a picture that decodes has frames of the sizes it claims within the limits,
// and the mapping gives frames or a message, never a crash.
#include <cstdint>
#include <cstdlib>

#include "core/picture_mapping.h"
#include "media/picture_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glyphgrid;
  if (size < 1) {
    return 0;
  }
  // Small enough that each input decodes in a few milliseconds.
  constexpr PictureLimits Limits{
      .file_bytes = 1 << 20, .side = 512, .pixels = 64 * 1024, .decoded_bytes = 4 << 20};
  const std::variant<Picture, Error> decoded = DecodePicture({data + 1, size - 1}, "'x'", Limits);
  if (const Error* error = std::get_if<Error>(&decoded)) {
    if (error->message.empty()) {
      std::abort();
    }
    return 0;
  }
  const Picture& picture = std::get<Picture>(decoded);
  std::size_t decoded_bytes = 0;
  for (const PictureFrame& frame : picture.frames) {
    const RgbaImage& image = frame.image;
    decoded_bytes += image.pixels.size();
    if (image.width < 1 || image.height < 1 || image.width > Limits.side ||
        image.height > Limits.side ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 4 ||
        (frame.delay && *frame.delay < 10)) {
      std::abort();
    }
  }
  if (picture.frames.empty() || decoded_bytes > Limits.decoded_bytes) {
    std::abort();
  }
  const std::uint8_t options = data[0];
  const PictureMapping mapping{
      .scale = static_cast<PictureScale>(options % 3),
      .crop_x = options >> 2 & 7,
      .crop_y = options >> 5 & 3,
      .threshold = options & 0x80 ? std::nullopt : std::optional<int>(options & 0x7f),
      .invert = (options & 0x10) != 0,
      .colours = options & 0x20 ? PictureColours::Mono : PictureColours::Colour,
      .sheet = static_cast<SpriteSheet>(options / 64 % 3)};
  const std::variant<MappedPicture, Error> mapped = MapPicture(picture, mapping, 100);
  if (const MappedPicture* frames = std::get_if<MappedPicture>(&mapped)) {
    if (frames->frames.empty() || frames->threshold < 0 || frames->threshold > 255) {
      std::abort();
    }
  } else if (std::get<Error>(mapped).message.empty()) {
    std::abort();
  }
  return 0;
}
