// Drawing an animation's frames as lamps into an animated GIF and a PNG sprite sheet.
#include <benchmark/benchmark.h>

#include "largest_animation.h"
#include "media/lamp_pictures.h"
#include "targets.h"

namespace glyphgrid {
namespace {

// 100 frames of random lamps in all four colours, the worst case for the GIF's compression.
std::span<const Frame> HundredFrames() {
  static const Animation animation = LargestAnimation();
  return animation.Frames().first(100);
}

void BM_Gif100Frames32(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(LampAnimationGif(HundredFrames(), DefaultLampSize));
  }
}
BENCHMARK(BM_Gif100Frames32)->Unit(benchmark::kMillisecond);

void BM_PngSheet100Frames32(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(LampSheetPng(HundredFrames(), DefaultLampSize, SheetLayout::Grid));
  }
}
BENCHMARK(BM_PngSheet100Frames32)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  return glyphgrid::RunWithTargets(argc, argv, {{"BM_Gif100Frames32", "", 0, 200e6}});
}
