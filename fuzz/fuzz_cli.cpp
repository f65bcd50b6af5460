// The whole command-line tool on fuzzed arguments (NUL-separated, up to a double NUL) and
// standard input (the rest). Whatever it is given, it exits 0 with nothing on stderr but an
// export's one warning line, or 1 or 2 with one line of text on stderr (and, called with nothing,
// the usage lines after it) and nothing on stdout.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glyphgrid;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::size_t split = text.find(std::string(2, '\0'));
  std::vector<std::string> arguments;
  std::istringstream words(text.substr(0, split));
  for (std::string word; std::getline(words, word, '\0');) {
    arguments.push_back(word);
  }
  const std::variant<CliOptions, Error> options = ParseCliOptions(arguments);
  if (const CliOptions* parsed = std::get_if<CliOptions>(&options);
      parsed != nullptr && parsed->file != StandardInputName) {
    return 0;  // files on this machine are not the fuzzer's to read
  }
  std::string input = split == std::string::npos ? "" : text.substr(split + 2);
  const ReadSome standard_input = [&input](char* buffer, std::size_t wanted) {
    const std::size_t given = std::min(wanted, input.size());
    input.copy(buffer, given);
    input.erase(0, given);
    return static_cast<std::ptrdiff_t>(given);
  };
  std::ostringstream out, err;
  const int status = RunCli(arguments, standard_input, out, err);
  std::string message = err.str();
  if (arguments.empty() && message.ends_with(UsageSynopsis())) {
    message.resize(message.size() - UsageSynopsis().size());
  }
  const bool one_clean_line =
      message.starts_with("glyphgrid-cli: ") && message.find('\n') == message.size() - 1 &&
      std::none_of(message.begin(), message.end() - 1,
                   [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
  const bool fine =
      status == 0
          ? message.empty() || (one_clean_line && message.starts_with("glyphgrid-cli: warning: "))
          : (status == 1 || status == 2) && out.str().empty() && one_clean_line;
  if (!fine) {
    std::abort();
  }
  return 0;
}
