// Exporting and reading back the largest animation: 10,000 frames in the longest syntax, both
// planes as binary literals with the zero unit, and its delays.
#include <benchmark/benchmark.h>

#include "core/animation_export.h"
#include "core/animation_import.h"
#include "core/profile_presets.h"
#include "largest_animation.h"
#include "targets.h"

namespace glyphgrid {
namespace {

WiringProfile LongestProfile() {
  WiringProfile profile;
  profile.planes = Planes::RedGreen;
  profile.syntax = Syntax::CBinary;
  return profile;
}

void BM_ExportAnimation(benchmark::State& state) {
  const Animation animation = LargestAnimation();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ExportAnimation(animation, LongestProfile()));
  }
}
BENCHMARK(BM_ExportAnimation)->Unit(benchmark::kMillisecond);

void BM_ImportAnimation(benchmark::State& state) {
  const std::string text = ExportAnimation(LargestAnimation(), LongestProfile());
  for (auto _ : state) {
    benchmark::DoNotOptimize(ImportAnimation(text, LongestProfile()));
  }
}
BENCHMARK(BM_ImportAnimation)->Unit(benchmark::kMillisecond);

// Paste Pattern of the largest ht16k33 export while the basic profile is chosen: every preset
// tries the frames.
void BM_PasteAnimation(benchmark::State& state) {
  const std::string text =
      ExportAnimation(LargestAnimation(), FindProfilePreset("ht16k33")->profile);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ImportAnimationAnyProfile(text, ProfilePresets().front().profile));
  }
}
BENCHMARK(BM_PasteAnimation)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  return glyphgrid::RunWithTargets(argc, argv,
                                   {{"BM_ExportAnimation", "", 0, 50e6},
                                    {"BM_ImportAnimation", "", 0, 200e6},
                                    {"BM_PasteAnimation", "", 0, 200e6}});
}
