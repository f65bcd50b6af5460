#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_run.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // Pattern texts are bytes: CR LF must pass through both ways unchanged.
  _setmode(0, _O_BINARY);
  _setmode(1, _O_BINARY);
#endif
  // Standard output is written through std::cout alone, so it can keep a buffer of its own.
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto read_standard_input = [](char* buffer, std::size_t size) {
    return static_cast<std::ptrdiff_t>(::read(0, buffer, static_cast<unsigned>(size)));
  };
#ifdef _WIN32
  const bool terminal = _isatty(1) != 0;
#else
  const bool terminal = ::isatty(1) != 0;
#endif
  return glyphgrid::RunCli(arguments, read_standard_input, std::cout, std::cerr, terminal);
}
