// The core's hot paths against copying a std::string as long as a DATA line, on the same machine
// in the same run.
#include <benchmark/benchmark.h>

#include <string>

#include "core/animation_import.h"
#include "core/click_editing.h"
#include "core/colour_cycles.h"
#include "core/colour_planes.h"
#include "core/data_text.h"
#include "core/pattern_shifts.h"
#include "core/profile_import.h"
#include "core/profile_presets.h"
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

// Paste Pattern and Import on the largest text the editor accepts, in the shapes that cost the
// importer most: words it keeps as tokens, a C array of separators, one long comment, a list of
// numbers longer than any export, and a last value of a million digits that messages quote.
const std::string_view ImportShapes[] = {"words", "commas", "comment", "numbers", "literal"};

std::string ImportText(std::int64_t shape, std::size_t size = MaxPatternTextSize) {
  switch (shape) {
    case 0: {
      std::string text;
      while (text.size() + 2 <= size) {
        text += "a ";
      }
      return text;
    }
    case 1:
      return "x[] = {" + std::string(size - 8, ',') + "}";
    case 2:
      return "/*" + std::string(size - 4, ' ') + "*/";
    case 3: {
      std::string text;
      while (text.size() + 2 <= size) {
        text += "1 ";
      }
      return text;
    }
    default: {
      const std::string data = "DATA 1, 2, 3, 4, 5, 6, 7, 8, ";
      return data + std::string(size - data.size() - 1, '0') + "9";
    }
  }
}

void BM_ImportLargestText(benchmark::State& state) {
  const std::string text = ImportText(state.range(0));
  state.SetLabel(std::string(ImportShapes[state.range(0)]));
  for (auto _ : state) {
    benchmark::DoNotOptimize(ImportAnyProfile(text, ProfilePresets().front().profile));
  }
}
BENCHMARK(BM_ImportLargestText)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The same shapes as frames, as Paste Pattern reads every text now, at the size of the largest
// export of 10,000 frames that Paste takes.
void BM_ImportLargestFramesText(benchmark::State& state) {
  const std::string text = ImportText(state.range(0), ExportTextLimit.size);
  state.SetLabel(std::string(ImportShapes[state.range(0)]));
  for (auto _ : state) {
    benchmark::DoNotOptimize(ImportAnimationAnyProfile(text, ProfilePresets().front().profile));
  }
}
BENCHMARK(BM_ImportLargestFramesText)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

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
  // Paste must not freeze the editor: the largest text in under 100 ms, whatever its shape.
  for (int shape = 0; shape < 5; ++shape) {
    targets.push_back({"BM_ImportLargestText/" + std::to_string(shape), "", 0, 100e6});
    targets.push_back({"BM_ImportLargestFramesText/" + std::to_string(shape), "", 0, 100e6});
  }
  return glyphgrid::RunWithTargets(argc, argv, targets);
}
