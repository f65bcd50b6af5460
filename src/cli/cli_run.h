#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/text_file.h"

namespace glyphgrid {

inline constexpr int CliExitSuccess = 0;
inline constexpr int CliExitUnreadable = 1;  // a file that cannot be opened, read or written
inline constexpr int CliExitBadInput = 2;    // bad usage or a pattern text that does not parse

// glyphgrid-cli as a whole: the arguments after the program name in, the exit status out. Frames
// are written to `out` as they are made; every error comes before the first frame except a
// failure to write, and puts one line on `err`. A picture is never written to a terminal.
int RunCli(const std::vector<std::string>& arguments, const ReadSome& standard_input,
           std::ostream& out, std::ostream& err, bool output_is_terminal = false);

}  // namespace glyphgrid
