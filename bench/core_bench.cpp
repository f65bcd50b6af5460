// The core's hot paths against copying a std::string as long as a DATA line, on the same machine
// in the same run.
#include <benchmark/benchmark.h>

#include <string>

#include "core/click_editing.h"
#include "core/colour_cycles.h"
#include "core/colour_planes.h"
#include "core/data_text.h"
#include "core/pattern_shifts.h"
#include "targets.h"

namespace glyphgrid {
namespace {

LampMatrix Checkerboard() {
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    lamps.SetColour(i, LampPalette[(LampRow(i) + LampColumn(i)) % 4]);
  }
  return lamps;
}

void BM_CopyDataLineSizedString(benchmark::State& state) {
  const std::string text = DataText(Checkerboard());
  for (auto _ : state) {
    std::string copy = text;
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(BM_CopyDataLineSizedString);

void BM_DataText(benchmark::State& state) {
  const LampMatrix lamps = Checkerboard();
  for (auto _ : state) {
    benchmark::DoNotOptimize(DataText(lamps));
  }
}
BENCHMARK(BM_DataText);

template <void (*Operation)(LampMatrix&)>
void BM_Operation(benchmark::State& state) {
  LampMatrix lamps = Checkerboard();
  for (auto _ : state) {
    Operation(lamps);
    benchmark::DoNotOptimize(lamps);
  }
}
BENCHMARK(BM_Operation<ShiftUp>)->Name("BM_ShiftUp");
BENCHMARK(BM_Operation<ShiftDown>)->Name("BM_ShiftDown");
BENCHMARK(BM_Operation<ShiftLeft>)->Name("BM_ShiftLeft");
BENCHMARK(BM_Operation<ShiftRight>)->Name("BM_ShiftRight");
BENCHMARK(BM_Operation<CycleAllColours>)->Name("BM_CycleAllColours");
BENCHMARK(BM_Operation<CycleLitColours>)->Name("BM_CycleLitColours");

void BM_Press(benchmark::State& state) {
  LampMatrix lamps;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PressLamp(lamps, 2647, 1687));
  }
}
BENCHMARK(BM_Press);

void BM_ReadColourPlanes(benchmark::State& state) {
  const std::string text = ColourPlaneText(Checkerboard());
  for (auto _ : state) {
    LampMatrix lamps;
    ApplyColourPlanes(text, lamps);
    benchmark::DoNotOptimize(lamps);
  }
}
BENCHMARK(BM_ReadColourPlanes);

// The largest text the editor accepts, all separators but a digit at each end: every pass walks
// on past its window. Read at a quarter of the size as well, to see that the time is linear.
void BM_ReadWorstColourPlanes(benchmark::State& state) {
  std::string text(static_cast<std::size_t>(state.range(0)), ',');
  text.front() = '1';
  text.back() = '1';
  for (auto _ : state) {
    LampMatrix lamps;
    ApplyColourPlanes(text, lamps);
    benchmark::DoNotOptimize(lamps);
  }
}
BENCHMARK(BM_ReadWorstColourPlanes)
    ->Arg(256 * 1024)
    ->Arg(1024 * 1024)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  using glyphgrid::Target;
  const std::string baseline = "BM_CopyDataLineSizedString";
  std::vector<Target> targets = {{"BM_DataText", baseline, 3.0}};
  for (const char* name :
       {"BM_ShiftUp", "BM_ShiftDown", "BM_ShiftLeft", "BM_ShiftRight", "BM_CycleAllColours",
        "BM_CycleLitColours", "BM_Press", "BM_ReadColourPlanes"}) {
    targets.push_back({name, baseline, 0, 250});
  }
  targets.push_back(
      {"BM_ReadWorstColourPlanes/1048576", "BM_ReadWorstColourPlanes/262144", 4.5, 5e6});
  return glyphgrid::RunWithTargets(argc, argv, targets);
}
