// fake_board: a board on a pseudo-terminal for trying the editor and glyphgrid-cli send without
// hardware. It prints the port's path, then each frame it shows as grid text with the
// milliseconds since it started, until SIGINT or SIGTERM.
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/grid_text.h"
#include "core/profile_presets.h"
#include "fake_board/fake_board.h"

namespace glyphgrid {
namespace {

constexpr const char* Usage =
    "usage: fake_board [--protocol glyphgrid|uno-r4-live] [--colours red|red,green]\n"
    "                  [--profile PRESET] [--offset 0-4] [--garbage] [--silent]\n"
    "The profile says how the board's display reads a glyphgrid frame (default: basic for one\n"
    "colour, ht16k33 for two).\n";

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  for (const std::uint8_t byte : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X ", byte);
    text += digits;
  }
  return text;
}

int Run(const std::vector<std::string>& arguments) {
  FakeBoardOptions options;
  std::string preset;
  bool garbage = false;
  bool silent = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    const bool has_value = i + 1 < arguments.size();
    std::optional<BoardProtocol> protocol;
    if (option == "--protocol" && has_value &&
        (protocol = ValueNamed(BoardProtocolValues, arguments[i + 1]))) {
      options.protocol = *protocol;
    } else if (option == "--colours" && has_value &&
               (arguments[i + 1] == "red" || arguments[i + 1] == "red,green")) {
      options.colours = arguments[i + 1] == "red" ? std::vector<std::string>{"red"}
                                                  : std::vector<std::string>{"red", "green"};
    } else if (option == "--profile" && has_value && FindProfilePreset(arguments[i + 1])) {
      preset = arguments[i + 1];
    } else if (option == "--offset" && has_value && arguments[i + 1].size() == 1 &&
               arguments[i + 1][0] >= '0' && arguments[i + 1][0] <= '0' + MaxOffset) {
      options.wiring.offset = arguments[i + 1][0] - '0';
    } else if (option == "--garbage" || option == "--silent") {
      (option == "--garbage" ? garbage : silent) = true;
      continue;
    } else {
      std::cerr << "fake_board: bad option '" << option << "'\n" << Usage;
      return 2;
    }
    ++i;
  }
  if (preset.empty()) {
    preset = options.colours.size() == 1 ? "basic" : "ht16k33";
  }
  const int offset = options.wiring.offset;
  options.wiring = FindProfilePreset(preset)->profile;
  options.wiring.offset = offset;
  const auto start = std::chrono::steady_clock::now();
  int count = 0;
  options.on_frame = [&](const BoardFrame& frame) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(frame.at - start).count();
    std::cout << "frame " << ++count << " at " << ms << " ms: " << Hex(frame.bytes) << "\n"
              << GridText(frame.lamps) << "\n"
              << std::flush;
  };
  // The board's thread must not take the signals that end the program.
  sigset_t ending;
  sigemptyset(&ending);
  sigaddset(&ending, SIGINT);
  sigaddset(&ending, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &ending, nullptr);
  FakeBoard board(std::move(options));
  board.AnswerGarbage(garbage);
  board.StopAnswering(silent);
  std::cout << board.Path() << "\n" << std::flush;
  int signal = 0;
  sigwait(&ending, &signal);
  return 0;
}

}  // namespace
}  // namespace glyphgrid

int main(int argc, char** argv) {
  return glyphgrid::Run(std::vector<std::string>(argv + 1, argv + argc));
}
