// Saving and opening the largest document an animation can be: 10,000 frames of four colours.
#include <benchmark/benchmark.h>

#include <random>

#include "core/document_file.h"
#include "targets.h"

namespace glyphgrid {
namespace {

Document LargestDocument() {
  std::mt19937 random(7);
  std::vector<Frame> frames;
  for (int index = 0; index < MaxFrames; ++index) {
    LampMatrix lamps;
    for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
      lamps.SetColour(lamp, LampPalette[random() % 4]);
    }
    frames.emplace_back(lamps, 1 + static_cast<int>(random() % MaxDelay));
  }
  return {Animation(std::move(frames)), std::nullopt};
}

void BM_SaveDocument(benchmark::State& state) {
  const Document document = LargestDocument();
  for (auto _ : state) {
    benchmark::DoNotOptimize(DocumentText(document));
  }
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);

void BM_OpenDocument(benchmark::State& state) {
  const std::string text = DocumentText(LargestDocument());
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseDocument(text));
  }
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  return glyphgrid::RunWithTargets(
      argc, argv, {{"BM_SaveDocument", "", 0, 100e6}, {"BM_OpenDocument", "", 0, 100e6}});
}
