#include <sys/mman.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "media/picture_decoders.h"

namespace glyphgrid {

namespace {

long long LittleEndian(PictureBytes bytes, std::size_t at, std::size_t size) {
  unsigned long long value = 0;
  for (std::size_t i = size; i > 0; --i) {
    value = value << 8 | bytes[at + i - 1];
  }
  return static_cast<long long>(value);
}

// The size the header declares, read before the library is let near the pixels. The core header
// of OS/2 bitmaps holds 16-bit sizes; every later header 32-bit signed ones, the height negative
// for rows stored top down.
std::optional<std::string> HeaderProblem(PictureBytes bytes, const PictureLimits& limits) {
  constexpr std::size_t InfoHeaderAt = 14;
  constexpr std::size_t CoreHeaderSize = 12;
  // Both kinds of header hold the size within the first 26 bytes of the file.
  if (bytes.size() < InfoHeaderAt + CoreHeaderSize) {
    return "its BMP header is cut short";
  }
  if (LittleEndian(bytes, InfoHeaderAt, 4) == CoreHeaderSize) {
    return SizeProblem(LittleEndian(bytes, 18, 2), LittleEndian(bytes, 20, 2), 0, limits);
  }
  const auto height = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
  return SizeProblem(static_cast<std::int32_t>(LittleEndian(bytes, 18, 4)),
                     std::llabs(static_cast<long long>(height)), 0, limits);
}

class MemoryFile {
 public:
  MemoryFile() : descriptor_(memfd_create("glyphgrid-picture", MFD_CLOEXEC)) {}
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  ~MemoryFile() {
    if (descriptor_ >= 0) {
      close(descriptor_);
    }
  }

  // Returns the file's name once it holds all of `bytes`, or nothing with errno set.
  std::optional<std::string> Hold(PictureBytes bytes) {
    if (descriptor_ < 0) {
      return std::nullopt;
    }
    for (std::size_t written = 0; written < bytes.size();) {
      const ssize_t wrote = write(descriptor_, bytes.data() + written, bytes.size() - written);
      if (wrote < 0 && errno != EINTR) {
        return std::nullopt;
      }
      written += wrote > 0 ? static_cast<std::size_t>(wrote) : 0;
    }
    return "/proc/self/fd/" + std::to_string(descriptor_);
  }

 private:
  int descriptor_;
};

struct TurboFree {
  void operator()(unsigned char* pixels) const { tjFree(pixels); }
};

}  // namespace

Decoded DecodeBmp(PictureBytes bytes, const PictureLimits& limits) {
  if (std::optional<std::string> problem = HeaderProblem(bytes, limits)) {
    return *problem;
  }
  // The library's BMP reader reads only from a named file: the bytes go to one that lives in
  // memory, so the file read is the file checked.
  MemoryFile file;
  const std::optional<std::string> name = file.Hold(bytes);
  if (!name) {
    return std::string("no room to decode its BMP data (") + std::strerror(errno) + ")";
  }
  int width = 0;
  int height = 0;
  int format = TJPF_RGBA;
  const std::unique_ptr<unsigned char, TurboFree> pixels(
      tjLoadImage(name->c_str(), &width, 1, &height, &format, 0));
  if (!pixels) {
    return std::string("its BMP data cannot be read (") + tjGetErrorStr2(nullptr) + ")";
  }
  RgbaImage image(width, height);
  std::memcpy(image.pixels.data(), pixels.get(), image.pixels.size());
  return Picture{{{std::move(image), std::nullopt}}};
}

}  // namespace glyphgrid
