// Scrolling a text of 1,000 letters, mixed widths and accents, into its frames.
#include <benchmark/benchmark.h>

#include <string>

#include "core/marquee.h"
#include "targets.h"

namespace glyphgrid {
namespace {

void BM_Marquee1000(benchmark::State& state) {
  std::string text;
  for (int letter = 0; text.size() < 1000; ++letter) {
    text += static_cast<char>('!' + letter % 94);
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(Marquee(text, {}));
  }
}
BENCHMARK(BM_Marquee1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  return glyphgrid::RunWithTargets(argc, argv, {{"BM_Marquee1000", "", 0, 5e6}});
}
