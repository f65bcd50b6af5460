// Saving and opening the largest document an animation can be: 10,000 frames of four colours.
#include <benchmark/benchmark.h>

#include "core/document_file.h"
#include "largest_animation.h"
#include "targets.h"

namespace glyphgrid {
namespace {

Document LargestDocument() {
  return {LargestAnimation(), std::nullopt};
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
