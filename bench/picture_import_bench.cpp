// Importing a 512 x 512 PNG: decoding it and mapping it to lamps, as --from picture and Import
// Picture do. The PNG is a noisy colour gradient, so that it compresses as a photograph does.
#include <benchmark/benchmark.h>
#include <png.h>

#include <random>
#include <vector>

#include "core/picture_mapping.h"
#include "media/picture_reader.h"
#include "targets.h"

namespace glyphgrid {
namespace {

std::vector<std::uint8_t> GradientPng(int side) {
  RgbaImage image(side, side);
  std::mt19937 random(1);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      std::uint8_t* pixel = image.Pixel(x, y);
      pixel[0] = static_cast<std::uint8_t>(x / 2 + random() % 16);
      pixel[1] = static_cast<std::uint8_t>(y / 2 + random() % 16);
      pixel[2] = static_cast<std::uint8_t>(random() % 64);
      pixel[3] = 255;
    }
  }
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(side);
  png.height = static_cast<png_uint_32>(side);
  png.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&png, nullptr, &size, 0, image.pixels.data(), 0, nullptr);
  std::vector<std::uint8_t> bytes(size);
  png_image_write_to_memory(&png, bytes.data(), &size, 0, image.pixels.data(), 0, nullptr);
  bytes.resize(size);
  return bytes;
}

void BM_ImportPng512(benchmark::State& state) {
  const std::vector<std::uint8_t> png = GradientPng(512);
  for (auto _ : state) {
    const std::variant<Picture, Error> picture = DecodePicture(png, "'bench.png'");
    benchmark::DoNotOptimize(MapPicture(std::get<Picture>(picture), {}, 100));
  }
}
BENCHMARK(BM_ImportPng512)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  return glyphgrid::RunWithTargets(argc, argv, {{"BM_ImportPng512", "", 0, 50e6}});
}
