// Start-up as a user waits for it: from starting the process to its first painted window, for the
// editor and for a bare Qt window of the same size, alternately, with the median ratio and the
// peak RSS of each. A third program in the round, the bare window with one label, shows how much
// of the difference any text costs. Usage: window_startup RUNS EDITOR BARE_WINDOW
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "painted_window.h"

namespace glyphgrid {
namespace {

constexpr double TimeoutSeconds = 30;
constexpr double TargetRatio = 1.15;
constexpr double TargetExtraRssBytes = 6e6;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
  std::vector<double> milliseconds;
  std::vector<double> peak_rss_bytes;
  std::vector<double> cpu_milliseconds;

  void Add(const StartupRun& run) {
    milliseconds.push_back(run.milliseconds);
    peak_rss_bytes.push_back(run.peak_rss_bytes);
    cpu_milliseconds.push_back(run.cpu_milliseconds);
  }
};

void PrintSeries(const char* name, const Series& series) {
  const auto [fastest, slowest] =
      std::minmax_element(series.milliseconds.begin(), series.milliseconds.end());
  std::printf("%-16s %7.1f ms %8.1f %8.1f %8.1f MB %8.1f ms\n", name, Median(series.milliseconds),
              *fastest, *slowest, Median(series.peak_rss_bytes) / 1e6,
              Median(series.cpu_milliseconds));
}

const char* Verdict(bool met) {
  return met ? "met" : "MISSED";
}

int Main(int argc, char** argv) {
  if (argc != 4 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: window_startup RUNS EDITOR BARE_WINDOW\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  PaintedWindowWatch watch;
  if (!watch.Error().empty()) {
    std::fprintf(stderr, "window_startup: %s\n", watch.Error().c_str());
    return 1;
  }

  auto run_once = [&watch](const std::vector<std::string>& command) -> std::optional<StartupRun> {
    auto result = watch.Run(command, TimeoutSeconds);
    if (const auto* error = std::get_if<std::string>(&result)) {
      std::fprintf(stderr, "window_startup: %s\n", error->c_str());
      return std::nullopt;
    }
    return std::get<StartupRun>(result);
  };

  // One unmeasured start of each warms the file cache and tells the bare window its size.
  const std::vector<std::string> editor = {argv[2]};
  const std::optional<StartupRun> sized = run_once(editor);
  if (!sized) {
    return 1;
  }
  const std::vector<std::string> bare = {argv[3], std::to_string(sized->width),
                                         std::to_string(sized->height)};
  std::vector<std::string> labelled = bare;
  labelled.push_back("File Edit Pattern Help");
  if (!run_once(bare) || !run_once(labelled)) {
    return 1;
  }

  Series editor_series;
  Series bare_series;
  Series labelled_series;
  std::vector<double> ratios;
  std::vector<double> labelled_ratios;
  for (int i = 0; i < runs; ++i) {
    const std::optional<StartupRun> editor_run = run_once(editor);
    const std::optional<StartupRun> bare_run = editor_run ? run_once(bare) : std::nullopt;
    const std::optional<StartupRun> labelled_run = bare_run ? run_once(labelled) : std::nullopt;
    if (!labelled_run) {
      return 1;
    }
    editor_series.Add(*editor_run);
    bare_series.Add(*bare_run);
    labelled_series.Add(*labelled_run);
    ratios.push_back(editor_run->milliseconds / bare_run->milliseconds);
    labelled_ratios.push_back(labelled_run->milliseconds / bare_run->milliseconds);
  }

  std::printf("Start-up to the first painted %dx%d window, %d runs each, alternating\n",
              sized->width, sized->height, runs);
  // CPU time (all threads, user and system) tells apart work the program does from time it
  // waits, for the CPU or the X server.
  std::printf("%-16s %10s %8s %8s %11s %11s\n", "", "median", "min", "max", "peak RSS", "CPU time");
  PrintSeries("glyphgrid", editor_series);
  PrintSeries("bare Qt window", bare_series);
  PrintSeries("bare + a label", labelled_series);
  const double ratio = Median(ratios);
  const double extra_rss =
      Median(editor_series.peak_rss_bytes) - Median(bare_series.peak_rss_bytes);
  std::printf("time ratio, median of pairs  %6.2fx    target <= %.2fx    %s\n", ratio, TargetRatio,
              Verdict(ratio <= TargetRatio));
  // Not a target: what any Qt window pays for drawing one line of text (the font set-up).
  std::printf("bare + a label, for reference    %.2fx\n", Median(labelled_ratios));
  std::printf("peak RSS over the bare one   %+5.1f MB   target <= +%.0f MB   %s\n", extra_rss / 1e6,
              TargetExtraRssBytes / 1e6, Verdict(extra_rss <= TargetExtraRssBytes));
  return 0;
}

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  return glyphgrid::Main(argc, argv);
}
