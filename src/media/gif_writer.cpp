#include "media/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace glyphgrid {

namespace {

// The most a GIF's side can be: its size fields are 16 bits.
constexpr int MaxGifSide = 65535;

int Output(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<std::string*>(gif->UserData)
      ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  return length;
}

Error Failure(int code) {
  const char* reason = GifErrorString(code);
  return {Error::Kind::BadInput,
          std::string("cannot make the GIF: ") + (reason != nullptr ? reason : "unknown error")};
}

struct Rectangle {
  int left, top, width, height;
};

// The smallest rectangle that holds every pixel of `after` that differs from `before`; one pixel
// when none does, since a frame holds at least one.
Rectangle Changed(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after,
                  int width, int height) {
  int left = width, right = -1, top = -1, bottom = -1;
  for (int y = 0; y < height; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    if (std::memcmp(&before[row], &after[row], static_cast<std::size_t>(width)) == 0) {
      continue;
    }
    top = top < 0 ? y : top;
    bottom = y;
    for (int x = 0; x < width; ++x) {
      if (before[row + static_cast<std::size_t>(x)] != after[row + static_cast<std::size_t>(x)]) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  return top < 0 ? Rectangle{0, 0, 1, 1} : Rectangle{left, top, right - left + 1, bottom - top + 1};
}

Error Refused(const std::string& reason) {
  return {Error::Kind::BadInput, "cannot make the GIF: " + reason};
}

}  // namespace

int GifDelay(int milliseconds) {
  return static_cast<int>(std::clamp((static_cast<long long>(milliseconds) + 5) / 10, 2LL,
                                     static_cast<long long>(MaxGifSide)));
}

GifWriter::GifWriter(int width, int height, std::span<const std::uint32_t> palette)
    : width_(width), height_(height), palette_(palette.begin(), palette.end()) {
  int status = E_GIF_SUCCEEDED;
  gif_ = EGifOpen(&bytes_, Output, &status);
  if (gif_ == nullptr) {
    error_ = Failure(status);
    return;
  }
  if (width < 1 || height < 1 || width > MaxGifSide || height > MaxGifSide) {
    error_ = Refused(std::to_string(width) + " x " + std::to_string(height) +
                     " pixels is outside 1 to " + std::to_string(MaxGifSide) + " a side");
    return;
  }
  if (palette_.empty() || palette_.size() > 256) {
    error_ =
        Refused("a palette of " + std::to_string(palette_.size()) + " colours is outside 1 to 256");
    return;
  }
  // A colour table holds a power of two colours.
  std::vector<GifColorType> colours(std::size_t{1}
                                    << GifBitSize(static_cast<int>(palette_.size())));
  for (std::size_t index = 0; index < palette_.size(); ++index) {
    colours[index] = {static_cast<GifByteType>(palette_[index] >> 16),
                      static_cast<GifByteType>(palette_[index] >> 8),
                      static_cast<GifByteType>(palette_[index])};
  }
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
  if (map == nullptr) {
    error_ = Failure(E_GIF_ERR_NOT_ENOUGH_MEM);
    return;
  }
  // GIF89a, for the frames' delays and the loop.
  EGifSetGifVersion(gif_, true);
  const bool described = Check(EGifPutScreenDesc(gif_, width, height, 8, 0, map));
  GifFreeMapObject(map);
  // Loop forever: the NETSCAPE2.0 extension with a loop count of 0.
  static const GifByteType loop[] = {1, 0, 0};
  described&& Check(EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE)) &&
      Check(EGifPutExtensionBlock(gif_, 11, "NETSCAPE2.0")) &&
      Check(EGifPutExtensionBlock(gif_, sizeof loop, loop)) && Check(EGifPutExtensionTrailer(gif_));
}

GifWriter::~GifWriter() {
  if (gif_ != nullptr) {
    EGifCloseFile(gif_, nullptr);
  }
}

bool GifWriter::Check(int status) {
  if (status == GIF_ERROR && !error_) {
    error_ = Failure(gif_->Error);
  }
  return status != GIF_ERROR;
}

std::optional<Error> GifWriter::AddFrame(const RgbaImage& picture, int milliseconds) {
  if (error_) {
    return error_;
  }
  if (picture.width != width_ || picture.height != height_) {
    error_ = Refused("a frame of " + std::to_string(picture.width) + " x " +
                     std::to_string(picture.height) + " pixels in a GIF of " +
                     std::to_string(width_) + " x " + std::to_string(height_));
    return error_;
  }
  indices_.resize(picture.pixels.size() / 4);
  // Neighbouring pixels mostly share a colour, so the last one found is tried first.
  std::uint32_t last = palette_[0];
  std::uint8_t last_index = 0;
  for (std::size_t pixel = 0; pixel < indices_.size(); ++pixel) {
    const std::uint8_t* rgba = &picture.pixels[pixel * 4];
    const std::uint32_t colour = static_cast<std::uint32_t>(rgba[0] << 16 | rgba[1] << 8 | rgba[2]);
    if (colour != last) {
      const auto found = std::ranges::find(palette_, colour);
      if (found == palette_.end()) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%06X", colour);
        error_ = Refused(std::string("the colour #") + hex + " is not in its palette");
        return error_;
      }
      last = colour;
      last_index = static_cast<std::uint8_t>(found - palette_.begin());
    }
    indices_[pixel] = last_index;
  }
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.DelayTime = GifDelay(milliseconds);
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
  // After the first frame only what changed is written; the frame before stays around it.
  const Rectangle part = frames_ == 0 ? Rectangle{0, 0, width_, height_}
                                      : Changed(previous_, indices_, width_, height_);
  if (Check(EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, length, extension)) &&
      Check(EGifPutImageDesc(gif_, part.left, part.top, part.width, part.height, false, nullptr))) {
    for (int y = part.top; y < part.top + part.height; ++y) {
      const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
      if (!Check(EGifPutLine(gif_, &indices_[row + static_cast<std::size_t>(part.left)],
                             part.width))) {
        break;
      }
    }
  }
  previous_.swap(indices_);
  frames_ += error_ ? 0 : 1;
  return error_;
}

std::variant<std::string, Error> GifWriter::Finish() {
  if (!error_ && frames_ == 0) {
    error_ = Refused("it has no frames");
  }
  if (gif_ != nullptr) {
    int status = E_GIF_SUCCEEDED;
    if (EGifCloseFile(gif_, &status) == GIF_ERROR && !error_) {
      error_ = Failure(status);
    }
    gif_ = nullptr;
  }
  if (error_) {
    return *error_;
  }
  return std::move(bytes_);
}

}  // namespace glyphgrid
