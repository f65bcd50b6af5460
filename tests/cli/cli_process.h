#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/temporary_folder.h"

namespace glyphgrid {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

// Runs the built glyphgrid-cli in a fresh temporary folder, which is removed with its contents
// at the end; file arguments are relative to that folder.
class CliProcess {
 public:
  void Write(const std::string& name, const std::string& bytes) const {
    folder_.Write(name, bytes);
  }

  CliResult Run(const std::vector<std::string>& arguments, const std::string& input = "") const {
    Write("stdin", input);
    std::string command = "cd " + Quoted(folder_.Path()) + " && " + Quoted(GLYPHGRID_CLI);
    for (const std::string& argument : arguments) {
      command += " " + Quoted(argument);
    }
    command += " <stdin >stdout 2>stderr";
    const int wait_status = std::system(command.c_str());
    const int status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
    return {status, Read("stdout"), Read("stderr")};
  }

 private:
  static std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
      quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
  }

  std::string Read(const std::string& name) const {
    std::ifstream file(folder_.PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  TemporaryFolder folder_;
};

}  // namespace glyphgrid
