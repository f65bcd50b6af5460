#pragma once

#include <algorithm>
#include <cerrno>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace glyphgrid {

struct Result {
  int status;
  std::string out;
  std::string err;
};

// Standard input that hands out `input` in pieces of at most 1000 bytes, then fails with `error`
// if it is not 0.
inline ReadSome Input(std::string input, int error = 0) {
  return [input = std::move(input), error, at = std::size_t{0}](char* buffer,
                                                                std::size_t size) mutable {
    size = std::min({size, input.size() - at, std::size_t{1000}});
    if (size == 0 && error != 0) {
      errno = error;
      return std::ptrdiff_t{-1};
    }
    input.copy(buffer, size, at);
    at += size;
    return static_cast<std::ptrdiff_t>(size);
  };
}

// glyphgrid-cli in this process, with blank-separated arguments (a line break is no blank) and
// `input` on standard input.
inline Result Cli(const std::string& arguments, const std::string& input = "",
                  int input_error = 0) {
  std::istringstream words(arguments);
  std::vector<std::string> argv;
  for (std::string word; std::getline(words, word, ' ');) {
    if (!word.empty()) {
      argv.push_back(word);
    }
  }
  std::ostringstream out, err;
  const int status = RunCli(argv, Input(input, input_error), out, err);
  return {status, out.str(), err.str()};
}

}  // namespace glyphgrid
