#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace glyphgrid {

inline constexpr int CliExitSuccess = 0;
inline constexpr int CliExitUnreadable = 1;  // a file that cannot be opened, read or written
inline constexpr int CliExitBadInput = 2;    // bad usage or a pattern text that does not parse

// glyphgrid-cli as a whole: the arguments after the program name in, the exit status out. Output
// is assembled first and written only on success, so a failure leaves `out` untouched and puts
// one line on `err`.
int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace glyphgrid
