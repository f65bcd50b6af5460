#pragma once

#include <string>
#include <vector>

namespace glyphgrid {

// What a benchmark must reach: at most `max_ratio` times the time of `reference` (when given),
// and at most `max_nanoseconds` (when given).
struct Target {
  std::string benchmark;
  std::string reference;
  double max_ratio = 0;
  double max_nanoseconds = 0;
};

// A benchmark program's main: runs its benchmarks as Google Benchmark does, then prints a table
// of each one's time, its ratio to its reference and whether its target is met, and says plainly
// which targets are missed. Returns 0 either way: a missed target is news, not a broken build.
int RunWithTargets(int argc, char** argv, const std::vector<Target>& targets);

}  // namespace glyphgrid
