#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/lamp_matrix.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// How a pattern travels to a board over a serial line. UnoR4Live feeds the UNO R4 WiFi's
// published live-preview sketch as it is; Glyphgrid is our own protocol for any board, with a
// hello and an answer to every frame.
enum class BoardProtocol { UnoR4Live, Glyphgrid };

inline constexpr OptionValue<BoardProtocol> BoardProtocolValues[] = {
    {BoardProtocol::UnoR4Live, "uno-r4-live"}, {BoardProtocol::Glyphgrid, "glyphgrid"}};

inline constexpr BoardProtocol DefaultBoardProtocol = BoardProtocol::Glyphgrid;
inline constexpr int DefaultBaud = 115200;

// A board that has not answered within this time has stopped answering.
inline constexpr int AnswerTimeoutMs = 1000;

// Whether the board answers each frame (and a hello), so that the sender waits for it.
constexpr bool AnswersFrames(BoardProtocol protocol) {
  return protocol == BoardProtocol::Glyphgrid;
}

// The bytes that show the pattern on the board: for glyphgrid the frame message in the
// profile's unit order, for uno-r4-live the matrix words with the pattern at the profile's
// offset.
std::vector<std::uint8_t> FrameBytes(BoardProtocol protocol, const LampMatrix& lamps,
                                     const WiringProfile& profile);

}  // namespace glyphgrid
