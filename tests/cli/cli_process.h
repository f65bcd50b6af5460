#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "support/temporary_folder.h"

namespace glyphgrid {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

// Runs the built glyphgrid-cli in a fresh temporary folder, with `input` on standard input and in
// the file "pattern" there. The shell splits `arguments`; a redirection among them takes the
// place of the standard input given here.
inline CliResult RunCliProcess(const std::string& arguments, const std::string& input = "") {
  const TemporaryFolder folder;
  folder.Write("pattern", input);
  const std::string command =
      "cd '" + folder.Path() + "' && '" GLYPHGRID_CLI "' <pattern >out 2>err " + arguments;
  const int wait_status = std::system(command.c_str());
  const auto read = [&folder](const char* name) {
    std::ifstream file(folder.PathOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  };
  return {WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1, read("out"), read("err")};
}

}  // namespace glyphgrid
