#pragma once

#include <optional>
#include <string>

#include "core/animation.h"
#include "core/board_protocol.h"
#include "core/error.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// The baud rates a port can be set to; serial_port.cpp gives each its termios speed.
inline constexpr int SerialBauds[] = {1200,   2400,   4800,   9600,   19200,  38400,  57600,
                                      115200, 230400, 460800, 500000, 921600, 1000000};

struct SendOptions {
  std::string port;
  BoardProtocol protocol = DefaultBoardProtocol;
  int baud = DefaultBaud;
  bool loop = false;  // until SIGINT or SIGTERM, which then end it as a success
};

// A board that resets when its port opens runs its bootloader for about 2 s before it can
// answer, so the hello is sent up to this many times, a second apart.
inline constexpr int HelloAttempts = 3;

// Shows the frames on the board at the port, each for its delay, in the wiring profile's order
// (glyphgrid) or at its offset (uno-r4-live), and writes nothing else to the port. Nothing on
// success; otherwise one line that names the port and says what went wrong.
std::optional<Error> SendAnimation(const Animation& animation, const WiringProfile& profile,
                                   const SendOptions& options);

}  // namespace glyphgrid
