#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/lamp_matrix.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// The glyphgrid protocol. The host sends 0xA5, LEN, LEN payload bytes and a check byte; LEN 0 is
// the hello, which the board answers with a line naming its size and colours; a frame is
// answered with ACK once it shows, or NAK when its check or length is wrong.
inline constexpr std::uint8_t MessageStart = 0xA5;
inline constexpr std::uint8_t Ack = 0x06;
inline constexpr std::uint8_t Nak = 0x15;
inline constexpr int MaxPayload = 32;
inline constexpr int GlyphgridProtocolVersion = 1;
// A longer hello line is garbage, so that a babbling board cannot grow the host's buffer.
inline constexpr std::size_t MaxHelloLine = 64;
inline constexpr std::string_view HelloWord = "GLYPHGRID";

// The one's complement of the 8-bit sum of LEN and the payload.
std::uint8_t MessageCheck(std::span<const std::uint8_t> payload);

// A whole message; the payload holds at most MaxPayload bytes.
std::vector<std::uint8_t> Message(std::span<const std::uint8_t> payload);

std::vector<std::uint8_t> HelloMessage();

// The profile's units without its zero unit: 8 bytes for one colour plane, 16 for two.
std::vector<std::uint8_t> FramePayload(const LampMatrix& lamps, const WiringProfile& profile);
std::vector<std::uint8_t> FrameMessage(const LampMatrix& lamps, const WiringProfile& profile);

// What a board says about itself in its hello line.
struct BoardHello {
  int version = GlyphgridProtocolVersion;
  int columns = LampsPerRow;
  int rows = LampsPerRow;
  std::vector<std::string> colours;  // "red", or "red" and "green"

  bool operator==(const BoardHello&) const = default;
};

// "GLYPHGRID 1 8x8 red,green\n".
std::string HelloLine(const BoardHello& hello);

// The line without its line break (a CR before it is allowed); nothing unless it is
// "GLYPHGRID <version> <columns>x<rows> <colour>[,<colour>...]" with numbers of 1 to 3 digits
// and colours of lower-case letters.
std::optional<BoardHello> ParseHelloLine(std::string_view line);

// Nothing when the board shows what the profile sends; otherwise why not, as the end of a
// sentence that names the board ("speaks protocol version 2, not 1").
std::optional<std::string> HelloMismatch(const BoardHello& hello, const WiringProfile& profile);

}  // namespace glyphgrid
