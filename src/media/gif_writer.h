#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/error.h"
#include "core/rgba_image.h"

struct GifFileType;

namespace glyphgrid {

// A delay in milliseconds as a GIF stores it, in hundredths of a second: rounded to the nearest,
// halves up (105 ms is 11), and never below 2, since browsers play shorter delays far slower.
int GifDelay(int milliseconds);

// An animated GIF that loops forever, written frame by frame into memory, so that a long
// animation never needs all its pictures at once. Every frame has the writer's size and only the
// palette's colours; the alpha is not kept.
class GifWriter {
 public:
  // `palette` holds 1 to 256 colours as 0xRRGGBB.
  GifWriter(int width, int height, std::span<const std::uint32_t> palette);
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;
  ~GifWriter();

  // Adds the frame that shows for `milliseconds`; after an error the writer takes no more.
  std::optional<Error> AddFrame(const RgbaImage& picture, int milliseconds);

  // The whole file, or the first error; the writer takes no more frames.
  std::variant<std::string, Error> Finish();

 private:
  // Records the error of a giflib call that failed, unless one is recorded already.
  bool Check(int status);

  int width_;
  int height_;
  std::vector<std::uint32_t> palette_;
  GifFileType* gif_;
  std::string bytes_;
  std::optional<Error> error_;
  std::vector<std::uint8_t> indices_;
  std::vector<std::uint8_t> previous_;  // the last frame's, to write only what changes
  int frames_ = 0;
};

}  // namespace glyphgrid
