#include "targets.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace glyphgrid {

namespace {

// Prints what the console reporter prints and keeps each benchmark's time per iteration.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (!run.error_occurred && run.run_type == Run::RT_Iteration) {
        nanoseconds[run.benchmark_name()] =
            run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      }
    }
  }
  std::map<std::string, double> nanoseconds;
};

std::string Time(double nanoseconds) {
  char text[32];
  if (nanoseconds >= 1e6) {
    std::snprintf(text, sizeof text, "%.2f ms", nanoseconds / 1e6);
  } else if (nanoseconds >= 1e3) {
    std::snprintf(text, sizeof text, "%.2f us", nanoseconds / 1e3);
  } else {
    std::snprintf(text, sizeof text, "%.1f ns", nanoseconds);
  }
  return text;
}

}  // namespace

int RunWithTargets(int argc, char** argv, const std::vector<Target>& targets) {
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::vector<std::string> missed;
  std::printf("\n%-36s %11s %9s  %-34s %s\n", "benchmark", "time", "ratio", "target", "met");
  for (const Target& target : targets) {
    const auto found = reporter.nanoseconds.find(target.benchmark);
    if (found == reporter.nanoseconds.end()) {
      continue;
    }
    const double time = found->second;
    const auto reference = reporter.nanoseconds.find(target.reference);
    const bool has_ratio = reference != reporter.nanoseconds.end();
    const double ratio = has_ratio ? time / reference->second : 0;
    std::string wanted;
    bool met = true;
    if (target.max_ratio > 0 && has_ratio) {
      char text[64];
      std::snprintf(text, sizeof text, "<= %.2gx %s", target.max_ratio, target.reference.c_str());
      wanted = text;
      met = ratio <= target.max_ratio;
    }
    if (target.max_nanoseconds > 0) {
      wanted += (wanted.empty() ? "< " : ", < ") + Time(target.max_nanoseconds);
      met = met && time < target.max_nanoseconds;
    }
    char ratio_text[16] = "";
    if (has_ratio) {
      std::snprintf(ratio_text, sizeof ratio_text, "%.2fx", ratio);
    }
    std::printf("%-36s %11s %9s  %-34s %s\n", target.benchmark.c_str(), Time(time).c_str(),
                ratio_text, wanted.c_str(), met ? "yes" : "NO");
    if (!met) {
      missed.push_back(target.benchmark);
    }
  }
  if (missed.empty()) {
    std::printf("Every target is met.\n");
  } else {
    std::printf("MISSED:");
    for (const std::string& name : missed) {
      std::printf(" %s", name.c_str());
    }
    std::printf("\n");
  }
  return 0;
}

}  // namespace glyphgrid
