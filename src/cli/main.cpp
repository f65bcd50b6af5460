#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return glyphgrid::RunCli(arguments, std::cin, std::cout, std::cerr);
}
