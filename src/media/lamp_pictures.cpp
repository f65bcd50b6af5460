#include "media/lamp_pictures.h"

#include "media/gif_writer.h"
#include "media/png_writer.h"

namespace glyphgrid {

std::variant<std::string, Error> LampSheetPng(std::span<const Frame> frames, int lamp_size,
                                              SheetLayout layout) {
  std::variant<RgbaImage, Error> sheet = RenderSheet(frames, lamp_size, layout);
  if (const Error* error = std::get_if<Error>(&sheet)) {
    return *error;
  }
  return WritePng(std::get<RgbaImage>(sheet));
}

std::variant<std::string, Error> LampAnimationGif(std::span<const Frame> frames, int lamp_size) {
  const long long side = FramePictureSide(lamp_size);
  const long long pixels = static_cast<long long>(frames.size()) * side * side;
  if (pixels > MaxGifPixels) {
    return Error{Error::Kind::BadInput,
                 "a GIF of " + std::to_string(frames.size()) + " frames at " +
                     std::to_string(lamp_size) + " pixels a lamp would hold " +
                     std::to_string(pixels) + " pixels, more than the limit of " +
                     std::to_string(MaxGifPixels) + "; choose a smaller lamp size or fewer frames"};
  }
  GifWriter gif(static_cast<int>(side), static_cast<int>(side), LampPicturePalette());
  for (const Frame& frame : frames) {
    if (std::optional<Error> error =
            gif.AddFrame(RenderLamps(frame.Lamps(), lamp_size), frame.Delay())) {
      return *error;
    }
  }
  return gif.Finish();
}

}  // namespace glyphgrid
