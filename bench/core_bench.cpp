#include <benchmark/benchmark.h>

#include <string>

#include "core/click_editing.h"
#include "core/colour_planes.h"
#include "core/data_text.h"
#include "core/pattern_shifts.h"

namespace glyphgrid {
namespace {

LampMatrix Checkerboard() {
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    lamps.SetColour(i, (LampRow(i) + LampColumn(i)) % 2 ? LampRed : LampGrey);
  }
  return lamps;
}

void BM_DataText(benchmark::State& state) {
  const LampMatrix lamps = Checkerboard();
  for (auto _ : state) {
    benchmark::DoNotOptimize(DataText(lamps));
  }
}
BENCHMARK(BM_DataText);

void BM_PressLamp(benchmark::State& state) {
  LampMatrix lamps;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PressLamp(lamps, 2647, 1687));
  }
}
BENCHMARK(BM_PressLamp);

void BM_ShiftLeft(benchmark::State& state) {
  LampMatrix lamps = Checkerboard();
  for (auto _ : state) {
    ShiftLeft(lamps);
    benchmark::DoNotOptimize(lamps);
  }
}
BENCHMARK(BM_ShiftLeft);

// The largest file the editor accepts, made of separators: every pass reads far past its window.
void BM_ApplyColourPlanesWorstCase(benchmark::State& state) {
  std::string text(1024 * 1024, ',');
  text.back() = '1';
  for (auto _ : state) {
    LampMatrix lamps;
    ApplyColourPlanes(text, lamps);
    benchmark::DoNotOptimize(lamps);
  }
}
BENCHMARK(BM_ApplyColourPlanesWorstCase)->Unit(benchmark::kMillisecond);

void BM_ColourPlaneRoundTrip(benchmark::State& state) {
  const LampMatrix lamps = Checkerboard();
  for (auto _ : state) {
    LampMatrix loaded;
    ApplyColourPlanes(ColourPlaneText(lamps), loaded);
    benchmark::DoNotOptimize(loaded);
  }
}
BENCHMARK(BM_ColourPlaneRoundTrip);

}  // namespace
}  // namespace glyphgrid
