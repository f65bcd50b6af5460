#include <turbojpeg.h>

#include <memory>

#include "media/picture_decoders.h"

namespace glyphgrid {

namespace {

struct JpegDestroyer {
  void operator()(void* handle) const { tjDestroy(handle); }
};

std::string Damaged(tjhandle handle) {
  return std::string("its JPEG data is damaged (") + tjGetErrorStr2(handle) + ")";
}

}  // namespace

Decoded DecodeJpeg(PictureBytes bytes, const PictureLimits& limits) {
  const std::unique_ptr<void, JpegDestroyer> handle(tjInitDecompress());
  if (!handle) {
    return Damaged(nullptr);
  }
  int width = 0;
  int height = 0;
  int subsampling = 0;
  int colour_space = 0;
  if (tjDecompressHeader3(handle.get(), bytes.data(), bytes.size(), &width, &height, &subsampling,
                          &colour_space) != 0) {
    return Damaged(handle.get());
  }
  if (std::optional<std::string> problem = SizeProblem(width, height, 0, limits)) {
    return *problem;
  }
  RgbaImage image(width, height);
  // A warning (a file cut short, a bad marker) stops the decoding: a half-grey picture is no
  // picture. Progressive files may not make the decoder run scan after scan without end.
  if (tjDecompress2(handle.get(), bytes.data(), bytes.size(), image.pixels.data(), width, 0, height,
                    TJPF_RGBA, TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS) != 0) {
    return Damaged(handle.get());
  }
  return Picture{{{std::move(image), std::nullopt}}};
}

}  // namespace glyphgrid
