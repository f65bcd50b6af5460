// What undo costs: 1,000 one-frame edits on a 1,000-frame animation, in time and in the memory the
// history holds on to.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>

#include "core/edit_session.h"
#include "targets.h"

namespace glyphgrid {
namespace {

constexpr int Frames = 1000;
constexpr double MaxAddedBytes = 24e6;

std::size_t BytesInUse() {
  return mallinfo2().uordblks;
}

// Fills the history to its limit with edits to frames all over the animation.
void EditEveryFrame(EditSession& session) {
  for (std::size_t step = 0; step < EditSession::StepLimit; ++step) {
    const int frame = static_cast<int>(step * 7 % Frames);
    session.ChooseFrame(frame);
    LampMatrix lamps = session.Lamps();
    lamps.SetColour(static_cast<LampIndex>(step % LampCount), LampRed + 1 + static_cast<int>(step));
    session.RecordLamps("Draw", lamps);
  }
}

void BM_ThousandEditsOnThousandFrames(benchmark::State& state) {
  double added = 0;
  for (auto _ : state) {
    state.PauseTiming();
    EditSession session{Animation(std::vector<Frame>(Frames))};
    const std::size_t before = BytesInUse();
    state.ResumeTiming();
    EditEveryFrame(session);
    state.PauseTiming();
    added = static_cast<double>(BytesInUse() - before);
    state.ResumeTiming();
  }
  state.counters["added_bytes"] = added;
  std::printf("undo history, %zu edits on %d frames: %.1f MB added (target < %.0f MB): %s\n",
              EditSession::StepLimit, Frames, added / 1e6, MaxAddedBytes / 1e6,
              added < MaxAddedBytes ? "yes" : "NO");
}
BENCHMARK(BM_ThousandEditsOnThousandFrames)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  return glyphgrid::RunWithTargets(
      argc, argv, {{"BM_ThousandEditsOnThousandFrames/iterations:3", "", 0, 100e6}});
}
